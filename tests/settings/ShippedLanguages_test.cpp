// SPDX-License-Identifier: GPL-3.0-or-later
// Every language file in language/, whoever added it, against English.lng.
#include "DataHome.h"
#include "platform/AppHome.h"
#include "platform/LineFile.h"
#include "platform/Utf8.h"
#include "settings/KeyLines.h"
#include "settings/LanguageKeys.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <set>

namespace tollwick {
namespace {

using test::ShippedPath;

std::vector<std::string> LanguageFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ShippedPath("language"))) {
        if (entry.path().extension() == ".lng") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The entries of a file in their order: key and text of each line that
/// opens with a bracket.
std::vector<std::pair<std::string, std::string>> Entries(const std::vector<std::string>& lines)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (const std::string& line : lines) {
        const std::size_t comma = line.find(',');
        if (line.starts_with('[') && comma != std::string::npos && line.ends_with(']')) {
            entries.emplace_back(line.substr(1, comma - 1), line.substr(comma + 1, line.size() - comma - 2));
        }
    }
    return entries;
}

/// The placeholders a text hands to the program: %s of the table prompts and
/// the undo messages, %1 and %2 of the forecast.
std::multiset<std::string> Placeholders(const std::string& text)
{
    static const std::regex placeholder("%[s1-9]");
    std::multiset<std::string> found;
    for (std::sregex_iterator match(text.begin(), text.end(), placeholder), end; match != end; ++match) {
        found.insert(match->str());
    }
    return found;
}

/// A language file as the program reads it: followed by the links file,
/// which supplies the link texts.
class ShippedLanguage : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        path_ = ShippedPath("language/" + GetParam());
        lines_ = ReadLines(path_);
        keys_ = KeyLines(lines_);
        keys_.Append(ReadLines(ShippedPath("data/links.cfg")));
    }
    std::string path_;
    std::vector<std::string> lines_;
    KeyLines keys_;
};

TEST_P(ShippedLanguage, IsUtf8WithCrLfLineEnds)
{
    const std::string bytes = FileBytes(path_);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a bare line feed at byte " << at;
    }
    for (std::size_t at = 0; at < bytes.size(); at += DecodeChar(bytes, at).length) {
        ASSERT_TRUE(DecodeChar(bytes, at).valid) << "not UTF-8 at byte " << at;
    }
}

// Any other line would be skipped, or could hold the entry a later line means to give.
TEST_P(ShippedLanguage, EveryLineIsAnEntryARemarkOrBlank)
{
    for (const std::string& line : lines_) {
        const bool entry = line.starts_with('[') && line.find(',') != std::string::npos && line.ends_with(']');
        const bool remark = line.starts_with(';') && line.find('[') == std::string::npos;
        EXPECT_TRUE(entry || remark || line.empty()) << line;
    }
}

TEST_P(ShippedLanguage, HasTheKeysOfEnglishOnceEachInTheirOrder)
{
    const auto english = Entries(ReadLines(ShippedPath("language/English.lng")));
    const auto entries = Entries(lines_);
    std::map<std::string, int> seen;
    for (const auto& [key, text] : entries) {
        EXPECT_EQ(++seen[key], 1) << "twice: " << key;
    }
    std::vector<std::string> englishKeys;
    for (const auto& [key, text] : english) {
        englishKeys.push_back(key);
        EXPECT_TRUE(seen.contains(key)) << "missing: " << key;
    }
    for (const auto& [key, count] : seen) {
        const bool known = std::find(englishKeys.begin(), englishKeys.end(), key) != englishKeys.end();
        EXPECT_TRUE(known) << "not a key of English.lng: " << key;
    }
    std::vector<std::string> keys;
    for (const auto& [key, text] : entries) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, englishKeys) << "the keys differ from English.lng in their order";
}

