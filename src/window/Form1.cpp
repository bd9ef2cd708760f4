// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ProgramVersion.h"
#include "window/FolderPage.h"
#include "window/GeneratorPage.h"
#include "window/ListPages.h"
#include "window/NameListPages.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
#include "window/RunPages.h"
#include "window/TextBridge.h"
#include "window/Widgets.h"
#include "window/WindowProgress.h"
#include "window/main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace tollwick {
namespace {

constexpr int ClientWidth = 627;
constexpr int ClientHeight = 380;
constexpr int HelpPanelWidth = 196;

/// What the navigation buttons do on a page: where Prev and Cancel lead
/// (none: the button is off) and whether Next is on.
struct PageRule {
    std::optional<Page> prevTo;
    bool next = false;
    std::optional<Page> cancelTo;
};

constexpr std::array<PageRule, PageCount> PageRules = {{
    {std::nullopt, true, std::nullopt}, // start
    {std::nullopt, false, Page::Start}, // about
    {std::nullopt, true, Page::Start},  // list
    {Page::List, true, Page::Start},    // preview
    {std::nullopt, false, Page::Start}, // result
    {std::nullopt, true, Page::List},   // import layout
    {std::nullopt, true, Page::Start},  // folder
    {std::nullopt, true, Page::List},   // generators
    {std::nullopt, true, Page::List},   // export layout
    {std::nullopt, true, std::nullopt}, // filter
}};

const PageRule& RuleOfPage(Page page)
{
    return PageRules.at(PageIndex(page));
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, std::string home, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromBytes(ProgramTitle));
    setFixedSize(ClientWidth, ClientHeight);
    BuildForm1(this, c_, fileDialogs_, components_);
    progressView_ = std::make_unique<WindowProgress>(c_.ProgressBar, [this] {
        if (runPages_ != nullptr) {
            runPages_->ShowRunCounts();
        }
    });
    progress_ = std::make_unique<Progress>(progressView_.get());
    session_ = std::make_unique<RenameSession>(std::move(home), *progress_);
    job_ = new WindowJob(*this, *c_.CancelBtn, *progressView_, [this](bool on) { HoldListViews(on); });
    nameListPages_ = new NameListPages(c_, *session_, fileDialogs_, PageServicesOfWindow(), this);
    listPages_ = new ListPages(c_, *session_, *job_, *nameListPages_, PageServicesOfWindow(), this);
    runPages_ = new RunPages(c_, *session_, *job_, PageServicesOfWindow(), this);
    ConnectHeadings();
    ConnectFrame();
    SetUpKeyboard();
    folderPage_ = new FolderPage(c_, PageServicesOfWindow(), this);
    SetUpColours();
    setAcceptDrops(true);
    generatorPage_ = new GeneratorPage(
        c_, *session_, PageServicesOfWindow(),
        {[this] { return listPages_->SelectedRow(); }, [this](const QString& base) { ShowHelpText(base); }}, this);
    FormCreate();
}

TForm1::~TForm1()
{
    // The controls outlive this class's members while QWidget tears them
    // down: they must neither call back into the window or a page, nor show
    // rows of a list that is gone.
    QList<QObject*> receivers{this};
    for (QObject* page :
         std::initializer_list<QObject*>{folderPage_, nameListPages_, generatorPage_, listPages_, runPages_}) {
        receivers << page << page->findChildren<QObject*>();
    }
    for (QObject* child : findChildren<QObject*>()) {
        for (QObject* receiver : receivers) {
            child->disconnect(receiver);
        }
    }
    listPages_->ForgetRows();
    runPages_->ForgetRows();
}

void TForm1::ConnectHeadings()
{
    for (Component& component : components_) {
        if (component.name == QStringLiteral("ResultView")) {
            component.setHeadings = [this](const QStringList& headings) {
                runPages_->ResultRows().SetHeadings(headings);
            };
        } else if (component.name == QStringLiteral("FilterList")) {
            component.setHeadings = [this](const QStringList& headings) {
                listPages_->ShownRows().SetHeadings(headings);
            };
        } else if (component.name == QStringLiteral("TotalList")) {
            component.setHeadings = [this](const QStringList& headings) {
                runPages_->MasterRows().SetHeadings(headings);
            };
        }
    }
}

