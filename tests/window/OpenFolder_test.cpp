// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "window/WindowCommandLine.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QMimeData>
#include <QTreeView>
#include <unistd.h>

using namespace tollwick;
using namespace tollwick::test;

class OpenFolder final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void CommandLineNamesAFolderOrAFileOfIt();
    void GivenFolderOpensOnItsList();
    void DropOfAFolderOrFilesOfOneFolderScansIt();
    void DropIsRefusedWhileARunIsOnScreen();
    void FolderPageOffersTheUsersPlacesAndReturnsToTheLastFolder();
    void UnreadableFolderSaysWhyAndStaysOnTheFolderPage();

private:
    QTemporaryDir userHome_;
};

namespace {

QUrl Url(const QString& path)
{
    return QUrl::fromLocalFile(path);
}

/// Drags `urls` onto the window and drops them; true when the window took them.
bool Drop(TForm1& form, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint where(300, 150);
    QDragEnterEvent enter(where, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(where, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &drop);
    return drop.isAccepted();
}

QString TreeFolder(Driver& driver)
{
    auto* tree = driver.Find<QTreeView>("DirectoryListBox1");
    return qobject_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex());
}

} // namespace

void OpenFolder::initTestCase()
{
    // A home of the user's own with a Pictures folder but no Music.
    QDir(userHome_.path()).mkpath(QStringLiteral("Pictures/2025"));
    qputenv("HOME", userHome_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (userHome_.path() + QStringLiteral("/.config")).toUtf8());
}

void OpenFolder::CommandLineNamesAFolderOrAFileOfIt()
{
    Folder folder;
    folder.Add(QStringLiteral("a.jpg"));
    const std::string path = folder.Path().toStdString();
    const auto parse = [](std::vector<std::string> arguments, const std::string& working = "/") {
        return ParseWindowCommandLine(arguments, working);
    };
    QCOMPARE(parse({}).folder, std::string());
    QCOMPARE(parse({path + "/"}).folder, path);
    QCOMPARE(parse({path + "/a.jpg"}).folder, path);
    QCOMPARE(parse({"a.jpg"}, path).folder, path);
    QCOMPARE(parse({"."}, path + "/").folder, path);
    QCOMPARE(parse({"../" + folder.Path().section(u'/', -1).toStdString()}, path).folder, path);
    QCOMPARE(parse({"/"}).folder, std::string("/"));
    // Options of the toolkit pass, with their values.
    const WindowCommand styled = parse({"-style", "Fusion", path, "-reverse"});
    QCOMPARE(styled.action, WindowCommand::Action::OpenWindow);
    QCOMPARE(styled.folder, path);
    QCOMPARE(parse({"--", "-x"}, path).action, WindowCommand::Action::UsageError);
    QCOMPARE(parse({path, "--version"}).action, WindowCommand::Action::PrintVersion);
    // A path the system refuses gets the system's reason.
    const std::string tooLong = path + "/" + std::string(300, 'x');
    QCOMPARE(parse({tooLong}).message, tooLong + ": File name too long");
    QCOMPARE(parse({path + "/gone"}).message, "no such file or folder: " + path + "/gone");
}

void OpenFolder::GivenFolderOpensOnItsList()
{
    Folder folder;
    folder.Add(QStringLiteral("b.jpg"));
    folder.Add(QStringLiteral("a.jpg"));
    Driver driver(FreshHome());
    driver.Form().OpenGivenFolder(folder.Path());
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), folder.Path() + u'/');
    QCOMPARE(driver.Column(0), Names({"a.jpg", "b.jpg"}));
    QVERIFY(driver.Dialogs().messages.empty());
}

void OpenFolder::DropOfAFolderOrFilesOfOneFolderScansIt()
{
    Folder first;
    first.Add(QStringLiteral("one.txt"));
    Folder second;
    second.Add(QStringLiteral("x.txt"));
    second.Add(QStringLiteral("y.txt"));
    Driver driver(FreshHome());

    QVERIFY(Drop(driver.Form(), {Url(first.Path())}));
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.Column(0), Names({"one.txt"}));

    // Files of one folder stand for it; files of two folders name none.
    driver.Form().ShowPage(Page::Generators);
    QVERIFY(Drop(driver.Form(),
                 {Url(second.Path() + QStringLiteral("/y.txt")), Url(second.Path() + QStringLiteral("/x.txt"))}));
    QCOMPARE(driver.Form().CurrentPage(), Page::List);
    QCOMPARE(driver.TextOf("DirName"), second.Path() + u'/');
    QCOMPARE(driver.Column(0), Names({"x.txt", "y.txt"}));
    QVERIFY(!Drop(driver.Form(),
                  {Url(first.Path() + QStringLiteral("/one.txt")), Url(second.Path() + QStringLiteral("/x.txt"))}));
    QVERIFY(!Drop(driver.Form(), {Url(first.Path()), Url(second.Path())}));
    QVERIFY(!Drop(driver.Form(), {QUrl(QStringLiteral("https://example.org/a.txt"))}));
    QCOMPARE(driver.TextOf("DirName"), second.Path() + u'/');
}

