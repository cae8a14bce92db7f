#include "services/EventLog.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <ostream>

namespace g20seq::host {

namespace {

std::string LocalTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

TEventLog::~TEventLog() {
    Flush();
}

THResult TEventLog::QueryInterface(const TGUID& IID, void** Obj) {
    *Obj = IID == IEventLogProxy::IID ? static_cast<IEventLogProxy*>(this) : nullptr;
    return *Obj != nullptr ? THResult::S_OK : THResult::E_NOINTERFACE;
}

int TEventLog::GetLogLevel() {
    std::lock_guard lock(FMutex);
    return FLogLevel;
}

void TEventLog::SetLogLevel(int Level) {
    std::lock_guard lock(FMutex);
    FLogLevel = Level;
}

std::string TEventLog::GetLogFileName() {
    std::lock_guard lock(FMutex);
    return FFileName;
}

void TEventLog::Flush() {
    std::lock_guard lock(FMutex);
    if (FFile.is_open())
        FFile.flush();
}

void TEventLog::SetLogFile(const std::string& FileName, std::uintmax_t MaxSize, int Backups) {
    std::lock_guard lock(FMutex);
    if (FFile.is_open())
        FFile.close();
    FFileName = FileName;
    FMaxSize = MaxSize;
    FBackups = Backups;
    FFileFailed = false;
}

void TEventLog::SetVerboseStream(std::ostream* Stream) {
    std::lock_guard lock(FMutex);
    FVerbose = Stream;
}

std::string TEventLog::FormatEntry(const TLogEntry& Entry) {
    std::string line = Entry.Time + " [" + std::to_string(Entry.Level) + "] " + Entry.Category +
                       " " + Entry.SenderClass + "." + Entry.Source + ": " + Entry.Text1;
    if (!Entry.Text2.empty())
        line += " | " + Entry.Text2;
    return line;
}

void TEventLog::AddLog(const TObject* Sender, const std::string& Source, const std::string& Text1,
                       const std::string& Text2, int Level, const std::string& Category) {
    TLogEntry entry{LocalTime(), Sender != nullptr ? Sender->ClassName() : std::string("nil"),
                    Source,      Text1,
                    Text2,       Level,
                    Category};
    TListener listener;
    {
        std::lock_guard lock(FMutex);
        if (Level < FLogLevel)
            return;
        const std::string line = FormatEntry(entry);
        if (FVerbose != nullptr)
            *FVerbose << line << '\n';
        WriteToFile(line);
        FEntries.push_back(entry);
        if (FEntries.size() > MemoryEntries)
            FEntries.pop_front();
        listener = FListener;
    }
    if (listener)
        listener(entry);
}

void TEventLog::SetListener(TListener Listener) {
    std::lock_guard lock(FMutex);
    FListener = std::move(Listener);
}

void TEventLog::WriteToFile(const std::string& Line) {
    if (FFileName.empty() || FFileFailed)
        return;
    if (!FFile.is_open())
        OpenFile();
    if (FFile.is_open() && FFileSize > 0 && FFileSize + Line.size() + 1 > FMaxSize)
        Rotate();
    if (!FFile.is_open()) {
        FFileFailed = true;
        if (FVerbose != nullptr)
            *FVerbose << "g20seq: cannot write the log file '" << FFileName << "'\n";
        return;
    }
    FFile << Line << '\n';
    FFileSize += Line.size() + 1;
}

void TEventLog::OpenFile() {
    std::error_code error;
    const auto directory = std::filesystem::path(FFileName).parent_path();
    if (!directory.empty())
        std::filesystem::create_directories(directory, error);
    FFile.open(FFileName, std::ios::app | std::ios::binary);
    const auto size = std::filesystem::file_size(FFileName, error);
    FFileSize = error ? 0 : size;
}

void TEventLog::Rotate() {
    FFile.close();
    std::error_code error;
    const std::string base = FFileName;
    std::filesystem::remove(base + "." + std::to_string(FBackups), error);
    for (int index = FBackups - 1; index >= 1; --index)
        std::filesystem::rename(base + "." + std::to_string(index),
                                base + "." + std::to_string(index + 1), error);
    if (FBackups > 0)
        std::filesystem::rename(base, base + ".1", error);
    else
        std::filesystem::remove(base, error);
    OpenFile();
}

std::vector<TLogEntry> TEventLog::Entries() const {
    std::lock_guard lock(FMutex);
    return {FEntries.begin(), FEntries.end()};
}

} // namespace g20seq::host
