// The host's event log: every entry the module writes (sender class, operation, both
// texts, level, category) with the time it arrived.
//
// Entries at or above the log level are kept in memory (the most recent ones, for
// tests), told to the listener (the studio's log view), appended to the log file when one is set,
// and printed to the verbose stream (stderr with the CLI's --verbose) when one is set. The log file
// rotates: when it would grow past its maximum size it becomes "<file>.1" (the older ones move up
// to "<file>.<Backups>", the oldest is dropped). Logging never fails the caller: a log file that
// cannot be written is reported once on the verbose stream.
#pragma once

#include <g20seq/interface/ProxyInterface.h>

#include <cstdint>
#include <deque>
#include <fstream>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

namespace g20seq::host {

struct TLogEntry {
    std::string Time; // local time, "YYYY-MM-DD hh:mm:ss"
    std::string SenderClass;
    std::string Source;
    std::string Text1;
    std::string Text2;
    int Level = 0;
    std::string Category;
};

class TEventLog final : public IEventLogProxy {
public:
    static constexpr std::size_t MemoryEntries = 1000;
    static constexpr std::uintmax_t DefaultMaxFileSize = 1024 * 1024;
    static constexpr int DefaultBackups = 3;

    TEventLog() = default;
    TEventLog(const TEventLog&) = delete;
    TEventLog& operator=(const TEventLog&) = delete;
    ~TEventLog();

    // IInterface: the service itself answers only its own identifier.
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // IEventLogProxy
    int GetLogLevel() override;
    void AddLog(const TObject* Sender, const std::string& Source, const std::string& Text1,
                const std::string& Text2, int Level, const std::string& Category) override;
    void SetLogLevel(int Level) override;
    std::string GetLogFileName() override;
    void Flush() override;

    // Host configuration. An empty name writes no file.
    void SetLogFile(const std::string& FileName, std::uintmax_t MaxSize = DefaultMaxFileSize,
                    int Backups = DefaultBackups);
    void SetVerboseStream(std::ostream* Stream);
    // Told each entry kept, on the thread that logged it, once the log's lock is released;
    // it may log in turn. An empty listener stops the telling.
    using TListener = std::function<void(const TLogEntry& Entry)>;
    void SetListener(TListener Listener);

    std::vector<TLogEntry> Entries() const;
    // One entry as written to the file and the verbose stream.
    static std::string FormatEntry(const TLogEntry& Entry);

private:
    void WriteToFile(const std::string& Line);
    void OpenFile();
    void Rotate();

    mutable std::mutex FMutex;
    int FLogLevel = 0;
    std::deque<TLogEntry> FEntries;
    std::string FFileName;
    std::uintmax_t FMaxSize = DefaultMaxFileSize;
    int FBackups = DefaultBackups;
    std::ofstream FFile;
    std::uintmax_t FFileSize = 0;
    bool FFileFailed = false;
    std::ostream* FVerbose = nullptr;
    TListener FListener;
};

} // namespace g20seq::host
