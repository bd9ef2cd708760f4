// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tollwick {

/// How the window talks to the user outside its own controls: message and
/// input boxes, file dialogs and the system's "open" action. Tests answer
/// through a scripted implementation, so no test ever blocks on a dialog.
class Dialogs {
public:
    enum class MessageKind { Information, Warning, Error, Critical };

    /// One of the window's file dialogs as its settings describe it.
    struct FileDialogSetup {
        QString title;
        QString filter;      // Qt form, as "*.twu" or "*"
        QString startFolder; // where it opens
        bool save = false;   // a save dialog asks before overwriting
    };

    /// The captions of the standard buttons, in the window's language.
    struct ButtonTexts {
        QString ok;
        QString cancel;
        QString no;
    };

    Dialogs() = default;
    virtual ~Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    virtual void ShowMessage(QWidget* owner, MessageKind kind, const QString& text) = 0;
    /// A warning with the buttons No and OK; true when the user answers OK.
    virtual bool ConfirmNoOk(QWidget* owner, const QString& text) = 0;
    /// The text typed, or `initial` when the user cancels.
    virtual QString InputBox(QWidget* owner, const QString& title, const QString& prompt, const QString& initial) = 0;
    /// The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> ChooseFile(QWidget* owner, const FileDialogSetup& setup) = 0;
    /// A one-line box for a folder's path that completes folder names as
    /// they are typed (hidden ones too with `withHidden`); the text typed,
    /// or nothing when the user cancels.
    virtual std::optional<QString> AskFolderPath(QWidget* owner, const QString& title, const QString& prompt,
                                                 const QString& initial, bool withHidden) = 0;
    /// Hands a file path or an address to the desktop's default application.
    virtual void OpenExternally(const QString& target) = 0;

    void SetButtonTexts(ButtonTexts texts) { buttonTexts_ = std::move(texts); }
    [[nodiscard]] const ButtonTexts& Buttons() const { return buttonTexts_; }

private:
    ButtonTexts buttonTexts_{QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("No")};
};

/// The dialogs of the desktop, all of them Qt's own.
class QtDialogs final : public Dialogs {
public:
    void ShowMessage(QWidget* owner, MessageKind kind, const QString& text) override;
    bool ConfirmNoOk(QWidget* owner, const QString& text) override;
    QString InputBox(QWidget* owner, const QString& title, const QString& prompt, const QString& initial) override;
    std::optional<QString> ChooseFile(QWidget* owner, const FileDialogSetup& setup) override;
    std::optional<QString> AskFolderPath(QWidget* owner, const QString& title, const QString& prompt,
                                         const QString& initial, bool withHidden) override;
    void OpenExternally(const QString& target) override;
};

} // namespace tollwick
