// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RunPages.h"

#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/WindowJob.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <memory>
#include <tuple>

namespace tollwick {
namespace {

static_assert(std::tuple_size_v<decltype(Form1Controls::PreviewStatusLabels)> == RunStatusCount,
              "one forecast label per status");

} // namespace

RunPages::RunPages(Form1Controls& controls, RenameSession& session, WindowJob& job, PageServices services,
                   QObject* parent)
    : QObject(parent), c_(controls), session_(session), job_(job), services_(std::move(services)),
      masterModel_(new RowTableModel(session_, RowTableModel::SessionRows::Master, this)),
      resultModel_(new ResultModel(this))
{
    c_.TotalList->setModel(masterModel_);
    c_.ResultView->setModel(resultModel_);
    SizeRowColumns(*c_.TotalList);
    QHeaderView* results = c_.ResultView->horizontalHeader();
    results->setSectionResizeMode(QHeaderView::Interactive);
    results->resizeSection(ResultModel::OldNameColumn, 150);
    results->resizeSection(ResultModel::NewNameColumn, 150);
    results->setSectionResizeMode(ResultModel::StatusColumn, QHeaderView::Stretch);
    c_.ResultView->setColumnHidden(ResultModel::DateTextColumn, true);
    connect(c_.OrderCheck, &QCheckBox::toggled, this, [this] { ShowForecast(); });
}

bool RunPages::OrderChosen() const
{
    return c_.OrderCheck->isChecked() && !c_.OrderCheck->isHidden();
}

void RunPages::Hold(bool on)
{
    HoldRows(*masterModel_, *c_.TotalList, on);
}

void RunPages::ForgetRows()
{
    c_.TotalList->setModel(nullptr);
    masterModel_->ForgetSession();
    c_.ResultView->setModel(nullptr);
}

bool RunPages::PrepareForecast()
{
    const PreviewInfo preview = session_.PreparePreview(c_.UndoCheck->isChecked());
    c_.PreviewDirLabel->setText(PathFromBytes(preview.folder));
    c_.PreviewCtyLabel->setText(FromBytes(preview.checkedCount));
    c_.PreviewUndoLabel->setText(FromBytes(preview.undoLine));
    c_.ResultTotalLabel->setText(FromBytes(preview.totalCount));
    // The forecast lists the folder and plans every checked row: long for a big folder.
    RunForecast forecast = job_.Run([this, undoCheck = c_.UndoCheck->isChecked()](const std::stop_token&) {
        return session_.ForecastRun(undoCheck);
    });
    // Stopped: the list page stays, as if Next had not been pressed.
    if (job_.StopAsked()) {
        return false;
    }
    forecast_ = std::move(forecast);
    if (c_.UndoCheck->isChecked() && !forecast_.UndoReady) {
        c_.PreviewUndoLabel->setText(c_.PreviewUndoLabel->text() + u'\n' +
                                     services_.text(forecast_.UndoFull ? "UndoFolderFullWarning" : "UndoFolderWarning")
                                         .replace(QStringLiteral("%s"), PathFromBytes(session_.UndoFolder())));
    }
    // The box is offered only where another order would rename more; it starts unchecked every time.
    c_.OrderCheck->setChecked(false);
    c_.OrderCheck->setVisible(forecast_.OnlyOrdered > 0);
    ShowForecast();
    return true;
}

void RunPages::Run()
{
    const bool ordered = OrderChosen();
    // The run plans anew; of the forecast the preview keeps only its counts.
    for (RunPlan* plan : {&forecast_.ShownOrder, &forecast_.Ordered}) {
        // A new plan, not {} assigned to each vector: that would keep their memory.
        RunPlan counted;
        counted.Counts = plan->Counts;
        *plan = std::move(counted);
    }
    resultModel_->Clear();
    services_.showPage(Page::Result);
    runCounts_ = RunCounts{};
    ShowRunCounts();
    c_.CancelBtn->setEnabled(false);
    // Cancel comes back however the run ends.
    struct CancelBack {
        explicit CancelBack(QToolButton* cancel) : button(cancel) {}
        CancelBack(const CancelBack&) = delete;
        CancelBack& operator=(const CancelBack&) = delete;
        ~CancelBack() { button->setEnabled(true); }
        QToolButton* button;
    } const cancelBack{c_.CancelBtn};

    const ResultSink onResult = [this](const ResultRow& row, const RunCounts& counts) {
        resultInbox_.Put(row, counts);
    };
    // While another Tollwick run renames in the folder, a note on the empty
    // result list says what the run waits for.
    std::unique_ptr<QLabel> waitNote;
    FolderWait whenBusy;
    whenBusy.Wait = true;
    whenBusy.OnWait = [this, &waitNote](bool waiting) {
        job_.Post([this, &waitNote, waiting] {
            waitNote.reset();
            if (waiting) {
                QWidget* list = c_.ResultView->viewport();
                waitNote = std::make_unique<QLabel>(services_.text("RunWaitsForFolder"), list);
                waitNote->setObjectName(QStringLiteral("FolderWaitNote"));
                waitNote->setAlignment(Qt::AlignCenter);
                waitNote->setWordWrap(true);
                waitNote->setGeometry(list->rect().adjusted(8, 8, -8, -8));
                waitNote->show();
            }
        });
    };
    const RunSummary summary = job_.Run(
        [this, undoCheck = c_.UndoCheck->isChecked(), &onResult, ordered, &whenBusy](const std::stop_token& stop) {
            return session_.RunRename(undoCheck, onResult, ordered, whenBusy, stop);
        });
    runCounts_ = summary.Counts;
    ShowRunCounts();
    resultModel_->Flush();
    // The folder the file went to: the home is not always the usual one.
    const QString written = summary.Undo == UndoOutcome::Written
                                ? services_.text(MessageKeyOf(summary.Undo))
                                      .replace(QStringLiteral("%s"), PathFromBytes(session_.UndoFolder()))
                                : QString();
    if (summary.Stop.Stopped()) {
        const QString stopped = FromBytes(session_.StopMessage(summary.Stop));
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Error,
                                       written.isEmpty() ? stopped : stopped + QStringLiteral("\n\n") + written);
    } else if (!written.isEmpty()) {
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Information, written);
    }
}

