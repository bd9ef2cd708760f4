#include "generators/Transliteration.h"

#include "generators/NameParts.h"
#include "generators/ReplaceText.h"
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

} // namespace

const TranslitTables& NoTranslitTables()
{
    static const TranslitTables none;
    return none;
}

Transliterator::Transliterator(const TranslitOptions& options)
{
    const TranslitTables& tables = options.Tables;
    if (options.CyrToLatCheck) {
        AddEntries(tables.CyrLongList);
        AddEntries(tables.CyrList);
    }
    if (options.LatToCyrCheck) {
        AddEntries(tables.LatLongList);
        AddEntries(tables.LatList);
    }
}

void Transliterator::AddEntries(const std::vector<std::string>& table)
{
    for (const std::string& entry : table) {
        const std::string source = TextBefore(entry, TranslitSeparator);
        if (source.empty()) {
            continue; // an empty source has no occurrence
        }
        std::string target = TextAfter(entry, TranslitSeparator);
        const ByteSet targetBytes = BytesOf(target);
        entries_.push_back({TextSearcher(source, false), std::move(target), BytesOf(source), targetBytes});
    }
}

std::string Transliterator::Apply(std::string_view name) const
{
    const NameSplit split = SplitName(name);
    std::string text(split.NamePart);
    ByteSet present = BytesOf(text);
    for (const Entry& entry : entries_) {
        if (HoldsAll(present, entry.SourceBytes) && ReplaceOccurrences(text, entry.Source, entry.Target, false)) {
            // Bytes that a replacement removed may stay in the set: it only has to hold every byte present.
            for (std::size_t k = 0; k < present.size(); ++k) {
                present[k] |= entry.TargetBytes[k];
            }
        }
    }
    text += split.Extension;
    return text;
}

std::string Transliterate(std::string_view name, const TranslitOptions& options)
{
    return Transliterator(options).Apply(name);
}

} // namespace tollwick
