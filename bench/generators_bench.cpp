// SPDX-License-Identifier: GPL-3.0-or-later
// Each generator over a million shown rows of typical names (20 to 40
// characters, a tenth of them Cyrillic); prints rows per second.
#include "generators/Algoritms.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

using tollwick::CaseMode;

constexpr std::size_t RowCount = 1'000'000;

class Random {
public:
    std::uint32_t Next(std::uint32_t bound)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>((state_ >> 33U) % bound);
    }

private:
    std::uint64_t state_ = 20240607;
};

template <std::size_t N> const char* Pick(Random& random, const char* const (&words)[N])
{
    return words[random.Next(static_cast<std::uint32_t>(N))];
}

std::string TypicalName(Random& random, bool cyrillic)
{
    static const char* const latin[] = {"holiday", "Photo", "IMG",   "DSC",  "report",  "Summer", "trip",
                                        "family",  "draft", "FINAL", "scan", "invoice", "Beach",  "shashlik"};
    static const char* const russian[] = {"отпуск", "Фото",  "семья", "дача",  "Москва",
                                          "лето",   "отчёт", "Щука",  "юбилей"};
    static const char* const separators[] = {"_", " ", "-"};
    static const char* const extensions[] = {".jpg", ".JPG", ".png", ".txt", ".docx", ".mp3", ".pdf"};
    const std::size_t wanted = 16 + random.Next(17); // name part characters, so the whole is 20 to 40
    std::string name;
    while (tollwick::CountChars(name) < wanted) {
        if (!name.empty()) {
            name += Pick(random, separators);
        }
        name += random.Next(4) == 0 ? std::to_string(random.Next(10000))
                                    : (cyrillic ? Pick(random, russian) : Pick(random, latin));
    }
    return name + Pick(random, extensions);
}

tollwick::TranslitTables RussianTables()
{
    tollwick::TranslitTables tables;
    tables.CyrLongList = {"Щ  >  Shch", "щ  >  shch", "Ж  >  Zh", "ж  >  zh", "Х  >  Kh", "х  >  kh",
                          "Ц  >  Ts",   "ц  >  ts",   "Ч  >  Ch", "ч  >  ch", "Ш  >  Sh", "ш  >  sh",
                          "Ю  >  Yu",   "ю  >  yu",   "Я  >  Ya", "я  >  ya", "Ё  >  Yo", "ё  >  yo"};
    const char* const cyr = "АБВГДЕЗИЙКЛМНОПРСТУФЫЭабвгдезийклмнопрстуфыэ";
    const char* const lat = "ABVGDEZIYKLMNOPRSTUFYEabvgdeziyklmnoprstufye";
    for (std::size_t pos = 0, k = 0; cyr[pos] != '\0'; pos += 2, ++k) {
        tables.CyrList.push_back(std::string(cyr + pos, 2) + "  >  " + lat[k]);
        tables.LatList.push_back(std::string(1, lat[k]) + "  >  " + std::string(cyr + pos, 2));
    }
    tables.CyrList.insert(tables.CyrList.end(), {"ъ  >  ", "ь  >  "});
    tables.LatLongList = {"shch  >  щ", "Shch  >  Щ", "sh  >  ш", "Sh  >  Ш", "ch  >  ч", "Ch  >  Ч",
                          "zh  >  ж",   "Zh  >  Ж",   "kh  >  х", "Kh  >  Х", "ts  >  ц", "Ts  >  Ц",
                          "yu  >  ю",   "Yu  >  Ю",   "ya  >  я", "Ya  >  Я", "yo  >  ё", "Yo  >  Ё"};
    tables.LatList.insert(tables.LatList.end(),
                          {"h  >  х", "H  >  Х", "c  >  ц", "C  >  Ц", "j  >  й", "w  >  в", "x  >  кс", "q  >  к"});
    return tables;
}

// The best of three runs, so that other work on the machine disturbs less.
void Measure(const char* only, const char* title, tollwick::RenameList& list, const std::vector<std::string>& names,
             const tollwick::GeneratorStep& step, const tollwick::TranslitTables& tables)
{
    if (only != nullptr && std::strstr(title, only) == nullptr) {
        return;
    }
    double best = 1e9;
    double bestCpu = 1e9;
    for (int run = 0; run < 3; ++run) {
        for (std::size_t k = 0; k < names.size(); ++k) {
            list.FilterList[k].NewName = names[k];
        }
        tollwick::Progress progress;
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        (void)tollwick::GenerateNewNames(list, step, {false, tables}, progress);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        best = std::min(best, seconds.count());
        bestCpu = std::min(bestCpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    std::printf("%-34s %6.3f s (cpu %6.3f s) %10.0f rows/s   e.g. %s -> %s, %s -> %s\n", title, best, bestCpu,
                static_cast<double>(names.size()) / best, names[7].c_str(), list.FilterList[7].NewName.c_str(),
                names[8].c_str(), list.FilterList[8].NewName.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    const char* only = argc > 1 ? argv[1] : nullptr; // runs only the generators whose title holds it
    Random random;
    std::vector<std::string> names;
    names.reserve(RowCount);
    for (std::size_t k = 0; k < RowCount; ++k) {
        names.push_back(TypicalName(random, k % 10 == 7));
    }
    tollwick::RenameList list;
    list.FilterList.resize(RowCount);
    const tollwick::TranslitTables tables = RussianTables();
    std::printf("%zu shown rows\n", names.size());

    Measure(only, "case: all lower", list, names, tollwick::CaseStep{.mode = CaseMode::Lower}, tables);
    Measure(only, "case: first 3 upper", list, names, tollwick::CaseStep{.mode = CaseMode::First, .firstCount = 3},
            tables);
    Measure(only, "case: swap", list, names, tollwick::CaseStep{.mode = CaseMode::Swap}, tables);
    Measure(only, "case: each word upper", list, names,
            tollwick::CaseStep{.mode = CaseMode::Words, .underscoreStartsWord = true}, tables);
    Measure(only, "replace: case ignored", list, names, tollwick::ReplaceStep{.from = "photo", .to = "Bild"}, tables);
    Measure(only, "replace: case matched", list, names,
            tollwick::ReplaceStep{.from = "фото", .to = "photo", .matchCase = true}, tables);
    Measure(only, "replace: regular expression", list, names,
            tollwick::ReplaceStep{.from = R"(_(\d+))", .to = "-$1", .regex = true}, tables);
    Measure(only, "mask with counter", list, names,
            tollwick::MaskStep{.nameMask = "Holiday_2005_*_0001", .extensionMask = "*", .count = true}, tables);
    Measure(only, "transliterate: Cyrillic to Latin", list, names, tollwick::TranslitStep{.cyrillicToLatin = true},
            tables);
    Measure(only, "transliterate: Latin to Cyrillic", list, names, tollwick::TranslitStep{.cyrillicToLatin = false},
            tables);
    Measure(only, "delete characters", list, names, tollwick::DeleteStep{.from = 2, .count = 4, .fromEnd = true},
            tables);
    return 0;
}
