// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace tollwick;
using namespace tollwick::test;

class SettingsOnScreen final : public QObject {
    Q_OBJECT

private slots:
    void SettingsSurviveTwoWindowLifetimes();
    void LanguageChangeKeepsControlStates();
    void RadioGroupsWithoutChoiceTakeTheirFirstButton();
    void BadFlagStopsTheLoadAndIsShown();
    void TableEditorWorksOnTheListItWasOpenedOn();
};

namespace {

QStringList FileLines(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

void WriteFile(const std::string& path, const QString& text)
{
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

bool IsChecked(const Driver& driver, const char* name)
{
    return driver.Find<QAbstractButton>(name)->isChecked();
}

void OpenMenu(QListWidget* list)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), list->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list->viewport(), &event);
}

void ChooseMenuItem(const Driver& driver, const char* name)
{
    auto* menu = driver.Find<QMenu>("PopupMenu1");
    auto* item = driver.Find<QAction>(name);
    QVERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int k = 0; k < list->count(); ++k) {
        entries.append(list->item(k)->text());
    }
    return entries;
}

} // namespace

void SettingsOnScreen::SettingsSurviveTwoWindowLifetimes()
{
    const std::string home = FreshHome();
    const QString awkward = QStringLiteral(" [a,b] ");
    {
        Driver driver(home);
        driver.Click("RadioButton4");
        driver.Next();
        driver.Cancel();
        driver.Form().ShowPage(Page::Filter);
        driver.Type("FilterOldNameEdit", awkward);
        driver.Form().ShowPage(Page::Generators);
        driver.Click("GenInvertCheck");
        driver.ClickTab("GeneratePage", 1);
        driver.Click("RegExpCheck");
        driver.ClickTab("GeneratePage", 3);
        driver.Click("LatToCyrCheck");
        driver.Click("ApplyCheckedOnlyCheck");
        driver.Click("HelpCheck");
        driver.Close();
    }
    const QStringList lines = FileLines(home + "data/config.cfg");
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines[0], QStringLiteral("[cfg_Language,English.lng]"));
    QCOMPARE(lines[1].left(18), QStringLiteral("[cfg_KindSaveEdit,"));
    QCOMPARE(lines[3], QStringLiteral("[cfg_FilterOldNameEdit, [a,b] ]"));
    QCOMPARE(lines[10], QStringLiteral("[cfg_RadioButton4,1]"));
    QCOMPARE(lines[31], QStringLiteral("[cfg_HelpCheck,0]"));
    QCOMPARE(FileLines(home + "data/options.cfg"), QStringList{QStringLiteral("[cfg_RegExpCheck,1]")});

    Driver again(home);
    QVERIFY(again.Dialogs().messages.empty());
    QVERIFY(IsChecked(again, "RadioButton4"));
    QVERIFY(!IsChecked(again, "RadioButton1"));
    QCOMPARE(again.Find<QLineEdit>("FilterOldNameEdit")->text(), awkward);
    QVERIFY(IsChecked(again, "GenInvertCheck"));
    QVERIFY(IsChecked(again, "RegExpCheck"));
    QVERIFY(!IsChecked(again, "GenDownCheck"));
    QVERIFY(IsChecked(again, "LatToCyrCheck"));
    QVERIFY(IsChecked(again, "ApplyCheckedOnlyCheck"));
    QVERIFY(!IsChecked(again, "HelpCheck"));
    QCOMPARE(again.Form().width(), 431);
    QVERIFY(!again.Find("HelpMemo")->isVisible());
}

void SettingsOnScreen::LanguageChangeKeepsControlStates()
{
    const std::string home = FreshHome();
    Driver driver(home);
    const bool undo = IsChecked(driver, "UndoCheck");
    driver.Form().ShowPage(Page::Generators);
    driver.Click("GenUpCheck");
    driver.Type("MaskNameEdit", QStringLiteral("Urlaub_01"));
    driver.Cancel();
    driver.Cancel();
    driver.Click("RadioButton3");
    driver.Dialogs().fileAnswers.push_back(QString::fromStdString(home + "language/Russian.lng"));
    driver.Next();
    QVERIFY(driver.Dialogs().messages.empty());
    QCOMPARE(driver.Form().CurrentPage(), Page::Start);
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->title(), LanguageText(home, "Russian.lng", "GroupBox1"));
    QCOMPARE(driver.Find<QAbstractButton>("UndoCheck")->text(), LanguageText(home, "Russian.lng", "UndoCheck"));
    QCOMPARE(driver.Find("NextBtn")->toolTip(), LanguageText(home, "Russian.lng", "NextBtn"));
    QCOMPARE(driver.Find<QTabWidget>("GeneratePage")->tabText(0), LanguageText(home, "Russian.lng", "Generate1"));
    QVERIFY(IsChecked(driver, "RadioButton3"));
    QCOMPARE(driver.Find<QPlainTextEdit>("HelpMemo")->toPlainText().section(u'\n', 0, 0),
             LanguageText(home, "Russian.lng", "GroupBox11"));
    QCOMPARE(IsChecked(driver, "UndoCheck"), undo);
    QVERIFY(IsChecked(driver, "GenUpCheck"));
    QCOMPARE(driver.Find<QLineEdit>("MaskNameEdit")->text(), QStringLiteral("Urlaub_01"));
    QCOMPARE(FileLines(home + "data/config.cfg").at(0), QStringLiteral("[cfg_Language,Russian.lng]"));
    // Messages follow the language at once.
    driver.Form().ShowPage(Page::List);
    driver.Click("EditBtn");
    QCOMPARE(driver.Dialogs().TakeMessages(), QStringList{LanguageText(home, "Russian.lng", "Msg8")});
}

