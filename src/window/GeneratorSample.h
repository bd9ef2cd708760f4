// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "window/Form1Controls.h"

#include <QObject>
#include <QPalette>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tollwick {

/// The generator page's steps as its controls hold them.
[[nodiscard]] GeneratorSetup GeneratorSetupOf(const Form1Controls& c);
/// The generator of the active tab; none when the tab has no generator.
[[nodiscard]] std::optional<GeneratorKind> ActiveGenerator(const Form1Controls& c);
/// Calls `changed` after every change of an option or a tab of the generator page.
void ConnectGeneratorOptions(const Form1Controls& c, QObject* context, const std::function<void()>& changed);

/// The sample of the generator page (GenerateSampleLabel): the present new
/// name of the selected row of the list page, else of the first shown row,
/// and what the active tab would make of it, or in red the error that would
/// stop the pass. Made anew each time the page is shown.
class GeneratorSampleView final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneratorSampleView)

public:
    /// What the sample reads from the window besides its controls.
    struct Sources {
        const RenameSession* session = nullptr;
        std::function<int()> selectedRow;                  // -1 for none
        std::function<std::vector<GeneratorStep>()> steps; // what the next pass runs
        std::function<QString(const std::string&)> text;   // a language text
    };

    GeneratorSampleView(const Form1Controls& controls, Sources sources, QObject* parent);
    ~GeneratorSampleView() override = default;

    void Refresh();
    /// Refresh, while the page shows: settings restored at start and a hidden page need no sample.
    void RefreshWhenShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowLines(const QString& first, const QString& second);
    void ShowError(const QString& error);

    const Form1Controls& c_;
    Sources sources_;
    QPalette plainPalette_;
};

} // namespace tollwick
