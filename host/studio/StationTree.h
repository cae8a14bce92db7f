// The stations open in the studio and their zones: one top item per station, under it one
// item per zone type the image holds, and under a numbered type one item per zone.
// Double-clicking a zone (or a type that holds a single zone) asks for its editor.
#pragma once

#include "Station.h"

#include <QTreeWidget>

#include <optional>

namespace g20seq::host {

class TStudioStation;

class TStationTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStationTree(QWidget* Parent = nullptr);

    // Adds the station and the zones its image holds; answers its top item.
    QTreeWidgetItem* AddStation(TStudioStation& Station);
    void RemoveStation(const TStudioStation& Station);
    QTreeWidgetItem* ItemOf(const TStudioStation& Station) const;
    // The item of a zone of a station, or null.
    QTreeWidgetItem* ItemOf(const TStudioStation& Station, const TZoneId& Zone) const;

    // The station an item belongs to, or null.
    static TStudioStation* StationOf(const QTreeWidgetItem* Item);
    // The zone an item stands for: a zone item, or a type item with a single zone.
    static std::optional<TZoneId> ZoneOf(const QTreeWidgetItem* Item);

signals:
    void ZoneActivated(g20seq::host::TStudioStation* Station, int TypeZone, int Numero);
};

} // namespace g20seq::host
