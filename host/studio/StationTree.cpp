#include "studio/StationTree.h"

#include "studio/StudioStation.h"
#include <g20seq/eprom/ZonesEnFichier.h>
#include <g20seq/model/CustomZoneCPS.h>

#include <QFileInfo>
#include <QHeaderView>

#include <map>
#include <vector>

namespace g20seq::host {

namespace {

// What an item stands for, in its first column's data.
enum TRole { roleStation = Qt::UserRole, roleType, roleNumero };

// The zones of the image, grouped by type in the order the station registers its types.
std::vector<std::pair<TTypeZones, std::vector<int>>> ZonesParType(TCustomEprom& Eprom) {
    std::vector<std::pair<TTypeZones, std::vector<int>>> types;
    const TZonesEnFichier zones(Eprom);
    for (int index = 0; index < zones.Count(); ++index) {
        const TTypeZones type = zones[index]->GetTypeZone();
        if (types.empty() || types.back().first != type)
            types.push_back({type, {}});
        types.back().second.push_back(zones[index]->GetNumeroZone());
    }
    return types;
}

QTreeWidgetItem* ZoneItem(TStudioStation& Station, TTypeZones Type, int Numero,
                          const QString& Text) {
    auto* item = new QTreeWidgetItem({Text});
    item->setData(0, roleStation, QVariant::fromValue(static_cast<void*>(&Station)));
    item->setData(0, roleType, static_cast<int>(Type));
    item->setData(0, roleNumero, Numero);
    return item;
}

} // namespace

TStationTree::TStationTree(QWidget* Parent) : QTreeWidget(Parent) {
    setObjectName(QStringLiteral("treeStations"));
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* Item, int) {
        const std::optional<TZoneId> zone = ZoneOf(Item);
        if (zone)
            emit ZoneActivated(StationOf(Item), zone->TypeZone, zone->Numero);
    });
}

QTreeWidgetItem* TStationTree::AddStation(TStudioStation& Station) {
    auto* top = new QTreeWidgetItem({QString::fromStdString(Station.Station().Nom()) + " — " +
                                     QFileInfo(QString::fromStdString(Station.Path())).fileName()});
    top->setData(0, roleStation, QVariant::fromValue(static_cast<void*>(&Station)));
    top->setToolTip(0, QString::fromStdString(Station.Path()));
    for (const auto& [type, numeros] : ZonesParType(Station.Eprom())) {
        const QString nom = QString::fromStdString(TypeZoneName(type));
        const bool unique = numeros.size() == 1;
        auto* typeItem = ZoneItem(Station, type, unique ? numeros.front() : -1,
                                  unique ? nom : nom + QStringLiteral(" (%1)").arg(numeros.size()));
        if (!unique)
            for (const int numero : numeros)
                typeItem->addChild(ZoneItem(Station, type, numero,
                                            QString::fromStdString(ZoneIdText(type, numero))));
        top->addChild(typeItem);
    }
    addTopLevelItem(top);
    top->setExpanded(true);
    return top;
}

void TStationTree::RemoveStation(const TStudioStation& Station) {
    delete ItemOf(Station);
}

QTreeWidgetItem* TStationTree::ItemOf(const TStudioStation& Station) const {
    for (int index = 0; index < topLevelItemCount(); ++index)
        if (StationOf(topLevelItem(index)) == &Station)
            return topLevelItem(index);
    return nullptr;
}

QTreeWidgetItem* TStationTree::ItemOf(const TStudioStation& Station, const TZoneId& Zone) const {
    QTreeWidgetItem* top = ItemOf(Station);
    for (int t = 0; top != nullptr && t < top->childCount(); ++t) {
        QTreeWidgetItem* typeItem = top->child(t);
        if (typeItem->data(0, roleType).toInt() != Zone.TypeZone)
            continue;
        if (typeItem->childCount() == 0)
            return typeItem->data(0, roleNumero).toInt() == Zone.Numero ? typeItem : nullptr;
        for (int n = 0; n < typeItem->childCount(); ++n)
            if (typeItem->child(n)->data(0, roleNumero).toInt() == Zone.Numero)
                return typeItem->child(n);
    }
    return nullptr;
}

TStudioStation* TStationTree::StationOf(const QTreeWidgetItem* Item) {
    return Item == nullptr
               ? nullptr
               : static_cast<TStudioStation*>(Item->data(0, roleStation).value<void*>());
}

std::optional<TZoneId> TStationTree::ZoneOf(const QTreeWidgetItem* Item) {
    if (Item == nullptr || !Item->data(0, roleType).isValid() ||
        Item->data(0, roleNumero).toInt() < 0)
        return std::nullopt;
    return TZoneId{static_cast<TTypeZones>(Item->data(0, roleType).toInt()),
                   Item->data(0, roleNumero).toInt()};
}

} // namespace g20seq::host
