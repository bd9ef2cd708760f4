// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

using namespace tollwick;
using namespace tollwick::test;

class SamplePage final : public QObject {
    Q_OBJECT

private slots:
    void SampleFollowsTheOptionsAndTheTab();
    void SampleIsOfTheSelectedRowAndItsCounter();
    void SettingErrorsShowInRedAndStopNext();
    void TextsThatLoseCharactersShowTheCleanedNameInRed();
};

namespace {

QLabel* SampleLabel(const Driver& driver)
{
    return driver.Find<QLabel>("GenerateSampleLabel");
}

bool ShowsRed(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

void SetChecked(Driver& driver, const char* name, bool checked)
{
    if (driver.Find<QAbstractButton>(name)->isChecked() != checked) {
        driver.Click(name);
    }
}

} // namespace

void SamplePage::SampleFollowsTheOptionsAndTheTab()
{
    Folder photos;
    photos.Add(QStringLiteral("IMG_0042.JPG"));
    photos.Add(QStringLiteral("notes.txt"));
    Driver driver(FreshHome());
    driver.OpenFolder(photos.Path());
    driver.Click("GenerateBtn");

    driver.ClickTab("GeneratePage", 1);
    SetChecked(driver, "RegExpCheck", true);
    driver.Type("ChangeFromEdit", QStringLiteral(R"(IMG_(\d+))"));
    driver.Type("ChangeToEdit", QStringLiteral("photo-$1"));
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: IMG_0042.JPG\nNew: photo-0042.JPG"));
    SetChecked(driver, "DoNotChangeExtCheck", true);
    driver.Type("ChangeFromEdit", QStringLiteral("jpg$"));
    driver.Type("ChangeToEdit", QStringLiteral("png"));
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: IMG_0042.JPG\nNew: IMG_0042.JPG"));
    SetChecked(driver, "DoNotChangeExtCheck", false);
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: IMG_0042.JPG\nNew: IMG_0042.png"));

    driver.ClickTab("GeneratePage", 0);
    driver.Click("GenDownCheck");
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: IMG_0042.JPG\nNew: img_0042.jpg"));
    QVERIFY(!ShowsRed(SampleLabel(driver)));

    // Next runs what the sample showed.
    driver.ClickTab("GeneratePage", 1);
    driver.Next();
    QCOMPARE(driver.Column(1), Names({"IMG_0042.png", "notes.txt"}));
}

void SamplePage::SampleIsOfTheSelectedRowAndItsCounter()
{
    Folder files;
    for (const char* name : {"a1.txt", "a2.txt", "a10.txt"}) {
        files.Add(QString::fromLatin1(name));
    }
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    QCOMPARE(driver.Column(0), Names({"a1.txt", "a2.txt", "a10.txt"}));
    driver.ClickRow(2);
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("n01"));
    SetChecked(driver, "IncNameCheck", true);
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: a10.txt\nNew: n03.txt"));
    // Only checked rows count; an unchecked row keeps its name.
    SetChecked(driver, "ApplyCheckedOnlyCheck", true);
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: a10.txt\nNew: a10.txt"));
}

void SamplePage::SettingErrorsShowInRedAndStopNext()
{
    Folder files;
    files.Add(QStringLiteral("IMG_1.jpg"));
    Driver driver(FreshHome());
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");

    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("n9999999999"));
    SetChecked(driver, "IncNameCheck", true);
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("'9999999999' is not a valid integer value"));
    QVERIFY(ShowsRed(SampleLabel(driver)));

    driver.ClickTab("GeneratePage", 1);
    QVERIFY(!ShowsRed(SampleLabel(driver)));
    SetChecked(driver, "RegExpCheck", true);
    driver.Type("ChangeFromEdit", QStringLiteral("IMG_("));
    QVERIFY(ShowsRed(SampleLabel(driver)));
    QVERIFY(driver.TextOf("GenerateSampleLabel").contains(QStringLiteral("U_REGEX_MISMATCHED_PAREN")));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Generators);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Column(1), Names({"IMG_1.jpg"}));
    QCOMPARE(driver.Find<QLineEdit>("ChangeFromEdit")->text(), QStringLiteral("IMG_("));
}

void SamplePage::TextsThatLoseCharactersShowTheCleanedNameInRed()
{
    Folder files;
    files.Add(QStringLiteral("2024.txt"));
    const std::string home = FreshHome();
    Driver driver(home);
    driver.OpenFolder(files.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 1);
    driver.Type("ChangeFromEdit", QStringLiteral("2024"));
    driver.Type("ChangeToEdit", QStringLiteral("a/b:"));
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: 2024.txt\nNew: ab.txt"));
    QVERIFY(ShowsRed(SampleLabel(driver)));
    const QString why =
        LanguageText(home, "English.lng", "MsgCharsLeftOut").replace(QStringLiteral("%s"), QStringLiteral("/ :"));
    QVERIFY2(SampleLabel(driver)->toolTip().endsWith(why), qPrintable(SampleLabel(driver)->toolTip()));
    driver.Type("ChangeToEdit", QStringLiteral("ab"));
    QVERIFY(!ShowsRed(SampleLabel(driver)));
    QVERIFY(!SampleLabel(driver)->toolTip().contains(why));
}

QTEST_MAIN(SamplePage)
#include "GeneratorSample_test.moc"
