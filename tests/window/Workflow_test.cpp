// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "platform/FolderLock.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>
#include <optional>

using namespace tollwick;
using namespace tollwick::test;

class Workflow final : public QObject {
    Q_OBJECT

private slots:
    void TypicalRenamingAndItsUndo();
    void ImportAndExportInEveryLayout_data();
    void ImportAndExportInEveryLayout();
    void FilterHidesRowsThatKeepTheirEdits();
    void RunReportsEveryStatusAndTouchesOnlyCheckedRows();
    void PreviewForecastsASwapAndOrderingRunsIt();
    void PreviewWarnsInRedWhenNoRowIsChecked();
    void RowsARunNeverReachedAreCountedAndNamesShowWholeInToolTips();
    void ResultPageFillsWhileTheRunGoes();
    void RunWaitsWithANoteWhileAnotherRunHoldsTheFolder();
    void FailingStepShowsItsErrorAndStaysOnThePage();
    void MaskTokensStayTypedAndTellWhichHadNoValue();
    void RootFolderKeepsItsSingleSlash();
    void DatePickersKeepTheirOrder();
};

namespace {

QStringList UndoFiles(const std::string& home)
{
    return QDir(QString::fromStdString(home + "undo")).entryList({QStringLiteral("*.twu")}, QDir::Files);
}

QStringList ResultColumn(const Driver& driver, int column)
{
    const QAbstractItemModel* model = driver.Find<QTableView>("ResultView")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        texts.append(model->index(row, column).data().toString());
    }
    return texts;
}

} // namespace

void Workflow::TypicalRenamingAndItsUndo()
{
    const std::string home = FreshHome();
    Folder photos;
    photos.Add(QStringLiteral("IMG_0042.jpg"), "one");
    photos.Add(QStringLiteral("IMG_0043.JPG"), "two");
    photos.Add(QStringLiteral("IMG_0050.jpeg"), "three");
    Driver driver(home);

    driver.OpenFolder(photos.Path());
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), photos.Path() + u'/');
    QCOMPARE(driver.Column(0), Names({"IMG_0042.jpg", "IMG_0043.JPG", "IMG_0050.jpeg"}));
    QCOMPARE(driver.Checks(), (QList<bool>{false, false, false}));

    driver.Click("GenerateBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::Generators);
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("Holiday_001"));
    driver.Type("MaskExtEdit", QStringLiteral("*"));
    if (!driver.Find<QAbstractButton>("IncNameCheck")->isChecked()) {
        driver.Click("IncNameCheck");
    }
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.Column(1), Names({"Holiday_001.jpg", "Holiday_002.JPG", "Holiday_003.jpeg"}));

    driver.Click("CheckAllBtn");
    QCOMPARE(driver.Checks(), (QList<bool>{true, true, true}));
    if (!driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Preview);
    QCOMPARE(driver.TextOf("PreviewCtyLabel"), QStringLiteral("3"));
    QCOMPARE(driver.TextOf("PreviewUndoLabel"), LanguageText(home, "English.lng", "PreviewUndoLabel1"));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Result);
    QCOMPARE(photos.Files(), Names({"Holiday_001.jpg", "Holiday_002.JPG", "Holiday_003.jpeg"}));
    QCOMPARE(photos.Read(QStringLiteral("Holiday_002.JPG")), QByteArray("two"));
    QCOMPARE(ResultColumn(driver, 2), QStringList(3, LanguageText(home, "English.lng", "StatusRenamed")));
    QCOMPARE(driver.TextOf("ResultOKLabel"), QStringLiteral("3"));
    QCOMPARE(driver.TextOf("ResultTotalLabel"), QStringLiteral("3"));
    QCOMPARE(driver.TextOf("ResultExistLabel"), QStringLiteral("0"));
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Information);
    // The message names the folder the undo file went to.
    QCOMPARE(driver.Dialogs().TakeMessages(),
             QStringList{LanguageText(home, "English.lng", "Msg6")
                             .replace(QStringLiteral("%s"), QString::fromStdString(home + "undo/"))});
    QVERIFY(driver.Find("CancelBtn")->isEnabled());
    const QStringList undoFiles = UndoFiles(home);
    QCOMPARE(undoFiles.size(), 1);

    // Back on the start page, the undo file leads every file back.
    driver.Cancel();
    driver.Click("RadioButton2");
    driver.Dialogs().fileAnswers.push_back(QString::fromStdString(home + "undo/") + undoFiles[0]);
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), photos.Path() + u'/');
    // Newest first, so the renames are taken back in reverse.
    QCOMPARE(driver.Column(1), Names({"IMG_0050.jpeg", "IMG_0043.JPG", "IMG_0042.jpg"}));
    driver.Click("CheckAllBtn");
    driver.Click("UndoCheck");
    driver.Next();
    driver.Next();
    QCOMPARE(photos.Files(), Names({"IMG_0042.jpg", "IMG_0043.JPG", "IMG_0050.jpeg"}));
    QVERIFY(driver.Dialogs().messages.empty());
    QCOMPARE(UndoFiles(home).size(), 1);
}

