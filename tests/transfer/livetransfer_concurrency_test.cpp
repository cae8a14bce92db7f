// The simulated controller and the live link to it: whole images sent and received, editor
// queues answered by the controller, its refusals and its silence, and the rules of the
// zones it takes in a special way (counters, acknowledgements).
#include "TransferTestKit.h"
#include "sim/InProcessLink.h"
#include "sim/SimulatedController.h"
#include "transfer/ImageTransfer.h"
#include "transfer/LiveMonitor.h"
#include "transfer/LiveTransfer.h"
#include <g20seq/interface/ZoneInterfaces.h>
#include <g20seq/support/StringList.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace g20seq::host {
namespace {

TEST(SimFrameTest, AMessageCrossesItsFrameAndADamagedFrameIsRefused) {
    TSimMessage message{7,      TSimKind::Write, PrcProgrammes, 5, SerErrCoffretDonnees,
                        0x3200, {1, 2, 3, 250}};
    const std::vector<std::uint8_t> trame = TSimFrame::Encode(message);
    ASSERT_EQ(trame.size(), TSimFrame::LengthSize + TSimFrame::FixedSize + 4);
    const auto corps = std::span(trame).subspan(TSimFrame::LengthSize);
    EXPECT_EQ(TSimFrame::Length(std::span(trame).first<TSimFrame::LengthSize>()), corps.size());
    EXPECT_EQ(TSimFrame::Decode(corps), message);
    // The frame of tests/data/simframe/write-program.hex, byte for byte.
    const TSimMessage programme{7,
                                TSimKind::Write,
                                PrcProgrammes,
                                5,
                                SerSansErreur,
                                0x352F,
                                {0x00, 0x64, 0x00, 0x0A, 0x01, 0x02, 0x03}};
    EXPECT_EQ(TSimFrame::Encode(programme),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x07, 0x02, 0x1D,
                                         0x00, 0x05, 0x00, 0x00, 0x00, 0x35, 0x2F, 0x00, 0x07, 0x00,
                                         0x64, 0x00, 0x0A, 0x01, 0x02, 0x03, 0x24, 0x13}));

    std::vector<std::uint8_t> abimee(corps.begin(), corps.end());
    abimee[10] ^= 0x40;
    EXPECT_EQ(TSimFrame::Decode(abimee), std::nullopt) << "CRC";
    EXPECT_EQ(TSimFrame::Decode(corps.first(corps.size() - 1)), std::nullopt) << "cut";
    const std::uint8_t enorme[4] = {0x7F, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(TSimFrame::Length(std::span(enorme)), std::nullopt);
}

int PointsDe(const TZoneHolder& Compteurs) {
    void* compteur = nullptr;
    if (Compteurs->QueryInterface(ICompteur::IID, &compteur) != THResult::S_OK)
        return -1;
    return static_cast<ICompteur*>(compteur)->GetCompteurPoints();
}

// Whether Octets decode as zone (TypeZone, 0) of Station.
bool Decode(TStation& Station, TTypeZones TypeZone, const std::vector<std::uint8_t>& Octets) {
    const TZoneHolder zone(&Station.Eprom(), TypeZone, 0);
    auto essai = zone->CreateSameZone();
    const auto trame = std::make_unique<TByteArray>();
    std::copy(Octets.begin(), Octets.end(), trame->begin());
    return essai->SerialDecode(*trame, static_cast<int>(Octets.size())) == SerSansErreur;
}

class LiveTransferTest : public ::testing::Test {
protected:
    LiveTransferTest() {
        SetDataProxy(&Proxy);
        std::filesystem::create_directories(Dossier);
    }
    ~LiveTransferTest() override {
        Stations.clear();
        std::filesystem::remove_all(Dossier);
        SetDataProxy(nullptr);
    }

    // A new image of the simulator's station, opened for writing.
    TStation& Ouvrir(const std::string& Nom) {
        const std::string chemin = (Dossier / Nom).string();
        TStation(Controleur.Nom(), &Protocole).SaveToNewFile(chemin);
        Stations.push_back(TStation::Open(chemin, true, &Protocole));
        return *Stations.back();
    }
    std::string Chemin(const std::string& Nom) const { return (Dossier / Nom).string(); }
    static void SetTempsSoudage(TStation& Station, int Numero, int Temps) {
        const TZoneHolder tenue(&Station.Eprom(), PrcProgrammes, Numero);
        tenue->GetFieldByID(TempsSoudage)->SetAsInteger(Temps);
        ASSERT_TRUE(Station.Eprom().SaveZoneToFile(tenue.Get()));
    }
    std::vector<std::string> Journal(const std::string& Source) {
        std::vector<std::string> lignes;
        for (const TLogEntry& entree : Proxy.EventLog().Entries())
            if (entree.Source == Source)
                lignes.push_back(entree.Text1 + " " + entree.Text2);
        return lignes;
    }

