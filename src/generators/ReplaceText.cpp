#include "generators/ReplaceText.h"

#include "generators/NameParts.h"
#include "rename/TextRoutines.h"

namespace tollwick {

bool ReplaceOccurrences(std::string& text, const TextSearcher& search, std::string_view replacement, bool onlyFirst)
{
    auto match = search.Find(text);
    if (!match) {
        return false;
    }
    std::string out;
    out.reserve(text.size() + replacement.size());
    std::size_t scanned = 0;
    while (match) {
        out.append(text, scanned, match->pos - scanned);
        out += replacement;
        scanned = match->pos + match->length;
        match = onlyFirst ? std::nullopt : search.Find(text, scanned);
    }
    out.append(text, scanned);
    text.swap(out);
    return true;
}

TextReplacer::TextReplacer(const ReplaceOptions& options)
    : from_(StripForbiddenChars(options.ChangeFromEdit)), to_(StripForbiddenChars(options.ChangeToEdit)),
      search_(from_, !options.CaseCheck), onlyFirst_(options.OnlyFirstCheck),
      keepExtension_(options.DoNotChangeExtCheck)
{
}

std::string TextReplacer::Apply(std::string_view name) const
{
    if (!keepExtension_) {
        std::string text(name);
        ReplaceOccurrences(text, search_, to_, onlyFirst_);
        return text;
    }
    const NameSplit split = SplitName(name);
    std::string text(split.NamePart);
    ReplaceOccurrences(text, search_, to_, onlyFirst_);
    text += split.Extension;
    return text;
}

ReplaceResult ReplaceText(std::string_view name, const ReplaceOptions& options)
{
    const TextReplacer replacer(options);
    return {replacer.Apply(name), replacer.CleanedFrom(), replacer.CleanedTo()};
}

} // namespace tollwick