void Workflow::ImportAndExportInEveryLayout_data()
{
    QTest::addColumn<int>("layout");
    for (int layout = 1; layout <= 6; ++layout) {
        QTest::addRow("layout %d", layout) << layout;
    }
}

void Workflow::ImportAndExportInEveryLayout()
{
    QFETCH(int, layout);
    const std::string home = FreshHome();
    Folder files;
    files.Add(QStringLiteral("a.txt"));
    files.Add(QStringLiteral("b.txt"));
    files.Add(QStringLiteral("c.txt"));
    Folder lists;
    const QString listFile = lists.Path() + QStringLiteral("/names.txt");
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("new_1"));
    driver.Click("IncNameCheck");
    driver.Next();
    const QStringList oldNames = driver.Column(0);
    const QStringList newNames = driver.Column(1);
    QCOMPARE(newNames, Names({"new_1.txt", "new_2.txt", "new_3.txt"}));

    driver.Dialogs().fileAnswers.push_back(listFile);
    driver.Click("SaveBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::Export);
    QVERIFY(driver.Dialogs().fileDialogs.back().save);
    driver.ClickTab("KindOfSaveList", layout - 1);
    QCOMPARE(driver.Find("KindSaveEdit")->isEnabled(), layout >= 5);
    driver.Type("KindSaveEdit", QStringLiteral(" | "));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QVERIFY(QFileInfo::exists(listFile));

    driver.Click("DoubleBtn");
    QCOMPARE(driver.Column(1), oldNames);
    driver.Dialogs().fileAnswers.push_back(listFile);
    driver.Click("OpenBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::Import);
    driver.ClickTab("KindOfLoadList", layout - 1);
    QCOMPARE(driver.Find("Kind5Edit")->isEnabled(), layout >= 5);
    driver.Type("Kind5Edit", QStringLiteral(" | "));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QVERIFY(driver.Dialogs().messages.empty());
    QCOMPARE(driver.Column(0), oldNames);
    // A list of old names alone gives no new names.
    QCOMPARE(driver.Column(1), layout == 3 ? oldNames : newNames);
}

void Workflow::FilterHidesRowsThatKeepTheirEdits()
{
    Folder files;
    for (const char* name : {"apple.txt", "avocado.txt", "banana.txt"}) {
        files.Add(QString::fromLatin1(name));
    }
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.Click("FilterBtn");
    QCOMPARE(driver.Form().CurrentPage(), Page::Filter);
    QVERIFY(!driver.Find("CancelBtn")->isEnabled());
    driver.Click("FilterOldNameCheck");
    driver.Type("FilterOldNameEdit", QStringLiteral("AP;Avo"));
    driver.Next();
    // The filter is off until its button is down.
    QCOMPARE(driver.Column(0).size(), 3);
    driver.Click("SetFilterBtn");
    QCOMPARE(driver.Column(0), Names({"apple.txt", "avocado.txt"}));

    driver.ClickRow(1);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("guacamole.txt"));
    driver.Click("EditBtn");
    driver.Click("CheckAllBtn");
    driver.Click("SetFilterBtn");
    QCOMPARE(driver.Column(0), Names({"apple.txt", "avocado.txt", "banana.txt"}));
    QCOMPARE(driver.Column(1), Names({"apple.txt", "guacamole.txt", "banana.txt"}));
    QCOMPARE(driver.Checks(), (QList<bool>{true, true, false}));

    // Removing all shown rows with the filter on leaves the hidden ones.
    driver.Click("SetFilterBtn");
    driver.Click("DelAllBtn");
    QCOMPARE(driver.Column(0), QStringList());
    driver.Click("SetFilterBtn");
    QCOMPARE(driver.Column(0), QStringList{QStringLiteral("banana.txt")});
    QVERIFY(driver.Dialogs().messages.empty());
}

