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

namespace {

std::string CleanedText(const std::string& text, bool regularExpression)
{
    return regularExpression ? text : StripForbiddenChars(text);
}

std::string CleanPiece(std::string_view piece)
{
    return StripForbiddenChars(piece);
}

} // namespace

TextReplacer::TextReplacer(const ReplaceStep& step)
    : from_(CleanedText(step.from, step.regex)), to_(CleanedText(step.to, step.regex)),
      search_(step.regex ? std::string_view() : from_, !step.matchCase), onlyFirst_(step.firstOnly),
      keepExtension_(step.keepExtension)
{
    // An empty expression would match between every two characters; like
    // an empty search text it changes nothing.
    if (step.regex && !from_.empty()) {
        regex_.emplace(from_, to_, !step.matchCase);
    }
}

void TextReplacer::Apply(std::string_view name, std::string& out) const
{
    out.clear();
    const NameSplit split = keepExtension_ ? SplitName(name) : NameSplit{name, {}};
    if (regex_) {
        regex_->AppendReplaced(out, split.NamePart, onlyFirst_, CleanPiece);
    } else {
        AppendReplaced(out, split.NamePart, search_, to_, onlyFirst_);
    }
    out += split.Extension;
}

std::string TextReplacer::Apply(std::string_view name) const
{
    std::string out;
    Apply(name, out);
    return out;
}

ReplaceResult ReplaceText(std::string_view name, const ReplaceStep& step)
{
    const TextReplacer replacer(step);
    return {replacer.Apply(name), replacer.CleanedFrom(), replacer.CleanedTo()};
}

} // namespace tollwick
