#include "ui/widgets/KevNumPoint.h"

#include <QValidator>

#include <array>

namespace g20seq {

namespace {

struct TClientKind {
    const char* Mask;
    bool Complete; // valid only when every position is filled
};

constexpr std::array<TClientKind, 2> ClientKinds{{
    {"cccccccccccccccccccc;c;_", false},
    {"cc.ccc.cccccc;1;_", true},
}};

constexpr QChar Free = QLatin1Char('c');

bool IsPointChar(QChar C) {
    return (C >= QLatin1Char('A') && C <= QLatin1Char('Z')) ||
           (C >= QLatin1Char('a') && C <= QLatin1Char('z')) ||
           (C >= QLatin1Char('0') && C <= QLatin1Char('9')) || C == QLatin1Char(' ');
}

// Lays typed text out on the mask: literals typed or left in place are dropped and put
// back where the mask has them, spaces become the space character, and text that has
// another character or does not fit the mask is refused.
class TMaskValidator : public QValidator {
public:
    explicit TMaskValidator(const TKevNumPoint& Edit) : QValidator(nullptr), FEdit(Edit) {}

    State validate(QString& Input, int& Position) const override {
        const QString mask = FEdit.Positions();
        QString chars;
        int before = 0; // characters typed before the cursor
        for (int index = 0; index < Input.size(); ++index) {
            const QChar c = Input[index] == FEdit.SpaceChar() ? QLatin1Char(' ') : Input[index];
            if (IsPointChar(c)) {
                chars += c == QLatin1Char(' ') ? FEdit.SpaceChar() : c;
                before += index < Position ? 1 : 0;
            } else if (!mask.contains(c) || c == Free) {
                return Invalid;
            }
        }
        QString laid;
        int next = 0;
        for (int slot = 0; slot < mask.size() && next < chars.size(); ++slot) {
            if (mask[slot] != Free)
                laid += mask[slot];
            else {
                laid += chars[next++];
                Position = next == before ? static_cast<int>(laid.size()) : Position;
            }
        }
        if (next < chars.size())
            return Invalid;
        Position = before == 0 ? 0 : Position;
        Input = laid;
        return Acceptable;
    }

private:
    const TKevNumPoint& FEdit;
};

} // namespace

TKevNumPoint::TKevNumPoint(QWidget* Parent) : QLineEdit(Parent) {
    auto* validator = new TMaskValidator(*this);
    validator->setParent(this);
    setValidator(validator);
    SetClientKind(0);
}

void TKevNumPoint::SetEditMask(const QString& Mask) {
    FEditMask = Mask;
    const QStringList parts = Mask.split(QLatin1Char(';'));
    FPositions = parts.value(0);
    if (parts.size() > 2 && !parts[2].isEmpty())
        FSpaceChar = parts[2][0];
    setMaxLength(static_cast<int>(FPositions.size()));
}

void TKevNumPoint::SetClientKind(int Kind) {
    FClientKind = Kind;
    const QChar space = FSpaceChar;
    SetEditMask(QString::fromLatin1(ClientKinds[Kind == 1 ? 1 : 0].Mask));
    FSpaceChar = space;
}

QString TKevNumPoint::PointText() const {
    QString point = text();
    point.replace(FSpaceChar, QLatin1Char(' '));
    return point;
}

bool TKevNumPoint::IsValid() const {
    const QString point = PointText();
    if (point.size() > FPositions.size())
        return false;
    for (int index = 0; index < point.size(); ++index) {
        const bool fits = FPositions[index] == Free ? IsPointChar(point[index])
                                                    : point[index] == FPositions[index];
        if (!fits)
            return false;
    }
    if (ClientKinds[FClientKind == 1 ? 1 : 0].Complete)
        return point.size() == FPositions.size();
    return !point.trimmed().isEmpty();
}

} // namespace g20seq
