// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FreeSpace.h"
#include "platform/Subfolders.h"
#include "rename/Row.h"
#include "rename/Run.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tollwick {

class NameIds;

/// What a plan knows of the list folder before the run: one listing, held
/// or read as the plan looks its names up, or a test per name where the
/// folder cannot be listed.
class FolderView {
public:
    FolderView(std::string dirName, std::optional<FolderNames> names, bool writable);
    /// Lists `dirName` when the plan looks its names up, and keeps only
    /// what it finds of them: a plan of a million rows needs no copy of the folder.
    [[nodiscard]] static FolderView Of(const std::string& dirName);
    /// Lists `dirName` now and holds the listing for every later plan.
    [[nodiscard]] static FolderView Listed(const std::string& dirName);

    /// What the folder holds under each plain name of `ids`, by id; None for the others.
    [[nodiscard]] std::vector<EntryKind> KindsOf(const NameIds& ids) const;
    /// What the folder holds under one name: from the held listing, or a test of its own.
    [[nodiscard]] EntryKind KindOf(std::string_view name) const;
    [[nodiscard]] bool Writable() const { return writable_; }

private:
    FolderView(std::string dirName, bool writable);
    [[nodiscard]] bool LookUpWhileListing(const NameIds& ids, std::vector<EntryKind>& kinds) const;

    std::string dirName_;
    std::optional<FolderNames> names_;
    bool writable_;
    bool listsOnLookUp_ = false;
};

/// One move of an ordered run.
struct PlannedMove {
    enum class Kind {
        Direct,        // old name to new name
        ToTemporary,   // old name to a reserved temporary name, breaking a cycle
        FromTemporary, // that temporary name to the new name
    };
    std::size_t Shown = 0; // the row's position in the shown list
    Kind Step = Kind::Direct;
    friend bool operator==(const PlannedMove&, const PlannedMove&) = default;
};

/// The outcome of a run, decided beforehand without touching a file.
struct RunPlan {
    /// Positions of the checked shown rows, in shown order.
    std::vector<std::size_t> Rows;
    /// The status the run gives each of them, in the same order.
    std::vector<RunStatus> Statuses;
    RunCounts Counts;
    /// With ordering: every move, in the order it is made.
    std::vector<PlannedMove> Moves;
};

struct PlanOptions {
    std::string DirName;
    bool writeUndo = false;
    /// False when the undo file cannot be made: then nothing is renamed.
    bool UndoReady = true;
    /// Rows wait for the row that frees their new name, and cycles go
    /// through a temporary name; else the shown order, strictly.
    bool Ordered = false;
};

/// The statuses a run of the checked shown rows gives, from the folder as
/// `folder` sees it, in time linear in the rows. In the shown order, a row
/// whose new name an earlier row takes or a later row frees meets it taken.
/// With ordering, a row waits for the row that frees its new name (the
/// first row waiting gets it), and each cycle is broken through a
/// temporary name; a row whose old name another waiting row still holds
/// finds no file of its own.
[[nodiscard]] RunPlan PlanRun(const std::vector<Row>& shown, const PlanOptions& options, const FolderView& folder);

/// What the preview page shows before a run.
struct RunForecast {
    RunPlan ShownOrder; // the run as it is asked for
    RunPlan Ordered;    // the run with ordering
    /// Rows the shown order leaves with StatusExist that ordering renames:
    /// chains, shifts, swaps and cycles.
    std::int32_t OnlyOrdered = 0;
    bool UndoReady = true; // false: the undo folder is missing, may not be written or is full
    bool UndoFull = false; // the undo folder is there but has no room for the run's undo file
};

/// The bytes of the undo file a plan's run writes: the folder's line and
/// one line per move, and per reservation of a temporary name.
[[nodiscard]] std::uint64_t UndoFileBytes(const std::vector<Row>& shown, const RunPlan& plan,
                                          const std::string& dirName);

/// Reads the room of the undo folder's filesystem.
using SpaceReader = std::function<std::optional<FolderSpace>(const std::string& folder)>;

/// Forecasts the run of the checked shown rows from one listing of the list
/// folder, with and without ordering. An undo folder without room for the
/// larger of the two runs' undo files counts as one that cannot be written.
[[nodiscard]] RunForecast ForecastRun(const RenameList& list, const std::string& dirName, bool undoCheck,
                                      const std::string& undoFolder, const SpaceReader& spaceOf = SpaceOf);

} // namespace tollwick
