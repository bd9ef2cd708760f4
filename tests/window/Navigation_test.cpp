// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>

using namespace tollwick;
using namespace tollwick::test;

class Navigation final : public QObject {
    Q_OBJECT

private slots:
    void ButtonsFollowThePage();
    void CancelAndPrevLeadBackFromEveryPage();
    void HelpPanelSwitchMovesTheWindow();
    void HelpPanelShowsAtLeftEdgeWhenNoRoom();
    void HelpTextFollowsPageAndGeneratorTab();
    void MissingLanguageFileShowsErrorAndWindowStaysUsable();
    void MissingSettingsFileKeepsLayoutTexts();
    void StartPageChoicesLeadToTheirPages();
};

void Navigation::ButtonsFollowThePage()
{
    Driver driver(FreshHome());
    QCOMPARE(driver.Form().CurrentPage(), Page::Start);
    struct Expected {
        bool prev, next, cancel;
    };
    const Expected expected[] = {{false, true, false}, {false, false, true}, {false, true, true}, {true, true, true},
                                 {false, false, true}, {false, true, true},  {false, true, true}, {false, true, true},
                                 {false, true, true},  {false, true, false}};
    for (int page = 1; page <= 10; ++page) {
        driver.Form().ShowPage(static_cast<Page>(page));
        for (int other = 1; other <= 10; ++other) {
            const auto name = QStringLiteral("GroupBox%1").arg(other);
            QCOMPARE(driver.Form().findChild<QGroupBox*>(name)->isVisible(), other == page);
        }
        const Expected& states = expected[page - 1];
        QCOMPARE(driver.Find<QToolButton>("PrevBtn")->isEnabled(), states.prev);
        QCOMPARE(driver.Find<QToolButton>("NextBtn")->isEnabled(), states.next);
        QCOMPARE(driver.Find<QToolButton>("CancelBtn")->isEnabled(), states.cancel);
    }
}

void Navigation::CancelAndPrevLeadBackFromEveryPage()
{
    Driver driver(FreshHome());
    using enum Page;
    const Page afterCancel[] = {Start, Start, Start, Start, Start, List, Start, List, List, Filter};
    for (const Page page : {Start, About, List, Preview, Result, Import, Folder, Generators, Export, Filter}) {
        driver.Form().ShowPage(page);
        driver.Cancel();
        QCOMPARE(driver.Form().CurrentPage(), afterCancel[PageIndex(page)]);
        driver.Form().ShowPage(page);
        driver.Prev();
        QCOMPARE(driver.Form().CurrentPage(), page == Preview ? List : page);
    }
    QVERIFY(driver.Dialogs().messages.empty());
}

void Navigation::HelpPanelSwitchMovesTheWindow()
{
    Driver driver(FreshHome());
    TForm1& form = driver.Form();
    form.move(100, 50);
    QCOMPARE(form.width(), 627);
    const int pageRight = driver.Find<QGroupBox>("GroupBox1")->geometry().right();
    driver.Click("HelpCheck");
    QCOMPARE(form.width(), 431);
    QCOMPARE(form.x(), 296);
    QVERIFY(!driver.Find("HelpMemo")->isVisible());
    QVERIFY(!driver.Find("Shape1")->isVisible());
    // Everything right of the panel keeps its place against the right edge.
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->x(), 4);
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->geometry().right(), pageRight - 196);
    QCOMPARE(driver.Find("NextBtn")->geometry().right(), 536 + 33 - 196);
    QCOMPARE(driver.Find<QProgressBar>("ProgressBar")->x(), 4);
    QCOMPARE(driver.Find<QCheckBox>("HelpCheck")->x(), 4);
    QVERIFY(driver.Find("CancelBtn")->geometry().right() < form.width());

    driver.Click("HelpCheck");
    QCOMPARE(form.width(), 627);
    QCOMPARE(form.x(), 100);
    QVERIFY(driver.Find("HelpMemo")->isVisible());
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->x(), 200);
}

void Navigation::HelpPanelShowsAtLeftEdgeWhenNoRoom()
{
    Driver driver(FreshHome());
    driver.Click("HelpCheck");
    driver.Form().move(150, 50);
    driver.Click("HelpCheck");
    QCOMPARE(driver.Form().x(), 0);
    QCOMPARE(driver.Form().width(), 627);
}

void Navigation::HelpTextFollowsPageAndGeneratorTab()
{
    const std::string home = FreshHome();
    Driver driver(home);
    auto* help = driver.Find<QPlainTextEdit>("HelpMemo");
    const auto firstLine = [help] { return help->toPlainText().section(u'\n', 0, 0); };
    QCOMPARE(firstLine(), LanguageText(home, "English.lng", "GroupBox11"));
    driver.Form().ShowPage(Page::List);
    QCOMPARE(firstLine(), LanguageText(home, "English.lng", "GroupBox31"));
    driver.Form().ShowPage(Page::Generators);
    QCOMPARE(firstLine(), LanguageText(home, "English.lng", "Generate11"));
    driver.ClickTab("GeneratePage", 2);
    QCOMPARE(firstLine(), LanguageText(home, "English.lng", "Generate31"));
    driver.Cancel();
    driver.Form().ShowPage(Page::Generators);
    QCOMPARE(firstLine(), LanguageText(home, "English.lng", "Generate31"));
    QVERIFY(help->textCursor().position() == 0);
}

void Navigation::MissingLanguageFileShowsErrorAndWindowStaysUsable()
{
    const std::string home = FreshHome();
    QVERIFY(QFile::remove(QString::fromStdString(home + "language/English.lng")));
    Driver driver(home);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages[0].kind, Dialogs::MessageKind::Critical);
    QCOMPARE(driver.Dialogs().messages[0].text,
             QString::fromStdString("Cannot open file " + home + "language/English.lng"));
    QCOMPARE(driver.Form().CurrentPage(), Page::Start);
    // Captions keep their layout texts.
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->title(), QStringLiteral("GroupBox1"));
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
}

void Navigation::MissingSettingsFileKeepsLayoutTexts()
{
    const std::string home = FreshHome();
    QVERIFY(QFile::remove(QString::fromStdString(home + "data/config.cfg")));
    Driver driver(home);
    QCOMPARE(driver.Dialogs().TakeMessages(),
             QStringList{QString::fromStdString("Cannot open file " + home + "data/config.cfg")});
    QCOMPARE(driver.Find<QAbstractButton>("RadioButton1")->text(), QStringLiteral("RadioButton1"));
    QVERIFY(driver.Find<QAbstractButton>("RadioButton1")->isChecked());
    QVERIFY(driver.Find<QAbstractButton>("HelpCheck")->isChecked());
}

void Navigation::StartPageChoicesLeadToTheirPages()
{
    Driver driver(FreshHome());
    driver.Click("RadioButton4");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::About);
    driver.Cancel();
    driver.Click("RadioButton2");
    driver.Dialogs().fileAnswers.push_back(std::nullopt);
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Start);
    QCOMPARE(driver.Dialogs().fileDialogs.back().filter, QStringLiteral("*.twu"));
    QVERIFY(driver.Dialogs().fileDialogs.back().startFolder.endsWith(QStringLiteral("/undo")));
}

QTEST_MAIN(Navigation)
#include "Navigation_test.moc"
