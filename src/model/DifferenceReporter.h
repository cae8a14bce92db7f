// The differences that comparisons find, one field at a time, for whoever shows them.
//
// Fields, zones and EPROMs compare through operations that take a difference list
// (EqualsDetails of fields and zones, EqualsZones and EqualsFichier of the EPROM). A plain
// list receives one line per difference, the lines hosts have always read. A
// TReportingDifferenceList passed in its place hands each difference whole to a reporter
// instead: zone, field path, both texts and, for enumerations and booleans, both values.
#pragma once

#include "support/G20SeqExport.h"
#include "support/StringList.h"
#include "support/TypeZones.h"
#include "support/Types.h"

#include <optional>
#include <string>

namespace g20seq {

// The zone of a difference.
struct TDifferenceZone {
    TTypeZones TypeZone = PrcIdentification;
    Word NumeroZone = 0;

    bool operator==(const TDifferenceZone&) const = default;
};

// One field whose value differs. The own side is the field compared (the zone of this
// EPROM, or the image), the other side the field it is compared with (the source EPROM's,
// the reference file's or the other file's).
struct TFieldDifference {
    // The zone that holds the own field; absent for a field outside a zone.
    std::optional<TDifferenceZone> Zone;
    // The field identifier, or "FieldID[i]" for element i (from 0) of an array.
    std::string Path;
    // Display texts; the other text is empty when there is no other field.
    std::string OwnText;
    std::string OtherText;
    // Values of enumerations and booleans (GetAsInteger); absent for other fields and, on
    // the other side, when there is no other field.
    std::optional<int> OwnValue;
    std::optional<int> OtherValue;

    bool operator==(const TFieldDifference&) const = default;
};

// Receives the differences of a comparison in the order it finds them. Report runs on the
// comparing thread while both compared zones are locked: it must not open or lock zones,
// and it must not throw (an exception is logged by the zone and the field counts as equal).
class G20SEQ_EXPORT TDifferenceReporter {
public:
    virtual ~TDifferenceReporter();
    virtual void Report(const TFieldDifference& Difference) = 0;
};

// The line of a difference: Format("%s=%s,%s", path, own text, other text), each text
// enclosed in double quotes with inner double quotes doubled; with both enumeration
// values, Format("%s=%s,%s,%d,%d", ..., own value, other value).
G20SEQ_EXPORT std::string DifferenceLine(const TFieldDifference& Difference);

// The reporter of plain difference lists: appends the line of each difference.
class G20SEQ_EXPORT TDifferenceLines : public TDifferenceReporter {
public:
    explicit TDifferenceLines(TStringList& Lines) : FLines(Lines) {}
    void Report(const TFieldDifference& Difference) override;

private:
    TStringList& FLines;
};

// A difference list that gives each difference to Reporter and keeps no line. It travels
// through every comparison operation that takes a difference list.
class G20SEQ_EXPORT TReportingDifferenceList : public TStringList {
public:
    explicit TReportingDifferenceList(TDifferenceReporter& Reporter);
    std::string ClassName() const override;

    TDifferenceReporter& Reporter() const { return FReporter; }

private:
    TDifferenceReporter& FReporter;
};

// Hands Difference to the reporter of a reporting list, or appends its line to any other
// list; nothing without a list.
G20SEQ_EXPORT void ReportDifference(TStringList* DiffList, const TFieldDifference& Difference);

} // namespace g20seq