    TDataProxy Proxy;
    TProtocoleG20 Protocole;
    std::filesystem::path Dossier =
        std::filesystem::temp_directory_path() / ("g20seq-live-" + std::to_string(::getpid()));
    std::vector<std::unique_ptr<TStation>> Stations;
    TSimulatedController Controleur{"GA_Simule"};
    TInProcessLink Lien{Controleur};
    TControllerPort Port{Lien, 3, std::chrono::milliseconds(20)};
};

TEST_F(LiveTransferTest,
       ReceivingFromAFreshControllerGivesANewImageAndSendThenReceiveIsTheIdentity) {
    TStation& recue = Ouvrir("recue.g20");
    SetTempsSoudage(recue, 5, 77); // overwritten by the reception
    const TBilanImage reception = RecevoirImage(recue.Eprom(), Port);
    ASSERT_TRUE(reception.Reussi()) << ErreurSerieName(reception.Code) << " " << reception.Zone;
    EXPECT_EQ(reception.Zones, reception.Total);
    Ouvrir("neuve.g20");
    TStringList differences;
    EXPECT_TRUE(recue.Eprom().EqualsFichier(&differences, Chemin("neuve.g20")))
        << differences.Text();

    // Counters travel from the controller only.
    std::vector<std::uint8_t> compteurs = *Controleur.Payload(PrcCompteurs, 2);
    compteurs[1] = 42; // 42 points on the step
    Controleur.SetPayload(PrcCompteurs, 2, compteurs);
    SetTempsSoudage(recue, 7, 33);
    const TBilanImage envoi = EnvoyerImage(recue.Eprom(), Port);
    ASSERT_TRUE(envoi.Reussi()) << ErreurSerieName(envoi.Code) << " " << envoi.Zone;
    EXPECT_EQ(Controleur.Payload(PrcCompteurs, 2), compteurs) << "counters are never sent";
    TStation& copie = Ouvrir("copie.g20");
    ASSERT_TRUE(RecevoirImage(copie.Eprom(), Port).Reussi());
    EXPECT_TRUE(copie.Eprom().EqualsFichier(&differences, Chemin("recue.g20")))
        << differences.Text();
    const TZoneHolder recus(&copie.Eprom(), PrcCompteurs, 2);
    EXPECT_EQ(PointsDe(recus), 42);
    EXPECT_EQ(TempsSoudageDe(*TZoneHolder(&copie.Eprom(), PrcProgrammes, 7).Get()), 33);
}

TEST_F(LiveTransferTest, AWindowsQueueIsAnsweredByTheControllerAndARefusalEndsIt) {
    TStation& station = Ouvrir("a.g20");
    TLiveTransfer moteur(Port, &Proxy.EventLog());
    moteur.InstallOn(station.Eprom());
    TFenetreEssai fenetre(station.Eprom());
    const auto programme = [&](int Numero, int Temps) {
        const TZoneHolder tenue(&station.Eprom(), PrcProgrammes, Numero);
        auto copie = tenue->Duplicate();
        copie->GetFieldByID(TempsSoudage)->SetAsInteger(Temps);
        return copie;
    };
    TZoneQueue zones;
    zones.push_back(programme(3, 12));
    zones.push_back(programme(4, 14));
    ASSERT_TRUE(fenetre.Envoyer(zones));
    moteur.WaitIdle();
    EXPECT_EQ(fenetre.Reponses(), (std::vector<TReponse>{{"PrcProgrammes=3", 12, false},
                                                         {"PrcProgrammes=4", 14, false}}));
    EXPECT_EQ(TempsSoudageDe(*TZoneHolder(&station.Eprom(), PrcProgrammes, 3).Get()), 12);

    // The first of three refused: one error answer, the other two never reach the controller.
    const int ecritures = Controleur.Ecritures();
    Controleur.InjecterErreur(PrcProgrammes, 5, SerErrCoffretDonnees);
    zones.push_back(programme(5, 15));
    zones.push_back(programme(6, 16));
    zones.push_back(programme(7, 17));
    ASSERT_TRUE(fenetre.Envoyer(zones));
    moteur.WaitIdle();
    EXPECT_EQ(fenetre.Reponses().back(), (TReponse{"", 0, true}));
    EXPECT_EQ(fenetre.Reponses().size(), 3u);
    EXPECT_EQ(Controleur.Ecritures(), ecritures);
    EXPECT_EQ(Journal("TLiveTransfer.Repondre"),
              std::vector<std::string>{"SerErrCoffretDonnees PrcProgrammes=5"});

    // A stopped controller: the port tries three times, then the window gets SerTimeOut.
    Controleur.Arreter(true);
    zones.push_back(programme(8, 18));
    ASSERT_TRUE(fenetre.Envoyer(zones));
    moteur.WaitIdle();
    EXPECT_EQ(fenetre.Reponses().size(), 4u);
    EXPECT_TRUE(fenetre.Reponses().back().Erreur);
    EXPECT_EQ(Journal("TLiveTransfer.Repondre").back(), "SerTimeOut PrcProgrammes=8");
}

