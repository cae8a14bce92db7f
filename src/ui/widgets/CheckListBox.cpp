#include "ui/widgets/CheckListBox.h"

namespace g20seq {

TCheckListBox::TCheckListBox(QWidget* Parent) : QListWidget(Parent) {
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* Item) {
        if (!FSetting)
            emit ClickCheck(row(Item));
    });
}

void TCheckListBox::AddItem(const QString& Text, bool Checked) {
    auto* entry = new QListWidgetItem(Text);
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
    FSetting = true;
    addItem(entry);
    FSetting = false;
}

bool TCheckListBox::Checked(int Index) const {
    const QListWidgetItem* entry = item(Index);
    return entry != nullptr && entry->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int Index, bool Checked) {
    if (QListWidgetItem* entry = item(Index)) {
        FSetting = true;
        entry->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
        FSetting = false;
    }
}

void TCheckListBox::SetAllChecked(bool Checked) {
    for (int index = 0; index < count(); ++index)
        SetChecked(index, Checked);
}

} // namespace g20seq
