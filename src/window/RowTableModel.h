// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse the standard library's concepts that a row's date brings.
#ifndef Q_MOC_RUN
#include "session/SessionObserver.h"
#include "session/Vocabulary.h"
#endif

#include <QAbstractTableModel>
#include <functional>
#include <vector>

class QTableView;

namespace tollwick {

class RenameSession;
class RowMarks;

/// The rows of one of the rename list's vectors in four columns, with the
/// checked flag as the check box of the first column (which the user can
/// change only where the model was given the rows to change). A model of
/// the session's rows hears of their changes from the session and checks
/// through it; one of a plain vector is told by whoever changes it, with
/// BeginChange and EndChange.
class RowTableModel final : public QAbstractTableModel, public SessionObserver {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowTableModel)

public:
    enum Column { OldNameColumn, NewNameColumn, IndexColumn, DateTextColumn, ColumnCount };

    /// Rows whose check boxes the user checks.
    RowTableModel(std::vector<Row>& rows, QObject* parent);
    /// Rows only shown.
    RowTableModel(const std::vector<Row>& rows, QObject* parent);
    enum class SessionRows { Shown, Master };
    /// The session's shown rows, whose check boxes the user checks, or its
    /// master rows, only shown; read anew at each use, as the shown rows
    /// may become the master rows or a copy.
    RowTableModel(RenameSession& session, SessionRows which, QObject* parent);
    ~RowTableModel() override;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeadings(const QStringList& headings);
    void BeginChange();
    void EndChange();
    /// Stops hearing of the session, for a session about to go before the model.
    void ForgetSession();
    /// Shows `marks` in the new-name column; none when null.
    void SetMarks(const RowMarks* marks);
    /// Tells the views that the marks changed, with nothing else.
    void MarksChanged();
    /// The roles MarksChanged names.
    [[nodiscard]] static QList<int> MarkRoles();

    void RowsReset() override;
    void RowsChanged(std::size_t first, std::size_t count) override;
    /// While on hold, as a job changes the rows on its own thread, the views
    /// hear of nothing; at the release they hear of it all at once.
    void Hold(bool on);

private:
    [[nodiscard]] const Row* RowAt(const QModelIndex& index) const;

    [[nodiscard]] const std::vector<Row>& Rows() const { return rows_(); }

    std::function<const std::vector<Row>&()> rows_;
    std::function<void(std::size_t, bool)> check_; // of the same rows, when the user may check them
    RenameSession* session_ = nullptr;             // the one heard of, if any
    bool shownRows_ = false;                       // of the session; else its master rows
    // The count the views know; the vector may differ while a change runs.
    int shownCount_ = 0;
    QStringList headings_;
    const RowMarks* marks_ = nullptr;
    bool held_ = false;
    bool resetHeld_ = false;
    std::size_t heldFirst_ = 0; // the rows changed while held, when not reset
    std::size_t heldEnd_ = 0;
};

/// The row lists' columns: the new name takes the room left, the date is
/// wide enough for its whole text, the row number is hidden.
void SizeRowColumns(QTableView& view);
/// Holds the model's changes and the view's paints while a job changes the rows, or lets both go.
void HoldRows(RowTableModel& model, QTableView& view, bool on);

} // namespace tollwick
