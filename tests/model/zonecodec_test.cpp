#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/PayloadLayout.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/FakeDataProxy.h"
#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace g20seq {
namespace {

// Handles of the test zone's fields.
namespace champs {
constexpr TFieldHandle IDMot1{TFieldFamily::None, 0, "IDMot1"};
constexpr TFieldHandle IDMot2{TFieldFamily::None, 1, "IDMot2"};
constexpr TFieldHandle IDMot3{TFieldFamily::None, 2, "IDMot3"};
constexpr TFieldHandle IDOctet{TFieldFamily::None, 3, "IDOctet"};
constexpr TFieldHandle IDMode{TFieldFamily::None, 4, "IDMode"};
constexpr TFieldHandle IDBit0{TFieldFamily::None, 5, "IDBit0"};
constexpr TFieldHandle IDBit7{TFieldFamily::None, 6, "IDBit7"};
constexpr TFieldHandle IDNom{TFieldFamily::None, 7, "IDNom"};
constexpr TFieldHandle IDCode{TFieldFamily::None, 8, "IDCode"};
constexpr TFieldHandle IDTable{TFieldFamily::None, 9, "IDTable"};
constexpr TFieldHandle IDAdresse{TFieldFamily::None, 10, "IDAdresse"};
constexpr TFieldHandle IDSigne{TFieldFamily::None, 11, "IDSigne"};
} // namespace champs

// A zone with one field of each kind a payload carries.
class TTestZone : public TZoneCPS {
public:
    TTestZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
              TInterfacedPersistent* aLogicalZone)
        : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
        Integer(champs::IDMot1, 0, 65535);
        Integer(champs::IDMot2, 0, 65535);
        Integer(champs::IDMot3, 0, 1000);
        Integer(champs::IDOctet, 0, 300);
        Integer(champs::IDMode, 0, 3);
        AddField(champs::IDBit0,
                 std::make_unique<TKEVBooleanField>("IDBit0", this, nullptr, false));
        AddField(champs::IDBit7,
                 std::make_unique<TKEVBooleanField>("IDBit7", this, nullptr, false));
        AddField(champs::IDNom, std::make_unique<TKEVStringField>("IDNom", this, nullptr, "", 6));
        AddField(champs::IDCode, std::make_unique<TKEVStringField>("IDCode", this, nullptr, "", 4));
        auto table = std::make_unique<TKEVArrayField>("IDTable", 3, this, nullptr);
        for (int i = 0; i < 3; ++i)
            table->SetField(
                i, std::make_unique<TKEVIntegerField>("IDTable", this, nullptr, 0, 65535, 0, 1.0));
        AddField(champs::IDTable, std::move(table));
        AddField(champs::IDAdresse,
                 std::make_unique<TKEVAddressField>("IDAdresse", this, nullptr, "0.0.0.0"));
        AddField(champs::IDSigne, std::make_unique<TKEVSignedIntegerField>("IDSigne", this, nullptr,
                                                                           -1000, 1000, 0, 1.0));
    }

    std::string ClassName() const override { return "TTestZone"; }
    std::string NomChamp(const std::string& IDChamp) const override { return IDChamp; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TTestZone>(AOwner, TypeZone, Numero, aLogicalZone);
    }

private:
    void Integer(const TFieldHandle& Champ, int Min, int Max) {
        AddField(Champ,
                 std::make_unique<TKEVIntegerField>(Champ.ID(), this, nullptr, Min, Max, Min, 1.0));
    }
};

using namespace payload;

constexpr std::array<TPayloadItem, 3> WordItems = {
    Number(0, 2, champs::IDMot1), Number(2, 2, champs::IDMot2), Number(4, 2, champs::IDMot3)};
constexpr TPayloadLayout WordLayout(WordItems);

constexpr std::array<TPayloadItem, 15> FullItems = {
    Number(0, 2, champs::IDMot1),      Number(2, 2, champs::IDMot2),
    Number(4, 2, champs::IDMot3),      Number(6, 1, champs::IDOctet),
    Bits(7, 7, champs::IDBit7),        Bits(7, 2, champs::IDMode, 2),
    Bits(7, 0, champs::IDBit0),        Text(8, 6, champs::IDNom),
    Text(14, 4, champs::IDCode, 0),    Number(18, 2, champs::IDTable, 0, 3),
    Number(24, 4, champs::IDAdresse),  Number(28, 2, champs::IDSigne),
    Constant(30, 2, 0xABCD),           Skip(32, 1),
    Number(33, 1, champs::IDTable, 2),
};
constexpr TPayloadLayout FullLayout(FullItems);

std::unique_ptr<TByteArray> Payload(std::initializer_list<int> Bytes) {
    auto trame = std::make_unique<TByteArray>();
    int i = 0;
    for (int b : Bytes)
        (*trame)[i++] = static_cast<Byte>(b);
    return trame;
}

