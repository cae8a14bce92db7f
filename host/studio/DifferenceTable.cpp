#include "studio/DifferenceTable.h"

#include "Station.h"
#include <g20seq/model/DifferenceReporter.h>

#include <QHeaderView>

#include <vector>

namespace g20seq::host {

namespace {

// Keeps the differences while the comparison runs (zones are locked then: nothing else
// may happen in Report).
class TCollecte final : public TDifferenceReporter {
public:
    void Report(const TFieldDifference& Difference) override { Differences.push_back(Difference); }
    std::vector<TFieldDifference> Differences;
};

QString ZoneText(const TFieldDifference& Difference) {
    if (!Difference.Zone)
        return {};
    return QString::fromStdString(
        ZoneIdText(Difference.Zone->TypeZone, Difference.Zone->NumeroZone));
}

} // namespace

TDifferenceTable::TDifferenceTable(const QString& OwnTitle, const QString& OtherTitle,
                                   QWidget* Parent)
    : QTableWidget(0, ColumnCount, Parent) {
    setObjectName(QStringLiteral("tblDifferences"));
    setHorizontalHeaderLabels(
        {QStringLiteral("Zone"), QStringLiteral("Champ"), OwnTitle, OtherTitle});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
}

int TDifferenceTable::Fill(const std::function<void(TStringList*)>& Compare) {
    TCollecte collecte;
    TReportingDifferenceList liste(collecte);
    Compare(&liste);
    setRowCount(static_cast<int>(collecte.Differences.size()));
    int row = 0;
    for (const TFieldDifference& difference : collecte.Differences) {
        const QString cells[ColumnCount] = {ZoneText(difference),
                                            QString::fromStdString(difference.Path),
                                            QString::fromStdString(difference.OwnText),
                                            QString::fromStdString(difference.OtherText)};
        for (int column = 0; column < ColumnCount; ++column)
            setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    resizeColumnsToContents();
    return row;
}

} // namespace g20seq::host
