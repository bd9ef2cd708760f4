// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"
#include "window/PageServices.h"

#include <QObject>
#include <functional>
#include <stop_token>

class QAbstractButton;
class QColor;

namespace tollwick {

struct Form1Controls;
class ListForecast;
class NameListPages;
class RowTableModel;
class WindowJob;

/// The list page with its tool bar, its forecast marks and its keys, and the
/// filter page that narrows what it shows.
class ListPages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListPages)

public:
    ListPages(Form1Controls& controls, RenameSession& session, WindowJob& job, NameListPages& nameLists,
              PageServices services, QObject* parent);
    ~ListPages() override = default;

    /// The selected row of the shown list; -1 for none.
    [[nodiscard]] int SelectedRow() const;
    [[nodiscard]] RowTableModel& ShownRows() { return *shownModel_; }
    /// Runs a step that ends with a filter pass: the filter page goes to the
    /// session first, and shows what the pass left afterwards.
    void StepWithFilterPass(const std::function<void(const std::stop_token&)>& step);
    void RunFilterPass();
    /// The page shows again: the folder may have changed meanwhile.
    void Shown();
    /// Next goes on to the preview.
    void Leaving();
    /// The preview was stopped: the page stays.
    void Stayed();
    void SetMarkColours(const QColor& failed, const QColor& kept);
    /// Keeps the view from reading the rows while a job changes them.
    void Hold(bool on);
    /// Stops the view from reading the rows, at teardown.
    void ForgetRows();

protected:
    /// F2, Delete and Space on the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Bind(QAbstractButton* button, void (ListPages::*handler)());
    void SetUpView();
    void CopyOldNames();
    void EditSelectedNewName();
    void CheckAll();
    void InvertChecks();
    void DeleteSelectedRow();
    void RemoveCheckedRows();
    void RemoveAllRows();
    void UpdateFilter();
    void OpenSelectedFile();
    void SortByColumn(int column);
    void FirstDateChanged();
    void LastDateChanged();
    [[nodiscard]] FilterSettings CurrentFilterSettings() const;
    void ShowFilterSettings(const FilterSettings& settings);
    void ShowDirName();

    Form1Controls& c_;
    RenameSession& session_;
    WindowJob& job_;
    PageServices services_;
    RowTableModel* shownModel_ = nullptr;
    ListForecast* listForecast_ = nullptr; // the marks of the shown rows
};

} // namespace tollwick
