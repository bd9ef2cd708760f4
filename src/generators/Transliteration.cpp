// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Transliteration.h"

#include "generators/NameParts.h"
#include "generators/ReplaceText.h"
#include "platform/CharWalk.h"
#include "rename/TextRoutines.h"

namespace tollwick {
namespace {

using ByteSet = std::array<std::uint64_t, 4>;

void AddBytes(ByteSet& set, std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        set[byte >> 6U] |= std::uint64_t{1} << (byte & 63U);
    }
}

ByteSet BytesOf(std::string_view text)
{
    ByteSet set{};
    AddBytes(set, text);
    return set;
}

bool HoldsAll(const ByteSet& set, const ByteSet& wanted)
{
    for (std::size_t k = 0; k < set.size(); ++k) {
        if ((wanted[k] & ~set[k]) != 0) {
            return false;
        }
    }
    return true;
}

// The source's one character, when it has exactly one valid character.
std::optional<char32_t> SingleChar(std::string_view source)
{
    const Utf8Char ch = NextChar(source, 0);
    if (!ch.valid || ch.length != source.size()) {
        return std::nullopt;
    }
    return ch.codePoint;
}

} // namespace

Transliterator::Transliterator(const TranslitStep& step, const TranslitTables& tables)
{
    if (step.cyrillicToLatin) {
        AddEntries(tables.CyrLongList);
        AddEntries(tables.CyrList);
    } else {
        AddEntries(tables.LatLongList);
        AddEntries(tables.LatList);
    }
    BuildStages();
}

void Transliterator::AddEntries(const std::vector<std::string>& table)
{
    for (const std::string& entry : table) {
        std::string source = TextBefore(entry, TranslitSeparator);
        if (source.empty()) {
            continue; // an empty source has no occurrence
        }
        std::string target = TextAfter(entry, TranslitSeparator);
        TextSearcher search(source, false);
        const ByteSet sourceBytes = BytesOf(source);
        const ByteSet targetBytes = BytesOf(target);
        entries_.push_back({std::move(source), std::move(target), std::move(search), sourceBytes, targetBytes});
    }
}

void Transliterator::BuildStages()
{
    const auto tableable = [this](std::size_t k) {
        return SingleChar(entries_[k].Source).has_value() && IsValidUtf8(entries_[k].Target);
    };
    for (std::size_t first = 0; first < entries_.size();) {
        const bool table = tableable(first);
        std::size_t last = first + 1;
        while (last < entries_.size() && tableable(last) == table) {
            ++last;
        }
        Stage stage{first, last, std::nullopt};
        if (table) {
            std::vector<std::pair<char32_t, std::string>> replacements;
            for (std::size_t k = first; k < last; ++k) {
                replacements.emplace_back(*SingleChar(entries_[k].Source), entries_[k].Target);
            }
            stage.Table.emplace(replacements);
        }
        stages_.push_back(std::move(stage));
        first = last;
    }
}

void Transliterator::ApplyOneByOne(std::string& text, const Stage& stage) const
{
    ByteSet present = BytesOf(text);
    for (std::size_t k = stage.First; k < stage.Last; ++k) {
        const Entry& entry = entries_[k];
        if (!HoldsAll(present, entry.SourceBytes)) {
            continue;
        }
        if (text.size() > GrownTextLimit) {
            return;
        }
        scratch_.clear();
        if (AppendReplaced(scratch_, text, entry.Search, entry.Target, false)) {
            text.swap(scratch_);
            // Bytes that a replacement removed may stay in the set: it only has to hold every byte present.
            for (std::size_t b = 0; b < present.size(); ++b) {
                present[b] |= entry.TargetBytes[b];
            }
        }
    }
}

void Transliterator::Apply(std::string_view name, std::string& text) const
{
    const NameSplit split = SplitName(name);
    text.assign(split.NamePart);
    for (const Stage& stage : stages_) {
        if (text.size() > GrownTextLimit) {
            break;
        }
        if (stage.Table && IsValidUtf8(text)) {
            scratch_.clear();
            stage.Table->Apply(text, scratch_);
            text.swap(scratch_);
        } else {
            ApplyOneByOne(text, stage);
        }
    }
    text += split.Extension;
}

std::string Transliterator::Apply(std::string_view name) const
{
    std::string out;
    Apply(name, out);
    return out;
}

std::string Transliterate(std::string_view name, const TranslitStep& step, const TranslitTables& tables)
{
    return Transliterator(step, tables).Apply(name);
}

} // namespace tollwick