TEST(PayloadLayout, RoundTripsEveryItemKind) {
    TTestZone zone(nullptr, PrcApprentissage, 1, nullptr);
    zone.SetRawValue("IDMot1", 0x1234);
    zone.SetRawValue("IDMot3", 1000);
    zone.SetRawValue("IDOctet", 0xC8);
    zone.SetAsBoolean("IDBit7", true);
    zone.SetRawValue("IDMode", 2);
    zone.SetAsString("IDNom", "Aé");
    zone.SetAsString("IDCode", "XY");
    zone.SetAsString("IDAdresse", "192.168.1.20");
    zone.SetRawValue("IDSigne", -2);
    auto& table = dynamic_cast<TKEVArrayField&>(zone.FieldByID("IDTable"));
    dynamic_cast<IRawNumericField*>(table.GetField(1))->SetRawValue(0x0102);
    dynamic_cast<IRawNumericField*>(table.GetField(2))->SetRawValue(0x7F);

    auto trame = std::make_unique<TByteArray>();
    trame->fill(0xEE);
    EXPECT_EQ(FullLayout.Size(), 34);
    ASSERT_EQ(FullLayout.Encode(zone, *trame, 0), 34);
    EXPECT_EQ(
        std::vector<int>(trame->begin(), trame->begin() + 34),
        (std::vector<int>{0x12, 0x34, 0x00, 0x00, 0x03, 0xE8, 0xC8, 0x88, 'A',  0xE9, ' ',  ' ',
                          ' ',  ' ',  'X',  'Y',  0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x00, 0x7F,
                          192,  168,  1,    20,   0xFF, 0xFE, 0xAB, 0xCD, 0xEE, 0x7F}));

    TTestZone other(nullptr, PrcApprentissage, 1, nullptr);
    ASSERT_EQ(FullLayout.DecodeZone(other, *trame, 34), SerSansErreur);
    for (int i = 0; i < zone.GetFieldCount(); ++i)
        EXPECT_TRUE(zone.GetFields(i)->EqualsDetails(other.GetFields(i), nullptr))
            << zone.GetFields(i)->GetFieldID();
    EXPECT_EQ(other.GetAsString("IDNom"), "Aé");
    EXPECT_EQ(other.GetRawValue("IDSigne"), -2);
}

TEST(PayloadLayout, EncodeRefusesWhatDoesNotFit) {
    TTestZone zone(nullptr, PrcApprentissage, 1, nullptr);
    auto trame = std::make_unique<TByteArray>();
    // A 16-bit first value at the last index of the buffer.
    EXPECT_THROW(WordLayout.Encode(zone, *trame, MaxBuffer - 1), ERangeError);
    EXPECT_EQ(WordLayout.Encode(zone, *trame, MaxBuffer - 6), MaxBuffer);

    zone.SetRawValue("IDOctet", 256); // one byte in the payload
    int position = 0;
    EXPECT_THROW(FullLayout.Encode(zone, *trame, 10, position), ERangeError);
    EXPECT_EQ(position, 16);
    zone.SetRawValue("IDOctet", 0);
    auto& table = dynamic_cast<TKEVArrayField&>(zone.FieldByID("IDTable"));
    dynamic_cast<IRawNumericField*>(table.GetField(2))->SetRawValue(256);
    EXPECT_THROW(FullLayout.Encode(zone, *trame, 0), ERangeError);
}

TEST(ZoneCodec, RefusedPayloadIsLoggedAndLeavesTheZoneUnchanged) {
    testkit::FakeDataProxy proxy;
    TTestZone zone(nullptr, PrcApprentissage, 1, nullptr);
    zone.SetRawValue("IDMot1", 7);

    // The third word, 0x03E9 = 1001, is above its field's maximum.
    auto trame = Payload({0x00, 0x01, 0x00, 0x02, 0x03, 0xE9});
    EXPECT_EQ(WordLayout.DecodeZone(zone, *trame, 6), SerErrDonnees);
    EXPECT_EQ(zone.GetRawValue("IDMot1"), 7);
    EXPECT_EQ(testkit::LogRecords(proxy),
              std::vector<std::string>{"TTestZone|SerialDecode|Erreur decodage Offset 4 (03/E9)|"
                                       "LngTrame 6 Trame 00 01 00 02 03 E9|2|ZRT Handling"});

    // One byte short or long: refused without a decoding error.
    proxy.ClearLogs();
    (*trame)[4] = 0x00;
    (*trame)[5] = 0x05;
    EXPECT_EQ(WordLayout.DecodeZone(zone, *trame, 5), SerErrDonnees);
    EXPECT_EQ(WordLayout.DecodeZone(zone, *trame, 7), SerErrDonnees);
    EXPECT_EQ(zone.GetRawValue("IDMot1"), 7);
    EXPECT_TRUE(proxy.Logs().empty());

    EXPECT_EQ(WordLayout.DecodeZone(zone, *trame, 6), SerSansErreur);
    EXPECT_EQ((std::vector<Int64>{zone.GetRawValue("IDMot1"), zone.GetRawValue("IDMot3")}),
              (std::vector<Int64>{1, 5}));
}

