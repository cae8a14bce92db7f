#include "studio/EventLogView.h"

#include "services/EventLog.h"

#include <mutex>
#include <string>
#include <vector>

namespace g20seq::host {

struct TEventLogView::TArrivals {
    std::mutex Mutex;
    std::vector<std::string> Lines;
};

TEventLogView::TEventLogView(TEventLog& Log, QWidget* Parent)
    : QPlainTextEdit(Parent), FLog(Log), FArrivals(std::make_shared<TArrivals>()) {
    setObjectName(QStringLiteral("txtJournal"));
    setReadOnly(true);
    setMaximumBlockCount(Lines);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    FLog.SetListener([arrivals = FArrivals](const TLogEntry& Entry) {
        if (Entry.Level < MinimumLevel)
            return;
        std::string line = TEventLog::FormatEntry(Entry);
        const std::lock_guard lock(arrivals->Mutex);
        arrivals->Lines.push_back(std::move(line));
    });
    connect(&FTimer, &QTimer::timeout, this, &TEventLogView::Collect);
    FTimer.start(IntervalMs);
}

TEventLogView::~TEventLogView() {
    FLog.SetListener({});
}

void TEventLogView::Collect() {
    std::vector<std::string> lines;
    {
        const std::lock_guard lock(FArrivals->Mutex);
        lines.swap(FArrivals->Lines);
    }
    for (const std::string& line : lines)
        appendPlainText(QString::fromStdString(line));
}

} // namespace g20seq::host
