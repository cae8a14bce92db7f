// Controls with their own caption: a label beside (or above) an inner editor that the
// window reaches with GetEditor.
#pragma once

#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QLabel;

namespace g20seq {

class TKEVComboBox;
class TKevNumericEdit;

class TKevLabeledControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TLabelPosition LabelPosition READ LabelPosition WRITE SetLabelPosition)
public:
    enum TLabelPosition { lpLeft, lpAbove };
    Q_ENUM(TLabelPosition)

    QString Caption() const;
    void SetCaption(const QString& Text);
    TLabelPosition LabelPosition() const { return FPosition; }
    void SetLabelPosition(TLabelPosition Position);
    QLabel* Label() const { return FLabel; }

protected:
    explicit TKevLabeledControl(QWidget* Parent);
    // Lays Editor, a child of the control, out after the caption.
    void SetEditor(QWidget* Editor);

private:
    QLabel* FLabel;
    QBoxLayout* FLayout;
    TLabelPosition FPosition = lpLeft;
};

class TKevLabeledComboBox : public TKevLabeledControl {
    Q_OBJECT
public:
    explicit TKevLabeledComboBox(QWidget* Parent = nullptr);
    TKEVComboBox* GetEditor() const { return FEditor; }

private:
    TKEVComboBox* FEditor;
};

class TKevLabeledNumericEdit : public TKevLabeledControl {
    Q_OBJECT
public:
    explicit TKevLabeledNumericEdit(QWidget* Parent = nullptr);
    TKevNumericEdit* GetEditor() const { return FEditor; }

private:
    TKevNumericEdit* FEditor;
};

class TKevLabeledCheckBox : public TKevLabeledControl {
    Q_OBJECT
public:
    explicit TKevLabeledCheckBox(QWidget* Parent = nullptr);
    QCheckBox* GetEditor() const { return FEditor; }

private:
    QCheckBox* FEditor;
};

} // namespace g20seq
