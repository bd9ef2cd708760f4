// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tollwick {

class Dialogs;

/// The generator page's presets: a box that chooses a saved list of steps to
/// run instead of the active tab, and "Save as preset..." that keeps what
/// the next pass would run under a name.
class PresetBox final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PresetBox)

public:
    struct Controls {
        QLabel* label = nullptr;
        QComboBox* box = nullptr;
        QPushButton* save = nullptr;
    };
    using TextOf = std::function<QString(std::string_view key)>;
    using StepsOf = std::function<std::vector<GeneratorStep>()>;

    /// `tabSteps` gives the step of the active tab, as the pass would run it.
    PresetBox(const RenameSession& session, Dialogs& dialogs, QWidget* owner, Controls controls, TextOf text,
              StepsOf tabSteps, QObject* parent);
    ~PresetBox() override = default;

    void ApplyTexts();
    /// Lists the presets of the home again, keeping the choice while it is there.
    void Refresh();
    /// The steps of the chosen preset; none while no preset is chosen.
    [[nodiscard]] const std::optional<std::vector<GeneratorStep>>& Chosen() const { return chosen_; }
    /// What the next pass runs: the chosen preset, else the active tab.
    [[nodiscard]] std::vector<GeneratorStep> StepsToRun() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// Another preset, or none, is chosen.
    void ChoiceChanged();

private:
    void Choose(int position);
    void SaveAs();
    void ShowError(const QString& message);

    const RenameSession& session_;
    Dialogs& dialogs_;
    QWidget* owner_;
    Controls c_;
    TextOf text_;
    StepsOf tabSteps_;
    QObject* page_; // the generator page; compared only, never reached after the start
    std::optional<std::vector<GeneratorStep>> chosen_;
};

} // namespace tollwick
