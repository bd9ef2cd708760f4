// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTimer>

using namespace tollwick;
using namespace tollwick::test;

class Jobs final : public QObject {
    Q_OBJECT

private slots:
    void StoppedRunKeepsAnUndoRecordThatLeadsEveryFileBack_data();
    void StoppedRunKeepsAnUndoRecordThatLeadsEveryFileBack();
    void StoppedScanKeepsTheListItHad();
};

namespace {

QString FileName(int k)
{
    return QStringLiteral("f%1").arg(k, 5, 10, QChar(u'0'));
}

// Each file holds its own first name, so after an undo every name must hold what it held before.
void ExpectEveryFileBack(const Folder& files, int count)
{
    const QStringList names = files.Files();
    QCOMPARE(names.size(), count);
    for (int k = 0; k < count; ++k) {
        QCOMPARE(names[k], FileName(k));
        QCOMPARE(files.Read(names[k]), FileName(k).toUtf8());
    }
}

// Asks the running job to stop as the user does, once `due` holds.
void StopWhen(Driver& driver, bool byEscape, const std::function<bool()>& due, QTimer& watch)
{
    QObject::connect(&watch, &QTimer::timeout, &driver.Form(), [&driver, byEscape, due, &watch] {
        if (!driver.Form().JobRunning() || !due()) {
            return;
        }
        watch.stop();
        if (byEscape) {
            QTest::keyClick(&driver.Form(), Qt::Key_Escape);
        } else {
            driver.Cancel();
        }
    });
    watch.start(0);
}

} // namespace

void Jobs::StoppedRunKeepsAnUndoRecordThatLeadsEveryFileBack_data()
{
    // A hundred thousand once; the key is the same stop and needs no more.
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<int>("count");
    QTest::newRow("Cancel") << false << 100000;
    QTest::newRow("Esc") << true << 20000;
}

void Jobs::StoppedRunKeepsAnUndoRecordThatLeadsEveryFileBack()
{
    QFETCH(bool, byEscape);
    QFETCH(int, count);
    const std::string home = FreshHome();
    Folder files;
    for (int k = 0; k < count; ++k) {
        files.Add(FileName(k), FileName(k).toUtf8());
    }
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("g*"));
    driver.Next();
    driver.Click("CheckAllBtn");
    if (!driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    driver.Next();
    const int stopAt = static_cast<int>(QRandomGenerator::global()->bounded(1, count / 2));
    qInfo("stopping after %d results", stopAt);
    QTimer watch;
    const QAbstractItemModel* results = driver.Find<QTableView>("ResultView")->model();
    StopWhen(
        driver, byEscape, [results, stopAt] { return results->rowCount() >= stopAt; }, watch);
    driver.Next();

    const int renamed = driver.TextOf("ResultOKLabel").toInt();
    const int notReached = driver.TextOf("ResultNotReachedLabel").toInt();
    QVERIFY2(notReached > 0, "the run was not stopped");
    QCOMPARE(renamed + notReached, count);
    QCOMPARE(results->rowCount(), count);
    QCOMPARE(files.Files().filter(QRegularExpression(QStringLiteral("^gf"))).size(), renamed);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Error);
    driver.Dialogs().TakeMessages();

    // The undo file of the stopped run leads back exactly the files it renamed.
    driver.Cancel();
    driver.Click("RadioButton2");
    const QStringList undoFiles =
        QDir(QString::fromStdString(home + "undo")).entryList({QStringLiteral("*.twu")}, QDir::Files);
    QCOMPARE(undoFiles.size(), 1);
    driver.Dialogs().fileAnswers.push_back(QString::fromStdString(home + "undo/") + undoFiles[0]);
    driver.Next();
    QCOMPARE(driver.Column(0).size(), renamed);
    driver.Click("CheckAllBtn");
    driver.Click("UndoCheck");
    driver.Next();
    driver.Next();
    QCOMPARE(driver.TextOf("ResultOKLabel").toInt(), renamed);
    ExpectEveryFileBack(files, count);
}

void Jobs::StoppedScanKeepsTheListItHad()
{
    Folder small;
    small.Add(QStringLiteral("a.txt"));
    Folder big;
    for (int k = 0; k < 20000; ++k) {
        big.Add(FileName(k));
    }
    Driver driver(FreshHome());
    driver.OpenFolder(small.Path());
    driver.Cancel();
    driver.Click("RadioButton1");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
    driver.ChooseFolder(big.Path());
    QTimer watch;
    StopWhen(
        driver, true, [] { return true; }, watch);
    driver.Next();

    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
    QVERIFY(driver.Dialogs().messages.empty());
    QCOMPARE(driver.Form().List().TotalList.size(), std::size_t{1});
    QCOMPARE(driver.Form().List().TotalList[0].OldName, std::string("a.txt"));
}

QTEST_MAIN(Jobs)
#include "Jobs_test.moc"
