// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/RemovedChars.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct RemovedCase {
    std::optional<GeneratorKind> generator;
    ReplaceStep replace;
    MaskStep mask;
    RemovedChars expected;
};

ReplaceStep Replace(std::string from, std::string to, bool regex = false)
{
    return {.from = std::move(from), .to = std::move(to), .regex = regex};
}

MaskStep Mask(std::string name, std::string ext)
{
    return {.nameMask = std::move(name), .extensionMask = std::move(ext)};
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
        GeneratorSetup setup;
        setup.replace = example.replace;
        setup.mask = example.mask;
        const std::optional<GeneratorStep> step =
            example.generator ? std::optional(StepOf(setup, *example.generator)) : std::nullopt;
        const RemovedChars removed = RemovedFromTypedTexts(step);
        const std::string context = example.replace.from + " " + example.replace.to + " " + example.mask.nameMask +
                                    " " + example.mask.extensionMask;
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