void RunPages::ShowForecast()
{
    const bool ordered = OrderChosen();
    const RunCounts& counts = ordered ? forecast_.Ordered.Counts : forecast_.ShownOrder.Counts;
    std::int32_t checked = 0;
    for (std::size_t k = 0; k < c_.PreviewStatusLabels.size(); ++k) {
        const auto status = static_cast<RunStatus>(k);
        c_.PreviewStatusLabels[k]->setText(services_.text(StatusKey(status)) + QStringLiteral(": ") +
                                           QString::number(counts.Of(status)));
        checked += counts.Of(status);
    }
    // With nothing checked, Next runs nothing: say so before it is pressed.
    c_.ForecastWarningLabel->setText(checked == 0                                    ? services_.text("NoRowChecked")
                                     : counts.Of(RunStatus::StatusRenamed) < checked ? services_.text("ForecastWarning")
                                                                                     : QString());
}

void RunPages::ShowRunCounts()
{
    resultInbox_.TakeInto(*resultModel_, runCounts_);
    resultModel_->Flush();
    const std::pair<QLabel*, RunStatus> counters[] = {
        {c_.ResultOKLabel, RunStatus::StatusRenamed},          {c_.ResultCancelLabel, RunStatus::StatusCancel},
        {c_.ResultExistLabel, RunStatus::StatusExist},         {c_.ResultNOLabel, RunStatus::StatusCanNot},
        {c_.ResultDontExistLabel, RunStatus::StatusDontExist}, {c_.ResultNotReachedLabel, RunStatus::StatusNotReached}};
    for (const auto& [label, status] : counters) {
        label->setText(QString::number(runCounts_.Of(status)));
    }
}

} // namespace tollwick
