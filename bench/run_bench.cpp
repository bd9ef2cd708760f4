// SPDX-License-Identifier: GPL-3.0-or-later
// Times a rename run of many checked rows in one folder, undo file
// included, against bare loops over the same files: rename() by path, and
// renameat2(RENAME_NOREPLACE) relative to the open folder, as the run does.
// Usage: run_bench [rows] [parent folder]

#include "BenchFolder.h"
#include "rename/Run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Wall-clock time, and the processor time of this process, which other
// work on a shared machine disturbs less.
struct Timing {
    double wall = 0;
    double cpu = 0;
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

class Stopwatch {
public:
    Stopwatch() : wall_(Clock::now()), cpu_(CpuSeconds()) {}
    [[nodiscard]] Timing Elapsed() const
    {
        return {std::chrono::duration<double>(Clock::now() - wall_).count(), CpuSeconds() - cpu_};
    }

private:
    Clock::time_point wall_;
    double cpu_;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

using tollwick::bench::PhotoName;

Timing BareLoop(const std::string& folder, int rows, char from, char to)
{
    const Stopwatch watch;
    for (int k = 0; k < rows; ++k) {
        if (std::rename((folder + PhotoName(from, k)).c_str(), (folder + PhotoName(to, k)).c_str()) != 0) {
            std::perror("rename");
            std::exit(1);
        }
    }
    return watch.Elapsed();
}

Timing BareAtLoop(const std::string& folder, int rows, char from, char to)
{
    const Stopwatch watch;
    const int dir = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        std::perror("open");
        std::exit(1);
    }
    for (int k = 0; k < rows; ++k) {
        if (renameat2(dir, PhotoName(from, k).c_str(), dir, PhotoName(to, k).c_str(), RENAME_NOREPLACE) != 0) {
            std::perror("renameat2");
            std::exit(1);
        }
    }
    close(dir);
    return watch.Elapsed();
}

Timing Run(const std::string& folder, const std::string& undoFolder, int rows, char from, char to)
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
    options.writeUndo = true;
    options.UndoFolder = undoFolder;
    tollwick::Progress progress;
    std::size_t shown = 0;
    const auto lookup = [](std::string_view key) { return std::string(key); };

    const Stopwatch watch;
    const tollwick::RunSummary summary = tollwick::RunRename(
        list, options, lookup, progress, [&shown](const tollwick::ResultRow&, const tollwick::RunCounts&) { ++shown; });
    const Timing timing = watch.Elapsed();
    if (summary.Counts.Of(tollwick::RunStatus::StatusRenamed) != rows ||
        summary.Undo != tollwick::UndoOutcome::Written) {
        std::fprintf(stderr, "run failed: %d renamed, undo file %s\n",
                     summary.Counts.Of(tollwick::RunStatus::StatusRenamed),
                     summary.Undo == tollwick::UndoOutcome::NotWritten ? "not written" : "not due");
        std::exit(1);
    }
    return timing;
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::filesystem::path parent = argc > 2 ? argv[2] : std::filesystem::temp_directory_path();
    const auto folders = tollwick::bench::MakeBenchFolders(parent, "tollwick-run-bench", rows);
    if (!folders) {
        return 1;
    }
    const std::string& base = folders->Base;
    const std::string& folder = folders->List;
    const std::string& undoFolder = folders->Undo;

    // Alternate the two so that neither gains from the folder's state or
    // from a quiet moment of the machine.
    constexpr int Rounds = 6;
    std::vector<double> wallRatios;
    std::vector<double> cpuRatios;
    std::vector<double> atWallRatios;
    std::vector<double> atCpuRatios;
    for (int round = 0; round < Rounds; ++round) {
        const auto from = static_cast<char>('a' + round * 3);
        const auto first = static_cast<char>(from + 1);
        const auto second = static_cast<char>(from + 2);
        const auto to = static_cast<char>(from + 3);
        const Timing bare = BareLoop(folder, rows, from, first);
        const Timing bareAt = BareAtLoop(folder, rows, first, second);
        const Timing run = Run(folder, undoFolder, rows, second, to);
        wallRatios.push_back(run.wall / bare.wall);
        cpuRatios.push_back(run.cpu / bare.cpu);
        atWallRatios.push_back(run.wall / bareAt.wall);
        atCpuRatios.push_back(run.cpu / bareAt.cpu);
        std::printf("round %d: rename() loop %.3f s (cpu %.3f s), renameat2() loop %.3f s (cpu %.3f s), "
                    "run with undo file %.3f s (cpu %.3f s), ratio to rename() %.2f (cpu %.2f), "
                    "to renameat2() %.2f (cpu %.2f)\n",
                    round + 1, bare.wall, bare.cpu, bareAt.wall, bareAt.cpu, run.wall, run.cpu, wallRatios.back(),
                    cpuRatios.back(), atWallRatios.back(), atCpuRatios.back());
    }
    std::printf("%d rows: median ratio run / rename() loop %.2f wall-clock, %.2f processor time\n", rows,
                Median(wallRatios), Median(cpuRatios));
    std::printf("%d rows: median ratio run / renameat2() loop %.2f wall-clock, %.2f processor time\n", rows,
                Median(atWallRatios), Median(atCpuRatios));

    std::error_code error;
    std::filesystem::remove_all(base, error);
    return 0;
}
