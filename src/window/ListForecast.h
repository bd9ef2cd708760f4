// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Vocabulary.h"
#include "window/RowMarks.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QAbstractButton;
class QLabel;

namespace tollwick {

class RenameSession;
class RowTableModel;
class WindowJob;

/// The list page's side of the session's forecast: the marks of the rows
/// a run would not rename and the count of those it would. The session
/// lists the folder anew each visit of the page and for each new list
/// folder; after a change of the list the plan is made again once the user
/// pauses, so that a long list does not slow every edit, and at once when
/// the undo box is toggled.
class ListForecast final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListForecast)

public:
    using TextOf = std::function<QString(std::string_view key)>;
    ListForecast(RenameSession& session, RowTableModel& model, QLabel& countLabel, const QAbstractButton& undoCheck,
                 WindowJob& job, TextOf text, QObject* parent);
    ~ListForecast() override = default;

    /// The page is shown: forecasts at once, from a new listing.
    void Relist();
    /// Forecasts again after a pause, from the same listing.
    void Later();
    /// The undo box was toggled: forecasts at once, from the same listing.
    void UndoToggled();
    /// The preview takes over: it lists the folder itself.
    void Leave();
    /// The preview was stopped and the page stays: what was due is due again.
    void Stay();
    void SetColours(const QColor& failed, const QColor& kept);

private:
    void Forecast();

    RenameSession& session_;
    RowTableModel& model_;
    QLabel& countLabel_;
    const QAbstractButton& undoCheck_;
    WindowJob& job_; // plans a long list while the window paints
    TextOf text_;
    RowMarks marks_;
    bool visited_ = false;
    bool dueOnStay_ = false;
    QTimer pause_;
};

} // namespace tollwick
