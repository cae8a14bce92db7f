#include "ui/widgets/KevIPAddress.h"

#include <QValidator>

namespace g20seq {

namespace {

// One dotted part: up to three digits worth at most 255 (none while it is typed).
bool IsPart(const QString& Part, bool Typing) {
    if (Part.isEmpty())
        return Typing;
    for (const QChar c : Part)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return Part.size() <= 3 && Part.toInt() <= 255;
}

// Accepts the beginning of a dotted address: at most four parts of at most three
// digits and a value up to 255; acceptable once the four parts are there.
class TAddressValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& Input, int&) const override {
        const QStringList parts = Input.split('.');
        if (parts.size() > 4)
            return Invalid;
        for (const QString& part : parts)
            if (!IsPart(part, true))
                return Invalid;
        return TKevIPAddress::Parse(Input) ? Acceptable : Intermediate;
    }
};

} // namespace

TKevIPAddress::TKevIPAddress(QWidget* Parent) : QLineEdit(Parent) {
    setValidator(new TAddressValidator(this));
    setText(Format({0, 0, 0, 0}));
}

std::optional<TIPAddress> TKevIPAddress::Parse(const QString& Text) {
    const QStringList parts = Text.split('.');
    if (parts.size() != 4)
        return std::nullopt;
    TIPAddress address{};
    for (int index = 0; index < 4; ++index) {
        if (!IsPart(parts[index], false))
            return std::nullopt;
        address[index] = static_cast<std::uint8_t>(parts[index].toInt());
    }
    return address;
}

QString TKevIPAddress::Format(const TIPAddress& Address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Address[0])
        .arg(Address[1])
        .arg(Address[2])
        .arg(Address[3]);
}

std::uint8_t TKevIPAddress::Segment(int Index) const {
    const std::optional<TIPAddress> address = Address();
    return address && Index >= 0 && Index < 4 ? (*address)[Index] : 0;
}

void TKevIPAddress::SetSegment(int Index, std::uint8_t Value) {
    if (Index < 0 || Index >= 4)
        return;
    TIPAddress address = Address().value_or(TIPAddress{});
    address[Index] = Value;
    SetAddress(address);
}

} // namespace g20seq
