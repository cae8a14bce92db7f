#include "cli/FieldAccess.h"

#include "cli/CliErrors.h"
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>

#include <charconv>
#include <map>

namespace g20seq::host {

namespace {

// Splits "FIELD[i]" into its identifier and index (-1 without index).
std::string SplitIndex(const std::string& Name, int& Index) {
    Index = -1;
    const auto open = Name.find('[');
    if (open == std::string::npos)
        return Name;
    const std::string digits = Name.substr(open + 1, Name.size() - open - 2);
    const char* end = digits.data() + digits.size();
    const auto [last, error] = std::from_chars(digits.data(), end, Index);
    if (Name.back() != ']' || error != std::errc() || last != end || digits.empty() || Index < 0)
        throw TUsageError("bad array element '" + Name + "'");
    return Name.substr(0, open);
}

bool ParseInt(const std::string& Text, int& Value) {
    const char* end = Text.data() + Text.size();
    const auto [last, error] = std::from_chars(Text.data(), end, Value);
    return error == std::errc() && last == end && !Text.empty();
}

} // namespace

std::string DisplayText(const TKEVField& Field) {
    try {
        return Field.GetAsString();
    } catch (const std::exception& error) {
        return "<" + std::string(error.what()) + ">";
    }
}

TZoneId ParseZoneId(const std::string& Text) {
    const auto equal = Text.find('=');
    const std::string name = Text.substr(0, equal);
    TZoneId id;
    int number = 0;
    if (!TypeZoneFromName(name, id.TypeZone)) {
        if (!ParseInt(name, number) || !IsValidTypeZone(number))
            throw TUsageError("unknown zone type '" + name + "'");
        id.TypeZone = static_cast<TTypeZones>(number);
    }
    if (equal != std::string::npos &&
        (!ParseInt(Text.substr(equal + 1), id.Numero) || id.Numero < 0))
        throw TUsageError("bad zone number in '" + Text + "'");
    return id;
}

std::vector<TFieldLine> FieldLines(const TKEVField& Field, const std::string& Name,
                                   TFieldText Text) {
    const IKEVArrayField* array = QueryField<IKEVArrayField>(Field);
    if (array == nullptr)
        return {{Name, Text(Field)}};
    std::vector<TFieldLine> lines;
    for (int index = 0; index < array->GetCount(); ++index)
        if (const TKEVField* element = array->GetField(index)) {
            auto elementLines =
                FieldLines(*element, Name + "[" + std::to_string(index) + "]", Text);
            lines.insert(lines.end(), elementLines.begin(), elementLines.end());
        }
    return lines;
}

std::vector<TFieldLine> FieldLines(const TCustomZoneCPS& Zone, TFieldText Text) {
    std::vector<TFieldLine> lines;
    for (int index = 0; index < Zone.GetFieldCount(); ++index) {
        const TKEVField* field = Zone.GetFields(index);
        auto fieldLines = FieldLines(*field, field->GetFieldID(), Text);
        lines.insert(lines.end(), fieldLines.begin(), fieldLines.end());
    }
    return lines;
}

TKEVField& FindField(const TCustomZoneCPS& Zone, const std::string& Name) {
    int index = -1;
    const std::string id = SplitIndex(Name, index);
    TKEVField* field = Zone.GetFieldByID(id);
    if (field == nullptr)
        throw TUsageError("the zone has no field '" + id + "'");
    if (index < 0)
        return *field;
    const IKEVArrayField* array = QueryField<IKEVArrayField>(*field);
    if (array == nullptr)
        throw TUsageError("the field '" + id + "' is not an array");
    TKEVField* element = index < array->GetCount() ? array->GetField(index) : nullptr;
    if (element == nullptr)
        throw TUsageError("the array '" + id + "' has no element " + std::to_string(index));
    return *element;
}

void SetDisplayValue(TKEVField& Field, const std::string& Value) {
    const IKevEnumFieldAsRead* captions = QueryField<IKevEnumFieldAsRead>(Field);
    const IKEVIntegerField* range = QueryField<IKEVIntegerField>(Field);
    if (captions == nullptr || range == nullptr) {
        Field.SetAsString(Value);
        return;
    }
    // An enumerated field shows the caption of its value: find the value of the caption.
    for (int value = range->GetMin(); value <= range->GetMax(); ++value)
        if (captions->GetEnum(value) == Value) {
            Field.SetAsInteger(value);
            return;
        }
    int number = 0;
    if (ParseInt(Value, number))
        Field.SetAsInteger(number);
    else
        Field.SetAsString(Value);
}

std::vector<TFieldLine> ChangedLines(const std::vector<TFieldLine>& Before,
                                     const std::vector<TFieldLine>& After) {
    std::map<std::string, std::string> previous;
    for (const TFieldLine& line : Before)
        previous[line.Name] = line.Value;
    std::vector<TFieldLine> changed;
    for (const TFieldLine& line : After) {
        const auto found = previous.find(line.Name);
        if (found == previous.end() || found->second != line.Value)
            changed.push_back(line);
    }
    return changed;
}

} // namespace g20seq::host
