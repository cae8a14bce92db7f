// The offline transfer engine as an editor window meets it: a window hands its queue to the
// EPROM, the engine answers each zone from its worker thread, in queue order, after writing
// the zone into the image; an error answer drops the rest of the queue. The suite reaches the
// module through the shared library alone, as the studio does, and runs under the thread
// sanitizer.
#include "TransferTestKit.h"
#include "transfer/OfflineTransfer.h"

#include <filesystem>
#include <thread>

namespace g20seq::host {
namespace {

class OfflineTransferTest : public ::testing::Test {
protected:
    OfflineTransferTest() {
        SetDataProxy(&Proxy);
        std::filesystem::create_directories(Dossier);
        TStation("GA_Transfert", &Protocole).SaveToNewFile(Image);
        Station = TStation::Open(Image, true, &Protocole);
        Engine.InstallOn(Station->Eprom());
    }
    ~OfflineTransferTest() override {
        Engine.WaitIdle();
        Station.reset();
        std::filesystem::remove_all(Dossier);
        SetDataProxy(nullptr);
    }

    // A copy of program Numero with the weld time Temps, as a window queues it.
    std::unique_ptr<TCustomZoneCPS> Programme(int Numero, int Temps) {
        const TZoneHolder tenue(&Station->Eprom(), PrcProgrammes, Numero);
        auto copie = tenue->Duplicate();
        copie->GetFieldByID(TempsSoudage)->SetAsInteger(Temps);
        return copie;
    }
    // Read from a copy: the engine's worker may be assigning the EPROM's zone meanwhile,
    // and field values are only consistent under the zone's lock, which copying takes.
    int TempsSoudageImage(int Numero) {
        const TZoneHolder tenue(&Station->Eprom(), PrcProgrammes, Numero);
        return TempsSoudageDe(*tenue->Duplicate());
    }

    TDataProxy Proxy;
    TProtocoleG20 Protocole;
    std::filesystem::path Dossier =
        std::filesystem::temp_directory_path() / ("g20seq-transfer-" + std::to_string(::getpid()));
    std::string Image = (Dossier / "GA_Transfert.g20").string();
    std::unique_ptr<TStation> Station;
    TOfflineTransfer Engine;
};

TEST_F(OfflineTransferTest, AnswersEachZoneInQueueOrderAndWritesItIntoTheImage) {
    TFenetreEssai fenetre(Station->Eprom());
    TZoneQueue zones;
    zones.push_back(Programme(3, 12));
    zones.push_back(Programme(1, 14));
    ASSERT_TRUE(fenetre.Envoyer(zones));
    EXPECT_TRUE(zones.empty()); // the engine took the zones
    Engine.WaitIdle();
    EXPECT_EQ(fenetre.Reponses(), (std::vector<TReponse>{{"PrcProgrammes=3", 12, false},
                                                         {"PrcProgrammes=1", 14, false}}));
    EXPECT_EQ(TempsSoudageImage(3), 12);

    Station.reset();
    Station = TStation::Open(Image, false, &Protocole);
    EXPECT_EQ(TempsSoudageImage(3), 12);
    EXPECT_EQ(TempsSoudageImage(1), 14);
}

TEST_F(OfflineTransferTest, RefusesWhatNoWindowHandsOverAndDropsTheRestOfAQueueAfterAnError) {
    const int avant = TempsSoudageImage(4);
    TFenetreEssai fenetre(Station->Eprom());
    TZoneQueue erronee;
    erronee.push_back(Programme(2, 13));
    // A zone number the station does not have: the controller would refuse it.
    erronee.push_back(erronee.front()->Create(&Station->Eprom(), PrcProgrammes, 9999, nullptr));
    erronee.push_back(Programme(4, avant + 2));
    TZoneQueue suivante;
    suivante.push_back(Programme(5, 15));
    EXPECT_FALSE(Station->Eprom().ChargeMultipleZoneCPS(&erronee)) << "no window hands it over";
    EXPECT_EQ(erronee.size(), 3u);
    ASSERT_TRUE(fenetre.Envoyer(erronee));
    ASSERT_TRUE(fenetre.Envoyer(suivante));
    Engine.WaitIdle();
    EXPECT_EQ(fenetre.Reponses(),
              (std::vector<TReponse>{
                  {"PrcProgrammes=2", 13, false}, {"", 0, true}, {"PrcProgrammes=5", 15, false}}));
    EXPECT_EQ(TempsSoudageImage(4), avant);
}

TEST_F(OfflineTransferTest, WindowsSavingFromSeveralThreadsGetTheirOwnAnswersInOrder) {
    constexpr int Fenetres = 3;
    constexpr int Files = 4;
    std::vector<std::unique_ptr<TFenetreEssai>> fenetres;
    std::vector<std::vector<TZoneQueue>> files(Fenetres);
    std::vector<std::vector<TReponse>> attendues(Fenetres);
    for (int f = 0; f < Fenetres; ++f) {
        fenetres.push_back(std::make_unique<TFenetreEssai>(Station->Eprom()));
        for (int q = 0; q < Files; ++q) {
            const int numero = 1 + f * Files + q;
            files[f].emplace_back();
            files[f].back().push_back(Programme(numero, 10 + q));
            attendues[f].push_back({"PrcProgrammes=" + std::to_string(numero), 10 + q, false});
        }
    }
    std::vector<std::thread> threads;
    for (int f = 0; f < Fenetres; ++f)
        threads.emplace_back([&, f] {
            for (TZoneQueue& file : files[f])
                EXPECT_TRUE(fenetres[f]->Envoyer(file));
        });
    // Meanwhile the user interface reads the zones the engine writes.
    for (int tour = 0; tour < 20; ++tour)
        EXPECT_GE(TempsSoudageImage(1 + tour % (Fenetres * Files)), 0);
    for (std::thread& thread : threads)
        thread.join();
    Engine.WaitIdle();
    for (int f = 0; f < Fenetres; ++f)
        EXPECT_EQ(fenetres[f]->Reponses(), attendues[f]);
}

} // namespace
} // namespace g20seq::host