TEST_F(LiveTransferTest, CountersWritesKeepTheControllersStateAndAcknowledgementsFollowTheirType) {
    // Electrode 2 at step 4, end of life 500, end of life reached (bit 4).
    Controleur.SetPayload(PrcCompteurs, 2, {0, 9, 0, 1, 0, 2, 0, 3, 0x10, 4, 0x01, 0xF4});
    const std::vector<std::uint8_t> ecrits = {0, 1, 0, 2, 0, 3, 0, 4, 0x03};
    const auto reponse = Port.Ecrire(PrcCompteurs, 2, ecrits);
    EXPECT_EQ(reponse.Code, SerSansErreur);
    EXPECT_EQ(reponse.Payload,
              (std::vector<std::uint8_t>{0, 1, 0, 2, 0, 3, 0, 4, 0x13, 4, 0x01, 0xF4}));

    const struct {
        TTypeZones Type;
        int Numero;
        std::vector<std::uint8_t> Octets;
        TErreurSerie Code;
    } refus[] = {
        {PrcAcquittements, 0, {6, 0}, SerErrCoffretDonnees},   // unknown acknowledgement
        {PrcCompteurs, 2, {0, 1, 0, 2}, SerErrNbrOctetsWrite}, // wrong byte count
        {PrcDiagnostic, 0, {}, SerErrRequeteInterdite},        // a status zone
        {PrcProgrammes, 200, std::vector<std::uint8_t>(163), SerErrCoffretAdresse},
    };
    for (const auto& r : refus)
        EXPECT_EQ(Port.Ecrire(r.Type, r.Numero, r.Octets).Code, r.Code) << TypeZoneName(r.Type);

    // A counter reset asked of the EPROM reaches the controller and comes back.
    TStation& station = Ouvrir("a.g20");
    TStringList liste;
    station.Eprom().ReinitCU(TReinitCUs{ReinitCompteurs}, 2, 7, 1, &liste);
    ASSERT_EQ(liste.Count(), 1);
    std::unique_ptr<TCustomZoneCPS> remise(static_cast<TCustomZoneCPS*>(liste.Objects(0)));
    TZoneQueue envoi;
    envoi.push_back(std::move(remise));
    TLiveTransfer moteur(Port);
    moteur.InstallOn(station.Eprom());
    TFenetreEssai fenetre(station.Eprom());
    ASSERT_TRUE(fenetre.Envoyer(envoi));
    moteur.WaitIdle();
    ASSERT_TRUE(RecevoirImage(station.Eprom(), Port).Reussi());
    const TZoneHolder compteurs(&station.Eprom(), PrcCompteurs, 2);
    EXPECT_EQ(PointsDe(compteurs), 7);
    EXPECT_EQ((*Controleur.Payload(PrcCompteurs, 2))[9], 4) << "the step stays the controller's";
}

