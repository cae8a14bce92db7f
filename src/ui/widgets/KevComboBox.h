// The drop-down list of the editors' forms: the selected index as ItemIndex, a hint, an
// Enter signal, and a list that can be widened to its longest item.
#pragma once

#include <QComboBox>

namespace g20seq {

class TKEVComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
public:
    explicit TKEVComboBox(QWidget* Parent = nullptr);

    // Widens the drop-down list to its widest item text plus a vertical scroll bar, so
    // that long captions are readable in a narrow combo.
    void FitDropDownToItems();

signals:
    void Enter(); // the combo took the focus

protected:
    void focusInEvent(QFocusEvent* Event) override;
};

} // namespace g20seq
