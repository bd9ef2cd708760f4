// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/PageServices.h"

#include <QObject>
#include <QString>

class QLabel;

namespace tollwick {

struct Form1Controls;

/// The folder page: the places box, the folder tree, the file manager's keys
/// (Ctrl+L asks for a path, Ctrl+V goes to a pasted one, Ctrl+H shows hidden
/// folders) and the line that tells why a folder of hidden folders only looks empty.
class FolderPage final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderPage)

public:
    FolderPage(Form1Controls& controls, PageServices services, QObject* parent);
    ~FolderPage() override = default;

    /// The folder the tree has chosen; its root while none is.
    [[nodiscard]] QString ChosenFolder() const;
    /// Points the tree at the folder last listed, else at the home folder.
    void ShowLastFolder();
    /// Keeps `folder` as the one last listed, and points the tree at it.
    void FolderListed(const QString& folder);
    void ApplyTexts();

private:
    void SetUpKeys();
    /// Lists the places: the user's folders, the mounted drives and "/".
    void FillPlaces();
    void PlaceChosen(int position);
    void PointTreeAt(const QString& folder);
    void ShowChosenFolder();
    void AskForFolderPath();
    void PasteFolderPath();
    /// Points the tree at a typed or pasted path; says so when there is no such folder.
    void GoToTypedFolder(const QString& typed);
    void ToggleHiddenFolders();
    void ShowHiddenOnlyLine();

    Form1Controls& c_;
    PageServices services_;
    QString lastFolder_;              // the folder the page opens on
    bool hiddenFoldersShown_ = false; // Ctrl+H
    QLabel* hiddenOnlyLine_ = nullptr;
};

} // namespace tollwick
