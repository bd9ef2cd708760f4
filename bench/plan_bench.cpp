// SPDX-License-Identifier: GPL-3.0-or-later
// Times the forecast of a run of many checked rows, in shown order and
// ordered, from a folder listing held in memory: a shift by one (every row
// waits for the next), swaps (cycles of two) and rows that all want one
// name. Also times the listing of a real folder of a tenth as many files,
// and the preview's forecast of it.
// Usage: plan_bench [rows] [parent folder]

#include "rename/RunPlan.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The processor time of this program: on a busy machine the wall clock says more of the others.
double CpuSecondsSince(std::clock_t start)
{
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::string Numbered(int k)
{
    char name[24];
    std::snprintf(name, sizeof name, "file_%07d", k);
    return name;
}

// A third shifted by one, a third swapped in pairs, a third given one name.
tollwick::RenameList MixedList(int rows, tollwick::FolderNames& names)
{
    tollwick::RenameList list;
    const int third = rows / 3;
    for (int k = 0; k < rows; ++k) {
        names.files.Insert(Numbered(k));
        std::string target;
        if (k < third) {
            target = Numbered(k + 1 == third ? rows + k : k + 1);
        } else if (k < 2 * third) {
            target = Numbered((k - third) % 2 == 0 ? k + 1 : k - 1);
        } else {
            target = "same name";
        }
        list.AddMasterRow(Numbered(k), std::move(target), tollwick::RowDate()).Checked = true;
    }
    list.FilterList = list.TotalList;
    return list;
}

void TimePlans(int rows)
{
    tollwick::FolderNames names;
    const tollwick::RenameList list = MixedList(rows, names);
    const tollwick::FolderView folder("/bench/", std::move(names), true);
    for (const bool ordered : {false, true}) {
        tollwick::PlanOptions options;
        options.DirName = "/bench/";
        options.writeUndo = true;
        options.Ordered = ordered;
        const Clock::time_point start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const tollwick::RunPlan plan = tollwick::PlanRun(list.FilterList, options, folder);
        std::printf("plan %-12s %8d rows: %.3f s (%.3f s of processor), %d renamed, %d taken, %zu moves\n",
                    ordered ? "ordered" : "shown order", rows, SecondsSince(start), CpuSecondsSince(cpuStart),
                    plan.Counts.Of(tollwick::RunStatus::StatusRenamed),
                    plan.Counts.Of(tollwick::RunStatus::StatusExist), plan.Moves.size());
    }
}

void TimeListing(int files, const std::string& parent)
{
    const std::string folder = parent + "/tollwick-plan-bench/";
    std::filesystem::create_directories(folder);
    for (int k = 0; k < files; ++k) {
        std::ofstream(folder + Numbered(k)).flush();
    }
    const Clock::time_point start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const tollwick::FolderView view = tollwick::FolderView::Listed(folder);
    std::printf("listing of %d files: %.3f s (%.3f s of processor) (%s)\n", files, SecondsSince(start),
                CpuSecondsSince(cpuStart),
                view.KindOf(Numbered(0)) == tollwick::EntryKind::File ? "listed" : "not listed");

    // The preview page's forecast: the listing and both plans, each row shifted by one.
    tollwick::RenameList list;
    for (int k = 0; k < files; ++k) {
        list.AddMasterRow(Numbered(k), Numbered(k + 1), tollwick::RowDate()).Checked = true;
    }
    list.FilterList = list.TotalList;
    const Clock::time_point forecastStart = Clock::now();
    const std::clock_t forecastCpuStart = std::clock();
    const tollwick::RunForecast forecast = tollwick::ForecastRun(list, folder, false, {});
    std::printf("forecast of %d files shifted by one: %.3f s (%.3f s of processor), %d renamed with ordering\n", files,
                SecondsSince(forecastStart), CpuSecondsSince(forecastCpuStart),
                forecast.Ordered.Counts.Of(tollwick::RunStatus::StatusRenamed));
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const std::string parent = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
    TimePlans(rows);
    TimeListing(rows / 10, parent);
    return 0;
}
