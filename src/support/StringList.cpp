#include "support/StringList.h"

#include "support/Exceptions.h"
#include "support/Format.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>

namespace g20seq {

namespace {

constexpr const char* SListIndexError = "List index out of bounds (%d)";
constexpr const char* SDuplicateString = "String list does not allow duplicates";
constexpr const char* SSortedListError = "Operation not allowed on sorted list";

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The text between quotes, inner quotes doubled.
std::string Quoted(const std::string& text, char quote) {
    std::string result(1, quote);
    for (const char c : text) {
        result += c;
        if (c == quote)
            result += quote;
    }
    return result + quote;
}

} // namespace

TStringList::TStringList() = default;

TStringList::TStringList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}

TStringList::~TStringList() {
    Clear();
}

std::string TStringList::ClassName() const {
    return "TStringList";
}

void TStringList::SetSorted(bool value) {
    if (value && !FSorted)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError(Format(SListIndexError, index));
}

const std::string& TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[index].FString;
}

void TStringList::SetString(int index, const std::string& text) {
    if (FSorted)
        throw EStringListError(SSortedListError);
    CheckIndex(index);
    FItems[index].FString = text;
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return FItems[index].FObject;
}

void TStringList::SetObject(int index, TObject* object) {
    CheckIndex(index);
    FItems[index].FObject = object;
}

void TStringList::InsertItem(int index, const std::string& text, TObject* object) {
    FItems.insert(FItems.begin() + index, TItem{text, object});
}

TObject* TStringList::Extract(int index) {
    CheckIndex(index);
    TObject* object = FItems[index].FObject;
    FItems.erase(FItems.begin() + index);
    return object;
}

int TStringList::Add(const std::string& text) {
    return AddObject(text, nullptr);
}

int TStringList::AddObject(const std::string& text, TObject* object) {
    int index = Count();
    if (FSorted && Find(text, index)) {
        if (FDuplicates == TDuplicates::dupIgnore)
            return index;
        if (FDuplicates == TDuplicates::dupError)
            throw EStringListError(SDuplicateString);
    }
    InsertItem(index, text, object);
    return index;
}

void TStringList::AddStrings(const TStringList& source) {
    for (const TItem& item : source.FItems)
        AddObject(item.FString, item.FObject);
}

void TStringList::Insert(int index, const std::string& text) {
    InsertObject(index, text, nullptr);
}

void TStringList::InsertObject(int index, const std::string& text, TObject* object) {
    if (FSorted)
        throw EStringListError(SSortedListError);
    if (index < 0 || index > Count())
        throw EStringListError(Format(SListIndexError, index));
    InsertItem(index, text, object);
}

void TStringList::Delete(int index) {
    TObject* object = Extract(index);
    if (FOwnsObjects)
        delete object;
}

void TStringList::Clear() {
    std::vector<TItem> items;
    items.swap(FItems);
    if (FOwnsObjects)
        for (const TItem& item : items)
            delete item.FObject;
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FItems[index1], FItems[index2]);
}

bool TStringList::Find(const std::string& text, int& index) const {
    if (!FSorted) {
        for (index = 0; index < Count(); ++index)
            if (CompareStrings(FItems[index].FString, text) == 0)
                return true;
        return false;
    }
    // Binary search for the first line not before the text.
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = CompareStrings(FItems[middle].FString, text);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            found = found || order == 0;
        }
    }
    index = low;
    return found;
}

int TStringList::IndexOf(const std::string& text) const {
    int index = 0;
    return Find(text, index) ? index : -1;
}

int TStringList::IndexOfName(const std::string& name) const {
    // The name of a line equals the text when it has the same length and the same
    // characters under the list's case sensitivity: compared in place, without copying it.
    const auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    if (FSorted && FCaseSensitive && name.find(FNameValueSeparator) == std::string::npos) {
        // In a list sorted by byte order, the lines whose name is the text are those that
        // start with the text and the separator: a block that starts at the first line not
        // before that prefix.
        const std::string prefix = name + FNameValueSeparator;
        const auto first = std::lower_bound(FItems.begin(), FItems.end(), prefix,
                                            [](const TItem& item, const std::string& key) {
                                                return CompareStr(item.FString, key) < 0;
                                            });
        if (first != FItems.end() && first->FString.compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(first - FItems.begin());
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = FItems[i].FString;
        const std::size_t separator = line.find(FNameValueSeparator);
        if (separator == std::string::npos || separator != name.size())
            continue;
        if (FCaseSensitive ? line.compare(0, separator, name) == 0
                           : std::equal(name.begin(), name.end(), line.begin(),
                                        [&upper](char a, char b) { return upper(a) == upper(b); }))
            return i;
    }
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].FObject == object)
            return i;
    return -1;
}

