// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/Dialogs.h"

#include <QtTest>
#include <deque>
#include <optional>
#include <vector>

namespace tollwick::test {

/// Answers the window's dialogs from queues the test fills, and records
/// what the window asked. A dialog the test did not expect fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };
    struct Input {
        QString title;
        QString prompt;
        QString initial;
    };

    void ShowMessage(QWidget* /*owner*/, MessageKind kind, const QString& text) override
    {
        messages.push_back({kind, text});
    }

    bool ConfirmNoOk(QWidget* /*owner*/, const QString& text) override
    {
        messages.push_back({MessageKind::Warning, text});
        if (confirmAnswers.empty()) {
            qWarning("unexpected confirmation: %s", qPrintable(text));
            return false;
        }
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    QString InputBox(QWidget* /*owner*/, const QString& title, const QString& prompt, const QString& initial) override
    {
        inputs.push_back({title, prompt, initial});
        if (inputAnswers.empty()) {
            qWarning("unexpected input box: %s", qPrintable(prompt));
            return initial;
        }
        const std::optional<QString> answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer.value_or(initial);
    }

    std::optional<QString> ChooseFile(QWidget* /*owner*/, const FileDialogSetup& setup) override
    {
        fileDialogs.push_back(setup);
        if (fileAnswers.empty()) {
            qWarning("unexpected file dialog: %s", qPrintable(setup.title));
            return std::nullopt;
        }
        const std::optional<QString> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    std::optional<QString> AskFolderPath(QWidget* /*owner*/, const QString& title, const QString& prompt,
                                         const QString& initial, bool withHidden) override
    {
        folderPaths.push_back({title, prompt, initial});
        folderPathsWithHidden.push_back(withHidden);
        if (folderPathAnswers.empty()) {
            qWarning("unexpected folder path box: %s", qPrintable(prompt));
            return std::nullopt;
        }
        const std::optional<QString> answer = folderPathAnswers.front();
        folderPathAnswers.pop_front();
        return answer;
    }

    void OpenExternally(const QString& target) override { opened.push_back(target); }

    /// The texts of the messages shown so far, and forgets them.
    QStringList TakeMessages()
    {
        QStringList texts;
        for (const Message& message : messages) {
            texts.append(message.text);
        }
        messages.clear();
        return texts;
    }

    std::vector<Message> messages;
    std::vector<Input> inputs;
    std::vector<FileDialogSetup> fileDialogs;
    std::vector<QString> opened;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers; // nothing: the user cancels
    std::deque<std::optional<QString>> fileAnswers;  // nothing: the user cancels
    std::vector<Input> folderPaths;
    std::vector<bool> folderPathsWithHidden;
    std::deque<std::optional<QString>> folderPathAnswers; // nothing: the user cancels
};

} // namespace tollwick::test
