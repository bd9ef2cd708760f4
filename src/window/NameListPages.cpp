// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/NameListPages.h"

#include "settings/InterfaceTexts.h"
#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/MemoText.h"
#include "window/TextBridge.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

namespace tollwick {
namespace {

QString ActiveTabName(const QTabBar* strip)
{
    return strip->tabData(strip->currentIndex()).toString();
}

} // namespace

NameListPages::NameListPages(Form1Controls& controls, const RenameSession& session, const Form1Dialogs& fileDialogs,
                             PageServices services, QObject* parent)
    : QObject(parent), c_(controls), session_(session), fileDialogs_(fileDialogs), services_(std::move(services))
{
    connect(c_.KindOfLoadList, &QTabBar::currentChanged, this,
            [this] { services_.guarded([this] { ShowImportExample(); }); });
    connect(c_.KindOfSaveList, &QTabBar::currentChanged, this,
            [this] { services_.guarded([this] { ShowExportExample(); }); });
}

void NameListPages::ChooseListToImport()
{
    if (const std::optional<QString> chosen = services_.dialogs->ChooseFile(services_.window, fileDialogs_.OpenList)) {
        listFileName_ = *chosen;
        services_.showPage(Page::Import);
    }
}

void NameListPages::ChooseListToExport()
{
    if (const std::optional<QString> chosen = services_.dialogs->ChooseFile(services_.window, fileDialogs_.SaveList)) {
        listFileName_ = *chosen;
        services_.showPage(Page::Export);
    }
}

std::optional<NameListPages::Choice> NameListPages::ImportChoice() const
{
    const std::optional<NameListLayout> layout = ImportLayoutOfTab(ToBytes(ActiveTabName(c_.KindOfLoadList)));
    if (!layout) {
        return std::nullopt;
    }
    return Choice{PathToBytes(listFileName_), *layout, ToBytes(c_.Kind5Edit->text())};
}

std::optional<NameListPages::Choice> NameListPages::ExportChoice() const
{
    const std::optional<NameListLayout> layout = ExportLayoutOfTab(ToBytes(ActiveTabName(c_.KindOfSaveList)));
    if (!layout) {
        return std::nullopt;
    }
    return Choice{PathToBytes(listFileName_), *layout, ToBytes(c_.KindSaveEdit->text())};
}

void NameListPages::ShowExamples()
{
    ShowImportExample();
    ShowExportExample();
}

void NameListPages::ShowImportExample()
{
    ShowExample(ActiveTabName(c_.KindOfLoadList), true);
}

void NameListPages::ShowExportExample()
{
    // The export tabs' names carry a letter before the layout's.
    ShowExample(ActiveTabName(c_.KindOfSaveList).mid(1), false);
}

void NameListPages::ShowExample(const QString& layout, bool forImport)
{
    QPlainTextEdit* memo = forImport ? c_.KindDemo : c_.KindSaveDemo;
    QLineEdit* separator = forImport ? c_.Kind5Edit : c_.KindSaveEdit;
    memo->clear();
    const std::string name = ToBytes(layout);
    ShowAtTop(memo, JoinedLines(LayoutExampleLines(session_.Texts(), name)));
    separator->setEnabled(LayoutUsesSeparator(name));
}

} // namespace tollwick
