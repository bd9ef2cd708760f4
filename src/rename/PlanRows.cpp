// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/PlanRows.h"

#include "platform/RenameFile.h"
#include "platform/Utf8.h"
#include "rename/Undo.h"

#include <algorithm>

namespace tollwick {
namespace {

// Longer names the system refuses.
constexpr std::size_t NameMax = 255;

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case folding of ASCII folds A-Z only; the rest needs the full folding.
bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (IsAscii(a) && IsAscii(b)) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
    }
    return EqualIgnoringCase(a, b);
}

} // namespace

PlanRows PrepareRows(const std::vector<Row>& shown, const std::vector<std::size_t>& positions,
                     const PlanOptions& options, const FolderView& folder)
{
    PlanRows prepared;
    prepared.Rows.reserve(positions.size());
    NameIds ids(positions.size() * 2);
    // The table is far larger than the caches: its slots are asked for some rows ahead.
    constexpr std::size_t Ahead = 8;
    std::vector<std::pair<NameIds::Hash, NameIds::Hash>> hashes(std::min(positions.size(), Ahead));
    const auto hashAhead = [&](std::size_t slot) {
        const Row& row = shown[positions[slot]];
        auto& [oldHash, newHash] = hashes[slot % Ahead];
        oldHash = NameIds::HashOf(row.OldName);
        newHash = NameIds::HashOf(row.NewName);
        ids.Prefetch(oldHash);
        ids.Prefetch(newHash);
    };
    for (std::size_t slot = 0; slot < hashes.size(); ++slot) {
        hashAhead(slot);
    }
    for (std::size_t slot = 0; slot < positions.size(); ++slot) {
        const Row& row = shown[positions[slot]];
        const auto [oldHash, newHash] = hashes[slot % Ahead];
        if (slot + Ahead < positions.size()) {
            hashAhead(slot + Ahead);
        }
        PlanRow planned;
        planned.OldPlain = IsPlainFileName(row.OldName);
        const bool newPlain = IsPlainFileName(row.NewName);
        planned.OldId = ids.Intern(row.OldName, oldHash);
        planned.NewId = ids.Intern(row.NewName, newHash);
        planned.NewRefused =
            !newPlain || (options.writeUndo && !UndoCanRecord(options.DirName, row.OldName, row.NewName));
        planned.MayBeRefused = row.NewName.size() > NameMax || !folder.Writable();
        prepared.Rows.push_back(planned);
    }
    prepared.FolderKinds = folder.KindsOf(ids);
    return prepared;
}

std::optional<RunStatus> StatusBeforeMove(const PlanRow& row, const std::vector<EntryKind>& kinds)
{
    if (!row.OldPlain) {
        return RunStatus::StatusCanNot;
    }
    if (kinds[row.OldId] != EntryKind::File) {
        return RunStatus::StatusDontExist;
    }
    if (row.NewId == row.OldId) {
        return RunStatus::StatusCancel;
    }
    if (row.NewRefused) {
        return RunStatus::StatusCanNot;
    }
    return std::nullopt;
}

RunStatus TakenStatus(const Row& row, EntryKind holder)
{
    return holder == EntryKind::File && !SameIgnoringCase(row.OldName, row.NewName) ? RunStatus::StatusExist
                                                                                    : RunStatus::StatusCanNot;
}

} // namespace tollwick
