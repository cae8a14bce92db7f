#include "ui/widgets/KevVirtualStringTree.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>

namespace g20seq {

TKevVirtualStringTree::TKevVirtualStringTree(QWidget* Parent) : QTreeWidget(Parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    SetFullRowSelect(true);
    connect(this, &QTreeWidget::itemClicked, this, [this] { emit Click(); });
}

void TKevVirtualStringTree::SetColumns(const QStringList& Captions, const QList<int>& Widths) {
    setColumnCount(static_cast<int>(Captions.size()));
    setHeaderLabels(Captions);
    for (int column = 0; column < std::min(columnCount(), static_cast<int>(Widths.size()));
         ++column)
        setColumnWidth(column, Widths[column]);
}

void TKevVirtualStringTree::AutoSizeColumns() {
    for (int column = 0; column < columnCount(); ++column)
        resizeColumnToContents(column);
}

void TKevVirtualStringTree::SetFullRowSelect(bool Rows) {
    setSelectionBehavior(Rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

int TKevVirtualStringTree::AddRow(const QStringList& Cells) {
    addTopLevelItem(new QTreeWidgetItem(Cells));
    return RowCount() - 1;
}

QString TKevVirtualStringTree::Cell(int Row, int Column) const {
    const QTreeWidgetItem* row = topLevelItem(Row);
    return row != nullptr ? row->text(Column) : QString();
}

int TKevVirtualStringTree::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void TKevVirtualStringTree::SelectRow(int Row) {
    if (QTreeWidgetItem* row = topLevelItem(Row)) {
        setCurrentItem(row);
        scrollToItem(row);
    } else {
        clearSelection();
    }
}

void TKevVirtualStringTree::contextMenuEvent(QContextMenuEvent* Event) {
    if (FPopupMenu == nullptr)
        return;
    emit ContextPopup(Event->pos());
    const QList<QAction*> items = FPopupMenu->actions();
    if (std::any_of(items.begin(), items.end(),
                    [](const QAction* Item) { return Item->isVisible() && !Item->isSeparator(); }))
        FPopupMenu->popup(Event->globalPos());
}

} // namespace g20seq
