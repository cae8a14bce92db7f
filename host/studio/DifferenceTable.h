// The differences of a comparison as a table: one row per differing field (zone, field,
// the station's value, the other side's value), filled from the module's structured
// difference reporter rather than from difference lines.
#pragma once

#include <QTableWidget>

#include <functional>

namespace g20seq {
class TStringList;
}

namespace g20seq::host {

class TDifferenceTable : public QTableWidget {
    Q_OBJECT
public:
    enum TColumn { colZone, colChamp, colStation, colAutre, ColumnCount };

    // OwnTitle and OtherTitle head the two value columns.
    TDifferenceTable(const QString& OwnTitle, const QString& OtherTitle, QWidget* Parent = nullptr);

    // Runs Compare with a difference list that reports to this table, and shows what it
    // reported; answers the number of differences.
    int Fill(const std::function<void(TStringList*)>& Compare);
};

} // namespace g20seq::host
