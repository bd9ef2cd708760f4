// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QThread>
#include <QtTest>

using namespace tollwick;

class ProgressOnScreen final : public QObject {
    Q_OBJECT

private slots:
    void BarFollowsEveryStepButTakesItRarely();
    void HourglassComesAtNinetyAndGoesWithTheCursor();
    void ErrorMidwayLeavesTheBarPainting();
};

void ProgressOnScreen::BarFollowsEveryStepButTakesItRarely()
{
    QProgressBar bar;
    bar.show();
    int flushes = 0;
    Progress* shown = nullptr;
    int paintsBehind = 0;
    // At each paint the bar shows the position the progress holds at that moment.
    WindowProgress view(&bar, [&] {
        ++flushes;
        if (bar.value() != shown->Position() || bar.maximum() != shown->Maximum()) {
            ++paintsBehind;
        }
    });
    Progress progress(&view);
    shown = &progress;
    constexpr int Steps = 1'000'000;
    QElapsedTimer timer;
    timer.start();
    progress.ShowProgress(0, Steps);
    for (int k = 1; k <= Steps; ++k) {
        progress.ShowProgress(k, 0);
        if (k == Steps / 4) {
            // A slow step: the next one is due to paint.
            QThread::msleep(40);
        }
        if (k == Steps / 2) {
            QCOMPARE(view.Position(), Steps / 2);
            QCOMPARE(view.Maximum(), Steps);
            view.Settle();
            QCOMPARE(bar.value(), Steps / 2);
            QCOMPARE(bar.maximum(), Steps);
        }
    }
    QCOMPARE(paintsBehind, 0);
    QVERIFY(view.ShownCount() > 0);
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;
    QVERIFY2(view.ShownCount() <= static_cast<int>(seconds * 31) + 1,
             qPrintable(QStringLiteral("%1 hand-overs in %2 s").arg(view.ShownCount()).arg(seconds)));
    QVERIFY(flushes >= view.ShownCount());
    progress.ShowProgress(0, 100);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.maximum(), 100);
    QVERIFY(bar.updatesEnabled());
}

void ProgressOnScreen::HourglassComesAtNinetyAndGoesWithTheCursor()
{
    QProgressBar bar;
    WindowProgress view(&bar, {});
    Progress progress(&view);
    progress.ShowProgress(0, 100);
    {
        const SavedCursor cursor(progress);
        for (int k = 1; k <= 89; ++k) {
            progress.ShowProgress(k, 0);
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
        progress.ShowProgress(90, 0);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void ProgressOnScreen::ErrorMidwayLeavesTheBarPainting()
{
    QProgressBar bar;
    WindowProgress view(&bar, {});
    Progress progress(&view);
    progress.ShowProgress(0, 10);
    progress.ShowProgress(3, 0);
    view.Settle();
    QVERIFY(bar.updatesEnabled());
    QCOMPARE(bar.value(), 3);
}

QTEST_MAIN(ProgressOnScreen)
#include "Progress_test.moc"