TEST_P(ShippedLanguage, KeepsThePlaceholdersOfEnglish)
{
    for (const auto& [key, text] : Entries(ReadLines(ShippedPath("language/English.lng")))) {
        EXPECT_EQ(Placeholders(keys_.LookupText(key)), Placeholders(text)) << key << ": " << keys_.LookupText(key);
    }
}

TEST_P(ShippedLanguage, HoldsEveryTextTheProgramAsksFor)
{
    std::vector<std::string_view> keys{LanguageNameKey};
    keys.insert(keys.end(), CaptionKeys.begin(), CaptionKeys.end());
    keys.insert(keys.end(), HintKeys.begin(), HintKeys.end());
    keys.insert(keys.end(), TitleKeys.begin(), TitleKeys.end());
    keys.insert(keys.end(), ColumnKeys.begin(), ColumnKeys.end());
    keys.insert(keys.end(), MessageKeys.begin(), MessageKeys.end());
    for (const std::string_view key : keys) {
        EXPECT_TRUE(keys_.Holds(key)) << "missing: " << key;
        const bool mayBeEmpty = std::find(MayBeEmptyKeys.begin(), MayBeEmptyKeys.end(), key) != MayBeEmptyKeys.end();
        if (!mayBeEmpty && keys_.Holds(key)) {
            EXPECT_NE(keys_.LookupText(key), "") << "empty: " << key;
        }
    }
    EXPECT_NE(keys_.LookupText("AddMenuPromt2").find("%s"), std::string::npos);
    EXPECT_NE(keys_.LookupText("EditMenuPromt").find("%s"), std::string::npos);
}

TEST_P(ShippedLanguage, EveryCountMatchesItsNumberedLines)
{
    for (const TextFamily& family : AllFamilies()) {
        const std::int32_t count = keys_.LookupNumber(family.countKey);
        EXPECT_GE(count, 1) << family.countKey;
        for (int k = 1; k <= count; ++k) {
            EXPECT_TRUE(keys_.Holds(LineKey(family, k))) << "missing: " << LineKey(family, k);
        }
        EXPECT_FALSE(keys_.Holds(LineKey(family, count + 1))) << "beyond the count: " << LineKey(family, count + 1);
    }
}

TEST_P(ShippedLanguage, HasItsOwnWebLink)
{
    const std::string language = keys_.LookupText(LanguageNameKey);
    EXPECT_NE(keys_.LookupText(std::string(InternetLinkPrefix) + language), "")
        << "data/links.cfg has no link for the language \"" << language << "\"";
}

INSTANTIATE_TEST_SUITE_P(EachFile, ShippedLanguage, testing::ValuesIn(LanguageFiles()),
                         [](const testing::TestParamInfo<std::string>& param) {
                             return param.param.substr(0, param.param.find('.'));
                         });

// A first start in one of these locales names the file in the settings.
TEST(ShippedLanguages, AreThereForTheLocalesThatPickThem)
{
    const std::vector<std::string> files = LanguageFiles();
    for (const char* locale : {"en_US.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8",
                               "pt_BR.UTF-8", "pl_PL.UTF-8", "uk_UA.UTF-8", "cs_CZ.UTF-8"}) {
        const bool shipped = std::find(files.begin(), files.end(), LanguageFileOfLocale(locale)) != files.end();
        EXPECT_TRUE(shipped) << locale << " picks " << LanguageFileOfLocale(locale);
    }
}

// The name picks the web link, so two files of one name would share one.
TEST(ShippedLanguages, NameThemselvesApart)
{
    std::map<std::string, std::string> fileOfName;
    for (const std::string& file : LanguageFiles()) {
        const std::string name = KeyLines(ReadLines(ShippedPath("language/" + file))).LookupText(LanguageNameKey);
        const auto [at, added] = fileOfName.emplace(name, file);
        EXPECT_TRUE(added) << file << " and " << at->second << " both call themselves " << name;
    }
}

} // namespace
} // namespace tollwick
