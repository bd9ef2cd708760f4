// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TableEditor.h"

#include "rename/TextRoutines.h"

namespace tollwick {
namespace {

std::string JoinedEntry(std::string_view source, std::string_view target)
{
    std::string entry(source);
    entry += TranslitSeparator;
    entry += target;
    return entry;
}

} // namespace

std::string PromptWithSource(std::string_view prompt, std::string_view source)
{
    std::string result(prompt);
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) {
        result.replace(at, 2, source);
    }
    return result;
}

std::optional<std::string> AskNewEntry(const KeyLines& texts, const InputBox& ask)
{
    const std::string source =
        StripForbiddenChars(ask(texts.LookupText("AddMenuCaption1"), texts.LookupText("AddMenuPromt1"), std::string()));
    if (source.empty()) {
        return std::nullopt;
    }
    const std::string prompt = PromptWithSource(texts.LookupText("AddMenuPromt2"), source);
    const std::string target = StripForbiddenChars(ask(texts.LookupText("AddMenuCaption2"), prompt, std::string()));
    return JoinedEntry(source, target);
}

std::string AskEditedEntry(const KeyLines& texts, std::string_view entry, const InputBox& ask)
{
    const std::string source = TextBefore(entry, TranslitSeparator);
    const std::string prompt = PromptWithSource(texts.LookupText("EditMenuPromt"), source);
    const std::string target =
        StripForbiddenChars(ask(texts.LookupText("EditMenuCaption"), prompt, TextAfter(entry, TranslitSeparator)));
    return JoinedEntry(source, target);
}

} // namespace tollwick
