// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DataFiles.h"
#include "settings/InterfaceTexts.h"
#include "settings/LanguageKeys.h"
#include "settings/OptionsFile.h"
#include "window/FolderPage.h"
#include "window/GeneratorPage.h"
#include "window/GeneratorSample.h"
#include "window/MemoText.h"
#include "window/TextBridge.h"
#include "window/Widgets.h"
#include "window/main.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <map>

namespace tollwick {
QString TForm1::Text(std::string_view key) const
{
    return FromBytes(session_->Text(key));
}

void TForm1::LoadDataFiles()
{
    c_.AboutMemo->clear();
    const auto showProgress = [this](int position, int maximum) { progress_->ShowProgress(position, maximum); };
    try {
        session_->LoadDataFiles(showProgress);
    } catch (...) {
        // A table count that is not a number leaves the tables read so far.
        generatorPage_->ShowTables();
        throw;
    }
    generatorPage_->ShowTables();
    ApplyTexts();
    generatorPage_->ApplyTexts();
    folderPage_->ApplyTexts();
    progress_->ShowProgress(8, 0);
    ApplyAboutTexts();
    progress_->ShowProgress(9, 0);
    Settings settings = CurrentSettings();
    try {
        RestoreSettings(session_->Texts(), settings);
    } catch (...) {
        ApplySettings(settings);
        throw;
    }
    ApplySettings(settings);
    c_.RegExpCheck->setChecked(LoadExtraOptions(session_->Home()).regex);
    languageFileName_ = settings.languageFileName;
    PointDialogsAtStartFolders();
    progress_->ShowProgress(0, 100);
}

void TForm1::SaveDataFiles()
{
    Settings settings = CurrentSettings();
    settings.languageFileName = languageFileName_;
    session_->SaveDataFiles(settings,
                            [this](int position, int maximum) { progress_->ShowProgress(position, maximum); });
    SaveExtraOptions(session_->Home(), {.regex = c_.RegExpCheck->isChecked()});
}

const Component* TForm1::FindComponent(std::string_view name) const
{
    const QString wanted = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (const Component& component : components_) {
        if (component.name == wanted) {
            return &component;
        }
    }
    return nullptr;
}

Settings TForm1::CurrentSettings() const
{
    Settings settings;
    settings.languageFileName = languageFileName_;
    for (std::size_t k = 0; k < StoredControls.size(); ++k) {
        const Component* component = FindComponent(StoredControls[k].name);
        if (component->edit != nullptr) {
            settings.values[k].text = ToBytes(component->edit->text());
        } else {
            settings.values[k].checked = component->box->isChecked();
        }
    }
    return settings;
}

void TForm1::ApplySettings(const Settings& settings)
{
    std::map<int, bool> groupChosen;
    for (std::size_t k = 0; k < StoredControls.size(); ++k) {
        const StoredControl& control = StoredControls[k];
        const Component* component = FindComponent(control.name);
        const ControlValue& value = settings.values[k];
        if (control.kind == ControlKind::EditField) {
            component->edit->setText(FromBytes(value.text));
        } else if (control.kind == ControlKind::RadioButton) {
            groupChosen[control.radioGroup] = groupChosen[control.radioGroup] || value.checked;
            if (value.checked) {
                component->box->setChecked(true);
            }
        } else if (component->box->isChecked() != value.checked) {
            component->box->setChecked(value.checked);
            if (component->name == QStringLiteral("HelpCheck")) {
                ToggleHelpPanel();
            }
        }
    }
    // A group the settings leave without a choice takes its first button, so
    // no generator pass runs without a mode.
    for (const StoredControl& control : StoredControls) {
        if (control.kind == ControlKind::RadioButton && !groupChosen[control.radioGroup]) {
            FindComponent(control.name)->box->setChecked(true);
            groupChosen[control.radioGroup] = true;
        }
    }
    // A control set to the value it held sends no change: the session learns it here.
    session_->SetGenerators(GeneratorSetupOf(c_));
}

void TForm1::ApplyTexts()
{
    QStringList headings;
    for (const std::string_view key : ColumnKeys) {
        headings.append(Text(key));
    }
    dialogs_.SetButtonTexts({Text("DialogOK"), Text("DialogCancel"), Text("DialogNo")});
    for (const Component& component : components_) {
        if (component.setHeadings) {
            component.setHeadings(headings);
        } else if (component.setText) {
            component.setText(Text(ToBytes(component.name)));
        }
    }
}

void TForm1::ApplyAboutTexts()
{
    ShowAtTop(c_.AboutMemo, JoinedLines(AboutLines(session_->Texts())));
    SetRightAlignedText(c_.InternetLinkLabel, FromBytes(InternetLinkText(session_->Texts())), 416);
}

void TForm1::ShowHelpText(const QString& base)
{
    if (const std::optional<std::vector<std::string>> lines = HelpLines(session_->Texts(), ToBytes(base))) {
        ShowAtTop(c_.HelpMemo, JoinedLines(*lines));
    }
}

void TForm1::PointDialogsAtStartFolders()
{
    const QString home = PathFromBytes(session_->Home());
    // A configured folder that is gone falls back to the home, then to the user's own.
    const auto existing = [&home](const QString& folder) {
        for (const QString& candidate : {folder, home, QDir::homePath()}) {
            if (QFileInfo(candidate).isDir()) {
                return candidate;
            }
        }
        return QDir::rootPath();
    };
    fileDialogs_.OpenUndo.startFolder = existing(home + QStringLiteral("undo"));
    fileDialogs_.OpenLanguage.startFolder = existing(home + QStringLiteral("language"));
    fileDialogs_.OpenList.startFolder = existing(home);
    fileDialogs_.SaveList.startFolder = existing(home);
    folderPage_->ShowLastFolder();
}

} // namespace tollwick
