// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ListForecast.h"

#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "window/RowTableModel.h"
#include "window/WindowJob.h"

#include <QAbstractButton>
#include <QLabel>

namespace tollwick {
namespace {

// Long enough to take a burst of clicks as one change.
constexpr int PauseMs = 250;

} // namespace

ListForecast::ListForecast(RenameSession& session, RowTableModel& model, QLabel& countLabel,
                           const QAbstractButton& undoCheck, WindowJob& job, TextOf text, QObject* parent)
    : QObject(parent), session_(session), model_(model), countLabel_(countLabel), undoCheck_(undoCheck), job_(job),
      text_(std::move(text)), marks_([this](RunStatus status) { return text_(StatusKey(status)); }), pause_(this)
{
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    connect(&pause_, &QTimer::timeout, this, &ListForecast::Forecast);
    model_.SetMarks(&marks_);
}

void ListForecast::Relist()
{
    visited_ = true;
    session_.RelistFolder();
    pause_.stop();
    Forecast();
}

void ListForecast::Later()
{
    if (visited_) {
        pause_.start();
    }
}

void ListForecast::UndoToggled()
{
    if (visited_) {
        pause_.stop();
        Forecast();
    }
}

// The listing would wait through the preview for nothing, and a plan still
// due would list the folder again behind it.
void ListForecast::Leave()
{
    dueOnStay_ = pause_.isActive();
    pause_.stop();
    visited_ = false;
    session_.RelistFolder();
}

void ListForecast::Stay()
{
    visited_ = true;
    if (dueOnStay_) {
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
    // Another step is on the rows: the plan waits for its end.
    if (job_.Running()) {
        pause_.start();
        return;
    }
    const RunPlan plan = job_.Run(
        [this, undoCheck = undoCheck_.isChecked()](const std::stop_token&) { return session_.Forecast(undoCheck); });
    marks_.Take(plan, session_.List().FilterList.size());
    model_.MarksChanged();
    countLabel_.setText(text_("ListForecast")
                            .arg(plan.Counts.Of(RunStatus::StatusRenamed))
                            .arg(static_cast<qsizetype>(plan.Rows.size())));
}

} // namespace tollwick
