// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedDialogs.h"
#include "window/main.h"

#include <QtTest>
#include <initializer_list>
#include <memory>
#include <string>

class QTreeView;

namespace tollwick::test {

/// Lays out a fresh application home where TOLLWICK_HOME points (or in a
/// temporary folder): the repository's data/ and language/ and an empty undo/.
/// Returns it with a closing "/".
std::string FreshHome();

/// A list of texts written as plain literals.
inline QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names) {
        list.append(QString::fromUtf8(name));
    }
    return list;
}

/// The text under `key` in a language file of `home`.
QString LanguageText(const std::string& home, const char* languageFile, const char* key);

/// A temporary folder of files for the window to work on, removed at the end.
class Folder {
public:
    Folder();
    /// Makes a file with the given bytes.
    void Add(const QString& name, const QByteArray& bytes = "x");
    [[nodiscard]] QString Path() const { return dir_.path(); }
    [[nodiscard]] QStringList Files() const;
    [[nodiscard]] QByteArray Read(const QString& name) const;

private:
    QTemporaryDir dir_;
};

/// The window with scripted dialogs, driven as a user drives it: by the
/// names of its controls, with mouse clicks and keys.
class Driver {
public:
    explicit Driver(std::string home);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    TForm1& Form() { return *form_; }
    ScriptedDialogs& Dialogs() { return dialogs_; }

    template <typename T = QWidget> T* Find(const char* name) const
    {
        T* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no control named %s", name);
        }
        return found;
    }

    /// A mouse click on a button, check box or radio button.
    void Click(const char* name);
    void Next() { Click("NextBtn"); }
    void Prev() { Click("PrevBtn"); }
    void Cancel() { Click("CancelBtn"); }
    /// Types a text into an edit field in place of its text.
    void Type(const char* name, const QString& text);
    /// Clicks tab `position` of a tab strip or tab control.
    void ClickTab(const char* name, int position);
    void ClickHeader(int column);
    void ClickRow(int row);
    /// Chooses a folder on the folder page.
    void ChooseFolder(const QString& path);
    /// Start page, folder page, scan: ends on the list page.
    void OpenFolder(const QString& path);

    /// The texts of a column of the shown list, in shown order.
    [[nodiscard]] QStringList Column(int column) const;
    [[nodiscard]] QList<bool> Checks() const;
    [[nodiscard]] QString TextOf(const char* name) const;

    /// Closes the window as the user does, which saves the settings.
    void Close();

private:
    ScriptedDialogs dialogs_;
    std::unique_ptr<TForm1> form_;
};

} // namespace tollwick::test
