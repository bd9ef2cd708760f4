// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

using namespace tollwick;
using namespace tollwick::test;

class ListPage final : public QObject {
    Q_OBJECT

private slots:
    void CommandsWithoutSelectionWarnAndChangeNothing();
    void EditCleansTheTypedNameAndCancelKeepsIt();
    void CheckCommandsAndRemovals();
    void RemoveSelectedRowTakesItFromBothLists();
    void OpenSelectedFileHandsItsPathToTheDesktop();
    void ColumnSortFlipsOnSecondClick();
    void CancelledFileDialogsStayOnTheList();
    void MarksTheRowsTheRunWouldNotRenameUntilMended();
    void TheForecastFollowsTheUndoBoxAtOnce();
};

namespace {

void AddFour(Folder& folder)
{
    for (const char* name : {"d.txt", "a.txt", "C.txt", "b.txt"}) {
        folder.Add(QString::fromLatin1(name));
    }
}

} // namespace

void ListPage::CommandsWithoutSelectionWarnAndChangeNothing()
{
    const std::string home = FreshHome();
    Folder files;
    AddFour(files);
    Driver driver(home);
    driver.OpenFolder(files.Path());
    const QStringList before = driver.Column(1);
    driver.Click("EditBtn");
    driver.Click("DelSelBtn");
    driver.Click("RunBtn");
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{3});
    for (const auto& message : driver.Dialogs().messages) {
        QCOMPARE(message.kind, Dialogs::MessageKind::Warning);
    }
    QCOMPARE(driver.Dialogs().TakeMessages(),
             (QStringList{LanguageText(home, "English.lng", "Msg8"), LanguageText(home, "English.lng", "Msg4"),
                          LanguageText(home, "English.lng", "Msg9")}));
    QCOMPARE(driver.Column(1), before);
    QVERIFY(driver.Dialogs().inputs.empty());
    QVERIFY(driver.Dialogs().opened.empty());
    QCOMPARE(driver.Form().List().TotalList.size(), std::size_t{4});
}

void ListPage::EditCleansTheTypedNameAndCancelKeepsIt()
{
    const std::string home = FreshHome();
    Folder files;
    AddFour(files);
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.ClickRow(2);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("a/b:c*?.txt"));
    driver.Click("EditBtn");
    QCOMPARE(driver.Column(1).at(2), QStringLiteral("abc.txt"));
    const ScriptedDialogs::Input& asked = driver.Dialogs().inputs.back();
    QCOMPARE(asked.title, LanguageText(home, "English.lng", "NewNameCaption"));
    QCOMPARE(asked.prompt, LanguageText(home, "English.lng", "NewNamePromt"));
    QCOMPARE(asked.initial, QStringLiteral("C.txt"));

    driver.Dialogs().inputAnswers.push_back(std::nullopt);
    driver.Click("EditBtn");
    QCOMPARE(driver.Column(1).at(2), QStringLiteral("abc.txt"));
    driver.Dialogs().inputAnswers.push_back(QString());
    driver.Click("EditBtn");
    QCOMPARE(driver.Column(1).at(2), QString());
}

void ListPage::CheckCommandsAndRemovals()
{
    Folder files;
    AddFour(files);
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    auto* view = driver.Find<QTableView>("FilterList");
    for (const int row : {0, 2}) {
        driver.ClickRow(row);
        QTest::keyClick(view, Qt::Key_Space);
    }
    QCOMPARE(driver.Checks(), (QList<bool>{true, false, true, false}));
    driver.Click("UnCheckBtn");
    QCOMPARE(driver.Checks(), (QList<bool>{false, true, false, true}));
    driver.Click("DelCheckBtn");
    QCOMPARE(driver.Column(0), Names({"a.txt", "C.txt"}));
    QCOMPARE(driver.Form().List().TotalList.size(), std::size_t{2});
    driver.Click("DelCheckBtn");
    QCOMPARE(driver.Column(0).size(), 2);
    driver.Click("CheckAllBtn");
    QCOMPARE(driver.Checks(), (QList<bool>{true, true}));
    driver.Click("DelAllBtn");
    QVERIFY(driver.Column(0).isEmpty());
    QVERIFY(driver.Form().List().TotalList.empty());
    // On an empty list the row commands only run the bar.
    driver.Click("CheckAllBtn");
    driver.Click("DelAllBtn");
    QVERIFY(driver.Dialogs().messages.empty());
}

void ListPage::RemoveSelectedRowTakesItFromBothLists()
{
    Folder files;
    AddFour(files);
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.ClickRow(1);
    driver.Click("DelSelBtn");
    QCOMPARE(driver.Column(0), Names({"a.txt", "C.txt", "d.txt"}));
    QCOMPARE(driver.Form().List().TotalList.size(), std::size_t{3});
    QCOMPARE(driver.Form().List().TotalList[1].OldName, std::string("C.txt"));
    QVERIFY(driver.Dialogs().messages.empty());
}

void ListPage::OpenSelectedFileHandsItsPathToTheDesktop()
{
    Folder files;
    AddFour(files);
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.ClickRow(3);
    driver.Click("RunBtn");
    QCOMPARE(driver.Dialogs().opened, std::vector<QString>{files.Path() + QStringLiteral("/d.txt")});
}