TEST_F(LiveTransferTest, WeldsMoveTheCountersAndTheControllersOwnPayloadsDecodeInTheModule) {
    std::vector<TSimMessage> notifications;
    Controleur.SetEcouteur([&](const TSimMessage& M) { notifications.push_back(M); });
    Controleur.SetReglageSoudure({{3, 4}, 0, 1});
    for (int i = 0; i < 3; ++i)
        Controleur.Souder();
    ASSERT_EQ(notifications.size(), 3u);
    EXPECT_EQ(notifications[2].Kind, TSimKind::Notification);
    EXPECT_EQ(notifications[2].Payload[9], 3) << "programs taken in turn";
    EXPECT_EQ(Controleur.Payload(PrcCompteurs, 0)->at(1), 3) << "electrode 0 counted 3 points";

    TStation& station = Ouvrir("a.g20");
    for (const TTypeZones type :
         {PrcIdentification, PrcHorodateur, PrcMouchard, PrcSignatures, PrcDefautsPresents}) {
        const auto lue = Port.Lire(type, 0);
        ASSERT_EQ(lue.Code, SerSansErreur) << TypeZoneName(type);
        EXPECT_TRUE(Decode(station, type, lue.Payload)) << TypeZoneName(type);
    }
    const auto mouchard = *Controleur.Payload(PrcMouchard, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(mouchard.begin() + 8, mouchard.begin() + 12),
              (std::vector<std::uint8_t>{0, 0, 0, 3}))
        << "3 welds in all";

    // A fault raised by a weld is in the present faults until it is acknowledged.
    Controleur.SetReglageSoudure({{0}, 1.0, 7});
    Controleur.Souder();
    const auto defauts = *Controleur.Payload(PrcDefautsPresents, 0);
    EXPECT_NE(std::count(defauts.begin(), defauts.end(), 0), static_cast<long>(defauts.size()));
    EXPECT_EQ(notifications.back().Payload[6], 0x81) << "a fault signature";
    EXPECT_EQ(Port.Ecrire(PrcAcquittements, 0, std::vector<std::uint8_t>{1, 255}).Code,
              SerSansErreur);
    EXPECT_EQ(*Controleur.Payload(PrcDefautsPresents, 0), std::vector<std::uint8_t>(12, 0));

    // A medium-frequency controller writes 36-byte signatures.
    TSimulatedController mf("GM_Simule");
    mf.Souder();
    const TStation stationMF("GM_Simule", &Protocole);
    EXPECT_EQ(mf.Payload(PrcSignatures, 0)->size(), 36u);
    EXPECT_EQ(const_cast<TStation&>(stationMF)
                  .Eprom()
                  .GetProtocole()
                  ->GetZoneProtocole(PrcMesures)
                  ->GetTailleReceiveZone(),
              18)
        << "a medium-frequency station gets the protocol of its variant";
    EXPECT_TRUE(
        Decode(const_cast<TStation&>(stationMF), PrcSignatures, *mf.Payload(PrcSignatures, 0)));
}

// The controller welds 20 times a second for G20SEQ_SOAK_SECONDS (2 by default; the thread
// sanitizer run sets 60) while the monitor follows it: every weld's signature is received,
// decoded and analysed, and each weld signature is stored and wakes the observers of new
// signatures.
TEST_F(LiveTransferTest, TheMonitorLosesNoSignatureWhileTheControllerWelds) {
    const char* duree = std::getenv("G20SEQ_SOAK_SECONDS");
    const auto secondes = std::chrono::seconds(duree != nullptr ? std::atoi(duree) : 2);
    TStation& station = Ouvrir("a.g20");
    std::atomic<int> nouvelles = 0;
    const TSubscription abonnement =
        station.Eprom().SubscribeNouvelleSignature([&](TCustomEprom&, int) { ++nouvelles; });
    TInProcessNotifications notifications(Controleur);
    Controleur.SetReglageSoudure({{0, 1, 2}, 0.05, 3});
    {
        TLiveMonitor moniteur(station.Eprom(), notifications, Port, std::chrono::milliseconds(200));
        Controleur.DemarrerSoudures(20);
        std::this_thread::sleep_for(secondes);
        Controleur.ArreterSoudures();
        for (int attente = 0; attente < 200 && moniteur.Signatures() < int(Controleur.Soudures());
             ++attente)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GT(Controleur.Soudures(), 0u);
        EXPECT_EQ(moniteur.Signatures(), int(Controleur.Soudures()));
        EXPECT_EQ(moniteur.Refusees(), 0);
        EXPECT_GT(moniteur.Releves(), 0);
    }
    EXPECT_EQ(nouvelles, int(Controleur.Soudures() - Controleur.SouduresEnDefaut()))
        << "each weld signature is kept and told; fault signatures are not kept";
    const auto mouchard = Port.Lire(PrcMouchard, 0).Payload;
    EXPECT_EQ((mouchard[8] << 8 | mouchard[9]) * 10000 + (mouchard[10] << 8 | mouchard[11]),
              int(Controleur.Soudures()))
        << "the weld total of the event record";
    EXPECT_EQ(Port.Lire(PrcSignaturesPerdues, 0).Payload, std::vector<std::uint8_t>(2, 0));
    for (const int programme : {0, 1, 2})
        EXPECT_NE(station.Eprom().GetSignature(programme), nullptr) << programme;
}

} // namespace
} // namespace g20seq::host
