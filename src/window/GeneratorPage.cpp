// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/GeneratorPage.h"

#include "window/Form1Controls.h"
#include "window/GeneratorSample.h"
#include "window/PresetBox.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>

namespace tollwick {

GeneratorPage::GeneratorPage(Form1Controls& controls, RenameSession& session, PageServices services, Hooks hooks,
                             QObject* parent)
    : QObject(parent), c_(controls), session_(session), services_(std::move(services))
{
    presets_ = new PresetBox(
        session_, *services_.dialogs, services_.window, {c_.PresetLabel, c_.PresetBox, c_.SavePresetBtn},
        services_.text,
        [this] {
            const std::optional<GeneratorKind> kind = ActiveGenerator(c_);
            return kind ? std::vector<GeneratorStep>{StepOf(session_.Generators(), *kind)}
                        : std::vector<GeneratorStep>{};
        },
        this);
    sample_ =
        new GeneratorSampleView(c_,
                                {&session_, std::move(hooks.selectedRow), [this] { return presets_->StepsToRun(); },
                                 [this](const std::string& key) { return services_.text(key); }},
                                this);
    connect(presets_, &PresetBox::ChoiceChanged, sample_, &GeneratorSampleView::Refresh);
    // The page's controls show the session's generator setup; each change goes there first.
    ConnectGeneratorOptions(c_, sample_, [this] {
        session_.SetGenerators(GeneratorSetupOf(c_));
        sample_->RefreshWhenShown();
    });
    connect(c_.GeneratePage, &QTabWidget::currentChanged, this, [this, showHelp = std::move(hooks.showHelp)] {
        services_.guarded([this, &showHelp] { showHelp(c_.GeneratePage->currentWidget()->objectName()); });
    });
    for (QListWidget* table : {c_.CyrLongList, c_.CyrList, c_.LatLongList, c_.LatList}) {
        connect(table, &QWidget::customContextMenuRequested, this,
                [this, table](QPoint where) { ShowTableMenu(table, where); });
    }
    connect(c_.AddMenu, &QAction::triggered, this, [this] { services_.guarded([this] { AddEntryFromMenu(); }); });
    connect(c_.EditMenu, &QAction::triggered, this, [this] { services_.guarded([this] { EditEntryFromMenu(); }); });
    connect(c_.DeleteMenu, &QAction::triggered, this, [this] { services_.guarded([this] { DeleteEntryFromMenu(); }); });
}

const std::optional<std::vector<GeneratorStep>>& GeneratorPage::ChosenPreset() const
{
    return presets_->Chosen();
}

void GeneratorPage::ApplyTexts()
{
    presets_->ApplyTexts();
}

} // namespace tollwick
