#include "model/Protocole.h"
#include "support/FakeProtocol.h"

#include <gtest/gtest.h>

#include <cstring>

namespace g20seq {
namespace {

// Smallest concrete protocol: the link operations do nothing.
class TestProtocole : public TProtocole {
public:
    using TProtocole::TProtocole;
    TInterfacedPersistent* CreateAutomate(TObject*) override { return nullptr; }
    bool Connecter() override { return false; }
    void Deconnecter() override {}
    bool IsConnecte() override { return false; }
    TErreurSerie EcrireZone(Byte, TTypeZones, Word, const TByteArray&, int) override {
        return SerErrFonction;
    }
    TErreurSerie LireZone(Byte, TTypeZones, Word, TByteArray&, int&) override {
        return SerErrFonction;
    }
    LongWord GetAdresseZone(TTypeZones, Word) override { return 0; }
};

TEST(Protocole, RegistryLooksUpByZoneType) {
    TestProtocole protocole("G20");
    protocole.AddZoneProtocole(
        PrcProgrammes, std::make_unique<testkit::FakeZoneProtocole>(163, 163, 0, true, 128));
    protocole.AddZoneProtocole(PrcCompteurs,
                               std::make_unique<testkit::FakeZoneProtocole>(9, 12, 0, true, 16));

    IZoneProtocole* compteurs = protocole.GetZoneProtocole(PrcCompteurs);
    ASSERT_NE(compteurs, nullptr);
    EXPECT_EQ(compteurs->GetTailleReceiveZone(), 12);
    EXPECT_EQ(protocole.GetZoneProtocole(PrcConfiguration), nullptr);
    // Registered once per type; not an information object: refused.
    EXPECT_THROW(protocole.AddZoneProtocole(
                     PrcCompteurs, std::make_unique<testkit::FakeZoneProtocole>(1, 1, 0, false, 0)),
                 EStringListError);
    EXPECT_THROW(protocole.AddZoneProtocole(PrcFraise, std::make_unique<TInterfacedPersistent>()),
                 EConvertError);
    EXPECT_EQ(protocole.GetListeTypeZones().Count(), 2);
}

TEST(Protocole, CounterNeverGoesBelowZero) {
    TestProtocole protocole("G20");
    EXPECT_TRUE(protocole.DecNombreEproms());
    EXPECT_EQ(protocole.GetNombreEproms(), 0);
    protocole.IncNombreEproms();
    protocole.IncNombreEproms();
    EXPECT_FALSE(protocole.DecNombreEproms());
    EXPECT_TRUE(protocole.DecNombreEproms());
}

TEST(Protocole, AnswersItsInterfacesByIdentifier) {
    TestProtocole protocole("G20");
    TInterfacedPersistent* host = &protocole;
    void* obj = nullptr;
    ASSERT_TRUE(host->QueryInterface(IProtocoleNom::IID, &obj));
    static_cast<IProtocoleNom*>(obj)->SetNom("GA_Line3");
    EXPECT_EQ(protocole.GetNom(), "GA_Line3");
    ASSERT_TRUE(host->QueryInterface(IProtocoleModel::IID, &obj));
    EXPECT_EQ(static_cast<IProtocoleModel*>(obj), static_cast<IProtocoleModel*>(&protocole));
    EXPECT_TRUE(host->QueryInterface(IProtocoleCommunication::IID, &obj));
    EXPECT_FALSE(host->QueryInterface(IEventLogProxy::IID, &obj));
    EXPECT_EQ(obj, nullptr);
}

// Itanium ABI: a pointer to a virtual member function holds 1 + the slot's byte offset.
template <typename F> std::ptrdiff_t Slot(F member) {
    std::ptrdiff_t raw;
    static_assert(sizeof(member) >= sizeof(raw));
    std::memcpy(&raw, &member, sizeof(raw));
    return (raw - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

TEST(Protocole, InterfaceOperationOrderIsPinned) {
    EXPECT_EQ(Slot(&IProtocoleCommunication::Connecter), 3);
    EXPECT_EQ(Slot(&IProtocoleCommunication::Deconnecter), 4);
    EXPECT_EQ(Slot(&IProtocoleCommunication::IsConnecte), 5);
    EXPECT_EQ(Slot(&IProtocoleCommunication::EcrireZone), 6);
    EXPECT_EQ(Slot(&IProtocoleCommunication::LireZone), 7);
    EXPECT_EQ(Slot(&IProtocoleCommunication::GetAdresseZone), 8);
}

TEST(FakeProtocol, HoldsTheG20Table) {
    testkit::FakeProtocol fake;
    TInterfacedPersistent* host = &fake;
    void* obj = nullptr;
    ASSERT_TRUE(host->QueryInterface(IProtocoleModel::IID, &obj));
    auto* model = static_cast<IProtocoleModel*>(obj);

    IZoneProtocole* compteurs = model->GetZoneProtocole(PrcCompteurs);
    ASSERT_NE(compteurs, nullptr);
    EXPECT_EQ(compteurs->GetTailleSendZone(), 9);
    EXPECT_EQ(compteurs->GetTailleReceiveZone(), 12);
    EXPECT_TRUE(compteurs->IsZoneMultiple());
    EXPECT_EQ(compteurs->GetNombreZones(), 16);
    IZoneProtocole* mini = model->GetZoneProtocole(PrcConfigurationMini);
    ASSERT_NE(mini, nullptr);
    EXPECT_FALSE(mini->IsFileZone());
    EXPECT_EQ(mini->GetNombreZones(), 1);
    EXPECT_EQ(model->GetZoneProtocole(PrcPeriodes)->GetNombreZones(), 12);
    EXPECT_EQ(model->GetZoneProtocole(PrcAcquittements)->GetTailleReceiveZone(), 0);
    EXPECT_EQ(model->GetZoneProtocole(PrcPolling), nullptr);

    fake.SetTailles(PrcFraise, 6, 7);
    EXPECT_EQ(model->GetZoneProtocole(PrcFraise)->GetTailleSendZone(), 6);
    fake.RemoveType(PrcFraise);
    EXPECT_EQ(model->GetZoneProtocole(PrcFraise), nullptr);

    ASSERT_TRUE(host->QueryInterface(IProtocoleNom::IID, &obj));
    EXPECT_EQ(static_cast<IProtocoleNom*>(obj)->GetNom(), "H35");

    model->IncNombreEproms();
    EXPECT_EQ(fake.NombreEproms(), 1);
    EXPECT_TRUE(model->DecNombreEproms());
    EXPECT_TRUE(model->DecNombreEproms());
}

} // namespace
} // namespace g20seq
