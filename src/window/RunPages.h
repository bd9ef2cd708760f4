// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"
#include "window/PageServices.h"
#include "window/ResultInbox.h"

#include <QObject>

namespace tollwick {

struct Form1Controls;
class ResultModel;
class RowTableModel;
class WindowJob;

/// The preview page with the forecast of the run and the master list, and
/// the result page that shows the run as it goes.
class RunPages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunPages)

public:
    RunPages(Form1Controls& controls, RenameSession& session, WindowJob& job, PageServices services, QObject* parent);
    ~RunPages() override = default;

    /// Fills the preview page with the forecast of a run; false when the user stopped it.
    [[nodiscard]] bool PrepareForecast();
    /// Shows the result page and runs every checked row.
    void Run();
    /// Hands the result list the rows the run reported since the last call, and shows the counts.
    void ShowRunCounts();
    [[nodiscard]] RowTableModel& MasterRows() { return *masterModel_; }
    [[nodiscard]] ResultModel& ResultRows() { return *resultModel_; }
    /// Keeps the master list from reading the rows while a job changes them.
    void Hold(bool on);
    /// Stops the views from reading the rows, at teardown.
    void ForgetRows();

private:
    void ShowForecast();
    [[nodiscard]] bool OrderChosen() const;

    Form1Controls& c_;
    RenameSession& session_;
    WindowJob& job_;
    PageServices services_;
    RowTableModel* masterModel_ = nullptr;
    ResultModel* resultModel_ = nullptr;
    ResultInbox resultInbox_; // the results of the run on its way to the result list
    RunCounts runCounts_;
    RunForecast forecast_; // of the last preview
};

} // namespace tollwick
