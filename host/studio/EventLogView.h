// The studio's view of the event log: a read-only text that appends each entry the log
// keeps, traces (level 0, the begin and end of operations) excepted. Entries come from any thread:
// the listener only stores their lines, and the view collects them on the GUI thread a few times a
// second, so a busy log never floods the event loop and a line logged while the view goes away has
// nowhere to dangle.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include <memory>

namespace g20seq::host {

class TEventLog;

class TEventLogView : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int Lines = 2000;
    static constexpr int IntervalMs = 100;
    static constexpr int MinimumLevel = 1;

    // Listens to Log until the view is destroyed.
    explicit TEventLogView(TEventLog& Log, QWidget* Parent = nullptr);
    ~TEventLogView() override;
    TEventLogView(const TEventLogView&) = delete;
    TEventLogView& operator=(const TEventLogView&) = delete;

    // Shows the lines that arrived since the last collection.
    void Collect();

private:
    struct TArrivals;

    TEventLog& FLog;
    std::shared_ptr<TArrivals> FArrivals;
    QTimer FTimer;
};

} // namespace g20seq::host
