// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Dialogs.h"

#include <QCompleter>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

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

std::optional<QString> QtDialogs::AskFolderPath(QWidget* owner, const QString& title, const QString& prompt,
                                                const QString& initial, bool withHidden)
{
    QDialog box(owner);
    box.setWindowTitle(title);
    auto* label = new QLabel(prompt, &box);
    auto* path = new QLineEdit(initial, &box);
    path->setObjectName(QStringLiteral("FolderPathEdit"));
    path->setMinimumWidth(360);
    label->setBuddy(path);
    // The folders of the whole system, read as far as the typed path reaches.
    auto* folders = new QFileSystemModel(&box);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | (withHidden ? QDir::Hidden : QDir::Filters()));
    folders->setReadOnly(true);
    folders->setRootPath(QStringLiteral("/"));
    auto* completer = new QCompleter(folders, &box);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    path->setCompleter(completer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(Buttons().ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(Buttons().cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(label);
    layout->addWidget(path);
    layout->addWidget(buttons);
    path->selectAll();
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return path->text();
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