void OpenFolder::DropIsRefusedWhileARunIsOnScreen()
{
    Folder folder;
    folder.Add(QStringLiteral("a.txt"));
    Folder other;
    other.Add(QStringLiteral("b.txt"));
    Driver driver(FreshHome());
    driver.OpenFolder(folder.Path());
    driver.Click("CheckAllBtn");
    driver.Next();
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Result);
    driver.Dialogs().messages.clear();
    QVERIFY(!Drop(driver.Form(), {Url(other.Path())}));
    QCOMPARE(driver.Form().CurrentPage(), Page::Result);
    QCOMPARE(driver.TextOf("DirName"), folder.Path() + u'/');
}

void OpenFolder::FolderPageOffersTheUsersPlacesAndReturnsToTheLastFolder()
{
    Folder folder;
    folder.Add(QStringLiteral("a.txt"));
    QDir(folder.Path()).mkdir(QStringLiteral("inner"));
    const QString inner = folder.Path() + QStringLiteral("/inner");
    Driver driver(FreshHome());
    auto* drives = driver.Find<QComboBox>("DriveComboBox1");
    QStringList places;
    for (int k = 0; k < drives->count(); ++k) {
        places.append(drives->itemData(k).toString());
    }
    QCOMPARE(places.first(), userHome_.path());
    QVERIFY(places.contains(userHome_.path() + QStringLiteral("/Pictures")));
    QVERIFY(!places.contains(userHome_.path() + QStringLiteral("/Music")));
    QCOMPARE(places.last(), QStringLiteral("/"));

    // The first time the tree opens on the home folder.
    driver.Click("RadioButton1");
    driver.Next();
    QCOMPARE(drives->currentIndex(), 0);
    QCOMPARE(TreeFolder(driver), userHome_.path());

    driver.ChooseFolder(inner);
    QCOMPARE(driver.Find<QTreeView>("DirectoryListBox1")->toolTip(), inner);
    driver.Next();
    driver.Cancel();
    driver.Next();
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
    QCOMPARE(TreeFolder(driver), inner);

    // A change of language keeps it too.
    driver.Cancel();
    driver.Click("RadioButton3");
    const std::string home = FreshHome();
    driver.Dialogs().fileAnswers.push_back(QString::fromStdString(home + "language/Russian.lng"));
    driver.Next();
    driver.Click("RadioButton1");
    driver.Next();
    QCOMPARE(TreeFolder(driver), inner);
}

void OpenFolder::UnreadableFolderSaysWhyAndStaysOnTheFolderPage()
{
    Folder folder;
    QDir(folder.Path()).mkdir(QStringLiteral("locked"));
    const QString locked = folder.Path() + QStringLiteral("/locked");
    QFile::setPermissions(locked, QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const auto unlock = qScopeGuard([&locked] {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (::access(locked.toLocal8Bit().constData(), R_OK) == 0) {
        QSKIP("this user reads every folder (root)");
    }
    Driver driver(FreshHome());
    driver.Click("RadioButton1");
    driver.Next();
    // The folder page's own step, as Next runs it (the tree model leaves out a folder it cannot read).
    driver.Form().OpenGivenFolder(locked);
    QCOMPARE(driver.Form().CurrentPage(), Page::Folder);
    QCOMPARE(driver.Dialogs().messages.size(), std::size_t{1});
    QCOMPARE(driver.Dialogs().messages.front().kind, Dialogs::MessageKind::Critical);
    QVERIFY2(driver.Dialogs().messages.front().text.contains(locked),
             qPrintable(driver.Dialogs().messages.front().text));
    QVERIFY(driver.TextOf("DirName").isEmpty());
}

QTEST_MAIN(OpenFolder)
#include "OpenFolder_test.moc"
