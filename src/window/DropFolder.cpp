// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace tollwick {

std::optional<QString> TForm1::DroppedFolder(const QMimeData* mime) const
{
    // A run on screen, or a step still going, is not to be swept away.
    if (busy_ > 0 || currentPage_ == Page::Result || mime == nullptr || !mime->hasUrls()) {
        return std::nullopt;
    }
    const QList<QUrl> urls = mime->urls();
    if (urls.size() == 1 && urls.constFirst().isLocalFile() && QFileInfo(urls.constFirst().toLocalFile()).isDir()) {
        return QFileInfo(urls.constFirst().toLocalFile()).absoluteFilePath();
    }
    // Files, all of one folder: that folder.
    QString folder;
    for (const QUrl& url : urls) {
        const QFileInfo file(url.toLocalFile());
        if (!url.isLocalFile() || !file.exists() || file.isDir() ||
            (!folder.isEmpty() && file.absolutePath() != folder)) {
            return std::nullopt;
        }
        folder = file.absolutePath();
    }
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedFolder(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    if (DroppedFolder(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event)
{
    const std::optional<QString> folder = DroppedFolder(event->mimeData());
    if (!folder) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Guarded([this, &folder] { ScanFolderAndShowList(*folder); });
}

} // namespace tollwick
