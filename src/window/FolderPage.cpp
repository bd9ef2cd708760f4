// SPDX-License-Identifier: GPL-3.0-or-later
// The folder page's keys, as file managers have them: Ctrl+L asks for a
// path, Ctrl+V goes to a pasted one, Ctrl+H shows hidden folders; and the
// line that tells why a folder of hidden folders only looks empty.
#include "platform/Subfolders.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QTreeView>
#include <QUrl>

namespace tollwick {
namespace {

// "~" is the home folder and a relative path starts at the folder chosen, as in a file manager's location bar.
QString AbsoluteFolderPath(const QString& typed, const QString& base)
{
    QString path = typed;
    if (path.startsWith(QStringLiteral("file://"))) {
        path = QUrl(path).toLocalFile();
    } else if (path == u'~' || path.startsWith(QStringLiteral("~/"))) {
        path = QDir::homePath() + path.mid(1);
    } else if (!path.startsWith(u'/')) {
        path = base + u'/' + path;
    }
    return QDir::cleanPath(path);
}

bool HasHiddenPart(const QString& path)
{
    return path.contains(QStringLiteral("/."));
}

// The first local path of a copied file or folder, else the first line of a copied text.
QString PastedPath(const QMimeData* mime)
{
    if (mime == nullptr) {
        return {};
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return mime->text().section(u'\n', 0, 0).trimmed();
}

} // namespace

void TForm1::SetUpFolderPage()
{
    // Shortcuts of the page work only while it shows.
    QGroupBox* page = c_.pages[PageIndex(Page::Folder)];
    const auto addKey = [this, page](const QKeySequence& keys, void (TForm1::*handler)()) {
        auto* shortcut = new QShortcut(keys, page);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    addKey(QKeySequence(Qt::CTRL | Qt::Key_L), &TForm1::AskForFolderPath);
    addKey(QKeySequence::Paste, &TForm1::PasteFolderPath);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_H), &TForm1::ToggleHiddenFolders);

    // Over the tree's empty space, so no control of the page moves.
    hiddenOnlyLine_ = new QLabel(c_.DirectoryListBox1->viewport());
    hiddenOnlyLine_->setObjectName(QStringLiteral("HiddenFoldersLabel"));
    hiddenOnlyLine_->setWordWrap(true);
    hiddenOnlyLine_->setGeometry(6, 6, c_.DirectoryListBox1->contentsRect().width() - 12, 40);
    hiddenOnlyLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hiddenOnlyLine_->setForegroundRole(QPalette::PlaceholderText);
    hiddenOnlyLine_->hide();
}

void TForm1::AskForFolderPath()
{
    const std::optional<QString> typed = dialogs_.AskFolderPath(
        this, Text("FolderPathCaption"), Text("FolderPathPrompt"), ChosenFolder(), hiddenFoldersShown_);
    if (typed && !typed->isEmpty()) {
        GoToTypedFolder(*typed);
    }
}

void TForm1::PasteFolderPath()
{
    const QString pasted = PastedPath(QGuiApplication::clipboard()->mimeData());
    if (!pasted.isEmpty()) {
        GoToTypedFolder(pasted);
    }
}

void TForm1::GoToTypedFolder(const QString& typed)
{
    QString folder = AbsoluteFolderPath(typed, ChosenFolder());
    const QFileInfo entry(folder);
    if (!entry.isDir() && entry.exists()) {
        folder = entry.absolutePath(); // a file stands for its folder
    }
    if (!QFileInfo(folder).isDir()) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Warning,
                             Text("FolderPathNotFound").replace(QStringLiteral("%s"), typed));
        return;
    }
    // The tree cannot select a folder it leaves out.
    if (!hiddenFoldersShown_ && HasHiddenPart(folder)) {
        ToggleHiddenFolders();
    }
    PointFolderTreeAt(folder);
    c_.DirectoryListBox1->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::ToggleHiddenFolders()
{
    hiddenFoldersShown_ = !hiddenFoldersShown_;
    c_.folderModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot |
                              (hiddenFoldersShown_ ? QDir::Hidden : QDir::Filters()));
    // The model applies a new filter at its next sort; sorting now lets a hidden folder be chosen at once.
    c_.folderModel->sort(0);
    ShowHiddenOnlyLine();
}

void TForm1::ShowHiddenOnlyLine()
{
    bool hiddenOnly = false;
    if (!hiddenFoldersShown_) {
        const QString root = c_.folderModel->filePath(c_.DirectoryListBox1->rootIndex());
        if (const auto names = SubfolderNames(PathToBytes(root))) {
            bool anyFolder = false;
            bool anyShown = false;
            for (const std::string& name : *names) {
                if (name != "." && name != "..") {
                    anyFolder = true;
                    anyShown = anyShown || name.front() != '.';
                }
            }
            hiddenOnly = anyFolder && !anyShown;
        }
    }
    hiddenOnlyLine_->setText(Text("HiddenFoldersOnly"));
    hiddenOnlyLine_->setVisible(hiddenOnly);
}

} // namespace tollwick
