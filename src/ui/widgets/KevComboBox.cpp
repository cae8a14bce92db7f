#include "ui/widgets/KevComboBox.h"

#include <QAbstractItemView>
#include <QStyle>

#include <algorithm>

namespace g20seq {

TKEVComboBox::TKEVComboBox(QWidget* Parent) : QComboBox(Parent) {}

void TKEVComboBox::FitDropDownToItems() {
    int widest = 0;
    for (int item = 0; item < count(); ++item)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(item)));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    view()->setMinimumWidth(widest + scrollBar + 2 * view()->frameWidth());
}

void TKEVComboBox::focusInEvent(QFocusEvent* Event) {
    QComboBox::focusInEvent(Event);
    emit Enter();
}

} // namespace g20seq
