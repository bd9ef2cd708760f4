// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "window/GeneratorPage.h"
#include "window/GeneratorSample.h"
#include "window/ListPages.h"
#include "window/NameListPages.h"
#include "window/RowTableModel.h"
#include "window/RunPages.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <memory>
#include <tuple>

namespace tollwick {
void TForm1::NextOnListPage()
{
    listPages_->Leaving();
    // Stopped or failed, the preview leaves the list page going on as before.
    auto stay = qScopeGuard([this] { listPages_->Stayed(); });
    if (runPages_->PrepareForecast()) {
        stay.dismiss();
        ShowPage(Page::Preview);
    }
}

void TForm1::NextOnPreviewPage()
{
    runPages_->Run();
}

void TForm1::NextOnImportPage()
{
    const std::optional<NameListPages::Choice> choice = nameListPages_->ImportChoice();
    if (!choice) {
        return;
    }
    listPages_->StepWithFilterPass([this, &choice](const std::stop_token&) {
        session_->ImportNameList(choice->path, choice->layout, choice->separator);
    });
    ShowPage(Page::List);
}

void TForm1::NextOnExportPage()
{
    if (const std::optional<NameListPages::Choice> choice = nameListPages_->ExportChoice()) {
        InJob([this, &choice](const std::stop_token&) {
            session_->ExportNameList(choice->path, choice->layout, choice->separator);
        });
        ShowPage(Page::List);
    }
}

void TForm1::NextOnGeneratorPage()
{
    if (const std::optional<std::vector<GeneratorStep>>& preset = generatorPage_->ChosenPreset()) {
        // A preset's own texts are not the tabs': nothing is written back into them.
        const CleanedTexts cleaned =
            InJob([this, &preset](const std::stop_token& stop) { return session_->GenerateNewNames(*preset, stop); });
        ShowPage(Page::List);
        ShowMissingValues(cleaned.missing);
        return;
    }
    CleanedTexts cleaned;
    try {
        cleaned = InJob([this, kind = ActiveGenerator(c_)](const std::stop_token& stop) {
            return session_->GenerateNewNames(kind, stop);
        });
        ShowCleanedTexts(cleaned);
    } catch (const GenerationStopped& stopped) {
        ShowCleanedTexts(stopped.Cleaned());
        throw;
    }
    ShowPage(Page::List);
    ShowMissingValues(cleaned.missing);
}

void TForm1::ShowMissingValues(const std::vector<MissingValue>& missing)
{
    QStringList lines;
    for (const MissingValue& each : missing) {
        lines.append(FromBytes(session_->NoValueMessage(each)));
    }
    if (!lines.isEmpty()) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Information, lines.join(QLatin1Char('\n')));
    }
}

void TForm1::ShowCleanedTexts(const CleanedTexts& cleaned)
{
    const std::pair<const std::optional<std::string>*, QLineEdit*> fields[] = {
        {&cleaned.replaceFrom, c_.ChangeFromEdit},
        {&cleaned.replaceTo, c_.ChangeToEdit},
        {&cleaned.nameMask, c_.MaskNameEdit},
        {&cleaned.extensionMask, c_.MaskExtEdit}};
    for (const auto& [text, edit] : fields) {
        if (text->has_value()) {
            edit->setText(FromBytes(**text));
        }
    }
}

void TForm1::LoadUndoFileChosen(const QString& path)
{
    UndoLoadOutcome outcome = UndoLoadOutcome::Loaded;
    listPages_->StepWithFilterPass(
        [this, &path, &outcome](const std::stop_token&) { outcome = session_->LoadUndoFile(PathToBytes(path)); });
    if (outcome == UndoLoadOutcome::NoRenaming) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Information, Text(MessageKeyOf(outcome)));
    }
}

} // namespace tollwick
