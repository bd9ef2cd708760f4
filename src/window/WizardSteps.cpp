// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "window/GeneratorPage.h"
#include "window/GeneratorSample.h"
#include "window/ListPages.h"
#include "window/NameListPages.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <memory>
#include <tuple>

namespace tollwick {
namespace {

static_assert(std::tuple_size_v<decltype(Form1Controls::PreviewStatusLabels)> == RunStatusCount,
              "one forecast label per status");

} // namespace

void TForm1::NextOnListPage()
{
    const PreviewInfo preview = session_->PreparePreview(c_.UndoCheck->isChecked());
    c_.PreviewDirLabel->setText(PathFromBytes(preview.folder));
    c_.PreviewCtyLabel->setText(FromBytes(preview.checkedCount));
    c_.PreviewUndoLabel->setText(FromBytes(preview.undoLine));
    c_.ResultTotalLabel->setText(FromBytes(preview.totalCount));
    // The forecast lists the folder and plans every checked row: long for a big folder.
    RunForecast forecast = InJob([this, undoCheck = c_.UndoCheck->isChecked()](const std::stop_token&) {
        return session_->ForecastRun(undoCheck);
    });
    // Stopped: the list page stays, as if Next had not been pressed.
    if (job_->StopAsked()) {
        return;
    }
    forecast_ = std::move(forecast);
    if (c_.UndoCheck->isChecked() && !forecast_.UndoReady) {
        c_.PreviewUndoLabel->setText(c_.PreviewUndoLabel->text() + u'\n' +
                                     Text(forecast_.UndoFull ? "UndoFolderFullWarning" : "UndoFolderWarning")
                                         .replace(QStringLiteral("%s"), PathFromBytes(session_->UndoFolder())));
    }
    // The box is offered only where another order would rename more; it starts unchecked every time.
    c_.OrderCheck->setChecked(false);
    c_.OrderCheck->setVisible(forecast_.OnlyOrdered > 0);
    ShowForecast();
    ShowPage(Page::Preview);
}

void TForm1::NextOnPreviewPage()
{
    const bool ordered = c_.OrderCheck->isChecked() && !c_.OrderCheck->isHidden();
    // The run plans anew; of the forecast the preview keeps only its counts.
    for (RunPlan* plan : {&forecast_.ShownOrder, &forecast_.Ordered}) {
        plan->Rows = {};
        plan->Statuses = {};
        plan->Moves = {};
    }
    resultModel_->Clear();
    ShowPage(Page::Result);
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
        job_->Post([this, &waitNote, waiting] {
            waitNote.reset();
            if (waiting) {
                QWidget* list = c_.ResultView->viewport();
                waitNote = std::make_unique<QLabel>(Text("RunWaitsForFolder"), list);
                waitNote->setObjectName(QStringLiteral("FolderWaitNote"));
                waitNote->setAlignment(Qt::AlignCenter);
                waitNote->setWordWrap(true);
                waitNote->setGeometry(list->rect().adjusted(8, 8, -8, -8));
                waitNote->show();
            }
        });
    };
    const RunSummary summary = InJob(
        [this, undoCheck = c_.UndoCheck->isChecked(), &onResult, ordered, &whenBusy](const std::stop_token& stop) {
            return session_->RunRename(undoCheck, onResult, ordered, whenBusy, stop);
        });
    runCounts_ = summary.Counts;
    ShowRunCounts();
    resultModel_->Flush();
    // The folder the file went to: the home is not always the usual one.
    const QString written =
        summary.Undo == UndoOutcome::Written
            ? Text(MessageKeyOf(summary.Undo)).replace(QStringLiteral("%s"), PathFromBytes(session_->UndoFolder()))
            : QString();
    if (summary.Stop.Stopped()) {
        const QString stopped = FromBytes(session_->StopMessage(summary.Stop));
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Error,
                             written.isEmpty() ? stopped : stopped + QStringLiteral("\n\n") + written);
    } else if (!written.isEmpty()) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Information, written);
    }
}

