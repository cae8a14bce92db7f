#include "model/DifferenceReporter.h"

#include "model/KEVField.h"
#include "support/Format.h"

namespace g20seq {

TDifferenceReporter::~TDifferenceReporter() = default;

std::string DifferenceLine(const TFieldDifference& Difference) {
    const std::string own = QuotedFieldText(Difference.OwnText);
    const std::string other = QuotedFieldText(Difference.OtherText);
    if (Difference.OwnValue && Difference.OtherValue)
        return Format("%s=%s,%s,%d,%d", Difference.Path, own, other, *Difference.OwnValue,
                      *Difference.OtherValue);
    return Format("%s=%s,%s", Difference.Path, own, other);
}

void TDifferenceLines::Report(const TFieldDifference& Difference) {
    FLines.Add(DifferenceLine(Difference));
}

TReportingDifferenceList::TReportingDifferenceList(TDifferenceReporter& Reporter)
    : FReporter(Reporter) {}

std::string TReportingDifferenceList::ClassName() const {
    return "TReportingDifferenceList";
}

void ReportDifference(TStringList* DiffList, const TFieldDifference& Difference) {
    if (DiffList == nullptr)
        return;
    if (auto* reporting = dynamic_cast<TReportingDifferenceList*>(DiffList)) {
        reporting->Reporter().Report(Difference);
        return;
    }
    TDifferenceLines(*DiffList).Report(Difference);
}

} // namespace g20seq
