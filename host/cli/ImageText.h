// The canonical text of an image: what `fmt` writes and `apply` reads back.
//
//   # g20seq image text: ZONE FIELD=VALUE, raw values
//   identification GA_Line3
//   variant AC
//   PrcProgrammes=5 IDModeControle=1  # Intensité
//
// Values are the fields' raw values (a number for numeric fields, the dotted form of an
// address, the text of a text field), so that they do not depend on the catalogue, on the
// ratios that follow other fields or on the point mode. An enumeration is followed by its
// untranslated caption in a comment. A value that is empty, padded with blanks or holds
// '=', '#' or '"' is quoted by the difference-line rule (double quotes, inner ones doubled).
#pragma once

#include "cli/FieldAccess.h"

#include <g20seq/support/Types.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace g20seq {
class TCustomZoneCPS;
class TKEVField;
} // namespace g20seq

namespace g20seq::host {

// Value, quoted when it is empty, padded with blanks or holds '=', '#' or '"'.
std::string QuotedIfNeeded(const std::string& Value);
// The raw value of a single field as the text writes it, unquoted.
std::string RawText(const TKEVField& Field);
// The value as a line of the text shows it: quoted when needed, with the caption comment
// of an enumeration.
std::string CanonicalText(const TKEVField& Field);
// Gives the field the raw value Text through its raw limits; raises the field's error for
// a value outside them and TUsageError for a text that is not a number of a numeric field.
void SetRawText(TKEVField& Field, const std::string& Text);

// The raw limits of a numeric field; none for other fields.
struct TRawLimits {
    Int64 Min = 0;
    Int64 Max = 0;
};
std::optional<TRawLimits> RawLimits(const TKEVField& Field);

// Whether the whole-image text holds the zone: the zones the controller receives, or with
// All every zone in the file (also the status zones and the zones kept in the file only).
bool InImageText(const TCustomZoneCPS& Zone, bool All);

// A field line of a text: "ZONE FIELD=VALUE", at line Number (from 1).
struct TTextLine {
    int Number = 0;
    std::string Zone;
    std::string Field;
    std::string Value; // unquoted, without its comment
};
// A line the reader refused, with its reason.
struct TTextError {
    int Number = 0;
    std::string Message;
};
struct TImageText {
    std::string Identification;
    std::string Variante;
    int VarianteLine = 0; // 0: no variant line
    std::vector<TTextLine> Lines;
    std::vector<TTextError> Errors;
};
// Writes the header lines of a text (Identification and Variante of Header).
void WriteTextHeader(std::ostream& Out, const TImageText& Header);
// Reads a text; blank lines and comment lines ('#') are skipped, malformed lines are
// reported in Errors.
TImageText ReadImageText(std::istream& In);

} // namespace g20seq::host
