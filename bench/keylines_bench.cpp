// SPDX-License-Identifier: GPL-3.0-or-later
// Times the settings and language load of a home whose tables file asks
// for a huge count and holds many other lines, and the numbered-line
// lookups of such a count against a scan of every line for each key.
// Usage: keylines_bench [other lines in the tables file]

#include "platform/LineFile.h"
#include "settings/DataFiles.h"
#include "settings/NumberedLines.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<std::string> TablesLines(int otherLines)
{
    std::vector<std::string> lines{"[cyr_cty,999999999]"};
    for (int k = 1; k <= otherLines; ++k) {
        lines.push_back("[remark" + std::to_string(k) + ",a line that no lookup asks for, [with, brackets]]");
    }
    lines.emplace_back("[lat_cty,2]");
    lines.emplace_back("[lat1,a > а]");
    lines.emplace_back("[lat2,b > б]");
    return lines;
}

void WriteHome(const std::string& home, int otherLines)
{
    std::filesystem::create_directories(home + "data");
    std::filesystem::create_directories(home + "language");
    tollwick::WriteLinesAtomic(home + "data/config.cfg", {"[cfg_Language,Bench.lng]"});
    tollwick::WriteLinesAtomic(home + "language/Bench.lng", {"[Language,Bench]", "[GroupBox1Cty,999999999]"});
    tollwick::WriteLinesAtomic(home + "data/links.cfg", {"[InternetLinkLabel_Other,https://example.org]"});
    tollwick::WriteLinesAtomic(home + "data/translit.cfg", TablesLines(otherLines));
}

// What every lookup cost before the lines were indexed.
std::string ScannedValue(const std::vector<std::string>& lines, const std::string& key)
{
    const std::string pattern = "[" + key + ",";
    for (const std::string& line : lines) {
        const std::size_t at = line.find(pattern);
        if (at != std::string::npos) {
            return line.substr(at + pattern.size());
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const int otherLines = argc > 1 ? std::atoi(argv[1]) : 20000;
    std::string home = (std::filesystem::temp_directory_path() / "tollwick-keylines-bench-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    home += "/";
    WriteHome(home, otherLines);

    tollwick::KeyLines keyLines;
    tollwick::TranslitTables tables;
    auto start = Clock::now();
    tollwick::LoadDataFiles(home, keyLines, tables, [](int, int) {});
    const double loadSeconds = Seconds(start);
    start = Clock::now();
    const auto help = tollwick::NumberedLines(keyLines, tollwick::HelpFamily("GroupBox1"));
    const double helpSeconds = Seconds(start);
    std::printf(
        "%zu lines read, count 999999999 capped at %zu table lines: load %.3f s, help text of %zu lines %.3f s\n",
        keyLines.Lines().size(), tables.CyrList.size(), loadSeconds, help.size(), helpSeconds);

    constexpr int sampled = 200;
    start = Clock::now();
    std::size_t found = 0;
    for (int k = 1; k <= sampled; ++k) {
        found += ScannedValue(keyLines.Lines(), "cyr" + std::to_string(k)).size();
    }
    const double perScan = Seconds(start) / sampled;
    std::printf("a scan of every line per key: %.1f us per lookup, so about %.1f s for the %d lookups of the tables "
                "(%zu found)\n",
                perScan * 1e6, perScan * tollwick::MaxNumberedLines, tollwick::MaxNumberedLines, found);

    std::error_code error;
    std::filesystem::remove_all(home, error);
    return 0;
}
