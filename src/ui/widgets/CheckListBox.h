// A list of items with check boxes; ClickCheck tells the window which item the user
// ticked or unticked (changes made by the window itself stay silent).
#pragma once

#include <QListWidget>

namespace g20seq {

class TCheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TCheckListBox(QWidget* Parent = nullptr);

    void AddItem(const QString& Text, bool Checked = false);
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Checked);
    void SetAllChecked(bool Checked);

signals:
    void ClickCheck(int Index);

private:
    bool FSetting = false;
};

} // namespace g20seq
