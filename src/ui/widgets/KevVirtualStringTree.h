// The list of the editors: rows of texts under column headers, full-row selection, and
// an optional pop-up menu. ContextPopup lets the window prepare the menu's items before
// it opens; the menu opens only when some item is left visible.
#pragma once

#include <QTreeWidget>

class QMenu;

namespace g20seq {

class TKevVirtualStringTree : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(bool FullRowSelect READ FullRowSelect WRITE SetFullRowSelect)
public:
    explicit TKevVirtualStringTree(QWidget* Parent = nullptr);

    // Column captions and widths (a missing width leaves the column as it is).
    void SetColumns(const QStringList& Captions, const QList<int>& Widths = {});
    void AutoSizeColumns();

    bool FullRowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }
    void SetFullRowSelect(bool Rows);

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* Menu) { FPopupMenu = Menu; }

    int AddRow(const QStringList& Cells);
    int RowCount() const { return topLevelItemCount(); }
    QString Cell(int Row, int Column) const;
    // The selected row, -1 without one.
    int SelectedRow() const;
    void SelectRow(int Row);

signals:
    void Click();                       // the user clicked a row
    void ContextPopup(QPoint Position); // the pop-up menu is about to open

protected:
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    QMenu* FPopupMenu = nullptr;
};

} // namespace g20seq
