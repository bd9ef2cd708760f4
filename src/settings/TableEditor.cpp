// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TableEditor.h"

#include "rename/TextRoutines.h"

namespace tollwick {
namespace {

std::string JoinedEntry(std::string_view source, std::string_view target)
{
    std::string entry(source);
    entry += EntrySeparator;
    entry += target;
    return entry;
}

} // namespace

std::string CleanEntryText(std::string_view typed)
{
    return StripForbiddenChars(typed);
}

std::string PromptWithSource(std::string_view prompt, std::string_view source)
{
    std::string result(prompt);
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) {
        result.replace(at, 2, source);
    }
    return result;
}

// The separator has no letters, so the exact search finds what a search
// that ignores case would.
std::string EntrySource(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find(EntrySeparator)));
}

std::string EntryTarget(std::string_view entry)
{
    const std::size_t at = entry.find(EntrySeparator);
    return at == std::string_view::npos ? std::string() : std::string(entry.substr(at + EntrySeparator.size()));
}

std::optional<std::string> AskNewEntry(const KeyLines& texts, const InputBox& ask)
{
    const std::string source =
        CleanEntryText(ask(texts.LookupText("AddMenuCaption1"), texts.LookupText("AddMenuPromt1"), std::string()));
    if (source.empty()) {
        return std::nullopt;
    }
    const std::string prompt = PromptWithSource(texts.LookupText("AddMenuPromt2"), source);
    const std::string target = CleanEntryText(ask(texts.LookupText("AddMenuCaption2"), prompt, std::string()));
    return JoinedEntry(source, target);
}

std::string AskEditedEntry(const KeyLines& texts, std::string_view entry, const InputBox& ask)
{
    const std::string source = EntrySource(entry);
    const std::string prompt = PromptWithSource(texts.LookupText("EditMenuPromt"), source);
    const std::string target = CleanEntryText(ask(texts.LookupText("EditMenuCaption"), prompt, EntryTarget(entry)));
    return JoinedEntry(source, target);
}

} // namespace tollwick