void ListPage::ColumnSortFlipsOnSecondClick()
{
    Folder files;
    for (const char* name : {"b.txt", "a.txt", "C.txt", "x9", "x10"}) {
        files.Add(QString::fromLatin1(name));
    }
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    const QStringList ascending = Names({"a.txt", "b.txt", "C.txt", "x10", "x9"});
    driver.ClickHeader(0);
    QCOMPARE(driver.Column(0), ascending);
    driver.ClickHeader(0);
    QCOMPARE(driver.Column(0), QStringList(ascending.rbegin(), ascending.rend()));
    QCOMPARE(driver.Find<QTableView>("FilterList")->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    driver.ClickHeader(0);
    QCOMPARE(driver.Column(0), ascending);

    // The new-name column starts ascending; edits sort too.
    driver.ClickRow(0);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("zzz"));
    driver.Click("EditBtn");
    driver.ClickHeader(1);
    QCOMPARE(driver.Column(1), Names({"b.txt", "C.txt", "x10", "x9", "zzz"}));
    QCOMPARE(driver.Form().Sort().SortColumn, 1);
    QCOMPARE(driver.Form().Sort().SortDirection, 1);
    // Checks and the selection travel with their rows.
    QTest::keyClick(driver.Find<QTableView>("FilterList"), Qt::Key_Space);
    driver.ClickHeader(1);
    QCOMPARE(driver.Column(1).first(), QStringLiteral("zzz"));
    QCOMPARE(driver.Checks().first(), true);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("first"));
    driver.Click("EditBtn");
    QCOMPARE(driver.Column(1).first(), QStringLiteral("first"));
}

void ListPage::CancelledFileDialogsStayOnTheList()
{
    Folder files;
    AddFour(files);
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.Dialogs().fileAnswers.push_back(std::nullopt);
    driver.Click("OpenBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    driver.Dialogs().fileAnswers.push_back(std::nullopt);
    driver.Click("SaveBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QVERIFY(!driver.Dialogs().fileDialogs[0].save);
    QVERIFY(driver.Dialogs().fileDialogs[1].save);
    driver.Click("GenerateBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::Generators);
    driver.Cancel();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
}

void ListPage::MarksTheRowsTheRunWouldNotRenameUntilMended()
{
    const std::string home = FreshHome();
    Folder files;
    AddFour(files); // a.txt b.txt C.txt d.txt
    Driver driver(home);
    driver.OpenFolder(files.Path());
    const auto rename = [&driver](int row, const char* name) {
        driver.ClickRow(row);
        driver.Dialogs().inputAnswers.push_back(QString::fromLatin1(name));
        driver.Click("EditBtn");
    };
    rename(0, "C.txt"); // a file that stays
    rename(1, "b2.txt");
    driver.Click("CheckAllBtn");

    const QAbstractItemModel* model = driver.Find<QTableView>("FilterList")->model();
    const auto mark = [model](int row, int role) { return model->index(row, 1).data(role); };
    const auto count = [&home](int renamed, int checked) {
        return LanguageText(home, "English.lng", "ListForecast").arg(renamed).arg(checked);
    };
    QTRY_COMPARE(driver.TextOf("ListForecastLabel"), count(1, 4));
    QVERIFY(mark(0, Qt::ForegroundRole).isValid());
    QVERIFY(mark(0, Qt::DecorationRole).isValid());
    QVERIFY(mark(0, Qt::ToolTipRole).toString().endsWith(LanguageText(home, "English.lng", "StatusExist")));
    QVERIFY(!mark(1, Qt::ForegroundRole).isValid());
    // Unchanged names are told apart from failing ones: no warning sign.
    QVERIFY(mark(2, Qt::ForegroundRole).isValid());
    QVERIFY(!mark(2, Qt::DecorationRole).isValid());
    QVERIFY(mark(0, Qt::ForegroundRole) != mark(2, Qt::ForegroundRole));

    rename(0, "a2.txt");
    QTRY_COMPARE(driver.TextOf("ListForecastLabel"), count(2, 4));
    QVERIFY(!mark(0, Qt::ForegroundRole).isValid());
    QVERIFY(!mark(0, Qt::DecorationRole).isValid());
    // An unchecked row is not the run's: it loses its mark, and the count its row.
    driver.ClickRow(2);
    QTest::keyClick(driver.Find<QTableView>("FilterList"), Qt::Key_Space);
    QTRY_COMPARE(driver.TextOf("ListForecastLabel"), count(2, 3));
    QVERIFY(!mark(2, Qt::ForegroundRole).isValid());
}

void ListPage::TheForecastFollowsTheUndoBoxAtOnce()
{
    const std::string home = FreshHome();
    Folder files;
    // The undo file keeps a name a line, so it cannot record this one.
    files.Add(QStringLiteral("two\nlines.txt"));
    Driver driver(home);
    auto* undo = driver.Find<QAbstractButton>("UndoCheck");
    undo->setChecked(false);
    driver.OpenFolder(files.Path());
    driver.ClickRow(0);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("one.txt"));
    driver.Click("EditBtn");
    driver.Click("CheckAllBtn");
    const auto count = [&home](int renamed, int checked) {
        return LanguageText(home, "English.lng", "ListForecast").arg(renamed).arg(checked);
    };
    QTRY_COMPARE(driver.TextOf("ListForecastLabel"), count(1, 1));
    undo->setChecked(true);
    QCOMPARE(driver.TextOf("ListForecastLabel"), count(0, 1));
    undo->setChecked(false);
    QCOMPARE(driver.TextOf("ListForecastLabel"), count(1, 1));
}

QTEST_MAIN(ListPage)
#include "ListPage_test.moc"
