// SPDX-License-Identifier: GPL-3.0-or-later
// The natural order of the folder scan over a million names, against a
// plain byte sort of the same names.
#include "platform/NaturalOrder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Camera names, Cyrillic names and mixed case, in a shuffled order as readdir
// gives them; each name is made in that order, as the scan makes them.
std::vector<std::string> MakeNames(int count)
{
    std::vector<int> numbers(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        numbers[static_cast<std::size_t>(k)] = k;
    }
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(42));
    std::vector<std::string> names;
    names.reserve(numbers.size());
    for (const int k : numbers) {
        switch (k % 4) {
        case 0:
            names.push_back("IMG_" + std::to_string(k) + ".JPG");
            break;
        case 1:
            names.push_back("Фото отпуска " + std::to_string(k) + ".jpg");
            break;
        case 2:
            names.push_back("report-v" + std::to_string(k % 97) + "." + std::to_string(k) + ".pdf");
            break;
        default:
            names.push_back("Track " + std::to_string(k % 30) + " - Song " + std::to_string(k) + ".flac");
        }
    }
    return names;
}

} // namespace

int main()
{
    constexpr int count = 1'000'000;
    for (int run = 0; run < 3; ++run) {
        std::vector<std::string> natural = MakeNames(count);
        std::vector<std::string> bytes = natural;

        auto start = Clock::now();
        std::clock_t cpuStart = std::clock();
        tollwick::SortNaturally(natural, [](const std::string& name) -> std::string_view { return name; });
        const double naturalSeconds = SecondsSince(start);
        const double naturalCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

        start = Clock::now();
        cpuStart = std::clock();
        std::sort(bytes.begin(), bytes.end());
        const double byteSeconds = SecondsSince(start);
        const double byteCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

        std::printf("run %d: %d names, natural order %.3f s (cpu %.3f s; first %s, last %s); plain byte sort %.3f s "
                    "(cpu %.3f s)\n",
                    run + 1, count, naturalSeconds, naturalCpu, natural.front().c_str(), natural.back().c_str(),
                    byteSeconds, byteCpu);
    }
    return 0;
}
