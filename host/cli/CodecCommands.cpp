#include "cli/CodecCommands.h"

#include "cli/CliErrors.h"
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/ErreurSerie.h>
#include <g20seq/support/ByteArray.h>

#include <algorithm>
#include <memory>
#include <ostream>

namespace g20seq::host {

namespace {

constexpr const char* HexDigits = "0123456789ABCDEF";

int HexValue(char Digit) {
    if (Digit >= '0' && Digit <= '9')
        return Digit - '0';
    if (Digit >= 'a' && Digit <= 'f')
        return Digit - 'a' + 10;
    if (Digit >= 'A' && Digit <= 'F')
        return Digit - 'A' + 10;
    return -1;
}

bool IsSeparator(char Character) {
    return Character == ' ' || Character == ':' || Character == '-';
}

TZoneHolder HoldZone(const TStation& Station, const TZoneId& Id) {
    return TZoneHolder(&Station.Eprom(), Id.TypeZone, Id.Numero);
}

// Decodes Payload into the zone and prints the result code and the fields that changed;
// answers whether the payload was accepted.
bool DecodeInto(const TCommandContext& Context, const TZoneId& Id, TCustomZoneCPS& Zone,
                const std::vector<unsigned char>& Payload) {
    if (Payload.size() > static_cast<std::size_t>(MaxBuffer))
        throw TUsageError("the payload is longer than " + std::to_string(MaxBuffer) + " bytes");
    auto buffer = std::make_unique<TByteArray>();
    std::copy(Payload.begin(), Payload.end(), buffer->begin());
    const std::vector<TFieldLine> before = FieldLines(Zone);
    const TErreurSerie result = Zone.SerialDecode(*buffer, static_cast<int>(Payload.size()));
    Context.Out << ErreurSerieName(result) << '\n';
    Context.PrintLines(Id, ChangedLines(before, FieldLines(Zone)));
    return result == SerSansErreur;
}

} // namespace

std::string HexText(const std::vector<unsigned char>& Bytes) {
    std::string text;
    for (const unsigned char byte : Bytes) {
        text += HexDigits[byte >> 4];
        text += HexDigits[byte & 0x0F];
    }
    return text;
}

std::vector<unsigned char> ParseHex(const std::string& Text) {
    std::vector<unsigned char> bytes;
    int high = -1;
    for (const char character : Text) {
        if (IsSeparator(character) && high < 0)
            continue;
        const int value = HexValue(character);
        if (value < 0)
            throw TUsageError("not a hexadecimal payload: '" + Text + "'");
        if (high < 0) {
            high = value;
            continue;
        }
        bytes.push_back(static_cast<unsigned char>(high * 16 + value));
        high = -1;
    }
    if (high >= 0)
        throw TUsageError("odd number of hexadecimal digits in the payload");
    return bytes;
}

int CommandEncode(const TCommandContext& Context, const TArgs& Args) {
    const auto station = Context.ReadImage(Args[0]);
    const TZoneId id = ParseZoneId(Args[1]);
    const TZoneHolder zone = HoldZone(*station, id);
    if (!zone)
        throw TUsageError("the station has no zone " + ZoneIdText(id.TypeZone, id.Numero));
    auto buffer = std::make_unique<TByteArray>();
    const int length = zone->SerialEncode(*buffer, 0, zone->GetTailleSendZone());
    if (length <= 0) {
        Context.Message(ZoneIdText(id.TypeZone, id.Numero) + " is never sent to the controller");
        return ExitUsage;
    }
    Context.Out << HexText({buffer->begin(), buffer->begin() + length}) << '\n';
    return ExitOk;
}

int CommandDecode(const TCommandContext& Context, const TArgs& Args) {
    const bool write = Args.size() == 4 && Args[3] == "--write";
    if (Args.size() == 4 && !write)
        throw TUsageError("unknown option '" + Args[3] + "'");
    const TZoneId id = ParseZoneId(Args[1]);
    const std::vector<unsigned char> payload = ParseHex(Args[2]);
    const auto decode = [&](TStation& station) {
        const TZoneHolder zone = HoldZone(station, id);
        if (!zone)
            throw TUsageError("the station has no zone " + ZoneIdText(id.TypeZone, id.Numero));
        if (!DecodeInto(Context, id, *zone.Get(), payload))
            return ExitDifferent;
        if (write)
            station.SaveZone(*zone.Get());
        return ExitOk;
    };
    if (write)
        return Context.ChangeImage(Args[0], decode);
    return decode(*Context.ReadImage(Args[0]));
}

} // namespace g20seq::host
