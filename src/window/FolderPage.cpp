// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FolderPage.h"

#include "platform/Mounts.h"
#include "platform/Subfolders.h"
#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/Page.h"
#include "window/TextBridge.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>
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

FolderPage::FolderPage(Form1Controls& controls, PageServices services, QObject* parent)
    : QObject(parent), c_(controls), services_(std::move(services)), lastFolder_(QDir::homePath())
{
    connect(c_.DriveComboBox1, &QComboBox::activated, this, [this](int position) { PlaceChosen(position); });
    connect(c_.DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShowChosenFolder(); });
    SetUpKeys();
    FillPlaces();
}

void FolderPage::SetUpKeys()
{
    // Shortcuts of the page work only while it shows.
    QGroupBox* page = c_.pages[PageIndex(Page::Folder)];
    const auto addKey = [this, page](const QKeySequence& keys, void (FolderPage::*handler)()) {
        auto* shortcut = new QShortcut(keys, page);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, handler] { services_.guarded([this, handler] { (this->*handler)(); }); });
    };
    addKey(QKeySequence(Qt::CTRL | Qt::Key_L), &FolderPage::AskForFolderPath);
    addKey(QKeySequence::Paste, &FolderPage::PasteFolderPath);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_H), &FolderPage::ToggleHiddenFolders);

    // Over the tree's empty space, so no control of the page moves.
    hiddenOnlyLine_ = new QLabel(c_.DirectoryListBox1->viewport());
    hiddenOnlyLine_->setObjectName(QStringLiteral("HiddenFoldersLabel"));
    hiddenOnlyLine_->setWordWrap(true);
    hiddenOnlyLine_->setGeometry(6, 6, c_.DirectoryListBox1->contentsRect().width() - 12, 40);
    hiddenOnlyLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hiddenOnlyLine_->setForegroundRole(QPalette::PlaceholderText);
    hiddenOnlyLine_->hide();
}

void FolderPage::AskForFolderPath()
{
    const std::optional<QString> typed =
        services_.dialogs->AskFolderPath(services_.window, services_.text("FolderPathCaption"),
                                         services_.text("FolderPathPrompt"), ChosenFolder(), hiddenFoldersShown_);
    if (typed && !typed->isEmpty()) {
        GoToTypedFolder(*typed);
    }
}

void FolderPage::PasteFolderPath()
{
    const QString pasted = PastedPath(QGuiApplication::clipboard()->mimeData());
    if (!pasted.isEmpty()) {
        GoToTypedFolder(pasted);
    }
}

void FolderPage::GoToTypedFolder(const QString& typed)
{
    QString folder = AbsoluteFolderPath(typed, ChosenFolder());
    const QFileInfo entry(folder);
    if (!entry.isDir() && entry.exists()) {
        folder = entry.absolutePath(); // a file stands for its folder
    }
    if (!QFileInfo(folder).isDir()) {
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Warning,
                                       services_.text("FolderPathNotFound").replace(QStringLiteral("%s"), typed));
        return;
    }
    // The tree cannot select a folder it leaves out.
    if (!hiddenFoldersShown_ && HasHiddenPart(folder)) {
        ToggleHiddenFolders();
    }
    PointTreeAt(folder);
    c_.DirectoryListBox1->setFocus(Qt::ShortcutFocusReason);
}

void FolderPage::ToggleHiddenFolders()
{
    hiddenFoldersShown_ = !hiddenFoldersShown_;
    c_.folderModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot |
                              (hiddenFoldersShown_ ? QDir::Hidden : QDir::Filters()));
    // The model applies a new filter at its next sort; sorting now lets a hidden folder be chosen at once.
    c_.folderModel->sort(0);
    ShowHiddenOnlyLine();
}

void FolderPage::ShowHiddenOnlyLine()
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
    hiddenOnlyLine_->setText(services_.text("HiddenFoldersOnly"));
    hiddenOnlyLine_->setVisible(hiddenOnly);
}

