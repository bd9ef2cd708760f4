// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ProgramVersion.h"
#include "window/GeneratorSample.h"
#include "window/ListForecast.h"
#include "window/PresetBox.h"
#include "window/ResultModel.h"
#include "window/RowTableModel.h"
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

namespace tollwick {
namespace {

constexpr int ClientWidth = 627;
constexpr int ClientHeight = 380;
constexpr int HelpPanelWidth = 196;

/// What the navigation buttons do on a page: where Prev and Cancel lead
/// (0: the button is off) and whether Next is on.
struct PageRule {
    int prevTo;
    bool next;
    int cancelTo;
};

constexpr std::array<PageRule, 10> PageRules = {{
    {0, true, 0},  // 1 start
    {0, false, 1}, // 2 about
    {0, true, 1},  // 3 list
    {3, true, 1},  // 4 preview
    {0, false, 1}, // 5 result
    {0, true, 3},  // 6 import layout
    {0, true, 1},  // 7 folder
    {0, true, 3},  // 8 generators
    {0, true, 3},  // 9 export layout
    {0, true, 0},  // 10 filter
}};

const PageRule& RuleOfPage(int page)
{
    return PageRules.at(static_cast<std::size_t>(page - 1));
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
    progressView_ = std::make_unique<WindowProgress>(c_.ProgressBar, [this] { ShowRunCounts(); });
    progress_ = std::make_unique<Progress>(progressView_.get());
    session_ = std::make_unique<RenameSession>(std::move(home), *progress_);
    SetUpListViews();
    ConnectFrame();
    ConnectListPage();
    ConnectOtherPages();
    SetUpKeyboard();
    SetUpFolderPage();
    SetUpColours();
    setAcceptDrops(true);
    lastFolder_ = QDir::homePath();
    FillDriveList();
    presets_ = new PresetBox(
        *session_, dialogs_, this, {c_.PresetLabel, c_.PresetBox, c_.SavePresetBtn},
        [this](std::string_view key) { return Text(key); },
        [this] {
            const std::optional<GeneratorKind> kind = ActiveGenerator(c_);
            return kind ? std::vector<GeneratorStep>{StepOf(session_->Generators(), *kind)}
                        : std::vector<GeneratorStep>{};
        },
        this);
    sample_ = new GeneratorSampleView(c_,
                                      {session_.get(), [this] { return SelectedRow(); },
                                       [this] { return presets_->StepsToRun(); },
                                       [this](const std::string& key) { return Text(key); }},
                                      this);
    connect(presets_, &PresetBox::ChoiceChanged, sample_, &GeneratorSampleView::Refresh);
    // The page's controls show the session's generator setup; each change goes there first.
    ConnectGeneratorOptions(c_, sample_, [this] {
        session_->SetGenerators(GeneratorSetupOf(c_));
        sample_->RefreshWhenShown();
    });
    FormCreate();
}

TForm1::~TForm1()
{
    // The controls outlive this class's members while QWidget tears them
    // down: they must neither call back nor show rows of a list that is gone.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
        child->disconnect(sample_);
    }
    c_.FilterList->setModel(nullptr);
    c_.TotalList->setModel(nullptr);
    shownModel_->ForgetSession();
    masterModel_->ForgetSession();
    c_.ResultView->setModel(nullptr);
}

void TForm1::SetUpListViews()
{
    shownModel_ = new RowTableModel(*session_, RowTableModel::SessionRows::Shown, this);
    masterModel_ = new RowTableModel(*session_, RowTableModel::SessionRows::Master, this);
    resultModel_ = new ResultModel(this);
    c_.FilterList->setModel(shownModel_);
    c_.TotalList->setModel(masterModel_);
    c_.ResultView->setModel(resultModel_);
    listForecast_ = new ListForecast(
        *session_, *shownModel_, *c_.ListForecastLabel, *c_.UndoCheck, *progress_,
        [this](std::string_view key) { return Text(key); }, this);
    // Every change of the shown rows but the marks' own.
    connect(shownModel_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != RowTableModel::MarkRoles()) {
                    listForecast_->Later();
                }
            });
    connect(shownModel_, &QAbstractItemModel::modelReset, listForecast_, &ListForecast::Later);
    connect(c_.UndoCheck, &QCheckBox::toggled, listForecast_, &ListForecast::UndoToggled);
    for (QTreeView* view : {c_.FilterList, c_.TotalList}) {
        QHeaderView* header = view->header();
        header->setSectionResizeMode(QHeaderView::Interactive);
        header->setSectionResizeMode(RowTableModel::NewNameColumn, QHeaderView::Stretch);
        header->resizeSection(RowTableModel::OldNameColumn, 150);
        // Wide enough for a whole date text in the window's font.
        const int dateWidth = view->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00_00-00-00")) + 12;
        header->resizeSection(RowTableModel::DateTextColumn, std::max(100, dateWidth));
        view->setColumnHidden(RowTableModel::IndexColumn, true);
    }
    c_.FilterList->header()->setSectionsClickable(true);
    c_.FilterList->header()->setSortIndicatorShown(true);
    c_.FilterList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    QHeaderView* results = c_.ResultView->horizontalHeader();
    results->setSectionResizeMode(QHeaderView::Interactive);
    results->resizeSection(ResultModel::OldNameColumn, 150);
    results->resizeSection(ResultModel::NewNameColumn, 150);
    results->setSectionResizeMode(ResultModel::StatusColumn, QHeaderView::Stretch);
    c_.ResultView->setColumnHidden(ResultModel::DateTextColumn, true);

    for (Component& component : components_) {
        if (component.name == QStringLiteral("ResultView")) {
            component.setHeadings = [this](const QStringList& headings) { resultModel_->SetHeadings(headings); };
        } else if (component.name == QStringLiteral("FilterList")) {
            component.setHeadings = [this](const QStringList& headings) { shownModel_->SetHeadings(headings); };
        } else if (component.name == QStringLiteral("TotalList")) {
            component.setHeadings = [this](const QStringList& headings) { masterModel_->SetHeadings(headings); };
        }
    }
}

