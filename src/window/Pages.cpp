// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FolderPage.h"
#include "window/ListPages.h"
#include "window/NameListPages.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <array>

namespace tollwick {

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
    listPages_->RunFilterPass();
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
            nameListPages_->ShowExamples();
        }
    }
    if (c_.RadioButton4->isChecked()) {
        ShowPage(Page::About);
    }
}

void TForm1::NextOnFolderPage()
{
    ScanFolderAndShowList(folderPage_->ChosenFolder());
}

void TForm1::OpenGivenFolder(const QString& folder)
{
    Guarded([this, &folder] { ScanFolderAndShowList(folder); });
}

void TForm1::ScanFolderAndShowList(const QString& folder)
{
    const std::string bytes = PathToBytes(folder);
    listPages_->StepWithFilterPass([this, &bytes](const std::stop_token& stop) { session_->ScanFolder(bytes, stop); });
    folderPage_->FolderListed(folder);
    ShowPage(Page::List);
}

} // namespace tollwick
