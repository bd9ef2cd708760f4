// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

using namespace tollwick;
using namespace tollwick::test;

class Keyboard final : public QObject {
    Q_OBJECT

private slots:
    void EnterIsNextAndEscIsCancelOnEveryPage();
    void ControlsThatUseEnterKeepIt();
    void F2EditsAndDeleteRemovesTheSelectedRow();
    void CtrlAChecksEveryRowAndTheToolTipSaysSo();
};

namespace {

// A key as the user types it: to the control with the focus, else to the window.
void Press(Driver& driver, Qt::Key key)
{
    QWidget* focused = driver.Form().focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &driver.Form(), key);
}

Page PageAfter(Driver& driver, Qt::Key key)
{
    Press(driver, key);
    return driver.Form().CurrentPage();
}

} // namespace

void Keyboard::EnterIsNextAndEscIsCancelOnEveryPage()
{
    Folder folder;
    folder.Add(QStringLiteral("b.txt"));
    folder.Add(QStringLiteral("a.txt"));
    const QString list = folder.Path() + QStringLiteral("/names.lst");
    Driver driver(FreshHome());
    driver.Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.Form()));
    const Qt::Key enter = Qt::Key_Return;
    const Qt::Key esc = Qt::Key_Escape;

    QCOMPARE(PageAfter(driver, esc), Page::Start); // Cancel is off on the start page
    QCOMPARE(PageAfter(driver, enter), Page::Folder);
    QCOMPARE(PageAfter(driver, esc), Page::Start);
    QCOMPARE(PageAfter(driver, Qt::Key_Enter), Page::Folder); // the keypad's Enter too
    driver.ChooseFolder(folder.Path());
    QCOMPARE(PageAfter(driver, enter), Page::List);
    QCOMPARE(driver.Column(0), Names({"a.txt", "b.txt"}));

    driver.Click("GenerateBtn");
    QCOMPARE(PageAfter(driver, esc), Page::List);
    driver.Click("GenerateBtn");
    QCOMPARE(PageAfter(driver, enter), Page::List);

    driver.Click("FilterBtn");
    QCOMPARE(PageAfter(driver, esc), Page::Filter); // the filter page has no Cancel
    QCOMPARE(PageAfter(driver, enter), Page::List);

    driver.Dialogs().fileAnswers = {list, list};
    driver.Click("SaveBtn");
    QCOMPARE(PageAfter(driver, esc), Page::List);
    driver.Click("SaveBtn");
    QCOMPARE(PageAfter(driver, enter), Page::List);
    QVERIFY(QFileInfo::exists(list));
    driver.Dialogs().fileAnswers = {list, list};
    driver.Click("OpenBtn");
    QCOMPARE(PageAfter(driver, esc), Page::List);
    driver.Click("OpenBtn");
    QCOMPARE(PageAfter(driver, enter), Page::List);

    QCOMPARE(PageAfter(driver, enter), Page::Preview);
    QCOMPARE(PageAfter(driver, esc), Page::Start);
    driver.Form().ShowPage(Page::List);
    QCOMPARE(PageAfter(driver, enter), Page::Preview);
    QCOMPARE(PageAfter(driver, enter), Page::Result);
    QCOMPARE(PageAfter(driver, enter), Page::Result); // no Next on the result page
    QCOMPARE(PageAfter(driver, esc), Page::Start);

    driver.Click("RadioButton4");
    QCOMPARE(PageAfter(driver, enter), Page::About);
    QCOMPARE(PageAfter(driver, enter), Page::About);
    QCOMPARE(PageAfter(driver, esc), Page::Start);
}

void Keyboard::ControlsThatUseEnterKeepIt()
{
    Folder folder;
    folder.Add(QStringLiteral("a.txt"));
    Driver driver(FreshHome());
    driver.Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.Form()));
    driver.OpenFolder(folder.Path());

    // A focused tool bar button is pressed itself, not Next.
    auto* generate = driver.Find<QToolButton>("GenerateBtn");
    generate->setFocus(Qt::TabFocusReason);
    QCOMPARE(PageAfter(driver, Qt::Key_Return), Page::Generators);

    // An edit field leaves Enter to the page: the mask typed is applied by Next.
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("new"));
    QCOMPARE(PageAfter(driver, Qt::Key_Return), Page::List);
    QCOMPARE(driver.Column(1), Names({"new.txt"}));

    // An open drop-down list takes Enter and Esc for itself.
    driver.Form().ShowPage(Page::Folder);
    auto* drives = driver.Find<QComboBox>("DriveComboBox1");
    drives->showPopup();
    QTRY_VERIFY(drives->view()->isVisible());
    QTest::keyClick(drives->view(), Qt::Key_Escape);
    QTRY_VERIFY(!drives->view()->isVisible());
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
}

void Keyboard::F2EditsAndDeleteRemovesTheSelectedRow()
{
    Folder folder;
    folder.Add(QStringLiteral("a.txt"));
    folder.Add(QStringLiteral("b.txt"));
    Driver driver(FreshHome());
    driver.OpenFolder(folder.Path());
    QWidget* list = driver.Find("FilterList");

    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1}); // no row selected yet
    driver.ClickRow(0);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("c.txt"));
    QTest::keyClick(list, Qt::Key_F2);
    QCOMPARE(driver.Column(1), Names({"c.txt", "b.txt"}));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(driver.Column(0), Names({"b.txt"}));
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
}

void Keyboard::CtrlAChecksEveryRowAndTheToolTipSaysSo()
{
    Folder folder;
    folder.Add(QStringLiteral("a.txt"));
    folder.Add(QStringLiteral("b.txt"));
    const std::string home = FreshHome();
    Driver driver(home);
    driver.Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.Form()));
    driver.OpenFolder(folder.Path());
    driver.ClickRow(0);
    QCOMPARE(driver.Checks(), (QList<bool>{false, false}));

    QTest::keyClick(driver.Find("FilterList"), Qt::Key_A, Qt::ControlModifier);
    // A shortcut presses its button as a click would look: a moment later.
    QTRY_COMPARE(driver.Checks(), (QList<bool>{true, true}));
    const QString keys = QKeySequence(QKeySequence::SelectAll).toString(QKeySequence::NativeText);
    QCOMPARE(driver.Find("CheckAllBtn")->toolTip(),
             LanguageText(home, "English.lng", "CheckAllBtn") + QStringLiteral(" (") + keys + u')');
}

QTEST_MAIN(Keyboard)
#include "Keyboard_test.moc"
