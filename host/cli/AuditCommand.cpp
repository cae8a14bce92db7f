#include "cli/AuditCommand.h"

#include "SafeSave.h"
#include "cli/AuditReport.h"
#include "cli/CliErrors.h"
#include "protocol/ProtocoleG20.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <thread>

#include <unistd.h>

namespace g20seq::host {

namespace {

struct TAuditJob {
    std::string Image;
    std::string Reference;
};

// The images and their references: the file of the same name in Refs, or Against for all.
std::vector<TAuditJob> Jobs(const TArgs& Images, const std::string& Refs,
                            const std::string& Against) {
    std::vector<TAuditJob> jobs;
    for (const std::string& image : Images)
        jobs.push_back(
            {image,
             Against.empty()
                 ? (std::filesystem::path(Refs) / std::filesystem::path(image).filename()).string()
                 : Against});
    return jobs;
}

int JobCount(const std::string& Text, std::size_t Stations) {
    int jobs = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    if (!Text.empty()) {
        const char* end = Text.data() + Text.size();
        const auto [last, error] = std::from_chars(Text.data(), end, jobs);
        if (error != std::errc() || last != end || jobs < 1)
            throw TUsageError("--jobs takes a whole number from 1 on");
    }
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(jobs), Stations));
}

void DrawProgress(std::ostream& Err, std::size_t Done, std::size_t Total) {
    constexpr std::size_t Width = 40;
    const std::size_t filled = Total == 0 ? Width : Done * Width / Total;
    Err << "\r[" << std::string(filled, '#') << std::string(Width - filled, '.') << "] " << Done
        << '/' << Total << " stations" << std::flush;
}

// Audits every job on Threads threads, each taking the next job when it is done; the
// results keep the order of the jobs. With Progress, a bar on Err follows the work.
std::vector<TStationAudit> RunAudits(const TCommandContext& Context,
                                     const std::vector<TAuditJob>& Jobs, int Threads, bool All,
                                     bool Progress) {
    std::vector<TStationAudit> results(Jobs.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    {
        std::vector<std::jthread> workers;
        for (int thread = 0; thread < Threads; ++thread)
            workers.emplace_back([&] {
                for (std::size_t job = next++; job < Jobs.size(); job = next++) {
                    results[job] =
                        AuditStation(Jobs[job].Image, Jobs[job].Reference, All, &Context.Protocole);
                    ++done;
                }
            });
        while (Progress && done < Jobs.size()) {
            DrawProgress(Context.Err, done, Jobs.size());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    if (Progress) {
        DrawProgress(Context.Err, done, Jobs.size());
        Context.Err << '\n';
    }
    return results;
}

} // namespace

int CommandAudit(const TCommandContext& Context, const TArgs& Args) {
    TArgs images = Args;
    const bool all = TakeFlag(images, "--all");
    const std::string refs = TakeValue(images, "--refs");
    const std::string against = TakeValue(images, "--against");
    const std::string html = TakeValue(images, "--html");
    const std::string csv = TakeValue(images, "--csv");
    const std::string jobs = TakeValue(images, "--jobs");
    if (refs.empty() == against.empty())
        throw TUsageError("give either --refs DIR or --against IMAGE");
    for (const std::string& image : images)
        if (image.rfind("--", 0) == 0)
            throw TUsageError("unknown option '" + image + "'");
    if (images.empty())
        throw TUsageError("no station image given");

    const std::vector<TAuditJob> list = Jobs(images, refs, against);
    const std::vector<TStationAudit> results =
        RunAudits(Context, list, JobCount(jobs, list.size()), all, ::isatty(STDERR_FILENO) == 1);
    int equal = 0;
    int failed = 0;
    for (const TStationAudit& station : results) {
        Context.Out << station.Image << ": " << AuditResult(station) << '\n';
        equal += station.Equal() ? 1 : 0;
        failed += station.Failed() ? 1 : 0;
    }
    const int different = static_cast<int>(results.size()) - equal - failed;
    Context.Out << results.size() << (results.size() == 1 ? " station: " : " stations: ") << equal
                << " equal, " << different << " different, " << failed << " could not be read\n";
    if (!csv.empty())
        TSafeSave::WriteFile(csv, AuditCsv(results));
    if (!html.empty())
        TSafeSave::WriteFile(html, AuditHtml(results));
    return failed > 0 ? ExitUsage : different > 0 ? ExitDifferent : ExitOk;
}

} // namespace g20seq::host
