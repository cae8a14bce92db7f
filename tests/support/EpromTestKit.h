// Helpers shared by the EPROM and host suites: the host doubles of a test, a scratch
// directory, whole-file reads and writes, the message of a refused action and log entries
// as single lines.
#pragma once

#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/HexVectors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace g20seq::testkit {

// The host doubles of an EPROM test: a data proxy recording the log, the protocol model.
class EpromFixture : public ::testing::Test {
protected:
    FakeDataProxy Proxy;
    FakeProtocol Protocol;
};

// A fresh directory under the system's temporary directory, removed with its content when
// the object goes.
class TScratchDir {
public:
    TScratchDir();
    ~TScratchDir();
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;

    const std::filesystem::path& Dir() const { return FDir; }
    // Path of the entry Name of the directory.
    std::string Path(const std::string& Name) const { return (FDir / Name).string(); }

private:
    std::filesystem::path FDir;
};

// The bytes of a file ("" or empty when it cannot be read).
std::string ReadText(const std::filesystem::path& Path);
TBytes ReadBytes(const std::filesystem::path& Path);
// Replaces the content of a file.
void WriteText(const std::filesystem::path& Path, const std::string& Text);
void WriteBytes(const std::filesystem::path& Path, std::span<const Byte> Bytes);

// Message of the g20seq::Exception that Action raises, "" when it raises none.
std::string ErrorOf(const std::function<void()>& Action);

// A log entry as "Source|Text1|Text2|Level|Category".
std::string LogLine(const LogEntry& Entry);
// Every recorded entry as a log line, in order.
std::vector<std::string> LogLines(const FakeDataProxy& Proxy);
// How many recorded entries have exactly this log line.
int CountLogLines(const FakeDataProxy& Proxy, const std::string& Line);
// How many recorded entries have this first text.
int CountText1(const FakeDataProxy& Proxy, const std::string& Text1);

} // namespace g20seq::testkit
