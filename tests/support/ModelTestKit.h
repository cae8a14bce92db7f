// Helpers shared by the model, entry and runtime suites: exception messages, log lines and
// virtual-table positions in a form one comparison can check.
#pragma once

#include "model/DifferenceReporter.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace g20seq::testkit {

// The message of the exception E raised by Action, or "" when none is raised.
template <class E = Exception> std::string MessageOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const E& error) {
        return error.what();
    }
    return "";
}

// Every entry the proxy recorded, one line each: "Sender|Source|Text1|Text2|Level|Category".
std::vector<std::string> LogRecords(const FakeDataProxy& Proxy);

// Table indexes (0 = first operation) of byte offsets returned by VtableSlot.
std::vector<std::ptrdiff_t> SlotIndexes(const std::vector<std::ptrdiff_t>& Slots);

// Keeps every difference a comparison reports, in order.
class TDifferenceCollector : public TDifferenceReporter {
public:
    void Report(const TFieldDifference& Difference) override { Differences.push_back(Difference); }
    std::vector<TFieldDifference> Differences;
};

} // namespace g20seq::testkit
