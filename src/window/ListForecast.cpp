// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ListForecast.h"

#include "rename/WhilePainting.h"
#include "session/RenameSession.h"
#include "window/RowTableModel.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>

namespace tollwick {
namespace {

// Long enough to take a burst of clicks as one change.
constexpr int PauseMs = 250;

} // namespace

ListForecast::ListForecast(const RenameSession& session, RowTableModel& model, QLabel& countLabel,
                           const QAbstractButton& undoCheck, Progress& progress, TextOf text, QObject* parent)
    : QObject(parent), session_(session), model_(model), countLabel_(countLabel), undoCheck_(undoCheck),
      progress_(progress), text_(std::move(text)),
      marks_([this](RunStatus status) { return text_(StatusKey(status)); }), pause_(this)
{
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    connect(&pause_, &QTimer::timeout, this, &ListForecast::Forecast);
    model_.SetMarks(&marks_);
}

void ListForecast::Relist()
{
    visited_ = true;
    folder_.reset();
    pause_.stop();
    Forecast();
}

void ListForecast::Later()
{
    if (visited_) {
        pause_.start();
    }
}

void ListForecast::SetColours(const QColor& failed, const QColor& kept)
{
    marks_.SetColours(failed, kept);
    model_.MarksChanged();
}

void ListForecast::Forecast()
{
    const std::vector<Row>& shown = session_.List().FilterList;
    // A fresh list has no checked row: the page opens without listing the folder.
    const bool anyChecked = std::any_of(shown.begin(), shown.end(), [](const Row& row) { return row.Checked; });
    PlanOptions options;
    options.DirName = session_.DirName();
    options.UndoCheck = undoCheck_.isChecked();
    // A missing undo folder is the preview page's warning; here each row's own fate counts.
    options.UndoReady = true;
    // Listing and planning only read; the window paints meanwhile and takes no input.
    const RunPlan plan = WhilePainting(progress_, [this, anyChecked, &shown, &options] {
        if (!folder_ && anyChecked) {
            folder_ = FolderView::Of(options.DirName);
        }
        return folder_ ? PlanRun(shown, options, *folder_) : RunPlan{};
    });
    marks_.Take(plan, shown.size());
    model_.MarksChanged();
    countLabel_.setText(text_("ListForecast")
                            .arg(plan.Counts.Of(RunStatus::StatusRenamed))
                            .arg(static_cast<qsizetype>(plan.Rows.size())));
}

} // namespace tollwick
