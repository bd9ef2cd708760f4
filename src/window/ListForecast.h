// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"
#include "rename/RunPlan.h"
#include "window/RowMarks.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;

namespace tollwick {

class RenameSession;
class RowTableModel;

/// The list page's forecast of the run in the shown order: the marks of
/// the rows it would not rename and the count of those it would. The
/// folder is listed once a visit of the page, when a row is first checked;
/// after a change of the list the plan is made again once the user
/// pauses, so that a long list does not slow every edit.
class ListForecast final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListForecast)

public:
    using TextOf = std::function<QString(std::string_view key)>;
    ListForecast(const RenameSession& session, RowTableModel& model, QLabel& countLabel,
                 const QAbstractButton& undoCheck, Progress& progress, TextOf text, QObject* parent);
    ~ListForecast() override = default;

    /// The page is shown: forecasts at once, from a new listing.
    void Relist();
    /// Forecasts again after a pause, from the same listing.
    void Later();
    void SetColours(const QColor& failed, const QColor& kept);

private:
    void Forecast();

    const RenameSession& session_;
    RowTableModel& model_;
    QLabel& countLabel_;
    const QAbstractButton& undoCheck_;
    Progress& progress_; // keeps the window painting while a long list is planned
    TextOf text_;
    RowMarks marks_;
    std::optional<FolderView> folder_; // of this visit
    bool visited_ = false;
    QTimer pause_;
};

} // namespace tollwick
