#include "ui/widgets/KevLabeled.h"

#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevNumericEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

namespace g20seq {

TKevLabeledControl::TKevLabeledControl(QWidget* Parent)
    : QWidget(Parent), FLabel(new QLabel(this)),
      FLayout(new QBoxLayout(QBoxLayout::LeftToRight, this)) {
    FLayout->setContentsMargins(0, 0, 0, 0);
    FLayout->addWidget(FLabel);
}

void TKevLabeledControl::SetEditor(QWidget* Editor) {
    FLayout->addWidget(Editor, 1);
    FLabel->setBuddy(Editor);
    setFocusProxy(Editor);
}

QString TKevLabeledControl::Caption() const {
    return FLabel->text();
}

void TKevLabeledControl::SetCaption(const QString& Text) {
    FLabel->setText(Text);
}

void TKevLabeledControl::SetLabelPosition(TLabelPosition Position) {
    FPosition = Position;
    FLayout->setDirection(Position == lpAbove ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

TKevLabeledComboBox::TKevLabeledComboBox(QWidget* Parent)
    : TKevLabeledControl(Parent), FEditor(new TKEVComboBox(this)) {
    SetEditor(FEditor);
}

TKevLabeledNumericEdit::TKevLabeledNumericEdit(QWidget* Parent)
    : TKevLabeledControl(Parent), FEditor(new TKevNumericEdit(this)) {
    SetEditor(FEditor);
}

TKevLabeledCheckBox::TKevLabeledCheckBox(QWidget* Parent)
    : TKevLabeledControl(Parent), FEditor(new QCheckBox(this)) {
    SetEditor(FEditor);
}

} // namespace g20seq
