// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/RemovedChars.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct RemovedCase {
    std::optional<GeneratorKind> generator;
    ReplaceOptions replace;
    MaskOptions mask;
    RemovedChars expected;
};

ReplaceOptions Replace(std::string from, std::string to, bool regex = false)
{
    return {.ChangeFromEdit = std::move(from), .ChangeToEdit = std::move(to), .RegExpCheck = regex};
}

MaskOptions Mask(std::string name, std::string ext)
{
    return {.MaskNameEdit = std::move(name), .MaskExtEdit = std::move(ext)};
}

const RemovedCase removedCases[] = {
    {GeneratorKind::Replace, Replace("2024", "a/b"), {}, {.To = "/"}},
    // Each character once, in the order typed.
    {GeneratorKind::Replace, Replace("a:b?c:", "x"), {}, {.From = ":?"}},
    // An expression is used as typed; its replacement loses what it writes.
    {GeneratorKind::Replace, Replace(R"(^(\d+)|x)", "$1:$2", true), {}, {.To = ":"}},
    {GeneratorKind::Replace, Replace("x", R"(\$1 \\ \/)", true), {}, {.To = "\\/"}},
    {GeneratorKind::Replace, Replace("x", R"(a\$b)", true), {}, {}},
    // The masks keep their "*".
    {GeneratorKind::Mask, {}, Mask("*_<1>", "*|"), {.Name = "<>", .Ext = "|"}},
    {GeneratorKind::Mask, Replace("a", "/"), Mask("*", "*"), {}},
    // The other tabs type no text.
    {GeneratorKind::Delete, Replace("a", "/"), Mask("?", "?"), {}},
    {std::nullopt, Replace("a", "/"), Mask("?", "?"), {}},
};

TEST(RemovedChars, NameWhatTheTypedTextsLose)
{
    for (const RemovedCase& example : removedCases) {
        GeneratorOptions options;
        options.Replace = example.replace;
        options.Mask = example.mask;
        const RemovedChars removed = RemovedFromTypedTexts(example.generator, options);
        const std::string context = example.replace.ChangeFromEdit + " " + example.replace.ChangeToEdit + " " +
                                    example.mask.MaskNameEdit + " " + example.mask.MaskExtEdit;
        EXPECT_EQ(removed.From, example.expected.From) << context;
        EXPECT_EQ(removed.To, example.expected.To) << context;
        EXPECT_EQ(removed.Name, example.expected.Name) << context;
        EXPECT_EQ(removed.Ext, example.expected.Ext) << context;
        EXPECT_EQ(removed.Any(), !example.expected.All().empty()) << context;
    }
}

TEST(RemovedChars, AllNamesEachCharacterOnce)
{
    const RemovedChars removed{.From = ":?", .To = "?/", .Name = "", .Ext = ":"};
    EXPECT_EQ(removed.All(), ":?/");
    EXPECT_EQ(SpacedChars(removed.All()), ": ? /");
}

} // namespace
} // namespace tollwick
