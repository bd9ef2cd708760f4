// SPDX-License-Identifier: GPL-3.0-or-later
// A regular expression that backtracks without end, "(a+)+$", over 10,000
// shown rows of 200 characters: how long the pass takes to stop, and how
// long the generator page's sample of one such name takes. Prints seconds.
#include "generators/Algoritms.h"
#include "generators/GeneratorSample.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr std::size_t RowCount = 10'000;
constexpr std::size_t NameLength = 200;

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time too: on a busy machine the wall clock says more about the others.
double CpuSecondsSince(std::clock_t start)
{
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

} // namespace

int main()
{
    const tollwick::ReplaceStep step{.from = "(a+)+$", .to = "X", .regex = true};
    const tollwick::TranslitTables tables;

    tollwick::RenameList list;
    for (std::size_t k = 0; k < RowCount; ++k) {
        // Each name ends in a letter the expression cannot take at the end.
        std::string name(NameLength - 1, 'a');
        name += static_cast<char>('b' + k % 20);
        list.AddMasterRow(name, name, tollwick::RowDate());
    }
    list.FilterList = list.TotalList;

    double worstPass = 0;
    double worstPassCpu = 0;
    std::string message;
    for (int run = 0; run < 3; ++run) {
        tollwick::Progress progress;
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        try {
            (void)tollwick::GenerateNewNames(list, step, {false, tables}, progress);
            message = "(the pass went through)";
        } catch (const tollwick::GenerationStopped& stopped) {
            message = stopped.what();
        }
        worstPass = std::max(worstPass, SecondsSince(start));
        worstPassCpu = std::max(worstPassCpu, CpuSecondsSince(cpuStart));
    }
    std::printf("%zu rows of %zu characters, (a+)+$: the pass stops after %.3f s, cpu %.3f s (worst of 3)\n", RowCount,
                NameLength, worstPass, worstPassCpu);
    std::printf("  %.90s...\n", message.c_str());

    double worstSample = 0;
    double worstSampleCpu = 0;
    for (int run = 0; run < 20; ++run) {
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        (void)tollwick::SampleNewName(list.FilterList[0].NewName, step, tables, 0);
        worstSample = std::max(worstSample, SecondsSince(start));
        worstSampleCpu = std::max(worstSampleCpu, CpuSecondsSince(cpuStart));
    }
    std::printf("sample of one such name: %.1f ms, cpu %.1f ms (worst of 20)\n", worstSample * 1000,
                worstSampleCpu * 1000);
    return 0;
}