void Workflow::RunReportsEveryStatusAndTouchesOnlyCheckedRows()
{
    const std::string home = FreshHome();
    Folder files;
    for (const char* name : {"gone.txt", "keep.txt", "taken.txt", "other.txt", "move.txt", "skip.txt"}) {
        files.Add(QString::fromLatin1(name), name);
    }
    Driver driver(home);
    driver.OpenFolder(files.Path());
    QCOMPARE(driver.Column(0), Names({"gone.txt", "keep.txt", "move.txt", "other.txt", "skip.txt", "taken.txt"}));
    QVERIFY(QFile::remove(files.Path() + QStringLiteral("/gone.txt")));
    const std::pair<int, const char*> edits[] = {{2, "moved.txt"}, {3, "taken.txt"}, {4, "skipped.txt"}};
    for (const auto& [row, name] : edits) {
        driver.ClickRow(row);
        driver.Dialogs().inputAnswers.push_back(QString::fromLatin1(name));
        driver.Click("EditBtn");
    }
    driver.Click("CheckAllBtn");
    driver.ClickRow(4);
    QTest::keyClick(driver.Find<QTableView>("FilterList"), Qt::Key_Space);
    QCOMPARE(driver.Checks(), (QList<bool>{true, true, true, true, false, true}));
    if (driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    driver.Next();
    QCOMPARE(driver.TextOf("PreviewCtyLabel"), QStringLiteral("5"));
    QCOMPARE(driver.TextOf("PreviewUndoLabel"), LanguageText(home, "English.lng", "PreviewUndoLabel2"));
    driver.Next();
    const auto status = [&home](const char* key) { return LanguageText(home, "English.lng", key); };
    QCOMPARE(ResultColumn(driver, 0), Names({"gone.txt", "keep.txt", "move.txt", "other.txt", "taken.txt"}));
    QCOMPARE(ResultColumn(driver, 2),
             (QStringList{status("StatusDontExist"), status("StatusCancel"), status("StatusRenamed"),
                          status("StatusExist"), status("StatusCancel")}));
    QCOMPARE(driver.TextOf("ResultDontExistLabel"), QStringLiteral("1"));
    QCOMPARE(driver.TextOf("ResultCancelLabel"), QStringLiteral("2"));
    QCOMPARE(driver.TextOf("ResultExistLabel"), QStringLiteral("1"));
    QCOMPARE(driver.TextOf("ResultOKLabel"), QStringLiteral("1"));
    QCOMPARE(driver.TextOf("ResultNOLabel"), QStringLiteral("0"));
    QCOMPARE(files.Files(), Names({"keep.txt", "moved.txt", "other.txt", "skip.txt", "taken.txt"}));
    QCOMPARE(files.Read(QStringLiteral("taken.txt")), QByteArray("taken.txt"));
    QVERIFY(driver.Dialogs().messages.empty());
    QVERIFY(UndoFiles(home).isEmpty());
}

void Workflow::PreviewForecastsASwapAndOrderingRunsIt()
{
    const std::string home = FreshHome();
    Folder files;
    files.Add(QStringLiteral("a.txt"), "A");
    files.Add(QStringLiteral("b.txt"), "B");
    files.Add(QStringLiteral("c.txt"), "C");
    Driver driver(home);
    driver.OpenFolder(files.Path());
    const std::pair<int, const char*> edits[] = {{0, "b.txt"}, {1, "a.txt"}};
    for (const auto& [row, name] : edits) {
        driver.ClickRow(row);
        driver.Dialogs().inputAnswers.push_back(QString::fromLatin1(name));
        driver.Click("EditBtn");
    }
    driver.Click("CheckAllBtn");
    driver.Next();
    const auto text = [&home](const char* key) { return LanguageText(home, "English.lng", key); };
    // In the shown order each of the two meets the other's file; c.txt keeps its name.
    QCOMPARE(driver.TextOf("PreviewExistLabel"), text("StatusExist") + QStringLiteral(": 2"));
    QCOMPARE(driver.TextOf("PreviewCancelLabel"), text("StatusCancel") + QStringLiteral(": 1"));
    QCOMPARE(driver.TextOf("ForecastWarningLabel"), text("ForecastWarning"));
    auto* order = driver.Find<QAbstractButton>("OrderCheck");
    QVERIFY(!order->isHidden());
    driver.Click("OrderCheck");
    QCOMPARE(driver.TextOf("PreviewOKLabel"), text("StatusRenamed") + QStringLiteral(": 2"));
    QCOMPARE(driver.TextOf("PreviewExistLabel"), text("StatusExist") + QStringLiteral(": 0"));
    driver.Next();
    QCOMPARE(driver.TextOf("ResultOKLabel"), QStringLiteral("2"));
    QCOMPARE(files.Read(QStringLiteral("a.txt")), QByteArray("B"));
    QCOMPARE(files.Read(QStringLiteral("b.txt")), QByteArray("A"));
    QCOMPARE(files.Files(), Names({"a.txt", "b.txt", "c.txt"}));
}

void Workflow::PreviewWarnsInRedWhenNoRowIsChecked()
{
    const std::string home = FreshHome();
    Folder files;
    files.Add(QStringLiteral("a.txt"));
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.ClickRow(0);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("b.txt"));
    driver.Click("EditBtn");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Preview);
    auto* warning = driver.Find<QLabel>("ForecastWarningLabel");
    QCOMPARE(warning->text(), LanguageText(home, "English.lng", "NoRowChecked"));
    QVERIFY(warning->isVisibleTo(&driver.Form()));

    driver.Prev();
    driver.ClickRow(0);
    QTest::keyClick(driver.Find<QTableView>("FilterList"), Qt::Key_Space);
    driver.Next();
    QCOMPARE(driver.TextOf("PreviewCtyLabel"), QStringLiteral("1"));
    QCOMPARE(warning->text(), QString());
}

