// Helpers of the host tests: a scratch directory per test, whole-file reads, and runs of
// the built g20seq tool as a user would start it (a separate process, its output and
// exit code captured).
#pragma once

#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace g20seq::hosttest {

// The user id an unprivileged run takes when the tests run as root.
constexpr uid_t NobodyId = 65534;

using testkit::ReadText;
using testkit::WriteText;

inline bool Has(const std::string& Text, const std::string& Part) {
    return Text.find(Part) != std::string::npos;
}

// Names of the entries of a directory.
inline std::vector<std::string> Entries(const std::filesystem::path& Directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct TToolRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// A fresh directory Dir for the test's files (readable by everybody, so unprivileged runs
// reach it), removed at the end of the test. The tool's output and its HOME live beside
// it, so Dir holds only what the tool leaves there.
class HostFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(Dir);
        for (const auto& directory : {Root, Dir}) // rwxr-xr-x
            std::filesystem::permissions(directory, static_cast<std::filesystem::perms>(0755));
    }
    void TearDown() override {
        std::filesystem::permissions(Dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }

    std::string File(const std::string& Name) const { return (Dir / Name).string(); }

    // A run of the tool started and not yet waited for.
    struct TStartedRun {
        pid_t Child = -1;
        std::string Out, Err;
    };

    // Runs the tool with Args; Unprivileged runs it as a user without root rights.
    TToolRun Run(const std::vector<std::string>& Args, bool Unprivileged = false) const {
        return Finish(Start(Args, Unprivileged));
    }

    // Starts the tool with Args; runs started at once each need their own Tag, which names
    // the files that catch their output.
    // Extra variables ("NAME=value") are added to the tool's environment.
    TStartedRun Start(const std::vector<std::string>& Args, bool Unprivileged = false,
                      const std::string& Tag = "",
                      const std::vector<std::string>& Extra = {}) const {
        TStartedRun run{-1, (Root / ("out" + Tag)).string(), (Root / ("err" + Tag)).string()};
        std::vector<std::string> env = {"HOME=" + (Root / "home").string()};
        env.insert(env.end(), Extra.begin(), Extra.end());
        for (char** variable = environ; *variable != nullptr; ++variable)
            if (std::strncmp(*variable, "HOME=", 5) != 0 && std::strncmp(*variable, "XDG_", 4) != 0)
                env.emplace_back(*variable);
        std::vector<char*> argv = {const_cast<char*>(G20SEQ_CLI_PATH)};
        for (const std::string& arg : Args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& variable : env)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        run.Child = ::fork();
        if (run.Child == 0) {
            const int outHandle = ::open(run.Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int errHandle = ::open(run.Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(outHandle, 1);
            ::dup2(errHandle, 2);
            // Without root rights, directory permissions apply to the tool.
            if (Unprivileged && ::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 ||
                 ::setuid(NobodyId) != 0))
                std::_Exit(126);
            ::execve(argv[0], argv.data(), envp.data());
            std::_Exit(127);
        }
        return run;
    }

    static TToolRun Finish(const TStartedRun& Run) {
        int status = 0;
        ::waitpid(Run.Child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(Run.Out), ReadText(Run.Err)};
    }

    const testkit::TScratchDir Scratch;
    const std::filesystem::path Root = Scratch.Dir();
    const std::filesystem::path Dir = Root / "work";
};

} // namespace g20seq::hosttest
