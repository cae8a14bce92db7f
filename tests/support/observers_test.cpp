#include "support/Observers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace g20seq {
namespace {

using TSujet = TObservers<const std::string&>;

TEST(Observers, EveryObserverIsToldInOrderUntilItsSubscriptionEnds) {
    TSujet sujet;
    EXPECT_TRUE(sujet.Empty());
    std::vector<std::string> vus;
    auto premier = sujet.Subscribe([&](const std::string& v) { vus.push_back("1:" + v); });
    auto second = sujet.Subscribe([&](const std::string& v) { vus.push_back("2:" + v); });
    sujet.Notify("a");
    // A moved token keeps the subscription; an ended one is never called again.
    TSubscription deplace = std::move(second);
    premier.Cancel();
    sujet.Notify("b");
    deplace = TSubscription();
    sujet.Notify("c");
    EXPECT_EQ(vus, (std::vector<std::string>{"1:a", "2:a", "2:b"}));
    EXPECT_FALSE(premier);
}

TEST(Observers, ObserversMayEndAndStartSubscriptionsWhileTheyRun) {
    TSujet sujet;
    std::vector<std::string> vus;
    TSubscription nouvelle;
    TSubscription unique;
    unique = sujet.Subscribe([&](const std::string& v) {
        vus.push_back("unique:" + v);
        unique.Cancel(); // ends its own subscription without waiting for itself
        nouvelle = sujet.Subscribe([&](const std::string& w) { vus.push_back("nouvelle:" + w); });
    });
    sujet.Notify("a"); // the observer subscribed during the call is told from the next one
    sujet.Notify("b");
    EXPECT_EQ(vus, (std::vector<std::string>{"unique:a", "nouvelle:b"}));
}

TEST(Observers, ATokenMayOutliveItsSubject) {
    TSubscription jeton;
    {
        auto sujet = std::make_unique<TSujet>();
        jeton = sujet->Subscribe([](const std::string&) {});
    }
    EXPECT_TRUE(jeton);
    jeton.Cancel();
    EXPECT_FALSE(jeton);
}

} // namespace
} // namespace g20seq