TEST(ZoneCodec, ReaderOfTheZoneClassDecodesIntoACopy) {
    testkit::FakeDataProxy proxy;
    TTestZone zone(nullptr, PrcApprentissage, 1, nullptr);
    auto trame = Payload({0x12, 0x34});
    const TTestZone* seen = nullptr;
    const auto reader = [&](TTestZone& Copy, const TByteArray& Data, int& Offset) {
        seen = &Copy;
        Offset = 0;
        Copy.SetRawValue("IDMot2", GetWord(Data, Offset));
        Offset = 2;
        return 2;
    };
    EXPECT_EQ(DecodeIntoCopy(zone, *trame, 2, reader), SerSansErreur);
    EXPECT_NE(seen, &zone);
    EXPECT_EQ(zone.GetRawValue("IDMot2"), 0x1234);

    // A read past the end of the buffer is a decoding error at its offset.
    const auto overrun = [](TTestZone&, const TByteArray& Data, int& Offset) {
        Offset = MaxBuffer - 1;
        return static_cast<int>(GetWord(Data, Offset));
    };
    EXPECT_EQ(DecodeIntoCopy(zone, *trame, 2, overrun), SerErrDonnees);
    EXPECT_EQ(proxy.Logs().at(0).Text1, "Erreur decodage Offset 32767 (00/00)");
}

TEST(ZoneCodec, RepeatedDecodesStartFromTheZoneAndAFreshZoneIsReadInPlace) {
    testkit::FakeDataProxy proxy;
    TTestZone zone(nullptr, PrcApprentissage, 1, nullptr);
    const auto motDeux = [](TTestZone& Copy, const TByteArray& Data, int& Offset) {
        Offset = 0;
        Copy.SetRawValue("IDMot2", GetWord(Data, Offset));
        return 2;
    };
    ASSERT_EQ(WordLayout.DecodeZone(zone, *Payload({0, 1, 0, 2, 0, 5}), 6), SerSansErreur);
    // Refused after writing the first two words into the decode copy.
    ASSERT_EQ(WordLayout.DecodeZone(zone, *Payload({0, 9, 0, 9, 0x03, 0xE9}), 6), SerErrDonnees);
    zone.SetRawValue("IDMot3", 7);
    // A reader of one field leaves the others as the zone holds them, not as the copy of
    // an earlier decode held them.
    ASSERT_EQ(DecodeIntoCopy(zone, *Payload({0x12, 0x34}), 2, motDeux), SerSansErreur);
    EXPECT_EQ((std::vector<Int64>{zone.GetRawValue("IDMot1"), zone.GetRawValue("IDMot2"),
                                  zone.GetRawValue("IDMot3")}),
              (std::vector<Int64>{1, 0x1234, 7}));

    TTestZone fresh(nullptr, PrcApprentissage, 1, nullptr);
    const TFreshZoneDecode inPlace(fresh);
    const TTestZone* seen = nullptr;
    const auto full = [&](TTestZone& Copy, const TByteArray& Data, int& Offset) {
        seen = &Copy;
        return WordLayout.Decode(Copy, Data, 0, Offset);
    };
    ASSERT_EQ(DecodeIntoCopy(fresh, *Payload({0, 3, 0, 4, 0x03, 0xE9}), 6, full), SerErrDonnees);
    EXPECT_EQ(seen, &fresh);
    EXPECT_EQ((std::vector<Int64>{fresh.GetRawValue("IDMot1"), fresh.GetRawValue("IDMot2")}),
              (std::vector<Int64>{0, 0}));
    EXPECT_EQ(proxy.Logs().back().Text1, "Erreur decodage Offset 4 (03/E9)");
}

TEST(ZoneCodec, FixedAnswersOfZonesWithoutSomeForms) {
    testkit::FakeDataProxy proxy;
    auto trame = std::make_unique<TByteArray>();
    TReadOnlyZone<TTestZone> status(nullptr, PrcDiagnostic, 0, nullptr);
    EXPECT_EQ(status.SerialEncode(*trame, 10, 20), 0);
    EXPECT_EQ(status.FileEncode(*trame, 10, 20), 0);
    EXPECT_EQ(status.FileDecode(*trame, 20), SerErrZoneRead);

    TWriteOnlyZone<TTestZone> command(nullptr, PrcAcquittements, 0, nullptr);
    EXPECT_EQ(command.SerialDecode(*trame, 3), SerErrDonnees);
    EXPECT_EQ(testkit::LogRecords(proxy),
              std::vector<std::string>{"TTestZone|SerialDecode|LngTrame = 3|Ne devrait jamais être "
                                       "décodée (SerErrDonnees)|2|ZRT Handling"});
    EXPECT_EQ(command.FileDecode(*trame, 3), SerErrZoneRead);
}

} // namespace
} // namespace g20seq