void FolderPage::FillPlaces()
{
    c_.DriveComboBox1->clear();
    const auto addPlace = [this](const QString& name, const QString& folder) {
        c_.DriveComboBox1->addItem(name, folder);
        c_.DriveComboBox1->setItemData(c_.DriveComboBox1->count() - 1, folder, Qt::ToolTipRole);
    };
    // The user's own folders first, by the names the desktop gives them.
    const QString home = QDir::homePath();
    addPlace(QStringLiteral("%1 (%2)").arg(QStandardPaths::displayName(QStandardPaths::HomeLocation), home), home);
    for (const QStandardPaths::StandardLocation place :
         {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation, QStandardPaths::DownloadLocation,
          QStandardPaths::MusicLocation, QStandardPaths::PicturesLocation, QStandardPaths::MoviesLocation}) {
        const QString folder = QStandardPaths::writableLocation(place);
        if (!folder.isEmpty() && folder != home && QFileInfo(folder).isDir()) {
            addPlace(QStandardPaths::displayName(place), folder);
        }
    }
    for (const std::string& mountPoint : UserMountPointsOfThisSystem()) {
        const QString root = PathFromBytes(mountPoint);
        // "/" comes last; a mount that is the home folder is there already.
        if (root != QStringLiteral("/") && c_.DriveComboBox1->findData(root) < 0 && QFileInfo(root).isDir()) {
            addPlace(root, root);
        }
    }
    addPlace(QStringLiteral("/"), QStringLiteral("/"));
}

void FolderPage::PlaceChosen(int position)
{
    const QString root = c_.DriveComboBox1->itemData(position).toString();
    c_.folderModel->setRootPath(root);
    c_.DirectoryListBox1->setRootIndex(c_.folderModel->index(root));
    c_.DirectoryListBox1->setCurrentIndex({});
    ShowChosenFolder();
    ShowHiddenOnlyLine();
}

void FolderPage::ShowChosenFolder()
{
    // The whole path, however deep the tree goes: a tree row shows one name only.
    c_.DirectoryListBox1->setToolTip(ChosenFolder());
}

void FolderPage::PointTreeAt(const QString& folder)
{
    // The drive is the longest place that holds the folder.
    int best = 0;
    for (int k = 0; k < c_.DriveComboBox1->count(); ++k) {
        const QString root = c_.DriveComboBox1->itemData(k).toString();
        const QString rootWithSlash = root.endsWith(u'/') ? root : root + u'/';
        const QString bestRoot = c_.DriveComboBox1->itemData(best).toString();
        if ((folder == root || folder.startsWith(rootWithSlash)) && root.size() > bestRoot.size()) {
            best = k;
        }
    }
    c_.DriveComboBox1->setCurrentIndex(best);
    PlaceChosen(best);
    const QModelIndex target = c_.folderModel->index(folder);
    c_.DirectoryListBox1->setCurrentIndex(target);
    c_.DirectoryListBox1->scrollTo(target);
    ShowChosenFolder();
}

QString FolderPage::ChosenFolder() const
{
    const QModelIndex chosen = c_.DirectoryListBox1->currentIndex();
    if (chosen.isValid()) {
        return c_.folderModel->filePath(chosen);
    }
    return c_.folderModel->filePath(c_.DirectoryListBox1->rootIndex());
}

void FolderPage::ShowLastFolder()
{
    PointTreeAt(QFileInfo(lastFolder_).isDir() ? lastFolder_ : QDir::homePath());
}

void FolderPage::FolderListed(const QString& folder)
{
    lastFolder_ = folder;
    if (c_.DirectoryListBox1->currentIndex() != c_.folderModel->index(folder)) {
        PointTreeAt(folder);
    }
}

void FolderPage::ApplyTexts()
{
    ShowHiddenOnlyLine();
}

} // namespace tollwick