void Workflow::RowsARunNeverReachedAreCountedAndNamesShowWholeInToolTips()
{
    const std::string home = FreshHome();
    const QString longName = QString(80, u'a') + QStringLiteral(".txt");
    Folder files;
    files.Add(longName);
    files.Add(QStringLiteral("b.txt"));
    Driver driver(home);
    driver.OpenFolder(files.Path());
    for (const char* list : {"FilterList", "TotalList"}) {
        const QAbstractItemModel* model = driver.Find<QTableView>(list)->model();
        QCOMPARE(model->index(0, 0).data(Qt::ToolTipRole).toString(), longName);
    }
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("*2"));
    driver.Type("MaskExtEdit", QStringLiteral("*"));
    if (driver.Find<QAbstractButton>("IncNameCheck")->isChecked()) {
        driver.Click("IncNameCheck");
    }
    driver.Next();
    driver.Click("CheckAllBtn");
    if (!driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    // Without its undo folder the run stops before its first rename.
    QDir(QString::fromStdString(home + "undo")).removeRecursively();
    driver.Next();
    driver.Next();
    QCOMPARE(driver.TextOf("ResultNotReachedLabel"), QStringLiteral("2"));
    QCOMPARE(driver.TextOf("ResultOKLabel"), QStringLiteral("0"));
    QCOMPARE(ResultColumn(driver, 2), QStringList(2, LanguageText(home, "English.lng", "StatusNotReached")));
    const QAbstractItemModel* results = driver.Find<QTableView>("ResultView")->model();
    QCOMPARE(results->index(0, 1).data(Qt::ToolTipRole).toString(),
             QString(80, u'a') + QStringLiteral("2.txt\n") + LanguageText(home, "English.lng", "ReasonUndoStopped"));
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Error);
    QCOMPARE(files.Files(), (QStringList{longName, QStringLiteral("b.txt")}));
}

void Workflow::ResultPageFillsWhileTheRunGoes()
{
    constexpr int Count = 30000;
    Folder files;
    for (int k = 0; k < Count; ++k) {
        files.Add(QStringLiteral("f%1").arg(k, 5, 10, QChar(u'0')));
    }
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("g*"));
    driver.Next();
    driver.Click("CheckAllBtn");
    if (driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    driver.Next();
    // While the run goes the window paints: the result page shows and fills.
    std::optional<Page> page;
    int rowsMidway = 0;
    bool cancelMidway = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &driver.Form(), [&] {
        const int rows = driver.Find<QTableView>("ResultView")->model()->rowCount();
        if (rows > 0 && rows < Count && rowsMidway == 0) {
            page = driver.Form().CurrentPage();
            rowsMidway = rows;
            cancelMidway = driver.Find("CancelBtn")->isEnabled();
        }
    });
    watch.start(0);
    driver.Next();
    watch.stop();
    QCOMPARE(page, std::optional<Page>(Page::Result));
    QVERIFY2(rowsMidway > 0, "the result list did not grow during the run");
    // Cancel stops the run.
    QVERIFY(cancelMidway);
    QCOMPARE(driver.Find<QTableView>("ResultView")->model()->rowCount(), Count);
    QCOMPARE(driver.TextOf("ResultOKLabel"), QString::number(Count));
    QVERIFY(driver.Find("CancelBtn")->isEnabled());
    QVERIFY(files.Files().first().startsWith(u'g'));
}

