// SPDX-License-Identifier: GPL-3.0-or-later
// Times the list page with many rows: open, sort, generation pass, the
// marks of the rows the run would not rename.
// Not a test: run it by hand, it prints its figures.
#include "WindowFixture.h"
#include "window/WindowProgress.h"

#include <QElapsedTimer>
#include <QTableView>
#include <QTreeView>

using namespace tollwick;
using namespace tollwick::test;

namespace {

double Seconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Lets the views lay out and paint what the step left, as the user would see it.
void Settle(Driver& driver)
{
    QCoreApplication::processEvents();
    driver.Find<QTableView>("FilterList")->viewport()->repaint();
}

void MakeFiles(const QString& folder, int count)
{
    for (int k = 0; k < count; ++k) {
        QFile file(folder + QStringLiteral("/IMG_%1.jpg").arg(k, 7, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot make the files");
        }
    }
}

void MakeNameList(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write the name list");
    }
    for (int k = 0; k < count; ++k) {
        file.write(QStringLiteral("IMG_%1.jpg = photo %1.jpg\r\n").arg(k, 7, 10, QChar(u'0')).toUtf8());
    }
}

void Measure(Driver& driver, const char* what)
{
    QElapsedTimer timer;
    timer.start();
    driver.ClickHeader(1);
    Settle(driver);
    const double sort = Seconds(timer);
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("Holiday_000001"));
    timer.restart();
    driver.Next();
    Settle(driver);
    const double pass = Seconds(timer);
    const QString countBefore = driver.TextOf("ListForecastLabel");
    timer.restart();
    driver.Click("CheckAllBtn");
    Settle(driver);
    const double checkAll = Seconds(timer);
    std::printf("%s: sort by new name %.3f s, generator pass %.3f s, check all %.3f s, %d paints\n", what, sort, pass,
                checkAll, driver.Form().ProgressOfWindow().ShownCount());
    // The marks follow after a pause of the user; the count under the list shows them done.
    timer.restart();
    while (driver.TextOf("ListForecastLabel") == countBefore && timer.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    std::printf("%s  marks after check all: %.3f s, pause included\n", what, Seconds(timer));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int fileRows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int listRows = argc > 2 ? std::atoi(argv[2]) : 1000000;

    Folder folder;
    MakeFiles(folder.Path(), fileRows);
    Driver driver(FreshHome());
    QElapsedTimer timer;
    timer.start();
    driver.OpenFolder(folder.Path());
    Settle(driver);
    std::printf("%d files: list page open %.3f s\n", fileRows, Seconds(timer));
    Measure(driver, "  ");

    Folder lists;
    const QString listFile = lists.Path() + QStringLiteral("/names.txt");
    MakeNameList(listFile, listRows);
    driver.Dialogs().fileAnswers.push_back(listFile);
    driver.Click("OpenBtn");
    driver.ClickTab("KindOfLoadList", 4);
    driver.Type("Kind5Edit", QStringLiteral(" = "));
    timer.restart();
    driver.Next();
    Settle(driver);
    std::printf("%d imported rows: list page open %.3f s\n", listRows, Seconds(timer));
    Measure(driver, "  ");
    return 0;
}
