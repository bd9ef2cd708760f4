// SPDX-License-Identifier: GPL-3.0-or-later
// The natural order of the folder scan over a million names, against a
// plain byte sort of the same names.
#include "platform/NaturalOrder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Camera names, Cyrillic names and mixed case, shuffled as readdir gives them.
std::vector<std::string> MakeNames(int count)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
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
    std::shuffle(names.begin(), names.end(), std::mt19937(42));
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
        tollwick::SortNaturally(natural, [](const std::string& name) -> std::string_view { return name; });
        const double naturalSeconds = SecondsSince(start);

        start = Clock::now();
        std::sort(bytes.begin(), bytes.end());
        const double byteSeconds = SecondsSince(start);

        std::printf("run %d: %d names, natural order %.3f s (first %s, last %s); plain byte sort %.3f s\n", run + 1,
                    count, naturalSeconds, natural.front().c_str(), natural.back().c_str(), byteSeconds);
    }
    return 0;
}
