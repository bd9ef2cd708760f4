// SPDX-License-Identifier: GPL-3.0-or-later
// Filter pass over a million rows, and the folder scan against a bare
// readdir + fstatat loop over the same folder.
//
//   foundation_bench [FOLDER] [FILES]   (FILES: 100000 unless given)
#include "FloorLoops.h"
#include "rename/Gen_List.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

template <typename Work> double BestOf(int runs, Work work)
{
    double best = 1e9;
    for (int k = 0; k < runs; ++k) {
        const auto start = Clock::now();
        work();
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

void BenchFilter()
{
    tollwick::RenameList list;
    for (int k = 0; k < 1'000'000; ++k) {
        const std::string name = (k % 10 == 0 ? "Фото_отпуск_" : "IMG_holiday_") + std::to_string(k) + ".jpg";
        list.AddMasterRow(name, name, tollwick::DateTextValue("2005-11-30_11-30-18"));
    }
    tollwick::Progress progress;
    tollwick::FilterSettings off;
    tollwick::FilterSettings on;
    on.on = true;
    on.oldNameTest = true;
    on.oldNameTerms = "фото;_7";
    (void)tollwick::ApplyFilter(list, off, progress);
    const double passOff = BestOf(3, [&] { (void)tollwick::ApplyFilter(list, off, progress); });
    const double passOn = BestOf(3, [&] {
        (void)tollwick::ApplyFilter(list, off, progress);
        (void)tollwick::ApplyFilter(list, on, progress);
    });
    std::printf("filter pass, 1,000,000 rows, filter off: %.3f s\n", passOff);
    std::printf("filter off then on (two passes, terms 'фото;_7' -> %zu rows): %.3f s\n", list.FilterList.size(),
                passOn);
    for (std::size_t k = 0; k < list.FilterList.size(); k += 2) {
        list.FilterList[k].Checked = true;
    }
    const auto start = Clock::now();
    tollwick::RemoveCheckedRows(list, progress);
    std::printf("remove every second shown row (%zu left shown, %zu master): %.3f s\n", list.FilterList.size(),
                list.TotalList.size(), SecondsSince(start));
}

void BenchScan(const std::string& base, int files)
{
    const std::string folder = base + "/tollwick-scan-bench/";
    std::filesystem::create_directories(folder);
    for (int k = 0; k < files; ++k) {
        std::ofstream(folder + "IMG_" + std::to_string(k) + ".jpg");
    }
    tollwick::RenameList list;
    tollwick::Progress progress;
    std::size_t bareCount = 0;
    const double bare = BestOf(5, [&] { bareCount = tollwick::bench::ScanLoop(folder).size(); });
    const double scan = BestOf(5, [&] { (void)tollwick::ScanFolder(list, folder, {}, progress); });
    std::printf("bare readdir + fstatat, %zu files: %.3f s\n", bareCount, bare);
    std::printf("ScanFolder (rows, dates, sort, filter pass), %zu rows: %.3f s\n", list.TotalList.size(), scan);
    std::printf("ratio scan / bare: %.2f\n", scan / bare);
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string base = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
    BenchFilter();
    BenchScan(base, argc > 2 ? std::atoi(argv[2]) : 100'000);
    return EXIT_SUCCESS;
}
