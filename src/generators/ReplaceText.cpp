// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/ReplaceText.h"

#include "generators/NameParts.h"
#include "rename/TextRoutines.h"

namespace tollwick {

bool AppendReplaced(std::string& out, std::string_view text, const TextSearcher& search, std::string_view replacement,
                    bool onlyFirst)
{
    auto match = search.Find(text);
    const bool found = match.has_value();
    std::size_t scanned = 0;
    while (match) {
        out.append(text, scanned, match->pos - scanned);
        out += replacement;
        scanned = match->pos + match->length;
        match = onlyFirst ? std::nullopt : search.Find(text, scanned);
    }
    out.append(text, scanned);
    return found;
}

TextReplacer::TextReplacer(const ReplaceOptions& options)
    : from_(StripForbiddenChars(options.ChangeFromEdit)), to_(StripForbiddenChars(options.ChangeToEdit)),
      search_(from_, !options.CaseCheck), onlyFirst_(options.OnlyFirstCheck),
      keepExtension_(options.DoNotChangeExtCheck)
{
}

void TextReplacer::Apply(std::string_view name, std::string& out) const
{
    out.clear();
    if (!keepExtension_) {
        AppendReplaced(out, name, search_, to_, onlyFirst_);
        return;
    }
    const NameSplit split = SplitName(name);
    AppendReplaced(out, split.NamePart, search_, to_, onlyFirst_);
    out += split.Extension;
}

std::string TextReplacer::Apply(std::string_view name) const
{
    std::string out;
    Apply(name, out);
    return out;
}

ReplaceResult ReplaceText(std::string_view name, const ReplaceOptions& options)
{
    const TextReplacer replacer(options);
    return {replacer.Apply(name), replacer.CleanedFrom(), replacer.CleanedTo()};
}

} // namespace tollwick
