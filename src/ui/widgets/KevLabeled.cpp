#include "ui/widgets/KevLabeled.h"

#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevNumericEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

namespace g20seq {

TKevLabeledControl::TKevLabeledControl(QWidget* Editor, QWidget* Parent)
    : QWidget(Parent), FLabel(new QLabel(this)),
      FLayout(new QBoxLayout(QBoxLayout::LeftToRight, this)) {
    FLayout->setContentsMargins(0, 0, 0, 0);
    FLayout->addWidget(FLabel);
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
    : TKevLabeledControl(new TKEVComboBox, Parent),
      FEditor(static_cast<TKEVComboBox*>(Label()->buddy())) {}

TKevLabeledNumericEdit::TKevLabeledNumericEdit(QWidget* Parent)
    : TKevLabeledControl(new TKevNumericEdit, Parent),
      FEditor(static_cast<TKevNumericEdit*>(Label()->buddy())) {}

TKevLabeledCheckBox::TKevLabeledCheckBox(QWidget* Parent)
    : TKevLabeledControl(new QCheckBox, Parent),
      FEditor(static_cast<QCheckBox*>(Label()->buddy())) {}

} // namespace g20seq
