// Number edits that hold a value within their bounds: the numeric edit keeps what is
// typed within MinValue..MaxValue when it is validated, and the spin adds two buttons
// that move the value by Increment, the only way a read-only spin changes.
#pragma once

#include "ui/widgets/KevNumberEdit.h"

class QToolButton;

namespace g20seq {

class TKevNumericEdit : public TKevNumberEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(double Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
public:
    explicit TKevNumericEdit(QWidget* Parent = nullptr);

    double Increment() const { return FIncrement; }
    void SetIncrement(double Step) { FIncrement = Step; }
    // Decimals shown and accepted.
    int Precision() const { return FPrecision; }
    void SetPrecision(int Digits) { FPrecision = Digits; }

protected:
    int Decimals() const override { return FPrecision; }
    double Accept(double Number) const override;
    bool Rewrites() const override { return true; }

private:
    double FIncrement = 1;
    int FPrecision = 0;
};

class TKevNumericSpin : public TKevNumericEdit {
    Q_OBJECT
public:
    // Read-only at creation: the buttons move the value.
    explicit TKevNumericSpin(QWidget* Parent = nullptr);

    QToolButton* UpButton() const { return FUp; }
    QToolButton* DownButton() const { return FDown; }

    // Moves the value by Steps increments within the bounds; a move validates the spin.
    void StepBy(int Steps);

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    QToolButton* FUp;
    QToolButton* FDown;
};

} // namespace g20seq