void TForm1::Bind(QAbstractButton* button, void (TForm1::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
}

void TForm1::Guarded(const std::function<void()>& handler)
{
    ++busy_;
    try {
        handler();
        // The bar takes the step's last position, which it was handed only at paints.
        progressView_->Settle();
    } catch (const std::exception& error) {
        progressView_->Settle();
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Critical, QString::fromUtf8(error.what()));
    }
    --busy_;
}

void TForm1::ConnectFrame()
{
    Bind(c_.NextBtn, &TForm1::NextBtnClick);
    Bind(c_.PrevBtn, &TForm1::PrevBtnClick);
    Bind(c_.CancelBtn, &TForm1::CancelBtnClick);
    Bind(c_.HelpCheck, &TForm1::HelpCheckClick);
    for (const LinkLabel* link : {c_.InternetLinkLabel, c_.MailLinkLabel}) {
        connect(link, &LinkLabel::clicked, this, [this, link] { InternetLinkLabelClick(link); });
    }
}

void TForm1::FormCreate()
{
    // An error here leaves the later start-up steps undone; the window opens all the same.
    Guarded([this] {
        LoadDataFiles();
        ShowLayoutDemo(QStringLiteral("Kind1"), true);
        ShowLayoutDemo(QStringLiteral("Kind1"), false);
        ShowHelpText(QStringLiteral("GroupBox1"));
        HelpCheckClick();
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

void TForm1::ShowPage(int n)
{
    c_.pages[static_cast<std::size_t>(currentPage_ - 1)]->hide();
    QGroupBox* const page = c_.pages[static_cast<std::size_t>(n - 1)];
    page->show();
    const bool toList = n == 3 && currentPage_ != 3;
    currentPage_ = n;
    if (toList && listForecast_ != nullptr) {
        // The folder may have changed while the window was elsewhere.
        listForecast_->Relist();
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
    const PageRule& rule = RuleOfPage(n);
    c_.PrevBtn->setEnabled(rule.prevTo != 0);
    c_.NextBtn->setEnabled(rule.next);
    c_.CancelBtn->setEnabled(rule.cancelTo != 0);
    if (n == 8) {
        ShowHelpText(c_.GeneratePage->currentWidget()->objectName());
    } else {
        ShowHelpText(QStringLiteral("GroupBox%1").arg(n));
    }
}

void TForm1::PrevBtnClick()
{
    if (const int to = RuleOfPage(currentPage_).prevTo; to != 0) {
        ShowPage(to);
    }
}

void TForm1::CancelBtnClick()
{
    // Cancel undoes no work; it only changes the page.
    if (const int to = RuleOfPage(currentPage_).cancelTo; to != 0) {
        ShowPage(to);
    }
}

void TForm1::HelpCheckClick()
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

void TForm1::InternetLinkLabelClick(const QLabel* link)
{
    dialogs_.OpenExternally(link->text());
}

} // namespace tollwick
