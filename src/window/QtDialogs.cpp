// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace tollwick {
namespace {

QString BoxTitle(QWidget* owner)
{
    return owner != nullptr ? owner->window()->windowTitle() : QString();
}

QMessageBox::Icon IconOf(Dialogs::MessageKind kind)
{
    switch (kind) {
    case Dialogs::MessageKind::Information:
        return QMessageBox::Information;
    case Dialogs::MessageKind::Warning:
        return QMessageBox::Warning;
    case Dialogs::MessageKind::Error:
    case Dialogs::MessageKind::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::ShowMessage(QWidget* owner, MessageKind kind, const QString& text)
{
    QMessageBox box(IconOf(kind), BoxTitle(owner), text, QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setText(Buttons().ok);
    box.exec();
}

bool QtDialogs::ConfirmNoOk(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, BoxTitle(owner), text, QMessageBox::No | QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setText(Buttons().ok);
    box.button(QMessageBox::No)->setText(Buttons().no);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::InputBox(QWidget* owner, const QString& title, const QString& prompt, const QString& initial)
{
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.setOkButtonText(Buttons().ok);
    box.setCancelButtonText(Buttons().cancel);
    return box.exec() == QDialog::Accepted ? box.textValue() : initial;
}

std::optional<QString> QtDialogs::ChooseFile(QWidget* owner, const FileDialogSetup& setup)
{
    QFileDialog dialog(owner, setup.title, setup.startFolder, setup.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (setup.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::OpenExternally(const QString& target)
{
    // A path goes as a file URL, a bare mail address gets its scheme, other addresses go as given.
    QUrl url;
    if (target.startsWith(u'/')) {
        url = QUrl::fromLocalFile(target);
    } else if (target.contains(u'@') && !target.contains(u':')) {
        url = QUrl(QStringLiteral("mailto:") + target);
    } else {
        url = QUrl(target);
    }
    QDesktopServices::openUrl(url);
}

} // namespace tollwick
