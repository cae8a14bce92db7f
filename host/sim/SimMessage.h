// The messages between a host and the simulated controller, and their framing on a byte
// stream (TCP on loopback; the in-process link carries the same bytes).
//
// A frame is a 4-byte length (of what follows), then: request id (4), kind (1), zone type
// (1), zone number (2), result code (1), controller address (4), payload length (2), the
// payload, and a CRC-16 (CCITT, initial value 0xFFFF) of everything after the length.
// Numbers are big-endian, as on the controller's link.
#pragma once

#include <g20seq/model/ErreurSerie.h>
#include <g20seq/support/TypeZones.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace g20seq::host {

enum class TSimKind : std::uint8_t { Read = 1, Write = 2, Answer = 3, Notification = 4 };

struct TSimMessage {
    std::uint32_t Requete = 0;
    TSimKind Kind = TSimKind::Read;
    TTypeZones TypeZone = PrcIdentification;
    std::uint16_t Numero = 0;
    TErreurSerie Code = SerSansErreur;
    std::uint32_t Adresse = 0;
    std::vector<std::uint8_t> Payload;

    bool operator==(const TSimMessage&) const = default;
};

class TSimFrame {
public:
    static constexpr std::size_t LengthSize = 4;
    // Fixed part after the length: id, kind, type, number, code, address, payload length,
    // CRC.
    static constexpr std::size_t FixedSize = 4 + 1 + 1 + 2 + 1 + 4 + 2 + 2;
    // The largest payload: a zone frame of the module.
    static constexpr std::size_t MaxPayload = 32768;

    // The whole frame, length prefix included.
    static std::vector<std::uint8_t> Encode(const TSimMessage& Message);
    // The length a prefix announces, or nothing when it is outside the possible frames.
    static std::optional<std::size_t> Length(std::span<const std::uint8_t, LengthSize> Prefix);
    // The message of the bytes after the prefix; nothing when they are not one (length,
    // kind, payload length or CRC wrong).
    static std::optional<TSimMessage> Decode(std::span<const std::uint8_t> Body);

    static std::uint16_t Crc16(std::span<const std::uint8_t> Bytes);
};

} // namespace g20seq::host
