// SPDX-License-Identifier: GPL-3.0-or-later
// Times export and import of large name lists and shows how the memory
// they take grows with the number of rows. Each size runs in a child of
// its own, so its peak memory is its own.
// Usage: namelist_bench [largest row count]

#include "rename/NameList.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

tollwick::RenameList MakeList(int rows)
{
    tollwick::RenameList list;
    list.TotalList.reserve(static_cast<std::size_t>(rows));
    char oldName[32];
    char newName[32];
    for (int k = 0; k < rows; ++k) {
        std::snprintf(oldName, sizeof oldName, "IMG_%07d.JPG", k);
        std::snprintf(newName, sizeof newName, "Holiday %07d.jpg", k);
        list.AddMasterRow(oldName, newName, tollwick::DateTextValue("2005-11-30_11-30-18"));
    }
    list.FilterList = list.TotalList;
    return list;
}

void Measure(int rows, const std::string& work, tollwick::NameListLayout layout)
{
    const long before = PeakKilobytes();
    tollwick::Progress progress;
    tollwick::RenameList list = MakeList(rows);
    const std::string path = work + "list.txt";

    auto start = Clock::now();
    tollwick::ExportNameList(list, {path, layout, " = "}, progress);
    const double exportSeconds = Seconds(start);

    list = {};
    start = Clock::now();
    (void)tollwick::ImportNameList(list, {path, layout, " = ", work}, {}, progress);
    const double importSeconds = Seconds(start);
    if (list.FilterList.size() != static_cast<std::size_t>(rows)) {
        std::fprintf(stderr, "import gave %zu rows\n", list.FilterList.size());
        std::exit(1);
    }
    const long peak = PeakKilobytes();
    std::printf("%8d rows, layout %d: export %.3f s, import %.3f s, peak memory %6.1f MB (%.0f bytes/row)\n", rows,
                static_cast<int>(layout), exportSeconds, importSeconds, static_cast<double>(peak) / 1024.0,
                static_cast<double>(peak - before) * 1024.0 / rows);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const int largest = argc > 1 ? std::atoi(argv[1]) : 1000000;
    std::string work = (std::filesystem::temp_directory_path() / "tollwick-namelist-bench-XXXXXX").string();
    if (mkdtemp(work.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    work += "/";
    for (const tollwick::NameListLayout layout :
         {tollwick::NameListLayout::OldThenNew, tollwick::NameListLayout::OldSepNew}) {
        for (const int rows : {largest / 4, largest / 2, largest}) {
            const pid_t child = fork();
            if (child == 0) {
                Measure(rows, work, layout);
                _exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                return 1;
            }
        }
    }
    std::error_code error;
    std::filesystem::remove_all(work, error);
    return 0;
}
