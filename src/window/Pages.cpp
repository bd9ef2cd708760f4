// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Mounts.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <array>

namespace tollwick {

void TForm1::ConnectOtherPages()
{
    connect(c_.OrderCheck, &QCheckBox::toggled, this, [this] { ShowForecast(); });
    connect(c_.KindOfLoadList, &QTabBar::currentChanged, this,
            [this] { Guarded([this] { ShowImportLayoutExample(); }); });
    connect(c_.KindOfSaveList, &QTabBar::currentChanged, this,
            [this] { Guarded([this] { ShowExportLayoutExample(); }); });
    connect(c_.GeneratePage, &QTabWidget::currentChanged, this, [this] { Guarded([this] { GeneratorTabChanged(); }); });
    connect(c_.DriveComboBox1, &QComboBox::activated, this, [this](int position) { DriveChosen(position); });
    connect(c_.DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShowChosenFolder(); });
    for (QListWidget* table : {c_.CyrLongList, c_.CyrList, c_.LatLongList, c_.LatList}) {
        connect(table, &QWidget::customContextMenuRequested, this,
                [this, table](QPoint where) { ShowTableMenu(table, where); });
    }
    connect(c_.AddMenu, &QAction::triggered, this, [this] { Guarded([this] { AddEntryFromMenu(); }); });
    connect(c_.EditMenu, &QAction::triggered, this, [this] { Guarded([this] { EditEntryFromMenu(); }); });
    connect(c_.DeleteMenu, &QAction::triggered, this, [this] { Guarded([this] { DeleteEntryFromMenu(); }); });
}

void TForm1::GoToNextPage()
{
    // The step each page prepares, page 1 first; none on the About and result pages.
    using Step = void (TForm1::*)();
    static constexpr std::array<Step, PageCount> steps = {
        &TForm1::NextOnStartPage,
        nullptr,
        &TForm1::NextOnListPage,
        &TForm1::NextOnPreviewPage,
        nullptr,
        &TForm1::NextOnImportPage,
        &TForm1::NextOnFolderPage,
        &TForm1::NextOnGeneratorPage,
        &TForm1::NextOnExportPage,
        &TForm1::NextOnFilterPage,
    };
    if (const Step step = steps.at(PageIndex(currentPage_))) {
        (this->*step)();
    }
}

void TForm1::NextOnFilterPage()
{
    RunFilterPass();
    ShowPage(Page::List);
}

void TForm1::NextOnStartPage()
{
    // Each choice is tested on its own, as the settings may leave none checked.
    if (c_.RadioButton1->isChecked()) {
        ShowPage(Page::Folder);
    }
    if (c_.RadioButton2->isChecked()) {
        if (const std::optional<QString> chosen = dialogs_.ChooseFile(this, fileDialogs_.OpenUndo)) {
            LoadUndoFileChosen(*chosen);
            ShowPage(Page::List);
        }
    }
    if (c_.RadioButton3->isChecked()) {
        if (const std::optional<QString> chosen = dialogs_.ChooseFile(this, fileDialogs_.OpenLanguage)) {
            languageFileName_ = ToBytes(QFileInfo(*chosen).fileName());
            SaveDataFiles();
            LoadDataFiles();
            // The help panel and the examples speak the new language at once, not only after the next page.
            ShowHelpText(QStringLiteral("GroupBox1"));
            ShowImportLayoutExample();
            ShowExportLayoutExample();
        }
    }
    if (c_.RadioButton4->isChecked()) {
        ShowPage(Page::About);
    }
}

void TForm1::NextOnFolderPage()
{
    ScanFolderAndShowList(ChosenFolder());
}

void TForm1::OpenGivenFolder(const QString& folder)
{
    Guarded([this, &folder] { ScanFolderAndShowList(folder); });
}

void TForm1::ScanFolderAndShowList(const QString& folder)
{
    const std::string bytes = PathToBytes(folder);
    StepWithFilterPass([this, &bytes](const std::stop_token& stop) { session_->ScanFolder(bytes, stop); });
    lastFolder_ = folder;
    if (c_.DirectoryListBox1->currentIndex() != c_.folderModel->index(folder)) {
        PointFolderTreeAt(folder);
    }
    ShowPage(Page::List);
}

void TForm1::ShowImportLayoutExample()
{
    ShowLayoutDemo(c_.KindOfLoadList->tabData(c_.KindOfLoadList->currentIndex()).toString(), true);
}

void TForm1::ShowExportLayoutExample()
{
    ShowLayoutDemo(c_.KindOfSaveList->tabData(c_.KindOfSaveList->currentIndex()).toString().mid(1), false);
}

void TForm1::GeneratorTabChanged()
{
    ShowHelpText(c_.GeneratePage->currentWidget()->objectName());
}

void TForm1::FillDriveList()
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

void TForm1::DriveChosen(int position)
{
    const QString root = c_.DriveComboBox1->itemData(position).toString();
    c_.folderModel->setRootPath(root);
    c_.DirectoryListBox1->setRootIndex(c_.folderModel->index(root));
    c_.DirectoryListBox1->setCurrentIndex({});
    ShowChosenFolder();
    ShowHiddenOnlyLine();
}

void TForm1::ShowChosenFolder()
{
    // The whole path, however deep the tree goes: a tree row shows one name only.
    c_.DirectoryListBox1->setToolTip(ChosenFolder());
}

void TForm1::PointFolderTreeAt(const QString& folder)
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
    DriveChosen(best);
    const QModelIndex target = c_.folderModel->index(folder);
    c_.DirectoryListBox1->setCurrentIndex(target);
    c_.DirectoryListBox1->scrollTo(target);
    ShowChosenFolder();
}

QString TForm1::ChosenFolder() const
{
    const QModelIndex chosen = c_.DirectoryListBox1->currentIndex();
    if (chosen.isValid()) {
        return c_.folderModel->filePath(chosen);
    }
    return c_.folderModel->filePath(c_.DirectoryListBox1->rootIndex());
}

} // namespace tollwick
