// The fields of a zone as the command line shows and changes them: by identifier, array
// elements as FIELD[i] (i from 0), values as their display texts.
#pragma once

#include "Station.h"
#include <g20seq/model/KEVField.h>

#include <string>
#include <vector>

namespace g20seq {
class TCustomZoneCPS;
} // namespace g20seq

namespace g20seq::host {

// A zone as the command line names it: "PrcProgrammes=5" (type name, number), or the type
// name alone for zone 0. Raises TUsageError for a text that names no zone type.
TZoneId ParseZoneId(const std::string& Text);

struct TFieldLine {
    std::string Name;  // "IDTempsSoudage", "IDTabPoints[3]"
    std::string Value; // display text
};

// The text a line shows of a single (not array) field.
using TFieldText = std::string (*)(const TKEVField& Field);
// The display text; the field's message in angle brackets when it has none.
std::string DisplayText(const TKEVField& Field);

// Every field of the zone in the zone's order, arrays expanded element by element.
std::vector<TFieldLine> FieldLines(const TCustomZoneCPS& Zone, TFieldText Text = DisplayText);
// The lines of one field (one line, or one per element of an array).
std::vector<TFieldLine> FieldLines(const TKEVField& Field, const std::string& Name,
                                   TFieldText Text = DisplayText);

// The interface TInterface of Field, or nullptr when its class does not offer it.
template <class TInterface> TInterface* QueryField(const TKEVField& Field) {
    void* found = nullptr;
    return const_cast<TKEVField&>(Field).QueryInterface(TInterface::IID, &found) == THResult::S_OK
               ? static_cast<TInterface*>(found)
               : nullptr;
}

// The field named "FIELD" or "FIELD[i]"; raises TUsageError when the zone has none.
TKEVField& FindField(const TCustomZoneCPS& Zone, const std::string& Name);

// Gives the field a display value through its setters, so the model's limits and
// messages apply (a refused value raises the module's exception and changes nothing). An
// enumerated field takes one of its captions, or its number.
void SetDisplayValue(TKEVField& Field, const std::string& Value);

// Lines of After whose value differs from the line of the same name in Before.
std::vector<TFieldLine> ChangedLines(const std::vector<TFieldLine>& Before,
                                     const std::vector<TFieldLine>& After);

} // namespace g20seq::host
