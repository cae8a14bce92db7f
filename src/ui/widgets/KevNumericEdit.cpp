#include "ui/widgets/KevNumericEdit.h"

#include <QToolButton>

#include <algorithm>

namespace g20seq {

TKevNumericEdit::TKevNumericEdit(QWidget* Parent) : TKevNumberEdit(Parent) {
    SetValue(0);
}

double TKevNumericEdit::Accept(double Number) const {
    return HasBounds() ? std::clamp(Number, MinValue(), MaxValue()) : Number;
}

namespace {

QToolButton* SpinButton(QWidget* Parent, Qt::ArrowType Arrow) {
    auto* button = new QToolButton(Parent);
    button->setArrowType(Arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

TKevNumericSpin::TKevNumericSpin(QWidget* Parent)
    : TKevNumericEdit(Parent), FUp(SpinButton(this, Qt::UpArrow)),
      FDown(SpinButton(this, Qt::DownArrow)) {
    setReadOnly(true);
    connect(FUp, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(FDown, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void TKevNumericSpin::StepBy(int Steps) {
    const double before = Value();
    SetValue(before + Steps * Increment());
    if (Value() != before)
        emit Validate();
}

void TKevNumericSpin::resizeEvent(QResizeEvent* Event) {
    TKevNumericEdit::resizeEvent(Event);
    const int width = 16;
    const int half = height() / 2;
    FUp->setGeometry(this->width() - width, 0, width, half);
    FDown->setGeometry(this->width() - width, half, width, height() - half);
    setTextMargins(0, 0, width, 0);
}

} // namespace g20seq
