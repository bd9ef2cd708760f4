// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TableEditor.h"

#include "window/TextBridge.h"
#include "window/main.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <memory>

namespace tollwick {
namespace {

// Each item keeps its entry's bytes, so a table goes back to its file as it came.
constexpr int EntryRole = Qt::UserRole;

std::vector<std::string> Entries(const QListWidget* list)
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int k = 0; k < list->count(); ++k) {
        const QByteArray bytes = list->item(k)->data(EntryRole).toByteArray();
        entries.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return entries;
}

void SetEntry(QListWidgetItem* item, const std::string& entry)
{
    item->setText(FromBytes(entry));
    item->setData(EntryRole, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
}

void ShowEntries(QListWidget* list, const std::vector<std::string>& entries)
{
    list->clear();
    for (const std::string& entry : entries) {
        auto* item = new QListWidgetItem(list);
        SetEntry(item, entry);
    }
}

} // namespace

TranslitTables TForm1::TablesFromLists() const
{
    TranslitTables tables;
    tables.CyrLongList = Entries(c_.CyrLongList);
    tables.CyrList = Entries(c_.CyrList);
    tables.LatLongList = Entries(c_.LatLongList);
    tables.LatList = Entries(c_.LatList);
    return tables;
}

void TForm1::ShowTables(const TranslitTables& tables)
{
    ShowEntries(c_.CyrLongList, tables.CyrLongList);
    ShowEntries(c_.CyrList, tables.CyrList);
    ShowEntries(c_.LatLongList, tables.LatLongList);
    ShowEntries(c_.LatList, tables.LatList);
}

void TForm1::PopupMenu1Popup(QListWidget* list, QPoint where)
{
    menuList_ = list;
    const bool hasEntry = !list->selectedItems().isEmpty();
    c_.EditMenu->setEnabled(hasEntry);
    c_.DeleteMenu->setEnabled(hasEntry);
    c_.PopupMenu1->popup(list->viewport()->mapToGlobal(where));
}

void TForm1::AddMenuClick()
{
    if (menuList_ == nullptr) {
        return;
    }
    const InputBox ask = [this](const std::string& title, const std::string& prompt, const std::string& initial) {
        return ToBytes(dialogs_.InputBox(this, FromBytes(title), FromBytes(prompt), FromBytes(initial)));
    };
    if (const std::optional<std::string> entry = AskNewEntry(session_->Texts(), ask)) {
        auto* item = new QListWidgetItem(menuList_);
        SetEntry(item, *entry);
    }
}

void TForm1::EditMenuClick()
{
    if (menuList_ == nullptr || menuList_->selectedItems().isEmpty()) {
        return;
    }
    QListWidgetItem* item = menuList_->selectedItems().constFirst();
    const QByteArray bytes = item->data(EntryRole).toByteArray();
    const std::string entry(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const InputBox ask = [this](const std::string& title, const std::string& prompt, const std::string& initial) {
        return ToBytes(dialogs_.InputBox(this, FromBytes(title), FromBytes(prompt), FromBytes(initial)));
    };
    SetEntry(item, AskEditedEntry(session_->Texts(), entry, ask));
}

void TForm1::DeleteMenuClick()
{
    if (menuList_ == nullptr || menuList_->selectedItems().isEmpty()) {
        return;
    }
    QListWidgetItem* item = menuList_->selectedItems().constFirst();
    if (dialogs_.ConfirmNoOk(this, Text("Msg10"))) {
        const std::unique_ptr<QListWidgetItem> removed(menuList_->takeItem(menuList_->row(item)));
    }
}

} // namespace tollwick
