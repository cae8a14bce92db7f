// The host's threads on one station at once: four communication threads take the same
// programs and electrodes, decode payloads into them, compare them and give them back, and
// encode their own duplicates, while a fifth saves editors' copies into the zone file. Runs
// G20SEQ_STRESS_SECONDS seconds (2 by default; the thread sanitizer run sets 20).
#include "eprom/EpromG20.h"
#include "eprom/KEVCustomFileStream.h"
#include "model/ZoneCPS.h"
#include "support/ByteArray.h"
#include "support/EpromTestKit.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace g20seq::testkit {
namespace {

// A G20 station whose zone references the test counts.
class TEpromStress : public TEpromG20 {
public:
    using TEprom::FindZoneReference;
    using TEpromG20::TEpromG20;
};

constexpr Word fmTravail = fmOpenReadWrite | fmShareDenyNone;
constexpr int Programmes = 8;

struct TZoneVisee {
    TTypeZones Type;
    int Numero;
};

std::chrono::seconds Duree() {
    const char* texte = std::getenv("G20SEQ_STRESS_SECONDS");
    const int secondes = texte != nullptr ? std::atoi(texte) : 0;
    return std::chrono::seconds(secondes > 0 ? secondes : 2);
}

// One round of a communication thread on Zone: decode its own payload back into it,
// compare it with a duplicate, and encode that duplicate.
void Communiquer(TCustomEprom& Eprom, const TZoneVisee& Visee) {
    const TZoneHolder zone(&Eprom, Visee.Type, Visee.Numero);
    ASSERT_TRUE(zone);
    const std::unique_ptr<TCustomZoneCPS> copie = zone->Duplicate();
    TByteArray trame{};
    const int longueur = copie->SerialEncode(trame, 0, copie->GetTailleSendZone());
    ASSERT_GT(longueur, 0);
    EXPECT_EQ(zone->SerialDecode(trame, longueur), SerSansErreur);
    zone->Equals(copie.get());
    copie->SerialEncode(trame, 0, copie->GetTailleSendZone());
}

TEST(StationStressConcurrency, CommunicationThreadsAndAnEditorSavingLoseNothing) {
    FakeDataProxy proxy;
    FakeProtocol protocol;
    TScratchDir dossier;
    auto eprom = TEprom::Create<TEpromStress>("GA_Stress", &protocol);
    const std::string image = dossier.Path("image.kev");
    ASSERT_TRUE(eprom->SaveToNewFile(new TKevCustomFileStream(image, fmCreate, true)));
    eprom->CloseFile();
    ASSERT_TRUE(eprom->ReadFromFile(new TKevCustomFileStream(image, fmTravail, true)));

    std::vector<TZoneVisee> visees;
    for (int numero = 0; numero < Programmes; ++numero)
        visees.push_back({PrcProgrammes, numero});
    for (int numero = 1; numero <= 4; ++numero)
        visees.push_back({PrcElectrodes, numero});
    std::vector<int> detenteurs;
    for (const TZoneVisee& visee : visees) {
        TZoneHolder(eprom.get(), visee.Type, visee.Numero).Release(); // created once
        detenteurs.push_back(
            eprom->FindZoneReference(visee.Type, visee.Numero)->GetReferenceCount());
    }

    const auto fin = std::chrono::steady_clock::now() + Duree();
    std::atomic<long> tours = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (std::size_t i = t; std::chrono::steady_clock::now() < fin; ++i) {
                Communiquer(*eprom, visees[i % visees.size()]);
                ++tours;
            }
        });
    std::array<int, Programmes> derniers{};
    threads.emplace_back([&] {
        for (int n = 1; std::chrono::steady_clock::now() < fin; ++n) {
            const int numero = n % Programmes;
            std::unique_ptr<TCustomZoneCPS> copie;
            {
                const TZoneHolder zone(eprom.get(), PrcProgrammes, numero);
                copie = zone->Duplicate();
            }
            const int temps = 1 + n % 90;
            static_cast<TZoneCPS&>(*copie).SetAsInteger("IDTempsSoudage", temps);
            ASSERT_TRUE(eprom->SaveZoneToFile(copie.get()));
            derniers[numero] = temps;
        }
    });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_GT(tours.load(), 0);
    for (std::size_t i = 0; i < visees.size(); ++i)
        EXPECT_EQ(eprom->FindZoneReference(visees[i].Type, visees[i].Numero)->GetReferenceCount(),
                  detenteurs[i]);
    eprom->CloseFile();

    // The file holds the last copy saved of every program.
    auto relue = TEpromG20::New("GA_Stress", &protocol);
    ASSERT_TRUE(relue->ReadFromFile(new TKevCustomFileStream(image, fmTravail, true)));
    for (int numero = 0; numero < Programmes; ++numero) {
        if (derniers[numero] == 0)
            continue;
        const TZoneHolder programme(relue.get(), PrcProgrammes, numero);
        EXPECT_EQ(programme.As<TZoneCPS>()->GetAsInteger("IDTempsSoudage"), derniers[numero])
            << "program " << numero;
    }
}

} // namespace
} // namespace g20seq::testkit