std::string TStringList::Names(int index) const {
    const std::string& line = Strings(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStringList::ValueFromIndex(int index) const {
    const std::string& line = Strings(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

std::string TStringList::Values(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const std::string line = name + FNameValueSeparator + value;
    if (index < 0) {
        Add(line);
    } else if (!FSorted) {
        FItems[index].FString = line;
    } else {
        TObject* object = Extract(index);
        int position = 0;
        Find(line, position);
        InsertItem(position, line, object);
    }
}

std::string TStringList::JoinCells(const TDelimiting& delimiting) const {
    if (Count() == 1 && FItems[0].FString.empty())
        return std::string(2, delimiting.Quote);
    std::string result;
    for (const TItem& item : FItems) {
        const bool quote = std::any_of(item.FString.begin(), item.FString.end(), [&](char c) {
            return c == delimiting.Quote || c == delimiting.Delimiter ||
                   (!delimiting.Strict && IsBlank(c));
        });
        if (&item != &FItems.front())
            result += delimiting.Delimiter;
        result += quote ? Quoted(item.FString, delimiting.Quote) : item.FString;
    }
    return result;
}

void TStringList::SplitCells(const std::string& text, const TDelimiting& delimiting) {
    Clear();
    const std::size_t size = text.size();
    std::size_t pos = 0;
    const auto skipBlanks = [&]() {
        while (!delimiting.Strict && pos < size && IsBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < size) {
        std::string cell;
        if (text[pos] == delimiting.Quote) {
            // Quoted cell: a doubled quote is one quote, a single one ends the cell.
            for (++pos; pos < size; ++pos) {
                if (text[pos] == delimiting.Quote && pos + 1 < size &&
                    text[pos + 1] == delimiting.Quote) {
                    ++pos;
                } else if (text[pos] == delimiting.Quote) {
                    ++pos;
                    break;
                }
                cell += text[pos];
            }
        } else {
            const std::size_t start = pos;
            while (pos < size && text[pos] != delimiting.Delimiter &&
                   (delimiting.Strict || !IsBlank(text[pos])))
                ++pos;
            cell = text.substr(start, pos - start);
        }
        Add(cell);
        skipBlanks();
        if (pos < size && text[pos] == delimiting.Delimiter) {
            if (pos + 1 == size)
                Add("");
            ++pos;
            skipBlanks();
        }
    }
}

std::string TStringList::DelimitedText() const {
    return JoinCells({FDelimiter, FQuoteChar, FStrictDelimiter});
}

void TStringList::SetDelimitedText(const std::string& text) {
    SplitCells(text, {FDelimiter, FQuoteChar, FStrictDelimiter});
}

std::string TStringList::CommaText() const {
    return JoinCells({',', '"', false});
}

void TStringList::SetCommaText(const std::string& text) {
    SplitCells(text, {',', '"', false});
}

std::string TStringList::Text() const {
    std::string result;
    for (const TItem& item : FItems)
        result += item.FString + FLineBreak;
    return result;
}

void TStringList::SetText(const std::string& text) {
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        Add(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
}

void TStringList::SaveToFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string text = Text();
    if (!file || !file.write(text.data(), static_cast<std::streamsize>(text.size())) ||
        !file.flush())
        throw Exception(Format("Cannot create file \"%s\"", path));
}

void TStringList::LoadFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Exception(Format("Cannot open file \"%s\"", path));
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    SetText(text);
}

void TStringList::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TStringList*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    Clear();
    FItems = source->FItems;
    FSorted = source->FSorted;
    FDuplicates = source->FDuplicates;
    FCaseSensitive = source->FCaseSensitive;
    FNameValueSeparator = source->FNameValueSeparator;
    FDelimiter = source->FDelimiter;
    FQuoteChar = source->FQuoteChar;
    FStrictDelimiter = source->FStrictDelimiter;
    FLineBreak = source->FLineBreak;
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [this](const TItem& a, const TItem& b) {
        return CompareStrings(a.FString, b.FString) < 0;
    });
}

void TStringList::CustomSort(const TCompare& compare) {
    if (FSorted || Count() < 2)
        return;
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(FItems.size());
    for (const int index : order)
        sorted.push_back(FItems[index]);
    FItems.swap(sorted);
}

} // namespace g20seq
