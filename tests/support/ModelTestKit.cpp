#include "support/ModelTestKit.h"

namespace g20seq::testkit {

std::vector<std::string> LogRecords(const FakeDataProxy& Proxy) {
    std::vector<std::string> lines;
    for (const LogEntry& e : Proxy.Logs())
        lines.push_back(e.SenderClass + "|" + e.Source + "|" + e.Text1 + "|" + e.Text2 + "|" +
                        std::to_string(e.Level) + "|" + e.Category);
    return lines;
}

std::vector<std::ptrdiff_t> SlotIndexes(const std::vector<std::ptrdiff_t>& Slots) {
    std::vector<std::ptrdiff_t> indexes;
    for (std::ptrdiff_t slot : Slots)
        indexes.push_back(slot < 0 ? -1 : slot / static_cast<std::ptrdiff_t>(sizeof(void*)));
    return indexes;
}

} // namespace g20seq::testkit
