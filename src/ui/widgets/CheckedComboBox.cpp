#include "ui/widgets/CheckedComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStylePainter>

namespace g20seq {

TCheckedComboBox::TCheckedComboBox(QWidget* Parent) : QComboBox(Parent) {
    setModel(new QStandardItemModel(this));
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
}

QStandardItemModel* TCheckedComboBox::Items() const {
    return static_cast<QStandardItemModel*>(model());
}

void TCheckedComboBox::AddItem(const QString& Text, bool Checked) {
    auto* item = new QStandardItem(Text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
    Items()->appendRow(item);
    update();
}

bool TCheckedComboBox::Checked(int Index) const {
    const QStandardItem* item = Items()->item(Index);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void TCheckedComboBox::SetChecked(int Index, bool Checked) {
    if (QStandardItem* item = Items()->item(Index)) {
        item->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
        update();
    }
}

QString TCheckedComboBox::CheckedText() const {
    QStringList checked;
    for (int index = 0; index < count(); ++index)
        if (Checked(index))
            checked << itemText(index);
    return checked.join(", ");
}

QString TCheckedComboBox::State() const {
    QString flags;
    for (int index = 0; index < count(); ++index)
        flags += Checked(index) ? '1' : '0';
    return flags;
}

void TCheckedComboBox::SetState(const QString& Flags) {
    for (int index = 0; index < count(); ++index)
        SetChecked(index, index < Flags.size() && Flags[index] == '1');
}

bool TCheckedComboBox::eventFilter(QObject* Watched, QEvent* Event) {
    int index = -1;
    if (Watched == view()->viewport() && Event->type() == QEvent::MouseButtonRelease)
        index = view()->indexAt(static_cast<QMouseEvent*>(Event)->position().toPoint()).row();
    else if (Watched == view() && Event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Space)
        index = view()->currentIndex().row();
    else
        return QComboBox::eventFilter(Watched, Event);
    if (index >= 0) {
        SetChecked(index, !Checked(index));
        emit CheckedChange(index);
    }
    return true; // the list stays open
}

void TCheckedComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = CheckedText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace g20seq