void TForm1::Bind(QAbstractButton* button, void (TForm1::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
}

PageServices TForm1::PageServicesOfWindow()
{
    return {this, &dialogs_, [this](std::string_view key) { return Text(key); },
            [this](const std::function<void()>& handler) { Guarded(handler); }, [this](Page page) { ShowPage(page); }};
}

void TForm1::Guarded(const std::function<void()>& handler)
{
    ++busy_;
    try {
        handler();
        // The bar takes the step's last position, which it was handed only at paints.
        progressView_->Settle();
    } catch (const StepStopped&) {
        // The user stopped it: the window shows the state from before the step.
        progressView_->Settle();
    } catch (const std::exception& error) {
        progressView_->Settle();
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Critical, QString::fromUtf8(error.what()));
    }
    --busy_;
}

void TForm1::HoldListViews(bool on)
{
    listPages_->Hold(on);
    runPages_->Hold(on);
}

void TForm1::ConnectFrame()
{
    Bind(c_.NextBtn, &TForm1::GoToNextPage);
    Bind(c_.PrevBtn, &TForm1::GoToPreviousPage);
    Bind(c_.CancelBtn, &TForm1::LeavePage);
    Bind(c_.HelpCheck, &TForm1::ToggleHelpPanel);
    for (const LinkLabel* link : {c_.InternetLinkLabel, c_.MailLinkLabel}) {
        connect(link, &LinkLabel::clicked, this, [this, link] { OpenLink(link); });
    }
}

void TForm1::FormCreate()
{
    // An error here leaves the later start-up steps undone; the window opens all the same.
    Guarded([this] {
        LoadDataFiles();
        nameListPages_->ShowExamples();
        ShowHelpText(QStringLiteral("GroupBox1"));
        ToggleHelpPanel();
    });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A step in progress paints the window but must not be cut short by its closing.
    if (busy_ > 0) {
        event->ignore();
        return;
    }
    Guarded([this] { SaveDataFiles(); });
    event->accept();
}

void TForm1::ShowPage(Page shown)
{
    c_.pages[PageIndex(currentPage_)]->hide();
    QGroupBox* const page = c_.pages[PageIndex(shown)];
    page->show();
    const bool toList = shown == Page::List && currentPage_ != Page::List;
    currentPage_ = shown;
    if (toList && listPages_ != nullptr) {
        // The folder may have changed while the window was elsewhere.
        listPages_->Shown();
    }
    // The keyboard starts on the page, not on a control that went out of sight.
    QWidget* focused = focusWidget();
    if (focused == nullptr || !focused->isVisibleTo(this) || !page->isAncestorOf(focused)) {
        for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
            // Not a tool bar button, where Enter would press that button instead of Next.
            if (page->isAncestorOf(next) && next->isVisibleTo(this) && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus) != 0 && qobject_cast<QToolButton*>(next) == nullptr) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    const PageRule& rule = RuleOfPage(shown);
    c_.PrevBtn->setEnabled(rule.prevTo.has_value());
    c_.NextBtn->setEnabled(rule.next);
    c_.CancelBtn->setEnabled(rule.cancelTo.has_value());
    if (shown == Page::Generators) {
        ShowHelpText(c_.GeneratePage->currentWidget()->objectName());
    } else {
        ShowHelpText(page->objectName());
    }
}

void TForm1::GoToPreviousPage()
{
    if (const std::optional<Page> to = RuleOfPage(currentPage_).prevTo) {
        ShowPage(*to);
    }
}

void TForm1::LeavePage()
{
    // Cancel undoes no work; it only changes the page.
    if (const std::optional<Page> to = RuleOfPage(currentPage_).cancelTo) {
        ShowPage(*to);
    }
}

void TForm1::ToggleHelpPanel()
{
    const bool shown = c_.HelpCheck->isChecked();
    const int offset = shown ? 0 : -HelpPanelWidth;
    int left = x();
    if (shown && width() != ClientWidth) {
        left = left >= HelpPanelWidth ? left - HelpPanelWidth : 0;
    } else if (!shown && width() == ClientWidth) {
        left += HelpPanelWidth;
    }
    c_.Shape1->setVisible(shown);
    c_.HelpMemo->setVisible(shown);
    // The pages and the bottom strip keep their place against the right edge.
    for (QGroupBox* page : c_.pages) {
        page->move(200 + offset, page->y());
    }
    c_.ProgressBar->move(200 + offset, c_.ProgressBar->y());
    c_.HelpCheck->move(200 + offset, c_.HelpCheck->y());
    c_.PrevBtn->move(496 + offset, c_.PrevBtn->y());
    c_.NextBtn->move(536 + offset, c_.NextBtn->y());
    c_.CancelBtn->move(584 + offset, c_.CancelBtn->y());
    setFixedSize(ClientWidth + offset, ClientHeight);
    move(left, y());
}

void TForm1::OpenLink(const QLabel* link)
{
    dialogs_.OpenExternally(link->text());
}

} // namespace tollwick
