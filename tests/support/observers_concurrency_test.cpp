#include "support/Observers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace g20seq {
namespace {

using namespace std::chrono_literals;

TEST(ObserversConcurrency, EndingASubscriptionWaitsForTheCallUnderWayOnAnotherThread) {
    TObservers<int> sujet;
    std::atomic<bool> entre{false};
    std::atomic<bool> libere{false};
    std::atomic<bool> fini{false};
    auto jeton = sujet.Subscribe([&](int) {
        entre = true;
        while (!libere)
            std::this_thread::sleep_for(1ms);
        fini = true;
    });
    std::thread notifiant([&] { sujet.Notify(1); });
    while (!entre)
        std::this_thread::sleep_for(1ms);
    std::atomic<bool> termine{false};
    std::thread fermeture([&] {
        jeton.Cancel();
        termine = true;
        EXPECT_TRUE(fini); // the window's state is never used after its subscription ends
    });
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(termine);
    libere = true;
    notifiant.join();
    fermeture.join();
    EXPECT_TRUE(termine);
}

TEST(ObserversConcurrency, ConcurrentNotificationsDoNotWaitForEachOther) {
    TObservers<int> sujet;
    std::atomic<int> enCours{0};
    std::atomic<int> ensemble{0};
    auto jeton = sujet.Subscribe([&](int) {
        ++enCours;
        // Both calls meet inside the observer unless one waits for the other.
        const auto limite = std::chrono::steady_clock::now() + 5s;
        while (enCours < 2 && std::chrono::steady_clock::now() < limite)
            std::this_thread::sleep_for(1ms);
        if (enCours >= 2)
            ++ensemble;
    });
    std::thread a([&] { sujet.Notify(0); });
    std::thread b([&] { sujet.Notify(0); });
    // Meanwhile other observers come and go.
    for (int i = 0; i < 50; ++i)
        auto passager = sujet.Subscribe([](int) {});
    a.join();
    b.join();
    EXPECT_EQ(ensemble, 2);
}

} // namespace
} // namespace g20seq
