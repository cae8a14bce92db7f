#include "sim/SimMessage.h"

namespace g20seq::host {

namespace {

void Put(std::vector<std::uint8_t>& Out, std::uint32_t Value, int Bytes) {
    for (int i = Bytes - 1; i >= 0; --i)
        Out.push_back(static_cast<std::uint8_t>(Value >> (8 * i)));
}

std::uint32_t Get(std::span<const std::uint8_t> In, std::size_t& Offset, int Bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < Bytes; ++i)
        value = (value << 8) | In[Offset++];
    return value;
}

} // namespace

std::uint16_t TSimFrame::Crc16(std::span<const std::uint8_t> Bytes) {
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : Bytes) {
        crc ^= static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) != 0 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

std::vector<std::uint8_t> TSimFrame::Encode(const TSimMessage& Message) {
    const std::size_t payload = std::min(Message.Payload.size(), MaxPayload);
    std::vector<std::uint8_t> frame;
    frame.reserve(LengthSize + FixedSize + payload);
    Put(frame, static_cast<std::uint32_t>(FixedSize + payload), 4);
    Put(frame, Message.Requete, 4);
    Put(frame, static_cast<std::uint8_t>(Message.Kind), 1);
    Put(frame, static_cast<std::uint8_t>(Message.TypeZone), 1);
    Put(frame, Message.Numero, 2);
    Put(frame, static_cast<std::uint8_t>(Message.Code), 1);
    Put(frame, Message.Adresse, 4);
    Put(frame, static_cast<std::uint32_t>(payload), 2);
    frame.insert(frame.end(), Message.Payload.begin(), Message.Payload.begin() + payload);
    Put(frame, Crc16(std::span(frame).subspan(LengthSize)), 2);
    return frame;
}

std::optional<std::size_t> TSimFrame::Length(std::span<const std::uint8_t, LengthSize> Prefix) {
    std::size_t offset = 0;
    const std::size_t length = Get(Prefix, offset, 4);
    if (length < FixedSize || length > FixedSize + MaxPayload)
        return std::nullopt;
    return length;
}

std::optional<TSimMessage> TSimFrame::Decode(std::span<const std::uint8_t> Body) {
    if (Body.size() < FixedSize || Body.size() > FixedSize + MaxPayload)
        return std::nullopt;
    std::size_t offset = Body.size() - 2;
    if (Get(Body, offset, 2) != Crc16(Body.first(Body.size() - 2)))
        return std::nullopt;
    offset = 0;
    TSimMessage message;
    message.Requete = Get(Body, offset, 4);
    const auto kind = Get(Body, offset, 1);
    const auto type = Get(Body, offset, 1);
    message.Numero = static_cast<std::uint16_t>(Get(Body, offset, 2));
    const auto code = Get(Body, offset, 1);
    message.Adresse = Get(Body, offset, 4);
    const std::size_t payload = Get(Body, offset, 2);
    if (kind < 1 || kind > 4 || type >= TypeZonesCount || code >= ErreurSerieCount ||
        payload != Body.size() - FixedSize)
        return std::nullopt;
    message.Kind = static_cast<TSimKind>(kind);
    message.TypeZone = static_cast<TTypeZones>(type);
    message.Code = static_cast<TErreurSerie>(code);
    message.Payload.assign(Body.begin() + static_cast<std::ptrdiff_t>(offset),
                           Body.begin() + static_cast<std::ptrdiff_t>(offset + payload));
    return message;
}

} // namespace g20seq::host
