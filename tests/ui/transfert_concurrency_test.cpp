// The editors' transfer rules under threads: answers taken on the host's threads while the
// window reads the waiting list, and deliveries racing with a window that unregisters.
#include "model/EditorWindows.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/TestEprom.h"
#include "ui/TransfertZones.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace g20seq::testkit {
namespace {

TEST(TransfertConcurrencyTest, AnswersFromAWorkerMatchTheQueueWhileTheWindowReadsIt) {
    FakeDataProxy proxy;
    FakeProtocol protocol;
    auto eprom = TTestEprom::New("GA_Transfert", &protocol);
    constexpr int Zones = 40;
    std::vector<TZoneHolder> tenues;
    std::vector<std::unique_ptr<TCustomZoneCPS>> copies;
    TTransfertZones transfert;
    for (int numero = 0; numero < Zones; ++numero) {
        tenues.emplace_back(eprom.get(), PrcProgrammes, numero);
        copies.push_back(tenues.back()->Duplicate());
        transfert.Ajouter(*copies.back());
    }
    ASSERT_EQ(transfert.AEnvoyer().size(), static_cast<std::size_t>(Zones));
    std::vector<std::unique_ptr<TCustomZoneCPS>> envoyees;
    for (auto& zone : transfert.AEnvoyer())
        envoyees.push_back(std::move(zone));
    transfert.NouvelleFile();

    std::vector<TTransfertZones::TReception> recues;
    std::thread hote([&] {
        for (const auto& zone : envoyees)
            transfert.Recevoir(zone.get(), false, [&](TTransfertZones::TReception Reception) {
                recues.push_back(std::move(Reception));
            });
    });
    while (transfert.NbEnAttente() > 0) {
        if (TCustomZoneCPS* suivante = transfert.Suivante()) {
            EXPECT_NE(suivante->ZoneLabel(), "");
        }
    }
    hote.join();
    ASSERT_EQ(recues.size(), static_cast<std::size_t>(Zones));
    for (int i = 0; i < Zones; ++i) {
        EXPECT_EQ(recues[i].Index, 0);
        EXPECT_EQ(recues[i].Cible, copies[i].get());
        EXPECT_EQ(recues[i].Restantes, Zones - 1 - i);
    }
}

// A window of the registry that counts its answers and fails once it is gone.
class TFenetreComptee : public IEditorWindow {
public:
    void ReceiveZone(TCustomZoneCPS*, bool) override {
        EXPECT_FALSE(Detruite.load());
        ++Recues;
    }
    const TZoneQueue* ZonesEnEnvoi() const override { return nullptr; }
    TCustomEprom* GetEprom() const override { return nullptr; }
    void ForceFermeture() override {}

    std::atomic<bool> Detruite = false;
    std::atomic<int> Recues = 0;
};

TEST(TransfertConcurrencyTest, NoAnswerReachesAWindowOnceItHasUnregistered) {
    for (int essai = 0; essai < 50; ++essai) {
        TFenetreComptee fenetre;
        RegisterEditorWindow(&fenetre);
        std::atomic<int> livrees = 0;
        std::thread hote([&] {
            while (DeliverToEditorWindow(&fenetre, nullptr, true))
                ++livrees;
        });
        while (fenetre.Recues.load() == 0 && essai % 2 == 0)
            std::this_thread::yield();
        UnregisterEditorWindow(&fenetre);
        fenetre.Detruite = true;
        hote.join();
        EXPECT_EQ(livrees.load(), fenetre.Recues.load());
    }
}

} // namespace
} // namespace g20seq::testkit
