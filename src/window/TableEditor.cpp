// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TableEditor.h"

#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/GeneratorPage.h"
#include "window/GeneratorSample.h"
#include "window/TextBridge.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace tollwick {
namespace {

// The lists only show the session's tables; every edit goes to the session.
void ShowEntries(QListWidget* list, const std::vector<std::string>& entries)
{
    const int selected = list->currentRow();
    list->clear();
    for (const std::string& entry : entries) {
        list->addItem(FromBytes(entry));
    }
    list->setCurrentRow(std::min(selected, list->count() - 1));
}

// The table editor's questions, asked in the window's own dialogs.
InputBox AskThrough(Dialogs& dialogs, QWidget* owner)
{
    return [&dialogs, owner](const std::string& title, const std::string& prompt, const std::string& initial) {
        return ToBytes(dialogs.InputBox(owner, FromBytes(title), FromBytes(prompt), FromBytes(initial)));
    };
}

} // namespace

void GeneratorPage::ShowTables()
{
    const TranslitTables& tables = session_.Tables();
    ShowEntries(c_.CyrLongList, tables.CyrLongList);
    ShowEntries(c_.CyrList, tables.CyrList);
    ShowEntries(c_.LatLongList, tables.LatLongList);
    ShowEntries(c_.LatList, tables.LatList);
}

std::optional<std::pair<QListWidget*, TranslitTable>> GeneratorPage::MenuTable() const
{
    const std::pair<QListWidget*, TranslitTable> tables[] = {{c_.CyrLongList, TranslitTable::CyrillicFirst},
                                                             {c_.CyrList, TranslitTable::Cyrillic},
                                                             {c_.LatLongList, TranslitTable::LatinFirst},
                                                             {c_.LatList, TranslitTable::Latin}};
    for (const auto& table : tables) {
        if (table.first == menuList_) {
            return table;
        }
    }
    return std::nullopt;
}

void GeneratorPage::TablesChanged()
{
    ShowTables();
    sample_->RefreshWhenShown();
}

void GeneratorPage::ShowTableMenu(QListWidget* list, QPoint where)
{
    menuList_ = list;
    const bool hasEntry = !list->selectedItems().isEmpty();
    c_.EditMenu->setEnabled(hasEntry);
    c_.DeleteMenu->setEnabled(hasEntry);
    c_.PopupMenu1->popup(list->viewport()->mapToGlobal(where));
}

void GeneratorPage::AddEntryFromMenu()
{
    const auto table = MenuTable();
    if (!table) {
        return;
    }
    if (std::optional<std::string> entry =
            AskNewEntry(session_.Texts(), AskThrough(*services_.dialogs, services_.window))) {
        session_.AddTableEntry(table->second, std::move(*entry));
        TablesChanged();
        table->first->setCurrentRow(table->first->count() - 1);
    }
}

void GeneratorPage::EditEntryFromMenu()
{
    const auto table = MenuTable();
    if (!table || table->first->selectedItems().isEmpty()) {
        return;
    }
    const auto position = static_cast<std::size_t>(table->first->row(table->first->selectedItems().constFirst()));
    const std::vector<std::string>& entries = TableEntries(session_.Tables(), table->second);
    if (position < entries.size()) {
        session_.SetTableEntry(
            table->second, position,
            AskEditedEntry(session_.Texts(), entries[position], AskThrough(*services_.dialogs, services_.window)));
        TablesChanged();
    }
}

void GeneratorPage::DeleteEntryFromMenu()
{
    const auto table = MenuTable();
    if (!table || table->first->selectedItems().isEmpty()) {
        return;
    }
    const auto position = static_cast<std::size_t>(table->first->row(table->first->selectedItems().constFirst()));
    if (services_.dialogs->ConfirmNoOk(services_.window, services_.text("Msg10"))) {
        session_.RemoveTableEntry(table->second, position);
        TablesChanged();
    }
}

} // namespace tollwick
