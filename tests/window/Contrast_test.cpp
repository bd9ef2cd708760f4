// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "window/ThemeColours.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>

using namespace tollwick;
using namespace tollwick::test;

class Contrast final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ShadesReachTheContrastAndKeepTheirHue();
    void EveryColouredTextReadsOnLightAndDarkPalettes();
};

namespace {

struct ColouredText {
    const char* name;
    FixedHue hue;
};

// Every text of the layout with a fixed colour.
const ColouredText colouredTexts[] = {{"Label1", FixedHue::Maroon},
                                      {"InternetLinkLabel", FixedHue::Navy},
                                      {"MailLinkLabel", FixedHue::Navy},
                                      {"DirName", FixedHue::Navy},
                                      {"PreviewDirLabel", FixedHue::Navy},
                                      {"PreviewCtyLabel", FixedHue::Navy},
                                      {"PreviewUndoLabel", FixedHue::Navy},
                                      {"ResultTotalLabel", FixedHue::Navy},
                                      {"ResultOKLabel", FixedHue::Teal},
                                      {"ResultCancelLabel", FixedHue::Teal},
                                      {"ResultExistLabel", FixedHue::Red},
                                      {"ResultNOLabel", FixedHue::Red},
                                      {"ResultDontExistLabel", FixedHue::Red},
                                      {"ResultNotReachedLabel", FixedHue::Red},
                                      {"KindDemo", FixedHue::Navy},
                                      {"KindSaveDemo", FixedHue::Navy}};

// The colours a dark desktop theme gives, with tooltips left at the bright default.
QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    dark.setColor(QPalette::ToolTipText, Qt::black);
    return dark;
}

// What a text is drawn on: a memo's field, else the nearest filled parent.
QColor BackgroundOf(const QWidget* widget)
{
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
        return memo->viewport()->palette().color(QPalette::Base);
    }
    const QWidget* filled = widget->parentWidget();
    while (!filled->autoFillBackground() && !filled->isWindow()) {
        filled = filled->parentWidget();
    }
    return filled->palette().color(filled->backgroundRole());
}

QColor TextColourOf(const QWidget* widget)
{
    return qobject_cast<const QPlainTextEdit*>(widget) != nullptr ? widget->palette().color(QPalette::Text)
                                                                  : widget->palette().color(widget->foregroundRole());
}

void CheckEveryText(Driver& driver, const char* paletteName, bool light)
{
    for (const ColouredText& text : colouredTexts) {
        const QWidget* widget = driver.Find(text.name);
        const QColor colour = TextColourOf(widget);
        const double ratio = ContrastRatio(colour, BackgroundOf(widget));
        qInfo("%s %-20s %s on %s: %.2f:1", paletteName, text.name, qPrintable(colour.name()),
              qPrintable(BackgroundOf(widget).name()), ratio);
        QVERIFY2(ratio >= ReadableContrast, text.name);
        QVERIFY2(std::abs(colour.hslHue() - DesignColour(text.hue).hslHue()) <= 2, text.name);
        // On a light palette navy and maroon keep the design's colour; the others are darkened no further than needed.
        if (light && (text.hue == FixedHue::Navy || text.hue == FixedHue::Maroon)) {
            QCOMPARE(colour, DesignColour(text.hue));
        } else if (light) {
            QVERIFY2(ratio < ReadableContrast + 0.2, text.name);
        }
    }
    const auto* help = driver.Find<QPlainTextEdit>("HelpMemo");
    const QColor helpBase = help->viewport()->palette().color(QPalette::Base);
    const double helpRatio = ContrastRatio(help->palette().color(QPalette::Text), helpBase);
    qInfo("%s HelpMemo on %s: %.2f:1", paletteName, qPrintable(helpBase.name()), helpRatio);
    QVERIFY(helpRatio >= ReadableContrast);
    // No bright panel on a dark window.
    QCOMPARE(IsDark(helpBase), !light);
}

} // namespace

void Contrast::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void Contrast::ShadesReachTheContrastAndKeepTheirHue()
{
    for (const FixedHue hue : {FixedHue::Navy, FixedHue::Maroon, FixedHue::Teal, FixedHue::Red}) {
        for (const QColor background :
             {QColor(Qt::white), QColor(239, 239, 239), QColor(53, 53, 53), QColor(Qt::black)}) {
            const QColor shade = ReadableShade(hue, background);
            QVERIFY(ContrastRatio(shade, background) >= ReadableContrast);
            QCOMPARE(shade.hslHue(), DesignColour(hue).hslHue());
        }
    }
    // Known figures: black on white is 21:1, and the design's teal on white falls short.
    QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
    QVERIFY(ContrastRatio(DesignColour(FixedHue::Teal), QColor(239, 239, 239)) < ReadableContrast);
    QCOMPARE(ReadableShade(FixedHue::Navy, Qt::white), DesignColour(FixedHue::Navy));
}

void Contrast::EveryColouredTextReadsOnLightAndDarkPalettes()
{
    const QPalette light = QApplication::style()->standardPalette();
    QApplication::setPalette(light);
    Driver driver(FreshHome());
    CheckEveryText(driver, "light", true);

    // The window follows a change of theme while it is open.
    QApplication::setPalette(DarkPalette());
    QTest::qWait(50);
    CheckEveryText(driver, "dark", false);
    QApplication::setPalette(light);
}

QTEST_MAIN(Contrast)
#include "Contrast_test.moc"
