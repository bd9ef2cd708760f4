// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/PresetBox.h"

#include "platform/Errors.h"
#include "settings/PresetFile.h"
#include "window/Dialogs.h"
#include "window/TextBridge.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace tollwick {

PresetBox::PresetBox(const RenameSession& session, Dialogs& dialogs, QWidget* owner, Controls controls, TextOf text,
                     StepsOf tabSteps, QObject* parent)
    : QObject(parent), session_(session), dialogs_(dialogs), owner_(owner), c_(controls), text_(std::move(text)),
      tabSteps_(std::move(tabSteps)), page_(controls.box->parentWidget())
{
    c_.box->addItem(QString());
    c_.label->setBuddy(c_.box);
    // Presets saved meanwhile, by tollwick-batch too, show each time the page does.
    page_->installEventFilter(this);
    connect(c_.box, &QComboBox::activated, this, &PresetBox::Choose);
    connect(c_.save, &QPushButton::clicked, this, &PresetBox::SaveAs);
}

void PresetBox::ApplyTexts()
{
    c_.label->setText(text_("PresetLabel"));
    c_.box->setItemText(0, text_("PresetNone"));
    c_.save->setText(text_("SavePresetBtn"));
}

void PresetBox::Refresh()
{
    const QString chosen = c_.box->currentIndex() > 0 ? c_.box->currentText() : QString();
    while (c_.box->count() > 1) {
        c_.box->removeItem(1);
    }
    for (const std::string& name : session_.PresetNames()) {
        c_.box->addItem(FromBytes(name));
    }
    const int position = chosen.isEmpty() ? 0 : c_.box->findText(chosen, Qt::MatchExactly);
    c_.box->setCurrentIndex(std::max(position, 0));
    if (position <= 0 && chosen_) {
        // The chosen preset is gone from the folder: the tabs rule again.
        chosen_.reset();
        emit ChoiceChanged();
    }
}

bool PresetBox::eventFilter(QObject* watched, QEvent* event)
{
    // The page is compared, never reached through the box: while the window is
    // torn down the box may already be gone when the page sends its last events.
    if (watched == page_ && event->type() == QEvent::Show) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

std::vector<GeneratorStep> PresetBox::StepsToRun() const
{
    return chosen_ ? *chosen_ : tabSteps_();
}

void PresetBox::Choose(int position)
{
    chosen_.reset();
    if (position > 0) {
        try {
            chosen_ = session_.LoadPreset(ToBytes(c_.box->itemText(position)));
        } catch (const TollwickError& error) {
            // A damaged preset runs nothing: the box goes back to none.
            c_.box->setCurrentIndex(0);
            ShowError(FromBytes(error.what()));
        }
    }
    emit ChoiceChanged();
}

void PresetBox::SaveAs()
{
    const QString name = dialogs_.InputBox(owner_, c_.save->text(), text_("MsgPresetName"), QString()).trimmed();
    if (name.isEmpty()) {
        return;
    }
    try {
        CheckPresetName(ToBytes(name));
    } catch (const TollwickError&) {
        ShowError(text_("MsgPresetBadName"));
        return;
    }
    const bool exists = c_.box->findText(name, Qt::MatchExactly) > 0;
    if (exists && !dialogs_.ConfirmNoOk(owner_, text_("MsgPresetReplace").replace(QStringLiteral("%s"), name))) {
        return;
    }
    const std::vector<GeneratorStep> steps = StepsToRun();
    try {
        session_.SavePreset(ToBytes(name), steps);
    } catch (const TollwickError& error) {
        ShowError(FromBytes(error.what()));
        return;
    }
    Refresh();
    c_.box->setCurrentIndex(c_.box->findText(name, Qt::MatchExactly));
    chosen_ = steps;
    emit ChoiceChanged();
    dialogs_.ShowMessage(owner_, Dialogs::MessageKind::Information,
                         text_("MsgPresetSaved").replace(QStringLiteral("%s"), name));
}

void PresetBox::ShowError(const QString& message)
{
    dialogs_.ShowMessage(owner_, Dialogs::MessageKind::Error, message);
}

} // namespace tollwick
