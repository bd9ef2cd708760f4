// SPDX-License-Identifier: GPL-3.0-or-later
// What the undo file's syncs cost a run: the same run of many files with
// the record synced as the run does it (before the first rename, at most a
// second apart, at the end), with the record written but never synced, and
// without a record, alternately.
// Usage: record_sync_bench [rows] [parent folder]

#include "BenchFolder.h"
#include "platform/SystemCalls.h"
#include "rename/Run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Every call as the system makes it, but the syncs, which do nothing.
class NoSyncs final : public tollwick::SystemCalls {
public:
    int SyncData(int) override { return 0; }
    int Sync(int) override { return 0; }
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

using tollwick::bench::PhotoName;

Timing Run(const std::string& folder, const std::string& undoFolder, int rows, char from, char to, bool undo,
           tollwick::SystemCalls& calls)
{
    tollwick::RenameList list;
    list.TotalList.reserve(static_cast<std::size_t>(rows));
    for (int k = 0; k < rows; ++k) {
        list.AddMasterRow(PhotoName(from, k), PhotoName(to, k), tollwick::DateTextValue("2005-11-30_11-30-18"))
            .Checked = true;
    }
    list.FilterList = list.TotalList;
    tollwick::RunOptions options;
    options.DirName = folder;
    options.writeUndo = undo;
    options.UndoFolder = undoFolder;
    options.Calls = &calls;
    tollwick::Progress progress;
    const auto lookup = [](std::string_view key) { return std::string(key); };

    const auto wall = Clock::now();
    const double cpu = CpuSeconds();
    const tollwick::RunSummary summary = tollwick::RunRename(list, options, lookup, progress);
    const Timing timing{std::chrono::duration<double>(Clock::now() - wall).count(), CpuSeconds() - cpu};
    if (summary.Counts.Of(tollwick::RunStatus::StatusRenamed) != rows || summary.Stop.Stopped()) {
        std::fprintf(stderr, "run failed: %d renamed\n", summary.Counts.Of(tollwick::RunStatus::StatusRenamed));
        std::exit(1);
    }
    return timing;
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::filesystem::path parent = argc > 2 ? argv[2] : std::filesystem::temp_directory_path();
    const auto folders = tollwick::bench::MakeBenchFolders(parent, "tollwick-sync-bench", rows);
    if (!folders) {
        return 1;
    }
    const std::string& base = folders->Base;
    const std::string& folder = folders->List;
    const std::string& undoFolder = folders->Undo;

    NoSyncs noSyncs;
    tollwick::SystemCalls& real = tollwick::RealSystemCalls();
    constexpr int Rounds = 6;
    std::vector<double> syncWall;
    std::vector<double> syncCpu;
    std::vector<double> recordWall;
    std::vector<double> recordCpu;
    for (int round = 0; round < Rounds; ++round) {
        const auto from = static_cast<char>('a' + round * 3);
        // Each round starts with a different one of the three, so none gains from its place.
        const int turn = round % 3;
        Timing synced;
        Timing unsynced;
        Timing bare;
        for (int step = 0; step < 3; ++step) {
            const auto source = static_cast<char>(from + step);
            const auto target = static_cast<char>(source + 1);
            switch ((turn + step) % 3) {
            case 0:
                synced = Run(folder, undoFolder, rows, source, target, true, real);
                break;
            case 1:
                unsynced = Run(folder, undoFolder, rows, source, target, true, noSyncs);
                break;
            default:
                bare = Run(folder, undoFolder, rows, source, target, false, real);
                break;
            }
        }
        syncWall.push_back(synced.wall / unsynced.wall);
        syncCpu.push_back(synced.cpu / unsynced.cpu);
        recordWall.push_back(synced.wall / bare.wall);
        recordCpu.push_back(synced.cpu / bare.cpu);
        std::printf("round %d: synced record %.3f s (cpu %.3f s), record never synced %.3f s (cpu %.3f s), "
                    "no record %.3f s (cpu %.3f s)\n",
                    round + 1, synced.wall, synced.cpu, unsynced.wall, unsynced.cpu, bare.wall, bare.cpu);
    }
    std::printf("%d rows: median ratio synced / never synced %.3f wall-clock, %.3f processor time\n", rows,
                Median(syncWall), Median(syncCpu));
    std::printf("%d rows: median ratio synced record / no record %.3f wall-clock, %.3f processor time\n", rows,
                Median(recordWall), Median(recordCpu));

    std::error_code error;
    std::filesystem::remove_all(base, error);
    return 0;
}
