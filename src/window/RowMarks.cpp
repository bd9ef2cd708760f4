// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RowMarks.h"

#include "session/Vocabulary.h"

#include <QApplication>
#include <QStyle>

namespace tollwick {

RowMarks::RowMarks(StatusText statusText)
    : statusText_(std::move(statusText)), warning_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
{
}

void RowMarks::Take(const RunPlan& plan, std::size_t shownRows)
{
    statusOf_.assign(shownRows, NoMark);
    for (std::size_t slot = 0; slot < plan.Rows.size(); ++slot) {
        if (plan.Statuses[slot] != RunStatus::StatusRenamed && plan.Rows[slot] < shownRows) {
            statusOf_[plan.Rows[slot]] = static_cast<std::uint8_t>(plan.Statuses[slot]);
        }
    }
}

void RowMarks::SetColours(const QColor& failed, const QColor& kept)
{
    failed_ = failed;
    kept_ = kept;
}

QVariant RowMarks::Data(std::size_t row, int role) const
{
    if (row >= statusOf_.size() || statusOf_[row] == NoMark) {
        return {};
    }
    const auto status = static_cast<RunStatus>(statusOf_[row]);
    // An unchanged name is no fault: the result page's teal, without the sign.
    const bool kept = status == RunStatus::StatusCancel;
    switch (role) {
    case Qt::ForegroundRole:
        return kept ? kept_ : failed_;
    case Qt::DecorationRole:
        return kept ? QVariant() : QVariant(warning_);
    case Qt::ToolTipRole:
        return statusText_(status);
    default:
        return {};
    }
}

} // namespace tollwick
