// An IPv4 address edit: four dotted parts of 0..255. Keys that would leave something
// else are refused; the address counts once all four parts are there.
#pragma once

#include <QLineEdit>

#include <array>
#include <cstdint>
#include <optional>

namespace g20seq {

using TIPAddress = std::array<std::uint8_t, 4>;

class TKevIPAddress : public QLineEdit {
    Q_OBJECT
public:
    explicit TKevIPAddress(QWidget* Parent = nullptr);

    // "a.b.c.d" with four decimal parts of 0..255 (leading zeros allowed).
    static std::optional<TIPAddress> Parse(const QString& Text);
    static QString Format(const TIPAddress& Address);

    std::optional<TIPAddress> Address() const { return Parse(text()); }
    void SetAddress(const TIPAddress& Address) { setText(Format(Address)); }
    bool IsValid() const { return Address().has_value(); }
    // Part Index (0 = first dotted part) of the address, 0 while it is incomplete.
    std::uint8_t Segment(int Index) const;
    // Sets one part; an incomplete address is first completed with zeros.
    void SetSegment(int Index, std::uint8_t Value);
};

} // namespace g20seq
