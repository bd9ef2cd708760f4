// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tollwick;

class Models final : public QObject {
    Q_OBJECT

private slots:
    void RowModelPassesTheModelTester();
    void RowModelSurvivesRowsGoneBeforeItIsTold();
    void SessionRowModelsChecksThroughTheSessionAndHearsItsChanges();
    void ResultRowsAppearOnlyWhenFlushed();
};

namespace {

std::vector<Row> SomeRows()
{
    std::vector<Row> rows;
    for (int k = 0; k < 5; ++k) {
        const std::string name = "file" + std::to_string(k) + ".txt";
        rows.push_back(
            {name, "new" + name, static_cast<std::uint32_t>(k), k % 2 == 0, DateTextValue("2005-11-30_11-30-18")});
    }
    rows[3].OldName = "bad\xff.txt";
    return rows;
}

} // namespace

void Models::RowModelPassesTheModelTester()
{
    std::vector<Row> rows = SomeRows();
    RowTableModel model(rows, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetHeadings({QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("No."), QStringLiteral("Date")});
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("No."));
    QCOMPARE(model.index(1, RowTableModel::NewNameColumn).data().toString(), QStringLiteral("newfile1.txt"));
    QCOMPARE(model.index(1, RowTableModel::IndexColumn).data().toString(), QStringLiteral("1"));
    QVERIFY(model.index(3, 0).data().toString().startsWith(QStringLiteral("bad")));
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!model.flags(model.index(0, 1)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(rows[1].Checked);
    QVERIFY(!model.setData(model.index(1, 1), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 1);

    model.BeginChange();
    rows.erase(rows.begin(), rows.begin() + 3);
    model.EndChange();
    QCOMPARE(model.rowCount(), 2);
    model.BeginChange();
    rows.clear();
    model.EndChange();
    QCOMPARE(model.rowCount(), 0);
}

void Models::RowModelSurvivesRowsGoneBeforeItIsTold()
{
    std::vector<Row> rows = SomeRows();
    RowTableModel model(rows, nullptr);
    model.BeginChange();
    rows.resize(1);
    // A view painting in the middle of a change asks for rows it still knows.
    QVERIFY(!model.index(4, 0).data().isValid());
    QVERIFY(!model.setData(model.index(4, 0), Qt::Checked, Qt::CheckStateRole));
    model.EndChange();
    QCOMPARE(model.rowCount(), 1);
}

void Models::SessionRowModelsChecksThroughTheSessionAndHearsItsChanges()
{
    QTemporaryDir home;
    QTemporaryDir folder;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Progress progress;
    RenameSession session(home.path().toStdString() + "/", progress);
    session.ScanFolder(folder.path().toStdString());
    RowTableModel shown(session, RowTableModel::SessionRows::Shown, nullptr);
    RowTableModel master(session, RowTableModel::SessionRows::Master, nullptr);
    const QAbstractItemModelTester tester(&shown, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(shown.rowCount(), 3);
    QVERIFY(!master.flags(master.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));

    QSignalSpy changed(&shown, &QAbstractItemModel::dataChanged);
    QVERIFY(shown.setData(shown.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(session.List().FilterList[1].Checked);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 1);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);

    session.EditNewName(2, "z.txt", true);
    QCOMPARE(shown.index(2, RowTableModel::NewNameColumn).data().toString(), QStringLiteral("z.txt"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex().row(), 2);

    QSignalSpy shownReset(&shown, &QAbstractItemModel::modelReset);
    QSignalSpy masterReset(&master, &QAbstractItemModel::modelReset);
    session.RemoveCheckedRows();
    QCOMPARE(shownReset.count(), 1);
    QCOMPARE(masterReset.count(), 1);
    QCOMPARE(shown.rowCount(), 2);
    QCOMPARE(master.rowCount(), 2);

    // A model that forgot the session hears no more of it.
    master.ForgetSession();
    session.RemoveAllRows();
    QCOMPARE(shown.rowCount(), 0);
    QCOMPARE(master.rowCount(), 2);
}

void Models::ResultRowsAppearOnlyWhenFlushed()
{
    ResultModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    for (int k = 0; k < 3; ++k) {
        model.Append({"a" + std::to_string(k), "b", "Renamed", RowDate(), RunStatus::StatusRenamed, ""});
    }
    // Bytes that are not UTF-8 show as the window shows such file names elsewhere.
    model.Append({"bad\xff.txt", "Gr\xc3\xbc\xc3\x9f.txt", "Failed", DateTextValue("2005-11-30_11-30-18"),
                  RunStatus::StatusCanNot, "Permission denied"});
    QCOMPARE(model.rowCount(), 0);
    model.Flush();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(inserted.count(), 1);
    model.Flush();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.index(2, ResultModel::OldNameColumn).data().toString(), QStringLiteral("a2"));
    QCOMPARE(model.index(2, ResultModel::StatusColumn).data().toString(), QStringLiteral("Renamed"));
    QCOMPARE(model.index(3, ResultModel::OldNameColumn).data().toString(), QString::fromUtf8("bad\xff.txt"));
    QCOMPARE(model.index(3, ResultModel::NewNameColumn).data().toString(), QStringLiteral(u"Grüß.txt"));
    QCOMPARE(model.index(3, ResultModel::DateTextColumn).data().toString(), QStringLiteral("2005-11-30_11-30-18"));
    // A refused row tells its whole cell and its reason; the others show the cell.
    QCOMPARE(model.index(3, ResultModel::NewNameColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral(u"Grüß.txt\nPermission denied"));
    QCOMPARE(model.index(3, ResultModel::StatusColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Failed\nPermission denied"));
    QCOMPARE(model.index(2, ResultModel::OldNameColumn).data(Qt::ToolTipRole).toString(), QStringLiteral("a2"));
    model.Clear();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(Models)
#include "Models_test.moc"
