// What every number edit of the editors shares: a line edit that refuses keys which
// would not leave a number, carries its bounds and its hint, takes its background as a
// system colour value, and tells its window when it is changed, entered, left and
// validated.
#pragma once

#include "ui/SystemColor.h"

#include <QLineEdit>

namespace g20seq {

// The shape of the numbers an edit accepts while it is typed in.
struct TNumberShape {
    bool Negative = false; // a leading minus sign
    int IntegerDigits = 10;
    int Decimals = 0; // 0: no decimal separator
};

class TKevNumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)
public:
    explicit TKevNumberEdit(QWidget* Parent = nullptr);

    double MinValue() const { return FMinValue; }
    void SetMinValue(double Value) { FMinValue = Value; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double Value) { FMaxValue = Value; }
    // Bounds apply once the maximum lies above the minimum (both are 0 at creation).
    bool HasBounds() const { return FMaxValue > FMinValue; }

    QString Hint() const { return toolTip(); }
    void SetHint(const QString& Text) { setToolTip(Text); }

    // The background as a system colour value (0x00BBGGRR); white at creation.
    quint32 Color() const { return FColor; }
    void SetColor(quint32 SystemColor);

    bool Italic() const { return font().italic(); }
    void SetItalic(bool Italic);

    // The number shown ("," and "." both separate decimals; an empty text is 0).
    double Value() const;
    // Shows Number with the edit's decimals (a numeric edit first keeps it within its
    // bounds).
    void SetValue(double Number);

    // What the edit accepts while it is typed in.
    virtual TNumberShape Shape() const;

signals:
    void Change();   // the user changed the text
    void Enter();    // the edit took the focus
    void Exit();     // the edit lost the focus (not to a pop-up menu or another window)
    void Validate(); // Enter was pressed, or the edit was left after a change

protected:
    // Decimals shown by SetValue and accepted while typing.
    virtual int Decimals() const { return 0; }
    // The number that SetValue keeps; the number itself by default.
    virtual double Accept(double Number) const { return Number; }
    // Whether a validation rewrites the text as SetValue would; the typed text stays by
    // default.
    virtual bool Rewrites() const { return false; }
    // Digits of the integer part of the larger bound, 0 without bounds.
    int BoundDigits() const;

    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void Commit();

    double FMinValue = 0;
    double FMaxValue = 0;
    quint32 FColor = 0xFFFFFF;
    bool FEdited = false;
};

} // namespace g20seq
