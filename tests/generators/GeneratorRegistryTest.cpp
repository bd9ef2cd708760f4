// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorRegistry.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(GeneratorRegistry, EveryGeneratorIsFoundByItsIdAndKindInKindOrder)
{
    const auto& all = AllGenerators();
    ASSERT_EQ(all.size(), std::variant_size_v<GeneratorStep>);
    for (std::size_t index = 0; index < all.size(); ++index) {
        EXPECT_EQ(static_cast<std::size_t>(all[index]->Kind()), index);
        EXPECT_EQ(&GeneratorOf(all[index]->Kind()), all[index]);
        EXPECT_EQ(FindGenerator(all[index]->Id()), all[index]);
    }
    EXPECT_EQ(FindGenerator("Case"), nullptr);
}

TEST(GeneratorRegistry, SavedStepsLoadBackWithEveryKeyInOrder)
{
    const GeneratorStep steps[] = {
        CaseStep{CaseMode::First, 7, true},
        CaseStep{CaseMode::Swap, 1, false},
        ReplaceStep{"a,b]", "[c]", true, true, true, true},
        ReplaceStep{"x", "", false, false, false, false},
        MaskStep{"[N]_007", "", true},
        TranslitStep{false},
        DeleteStep{256, 3, true},
    };
    for (const GeneratorStep& step : steps) {
        const Generator& generator = GeneratorOf(KindOf(step));
        const StepOptions saved = generator.Save(step);
        std::vector<std::string_view> keys;
        for (const auto& option : saved) {
            keys.emplace_back(option.first);
        }
        EXPECT_EQ(keys, generator.OptionKeys());
        EXPECT_EQ(generator.Load(saved), step) << generator.Id();
    }
}

TEST(GeneratorRegistry, MissingKeysKeepTheDefaultsAndTheLastOfAKeyWins)
{
    EXPECT_EQ(GeneratorOf(GeneratorKind::Mask).Load({}), GeneratorStep(MaskStep{}));
    EXPECT_EQ(GeneratorOf(GeneratorKind::Delete).Load({{"count", "4"}, {"count", "5"}}),
              GeneratorStep(DeleteStep{1, 5, false}));
}

struct BadOption {
    GeneratorKind kind;
    StepOptions options;
    std::string key;
};

TEST(GeneratorRegistry, ValuesTheCommandLineRefusesAreRefusedNamingTheKey)
{
    const BadOption cases[] = {
        {GeneratorKind::Case, {{"mode", "title"}}, "mode"},
        {GeneratorKind::Case, {{"first-count", "0"}}, "first-count"},
        {GeneratorKind::Case, {{"first-count", "257"}}, "first-count"},
        {GeneratorKind::Case, {{"underscore", "yes"}}, "underscore"},
        {GeneratorKind::Case, {{"Mode", "lower"}}, "Mode"},
        {GeneratorKind::Replace, {{"from", "(a"}, {"regex", "1"}}, "from"},
        {GeneratorKind::Replace, {{"regex", ""}}, "regex"},
        {GeneratorKind::Mask, {{"name", "a2147483648"}, {"count", "1"}}, "name"},
        {GeneratorKind::Mask, {{"ext", "9999999999"}, {"count", "1"}}, "ext"},
        {GeneratorKind::Translit, {{"direction", "cyr"}}, "direction"},
        {GeneratorKind::Delete, {{"from", " 2"}}, "from"},
        {GeneratorKind::Delete, {{"count", "2x"}}, "count"},
        {GeneratorKind::Delete, {{"to", "2"}}, "to"},
    };
    for (const BadOption& bad : cases) {
        try {
            (void)GeneratorOf(bad.kind).Load(bad.options);
            ADD_FAILURE() << bad.key << " was taken";
        } catch (const StepOptionError& error) {
            EXPECT_EQ(error.Key(), bad.key);
            EXPECT_EQ(std::string(error.what()).rfind(bad.key + ": ", 0), 0U) << error.what();
        }
    }
    // A wrong expression is no fault while it is not read as one, nor a large number without counting.
    EXPECT_NO_THROW((void)GeneratorOf(GeneratorKind::Replace).Load({{"from", "(a"}}));
    EXPECT_NO_THROW((void)GeneratorOf(GeneratorKind::Mask).Load({{"name", "a2147483647"}, {"count", "1"}}));
    EXPECT_NO_THROW((void)GeneratorOf(GeneratorKind::Mask).Load({{"name", "a9999999999"}}));
}

} // namespace
} // namespace tollwick