void Workflow::RunWaitsWithANoteWhileAnotherRunHoldsTheFolder()
{
    const std::string home = FreshHome();
    Folder files;
    files.Add(QStringLiteral("a.txt"));
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.Click("CheckAllBtn");
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 1);
    driver.Type("ChangeFromEdit", QStringLiteral("a"));
    driver.Type("ChangeToEdit", QStringLiteral("b"));
    driver.Next();
    driver.Next();
    // Another run holds the folder until the note has shown.
    std::optional<FolderLock> other(std::in_place, files.Path().toStdString());
    QCOMPARE(other->TryTake(), FolderLock::Attempt::Taken);
    QString note;
    QStringList filesWhileWaiting;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &driver.Form(), [&] {
        const auto* shown = driver.Form().findChild<QLabel*>(QStringLiteral("FolderWaitNote"));
        if (other && shown != nullptr && shown->isVisible()) {
            note = shown->text();
            filesWhileWaiting = files.Files();
            other.reset();
        }
    });
    watch.start(0);
    driver.Next();
    watch.stop();
    QCOMPARE(note, LanguageText(home, "English.lng", "RunWaitsForFolder"));
    QCOMPARE(filesWhileWaiting, Names({"a.txt"}));
    QCOMPARE(files.Files(), Names({"b.txt"}));
    QVERIFY(driver.Form().findChild<QLabel*>(QStringLiteral("FolderWaitNote")) == nullptr);
    QCOMPARE(driver.TextOf("ResultOKLabel"), QStringLiteral("1"));
}

void Workflow::FailingStepShowsItsErrorAndStaysOnThePage()
{
    Folder files;
    files.Add(QStringLiteral("a.txt"));
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    const QString nowhere = files.Path() + QStringLiteral("/no/such/folder/names.txt");
    driver.Dialogs().fileAnswers.push_back(nowhere);
    driver.Click("SaveBtn");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Export);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Critical);
    QCOMPARE(driver.Dialogs().TakeMessages(), QStringList{QStringLiteral("Cannot create file ") + nowhere});
    driver.Cancel();
    driver.Dialogs().fileAnswers.push_back(nowhere);
    driver.Click("OpenBtn");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Import);
    QCOMPARE(driver.Dialogs().TakeMessages(), QStringList{QStringLiteral("Cannot open file ") + nowhere});
    QCOMPARE(driver.Column(0), QStringList{QStringLiteral("a.txt")});
    QVERIFY(QApplication::overrideCursor() == nullptr);
    driver.Cancel();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
}

void Workflow::MaskTokensStayTypedAndTellWhichHadNoValue()
{
    Folder files;
    files.Add(QStringLiteral("a.txt"), "xy");
    files.Add(QStringLiteral("b.txt"), "xyz");
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("<size>?_*"));
    driver.Type("MaskExtEdit", QStringLiteral("<date:taken|%H:%M>"));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.Column(1), Names({"2_a.", "3_b."}));
    QCOMPARE(driver.Find<QLineEdit>("MaskNameEdit")->text(), QStringLiteral("<size>_*"));
    QCOMPARE(driver.Find<QLineEdit>("MaskExtEdit")->text(), QStringLiteral("<date:taken|%H:%M>"));
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Information);
    const QString told = driver.Dialogs().TakeMessages().value(0);
    QVERIFY2(told.contains(QStringLiteral("<date:taken|%H:%M>")) && told.contains(u'2'), qPrintable(told));
}

void Workflow::RootFolderKeepsItsSingleSlash()
{
    Driver driver(FreshHome());
    driver.Click("RadioButton1");
    driver.Next();
    driver.ChooseFolder(QStringLiteral("/"));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), QStringLiteral("/"));
}

void Workflow::DatePickersKeepTheirOrder()
{
    Driver driver(FreshHome());
    driver.Form().ShowPage(Page::Filter);
    auto* first = driver.Find<QDateEdit>("FilterFirstDateEdit");
    auto* last = driver.Find<QDateEdit>("FilterLastDateEdit");
    QCOMPARE(first->date(), QDate(2005, 11, 30));
    first->setDate(QDate(2006, 1, 15));
    QCOMPARE(last->date(), QDate(2006, 1, 15));
    last->setDate(QDate(2004, 5, 1));
    QCOMPARE(first->date(), QDate(2004, 5, 1));
    last->setDate(QDate(2007, 1, 1));
    QCOMPARE(first->date(), QDate(2004, 5, 1));
}

QTEST_MAIN(Workflow)
#include "Workflow_test.moc"
