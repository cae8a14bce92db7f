// A drop-down list of items with check boxes. The closed combo shows the checked items'
// texts; clicking an item in the open list ticks or unticks it and keeps the list open.
// The state of all items is one text of "1" and "0", one character per item, which the
// window context keeps.
#pragma once

#include <QComboBox>

class QStandardItemModel;

namespace g20seq {

class TCheckedComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString CheckedText READ CheckedText)
    Q_PROPERTY(QString State READ State WRITE SetState)
public:
    explicit TCheckedComboBox(QWidget* Parent = nullptr);

    void AddItem(const QString& Text, bool Checked = false);
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Checked);

    // The checked items' texts, separated by ", ".
    QString CheckedText() const;
    QString State() const;
    // Checks item i when character i is "1"; items beyond the text are unchecked.
    void SetState(const QString& Flags);

signals:
    void CheckedChange(int Index); // the user ticked or unticked item Index

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    QStandardItemModel* Items() const;
};

} // namespace g20seq
