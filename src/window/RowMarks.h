// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Vocabulary.h"

#include <QColor>
#include <QIcon>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

namespace tollwick {

struct RunPlan;

/// The forecast status of each shown row that the run would not rename,
/// as the list page's new-name column shows it: the result page's colour,
/// a warning sign where a wanted name fails, and the status as tooltip.
class RowMarks {
public:
    using StatusText = std::function<QString(RunStatus)>;
    explicit RowMarks(StatusText statusText);

    /// Takes the statuses of a plan of the shown rows.
    void Take(const RunPlan& plan, std::size_t shownRows);
    void SetColours(const QColor& failed, const QColor& kept);

    /// The mark of a shown row in `role`, or nothing: unchecked rows and
    /// rows the run renames have none.
    [[nodiscard]] QVariant Data(std::size_t row, int role) const;

private:
    static constexpr std::uint8_t NoMark = 0xff;
    StatusText statusText_;
    std::vector<std::uint8_t> statusOf_; // by shown row: a RunStatus or NoMark
    QColor failed_;
    QColor kept_;
    QIcon warning_;
};

} // namespace tollwick
