// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse the standard library's concepts that a row's date brings.
#ifndef Q_MOC_RUN
#include "rename/Row.h"
#include "rename/ShownList.h"
#endif

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace tollwick {

class RowMarks;

/// The rows of one of the rename list's vectors in four columns, with the
/// checked flag as the check box of the first column (which the user can
/// change only where the model was given the rows to change). The vector
/// belongs to the rename list; whoever changes it behind the model's back
/// brackets the change with BeginChange and EndChange.
class RowTableModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowTableModel)

public:
    enum Column { OldNameColumn, NewNameColumn, IndexColumn, DateTextColumn, ColumnCount };

    /// Rows whose check boxes the user checks.
    RowTableModel(std::vector<Row>& rows, QObject* parent);
    /// The shown rows, whose check boxes the user checks; read anew at
    /// each use, as they may become the master rows or a copy.
    RowTableModel(ShownList& rows, QObject* parent);
    /// Rows only shown.
    RowTableModel(const std::vector<Row>& rows, QObject* parent);
    ~RowTableModel() override = default;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeadings(const QStringList& headings);
    void BeginChange();
    void EndChange();
    /// Tells the views that the new name of `row` changed.
    void RowEdited(int row);
    /// Tells the views that names or checks changed, with rows and order kept.
    void AllRowsEdited();
    /// Shows `marks` in the new-name column; none when null.
    void SetMarks(const RowMarks* marks);
    /// Tells the views that the marks changed, with nothing else.
    void MarksChanged();
    /// The roles MarksChanged names.
    [[nodiscard]] static QList<int> MarkRoles();

private:
    [[nodiscard]] const Row* RowAt(const QModelIndex& index) const;

    [[nodiscard]] const std::vector<Row>& Rows() const { return rows_(); }

    std::function<const std::vector<Row>&()> rows_;
    std::function<Row&(std::size_t)> checkable_; // the same rows, when the user may check them
    // The count the views know; the vector may differ while a change runs.
    int shownCount_ = 0;
    QStringList headings_;
    const RowMarks* marks_ = nullptr;
};

} // namespace tollwick