void SettingsOnScreen::RadioGroupsWithoutChoiceTakeTheirFirstButton()
{
    const std::string home = FreshHome();
    QStringList lines = FileLines(home + "data/config.cfg");
    for (QString& line : lines) {
        if (line.contains(QStringLiteral("RadioButton")) || line.contains(QStringLiteral("Gen")) ||
            line.contains(QStringLiteral("ToLat")) || line.contains(QStringLiteral("ToCyr"))) {
            line.replace(QStringLiteral(",1]"), QStringLiteral(",0]"));
        }
    }
    lines.replaceInStrings(QStringLiteral("[cfg_GenUpCheck,0]"), QStringLiteral("[cfg_GenUpCheck,2]"));
    WriteFile(home + "data/config.cfg", lines.join(QStringLiteral("\r\n")));
    Driver driver(home);
    QVERIFY(driver.Dialogs().messages.empty());
    QVERIFY(IsChecked(driver, "RadioButton1"));
    QVERIFY(IsChecked(driver, "GenDownCheck"));
    QVERIFY(!IsChecked(driver, "GenUpCheck"));
    QVERIFY(IsChecked(driver, "CyrToLatCheck"));
}

void SettingsOnScreen::BadFlagStopsTheLoadAndIsShown()
{
    const std::string home = FreshHome();
    QStringList lines = FileLines(home + "data/config.cfg");
    lines.replaceInStrings(QStringLiteral("[cfg_UndoCheck,1]"), QStringLiteral("[cfg_UndoCheck,]"));
    lines.replaceInStrings(QStringLiteral("[cfg_UndoCheck,0]"), QStringLiteral("[cfg_UndoCheck,]"));
    lines.replaceInStrings(QStringLiteral("[cfg_Kind5Edit, = ]"), QStringLiteral("[cfg_Kind5Edit,later]"));
    WriteFile(home + "data/config.cfg", lines.join(QStringLiteral("\r\n")));
    Driver driver(home);
    QCOMPARE(driver.Dialogs().TakeMessages(), QStringList{QStringLiteral("'' is not a valid integer value")});
    // Controls before the bad line are restored, those after it keep the layout.
    QCOMPARE(driver.Find<QLineEdit>("FilterOldNameEdit")->text(), QString());
    QCOMPARE(driver.Find<QLineEdit>("Kind5Edit")->text(), QStringLiteral("Kind5Edit"));
    QCOMPARE(driver.Find<QGroupBox>("GroupBox1")->title(), LanguageText(home, "English.lng", "GroupBox1"));
}

void SettingsOnScreen::TableEditorWorksOnTheListItWasOpenedOn()
{
    const std::string home = FreshHome();
    Driver driver(home);
    driver.Form().ShowPage(Page::Generators);
    driver.ClickTab("GeneratePage", 3);
    auto* cyr = driver.Find<QListWidget>("CyrList");
    auto* lat = driver.Find<QListWidget>("LatList");
    const QStringList cyrBefore = Entries(cyr);
    const QStringList latBefore = Entries(lat);
    cyr->clearSelection();

    OpenMenu(lat);
    QVERIFY(driver.Find<QAction>("AddMenu")->isEnabled());
    QVERIFY(!driver.Find<QAction>("EditMenu")->isEnabled());
    QVERIFY(!driver.Find<QAction>("DeleteMenu")->isEnabled());
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("s>h"));
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("ш"));
    ChooseMenuItem(driver, "AddMenu");
    QCOMPARE(Entries(lat), latBefore + QStringList{QStringLiteral("sh  >  ш")});
    QCOMPARE(Entries(cyr), cyrBefore);
    QCOMPARE(driver.Dialogs().inputs.back().title, LanguageText(home, "English.lng", "AddMenuCaption2"));
    QVERIFY(driver.Dialogs().inputs.back().prompt.contains(QStringLiteral("sh")));

    lat->setCurrentRow(lat->count() - 1);
    OpenMenu(lat);
    QVERIFY(driver.Find<QAction>("EditMenu")->isEnabled());
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("щ"));
    ChooseMenuItem(driver, "EditMenu");
    QCOMPARE(Entries(lat).last(), QStringLiteral("sh  >  щ"));
    QCOMPARE(driver.Dialogs().inputs.back().initial, QStringLiteral("ш"));

    OpenMenu(lat);
    driver.Dialogs().confirmAnswers.push_back(false);
    ChooseMenuItem(driver, "DeleteMenu");
    QCOMPARE(Entries(lat).last(), QStringLiteral("sh  >  щ"));
    OpenMenu(lat);
    driver.Dialogs().confirmAnswers.push_back(true);
    ChooseMenuItem(driver, "DeleteMenu");
    QCOMPARE(Entries(lat), latBefore);
    QCOMPARE(driver.Dialogs().TakeMessages(), QStringList(2, LanguageText(home, "English.lng", "Msg10")));

    // Only forbidden characters give no entry.
    OpenMenu(cyr);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("?*"));
    ChooseMenuItem(driver, "AddMenu");
    QCOMPARE(Entries(cyr), cyrBefore);

    // An added entry reaches the tables file at close.
    OpenMenu(cyr);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("ё"));
    driver.Dialogs().inputAnswers.push_back(std::nullopt);
    ChooseMenuItem(driver, "AddMenu");
    driver.Close();
    QVERIFY(FileLines(home + "data/translit.cfg").contains(QStringLiteral("[cyr%1,ё  >  ]").arg(cyrBefore.size() + 1)));
}

QTEST_MAIN(SettingsOnScreen)
#include "Settings_test.moc"
