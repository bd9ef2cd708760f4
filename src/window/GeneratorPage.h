// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameSession.h"
#include "window/PageServices.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QListWidget;

namespace tollwick {

struct Form1Controls;
class GeneratorSampleView;
class PresetBox;

/// The generator page: its tabs' options, which go to the session as they
/// change, the sample, the presets, and the transliteration tables with
/// their context menu.
class GeneratorPage final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneratorPage)

public:
    struct Hooks {
        std::function<int()> selectedRow;                  // of the list page; -1 for none
        std::function<void(const QString& base)> showHelp; // the help panel's text of a tab
    };

    GeneratorPage(Form1Controls& controls, RenameSession& session, PageServices services, Hooks hooks, QObject* parent);
    ~GeneratorPage() override = default;

    /// The steps of the chosen preset; none while the active tab runs.
    [[nodiscard]] const std::optional<std::vector<GeneratorStep>>& ChosenPreset() const;
    /// Shows the session's tables in their lists.
    void ShowTables();
    void ApplyTexts();

private:
    /// The list of the table the context menu was opened on, with the table; none when it was not.
    [[nodiscard]] std::optional<std::pair<QListWidget*, TranslitTable>> MenuTable() const;
    /// After a change of a table: the lists and the sample show it.
    void TablesChanged();
    void ShowTableMenu(QListWidget* list, QPoint where);
    void AddEntryFromMenu();
    void EditEntryFromMenu();
    void DeleteEntryFromMenu();

    Form1Controls& c_;
    RenameSession& session_;
    PageServices services_;
    PresetBox* presets_ = nullptr;
    GeneratorSampleView* sample_ = nullptr;
    QListWidget* menuList_ = nullptr; // the list the context menu was opened on
};

} // namespace tollwick
