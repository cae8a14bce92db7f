#include "ui/widgets/KevNumberEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace g20seq {

namespace {

// Refuses every text that is not the start of a number of the edit's shape, so that
// letters and a second separator never reach the text.
class TNumberValidator : public QValidator {
public:
    explicit TNumberValidator(const TKevNumberEdit& Edit) : QValidator(nullptr), FEdit(Edit) {}

    State validate(QString& Input, int&) const override {
        static const QRegularExpression number(R"(^(-?)(\d*)(?:([.,])(\d*))?$)");
        const QRegularExpressionMatch match = number.match(Input);
        if (!match.hasMatch())
            return Invalid;
        const TNumberShape shape = FEdit.Shape();
        const bool fits = (match.capturedLength(1) == 0 || shape.Negative) &&
                          match.capturedLength(2) <= shape.IntegerDigits &&
                          (match.capturedLength(3) == 0 || shape.Decimals > 0) &&
                          match.capturedLength(4) <= shape.Decimals;
        return fits ? Acceptable : Invalid;
    }

private:
    const TKevNumberEdit& FEdit;
};

} // namespace

TKevNumberEdit::TKevNumberEdit(QWidget* Parent) : QLineEdit(Parent) {
    auto* validator = new TNumberValidator(*this);
    validator->setParent(this);
    setValidator(validator);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetColor(FColor);
    connect(this, &QLineEdit::textEdited, this, [this] {
        FEdited = true;
        emit Change();
    });
}

void TKevNumberEdit::SetColor(quint32 SystemColor) {
    FColor = SystemColor;
    const TRgb rgb = SystemColorToRgb(static_cast<TSystemColor>(SystemColor));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(rgb.R, rgb.G, rgb.B));
    setPalette(colours);
}

void TKevNumberEdit::SetItalic(bool Italic) {
    QFont shown = font();
    shown.setItalic(Italic);
    setFont(shown);
}

double TKevNumberEdit::Value() const {
    QString number = text();
    number.replace(',', '.');
    return number.toDouble();
}

void TKevNumberEdit::SetValue(double Number) {
    setText(QString::number(Accept(Number), 'f', Decimals()));
}

TNumberShape TKevNumberEdit::Shape() const {
    const int bound = BoundDigits();
    return {FMinValue<0, bound> 0 ? bound : TNumberShape{}.IntegerDigits, Decimals()};
}

int TKevNumberEdit::BoundDigits() const {
    if (!HasBounds())
        return 0;
    const double larger = std::max(std::fabs(FMinValue), std::fabs(FMaxValue));
    return static_cast<int>(QString::number(std::trunc(larger), 'f', 0).size());
}

void TKevNumberEdit::Commit() {
    FEdited = false;
    if (Rewrites())
        SetValue(Value());
    emit Validate();
}

void TKevNumberEdit::keyPressEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
        Commit();
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}

namespace {

// A pop-up menu or another application taking the focus for a while does not enter or
// leave an edit.
bool MovesFocus(const QFocusEvent& Event) {
    return Event.reason() != Qt::PopupFocusReason && Event.reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

void TKevNumberEdit::focusInEvent(QFocusEvent* Event) {
    QLineEdit::focusInEvent(Event);
    if (MovesFocus(*Event))
        emit Enter();
}

void TKevNumberEdit::focusOutEvent(QFocusEvent* Event) {
    QLineEdit::focusOutEvent(Event);
    if (!MovesFocus(*Event))
        return;
    if (FEdited)
        Commit();
    emit Exit();
}

} // namespace g20seq
