#pragma once

#include "support/G20SeqExport.h"
#include "support/Object.h"

#include <functional>
#include <string>
#include <vector>

namespace g20seq {

// What a sorted string list does with a text it already holds.
enum class TDuplicates { dupIgnore, dupAccept, dupError };

// Ordered list of lines, each a text with an optional object attached.
//
// Options (all off by default, duplicates ignored): Sorted keeps the lines in order and
// finds them by binary search; CaseSensitive decides whether "abc" and "ABC" are the same
// text (case-insensitive means ASCII upper-casing); OwnsObjects makes the list free the
// attached objects when their lines are deleted or the list is cleared or destroyed.
// Comparison is ordinal (byte order) and never depends on the locale.
//
// Lines of the form name=value are read through the name=value operations (separator
// NameValueSeparator, '=' by default). Delimited text writes the lines separated by
// Delimiter (','), quoting with QuoteChar ('"') the cells that would not read back
// otherwise. Text() ends every line with LineBreak, CR LF by default (the line end of
// the files the engineers open on their office computers).
//
// Errors raise EStringListError: "List index out of bounds (%d)" for an index outside
// 0..Count()-1, "String list does not allow duplicates" when a sorted list with
// dupError meets a duplicate, "Operation not allowed on sorted list" for positional
// changes of a sorted list.
class G20SEQ_EXPORT TStringList : public TPersistent {
public:
    // Orders two lines by index: negative, zero or positive.
    using TCompare = std::function<int(const TStringList& list, int index1, int index2)>;

    TStringList();
    explicit TStringList(bool ownsObjects);
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    ~TStringList() override;

    std::string ClassName() const override;

    // Options.
    bool Sorted() const { return FSorted; }
    // Turning sorting on sorts the lines (duplicates already there stay).
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    // A sorted list is sorted again under the new comparison.
    void SetCaseSensitive(bool value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char value) { FNameValueSeparator = value; }
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char value) { FDelimiter = value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char value) { FQuoteChar = value; }
    // With StrictDelimiter only the delimiter separates cells; otherwise spaces and
    // control characters separate them too.
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }
    const std::string& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const std::string& value) { FLineBreak = value; }

    // Lines.
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    // Replaces the text of a line (not allowed on a sorted list).
    void SetString(int index, const std::string& text);
    TObject* Objects(int index) const;
    // Attaches an object to a line; a previously attached object is not freed.
    void SetObject(int index, TObject* object);

    // Appends, or inserts at the sorted position; answers the line's index. A sorted list
    // that ignores duplicates answers the index of the line already there and does not
    // keep (nor free) the object given with the duplicate.
    int Add(const std::string& text);
    int AddObject(const std::string& text, TObject* object);
    void AddStrings(const TStringList& source);
    void Insert(int index, const std::string& text);
    void InsertObject(int index, const std::string& text, TObject* object);
    void Delete(int index);
    void Clear();
    void Exchange(int index1, int index2);

    // Look-up. IndexOf is a binary search on a sorted list, a linear one otherwise; -1
    // when absent. Find answers whether the text is there and the index of its first
    // occurrence or, when absent, the index where a sorted list would insert it
    // (Count() on an unsorted list).
    int IndexOf(const std::string& text) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;
    bool Find(const std::string& text, int& index) const;

    // Name=value lines. A line without the separator has an empty name and value.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(const std::string& name) const;
    // Replaces the value of the first line with that name, appends name=value when there
    // is none, deletes the line when the value is empty. On a sorted list the changed line
    // moves to its sorted position and keeps its object.
    void SetValue(const std::string& name, const std::string& value);

    // Whole-list texts.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& text);
    // Delimited text with ',' and '"', spaces separating cells.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);
    // Every line followed by LineBreak.
    std::string Text() const;
    // Lines ended by CR LF, LF or CR; a final line end adds no empty line.
    void SetText(const std::string& text);
    // The text as UTF-8 (no byte-order mark); loading skips a byte-order mark. Raises
    // Exception "Cannot create file \"%s\"" or "Cannot open file \"%s\"".
    void SaveToFile(const std::string& path) const;
    void LoadFromFile(const std::string& path);

    // Copies the lines, their objects (shared, never owned through the copy) and the
    // options of another string list, except OwnsObjects.
    void Assign(const TPersistent* Source) override;

    void Sort();
    // Sorts an unsorted list with the given order (nothing on a sorted list).
    void CustomSort(const TCompare& compare);

    // Compares two texts under this list's case sensitivity.
    int CompareStrings(const std::string& a, const std::string& b) const;

private:
    struct TItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    // Delimiter, quote and strictness of one delimited text.
    struct TDelimiting {
        char Delimiter;
        char Quote;
        bool Strict;
    };

    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& text, TObject* object);
    // Removes a line without freeing its object.
    TObject* Extract(int index);
    std::string JoinCells(const TDelimiting& delimiting) const;
    void SplitCells(const std::string& text, const TDelimiting& delimiting);

    std::vector<TItem> FItems;
    bool FSorted = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
    std::string FLineBreak = "\r\n";
};

} // namespace g20seq
