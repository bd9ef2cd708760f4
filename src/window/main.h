// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wizard window: its frame, the navigation between its pages and the
// texts and settings on screen.
#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "settings/Data.h"
#include "settings/SettingsFile.h"
#include "window/Components.h"
#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/Form1Layout.h"
#include "window/Page.h"
#include "window/PageServices.h"
#include "window/WindowJob.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QAbstractButton;
class QMimeData;
class QTimer;
class QLabel;
class QListWidget;

namespace tollwick {

class FolderPage;
class GeneratorPage;
class NameListPages;
class ListPages;
class RunPages;
class WindowProgress;

/// The main window: ten wizard pages, one shown at a time, with the help
/// panel on the left and the navigation under the pages. It holds the start
/// and About pages, the steps between pages and the texts and settings; the
/// other pages are classes of their own (FolderPage, ListPages,
/// GeneratorPage, NameListPages, RunPages) that it creates and connects.
class TForm1 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    /// `home` is the application home, ending with "/"; every data path is relative to it.
    TForm1(Dialogs& dialogs, std::string home, QWidget* parent = nullptr);
    ~TForm1() override;

    [[nodiscard]] Page CurrentPage() const { return currentPage_; }
    [[nodiscard]] const RenameList& List() const { return session_->List(); }
    [[nodiscard]] const SortState& Sort() const { return session_->Sort(); }
    [[nodiscard]] const WindowProgress& ProgressOfWindow() const { return *progressView_; }
    [[nodiscard]] const ComponentList& Components() const { return components_; }
    /// Whether a long step runs now, on a thread of its own.
    [[nodiscard]] bool JobRunning() const { return job_->Running(); }

    /// Shows page n (1..10) and sets the navigation buttons and the help panel for it.
    void ShowPage(Page shown);
    /// Scans a folder named from outside (the command line) and shows its list, as Next on the folder page does.
    void OpenGivenFolder(const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Enter and Esc that no control used: Next and Cancel.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up and the frame.
    void FormCreate();
    void ConnectFrame();
    /// Each list's headings come from the language file.
    void ConnectHeadings();
    void Bind(QAbstractButton* button, void (TForm1::*handler)());
    void SetUpKeyboard();
    /// Shades the layout's fixed colours and the help panel for the palette in use.
    void ApplyLayoutColours();
    void SetUpColours();
    /// The folder a drop names, or nothing when it names none or the window cannot take it now.
    [[nodiscard]] std::optional<QString> DroppedFolder(const QMimeData* mime) const;
    /// What the pages' own classes ask of the window.
    [[nodiscard]] PageServices PageServicesOfWindow();
    /// Runs a handler; an error it raises is shown and the window stays on its page.
    void Guarded(const std::function<void()>& handler);
    /// Runs `step(stop)` of the session as a job: the window paints, and Cancel or Esc ask it to stop.
    template <typename Step> auto InJob(Step step) { return job_->Run(std::move(step)); }
    /// Keeps the list views from reading the rows while a job changes them.
    void HoldListViews(bool on);

    // Navigation.
    void GoToNextPage();
    void GoToPreviousPage();
    void LeavePage();
    void NextOnStartPage();
    void NextOnFolderPage();
    /// The folder page's step: scans `folder` into the list and shows the list page.
    void ScanFolderAndShowList(const QString& folder);
    void NextOnListPage();
    void NextOnPreviewPage();
    void NextOnImportPage();
    void NextOnExportPage();
    void NextOnGeneratorPage();
    void NextOnFilterPage();
    void LoadUndoFileChosen(const QString& path);
    void ShowCleanedTexts(const CleanedTexts& cleaned);
    /// One message for the mask tokens that some rows had no value for; none when all had.
    void ShowMissingValues(const std::vector<MissingValue>& missing);
    void ToggleHelpPanel();
    void OpenLink(const QLabel* link);

    // Texts and settings.
    void LoadDataFiles();
    void SaveDataFiles();
    [[nodiscard]] Settings CurrentSettings() const;
    void ApplySettings(const Settings& settings);
    [[nodiscard]] const Component* FindComponent(std::string_view name) const;
    [[nodiscard]] QString Text(std::string_view key) const;
    void ApplyTexts();
    void ApplyAboutTexts();
    void ShowHelpText(const QString& base);
    void PointDialogsAtStartFolders();

    Dialogs& dialogs_;
    Form1Controls c_;
    Form1Dialogs fileDialogs_;
    ComponentList components_;
    std::unique_ptr<WindowProgress> progressView_;
    std::unique_ptr<Progress> progress_;
    std::unique_ptr<RenameSession> session_;

    Page currentPage_ = Page::Start;
    std::string languageFileName_;
    WindowJob* job_ = nullptr;
    int busy_ = 0;
    QTimer* coloursTimer_ = nullptr; // shades the layout once a palette change has gone round
    FolderPage* folderPage_ = nullptr;
    GeneratorPage* generatorPage_ = nullptr;
    NameListPages* nameListPages_ = nullptr;
    ListPages* listPages_ = nullptr;
    RunPages* runPages_ = nullptr;
};

} // namespace tollwick