void TForm1::ShowForecast()
{
    const bool ordered = c_.OrderCheck->isChecked() && !c_.OrderCheck->isHidden();
    const RunCounts& counts = ordered ? forecast_.Ordered.Counts : forecast_.ShownOrder.Counts;
    std::int32_t checked = 0;
    for (std::size_t k = 0; k < c_.PreviewStatusLabels.size(); ++k) {
        const auto status = static_cast<RunStatus>(k);
        c_.PreviewStatusLabels[k]->setText(Text(StatusKey(status)) + QStringLiteral(": ") +
                                           QString::number(counts.Of(status)));
        checked += counts.Of(status);
    }
    // With nothing checked, Next runs nothing: say so before it is pressed.
    c_.ForecastWarningLabel->setText(checked == 0                                    ? Text("NoRowChecked")
                                     : counts.Of(RunStatus::StatusRenamed) < checked ? Text("ForecastWarning")
                                                                                     : QString());
}

void TForm1::ShowRunCounts()
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

void TForm1::NextOnImportPage()
{
    const std::optional<NameListPages::Choice> choice = nameListPages_->ImportChoice();
    if (!choice) {
        return;
    }
    listPages_->StepWithFilterPass([this, &choice](const std::stop_token&) {
        session_->ImportNameList(choice->path, choice->layout, choice->separator);
    });
    ShowPage(Page::List);
}

void TForm1::NextOnExportPage()
{
    if (const std::optional<NameListPages::Choice> choice = nameListPages_->ExportChoice()) {
        InJob([this, &choice](const std::stop_token&) {
            session_->ExportNameList(choice->path, choice->layout, choice->separator);
        });
        ShowPage(Page::List);
    }
}

void TForm1::NextOnGeneratorPage()
{
    if (const std::optional<std::vector<GeneratorStep>>& preset = generatorPage_->ChosenPreset()) {
        // A preset's own texts are not the tabs': nothing is written back into them.
        const CleanedTexts cleaned =
            InJob([this, &preset](const std::stop_token& stop) { return session_->GenerateNewNames(*preset, stop); });
        ShowPage(Page::List);
        ShowMissingValues(cleaned.missing);
        return;
    }
    CleanedTexts cleaned;
    try {
        cleaned = InJob([this, kind = ActiveGenerator(c_)](const std::stop_token& stop) {
            return session_->GenerateNewNames(kind, stop);
        });
        ShowCleanedTexts(cleaned);
    } catch (const GenerationStopped& stopped) {
        ShowCleanedTexts(stopped.Cleaned());
        throw;
    }
    ShowPage(Page::List);
    ShowMissingValues(cleaned.missing);
}

void TForm1::ShowMissingValues(const std::vector<MissingValue>& missing)
{
    QStringList lines;
    for (const MissingValue& each : missing) {
        lines.append(FromBytes(session_->NoValueMessage(each)));
    }
    if (!lines.isEmpty()) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Information, lines.join(QLatin1Char('\n')));
    }
}

void TForm1::ShowCleanedTexts(const CleanedTexts& cleaned)
{
    const std::pair<const std::optional<std::string>*, QLineEdit*> fields[] = {
        {&cleaned.replaceFrom, c_.ChangeFromEdit},
        {&cleaned.replaceTo, c_.ChangeToEdit},
        {&cleaned.nameMask, c_.MaskNameEdit},
        {&cleaned.extensionMask, c_.MaskExtEdit}};
    for (const auto& [text, edit] : fields) {
        if (text->has_value()) {
            edit->setText(FromBytes(**text));
        }
    }
}

void TForm1::LoadUndoFileChosen(const QString& path)
{
    UndoLoadOutcome outcome = UndoLoadOutcome::Loaded;
    listPages_->StepWithFilterPass(
        [this, &path, &outcome](const std::stop_token&) { outcome = session_->LoadUndoFile(PathToBytes(path)); });
    if (outcome == UndoLoadOutcome::NoRenaming) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Information, Text(MessageKeyOf(outcome)));
    }
}

} // namespace tollwick
