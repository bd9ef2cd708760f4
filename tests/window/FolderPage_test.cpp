// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTreeView>

using namespace tollwick;
using namespace tollwick::test;

class FolderPageKeys final : public QObject {
    Q_OBJECT

private slots:
    void CtrlLGoesToATypedPath();
    void CtrlVGoesToAPastedPathOrFile();
    void HomeOfHiddenFoldersSaysSoAndCtrlHShowsThem();
    void KeysActOnTheFolderPageOnly();
};

namespace {

QString TreeFolder(const Driver& driver)
{
    auto* tree = driver.Find<QTreeView>("DirectoryListBox1");
    return qobject_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex());
}

/// A window on the folder page, active, so its shortcuts take keys.
void ToFolderPage(Driver& driver)
{
    driver.Form().show();
    driver.Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.Form()));
    driver.Click("RadioButton1");
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
}

void Press(Driver& driver, Qt::Key key)
{
    QWidget* focused = driver.Form().focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &driver.Form(), key, Qt::ControlModifier);
}

/// The user's home for one test: HOME points at it while the window lives.
class UserHome {
public:
    UserHome() { qputenv("HOME", dir_.path().toUtf8()); }
    [[nodiscard]] QString Path() const { return dir_.path(); }
    void Make(const QString& folder) const { QDir(dir_.path()).mkpath(folder); }

private:
    QTemporaryDir dir_;
};

} // namespace

void FolderPageKeys::CtrlLGoesToATypedPath()
{
    const UserHome home;
    home.Make(QStringLiteral("Pictures/2025/June"));
    home.Make(QStringLiteral(".config/app"));
    const std::string appHome = FreshHome();
    Driver driver(appHome);
    ToFolderPage(driver);
    ScriptedDialogs& dialogs = driver.Dialogs();
    const QString pictures = home.Path() + QStringLiteral("/Pictures");

    dialogs.folderPathAnswers = {pictures, QStringLiteral("2025/June/"), QStringLiteral("~"), QStringLiteral("nowhere"),
                                 std::nullopt};
    Press(driver, Qt::Key_L);
    QCOMPARE(dialogs.folderPaths.size(), std::size_t{1});
    QCOMPARE(dialogs.folderPaths.back().initial, home.Path()); // the folder the tree shows
    QCOMPARE(dialogs.folderPaths.back().title, LanguageText(appHome, "English.lng", "FolderPathCaption"));
    QCOMPARE(TreeFolder(driver), pictures);
    // Relative to the folder chosen, as in a file manager's location bar.
    Press(driver, Qt::Key_L);
    QCOMPARE(dialogs.folderPaths.back().initial, pictures);
    QCOMPARE(TreeFolder(driver), pictures + QStringLiteral("/2025/June"));
    Press(driver, Qt::Key_L);
    QCOMPARE(TreeFolder(driver), home.Path());
    QVERIFY(dialogs.messages.empty());
    // A folder that is not there says so and the tree stays; a cancelled box changes nothing.
    Press(driver, Qt::Key_L);
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(dialogs.messages.front().kind, Dialogs::MessageKind::Warning);
    QVERIFY2(dialogs.messages.front().text.contains(QStringLiteral("\"nowhere\"")),
             qPrintable(dialogs.messages.front().text));
    QCOMPARE(TreeFolder(driver), home.Path());
    Press(driver, Qt::Key_L);
    QCOMPARE(TreeFolder(driver), home.Path());
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);

    // A hidden folder is shown to be chosen, and the next box completes hidden names too.
    dialogs.folderPathAnswers = {QStringLiteral("~/.config/app"), std::nullopt};
    Press(driver, Qt::Key_L);
    QCOMPARE(TreeFolder(driver), home.Path() + QStringLiteral("/.config/app"));
    Press(driver, Qt::Key_L);
    QCOMPARE(dialogs.folderPathsWithHidden, (std::vector<bool>{false, false, false, false, false, false, true}));

    // Next scans the folder the path led to.
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), home.Path() + QStringLiteral("/.config/app/"));
}

void FolderPageKeys::CtrlVGoesToAPastedPathOrFile()
{
    const UserHome home;
    home.Make(QStringLiteral("Music/Live"));
    Folder photos;
    photos.Add(QStringLiteral("a.jpg"));
    Driver driver(FreshHome());
    ToFolderPage(driver);
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setText(home.Path() + QStringLiteral("/Music/Live\n"));
    Press(driver, Qt::Key_V);
    QCOMPARE(TreeFolder(driver), home.Path() + QStringLiteral("/Music/Live"));
    // A file copied in a file manager arrives as an address and stands for its folder.
    auto* copied = new QMimeData;
    copied->setUrls({QUrl::fromLocalFile(photos.Path() + QStringLiteral("/a.jpg"))});
    clipboard->setMimeData(copied);
    Press(driver, Qt::Key_V);
    QCOMPARE(TreeFolder(driver), photos.Path());
    clipboard->setText(QStringLiteral("file://") + home.Path() + QStringLiteral("/Music"));
    Press(driver, Qt::Key_V);
    QCOMPARE(TreeFolder(driver), home.Path() + QStringLiteral("/Music"));
    QVERIFY(driver.Dialogs().messages.empty());
    clipboard->clear();
}

void FolderPageKeys::HomeOfHiddenFoldersSaysSoAndCtrlHShowsThem()
{
    const UserHome home;
    home.Make(QStringLiteral(".config"));
    home.Make(QStringLiteral(".cache"));
    QFile(home.Path() + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    const std::string appHome = FreshHome();
    Driver driver(appHome);
    ToFolderPage(driver);
    auto* line = driver.Find<QLabel>("HiddenFoldersLabel");
    auto* tree = driver.Find<QTreeView>("DirectoryListBox1");
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), LanguageText(appHome, "English.lng", "HiddenFoldersOnly"));

    Press(driver, Qt::Key_H);
    QVERIFY(!line->isVisible());
    QTRY_COMPARE(tree->model()->rowCount(tree->rootIndex()), 2);
    Press(driver, Qt::Key_H);
    QVERIFY(line->isVisible());
    QTRY_COMPARE(tree->model()->rowCount(tree->rootIndex()), 0);

    // One folder in sight is enough.
    home.Make(QStringLiteral("Documents"));
    driver.Cancel();
    driver.Next();
    auto* drives = driver.Find<QComboBox>("DriveComboBox1");
    drives->setCurrentIndex(0);
    emit drives->activated(0);
    QVERIFY(!line->isVisible());
}

void FolderPageKeys::KeysActOnTheFolderPageOnly()
{
    const UserHome home;
    home.Make(QStringLiteral(".config"));
    Driver driver(FreshHome());
    ToFolderPage(driver);
    driver.Cancel();
    QCOMPARE(driver.Form().CurrentPage(), Page::Start);
    Press(driver, Qt::Key_L);
    Press(driver, Qt::Key_H);
    QVERIFY(driver.Dialogs().folderPaths.empty());
    driver.Next();
    QVERIFY(driver.Find<QLabel>("HiddenFoldersLabel")->isVisible());
}

QTEST_MAIN(FolderPageKeys)
#include "FolderPage_test.moc"
