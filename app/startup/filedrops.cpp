#include "app/startup/filedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

CFileDropTarget::CFileDropTarget(QWidget* pWindow, std::function<void(const QStringList&)> fnOpenFiles)
    : QObject(pWindow), m_fnOpenFiles(std::move(fnOpenFiles))
{
    pWindow->setAcceptDrops(true);
    pWindow->installEventFilter(this);
}

QStringList CFileDropTarget::GetDroppedFiles(const QMimeData* pData)
{
    QStringList strFiles;
    if (!pData || !pData->hasUrls())
        return strFiles;
    for (const QUrl& url : pData->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            strFiles << url.toLocalFile();
    return strFiles;
}

bool CFileDropTarget::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* pDrag = static_cast<QDropEvent*>(pEvent);
        if (GetDroppedFiles(pDrag->mimeData()).isEmpty())
            return false;
        pDrag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* pDrop = static_cast<QDropEvent*>(pEvent);
        const QStringList strFiles = GetDroppedFiles(pDrop->mimeData());
        if (strFiles.isEmpty())
            return false;
        pDrop->acceptProposedAction();
        // Opened once the drop is over, so that a message about a bad file
        // does not hold the dragging program.
        QTimer::singleShot(0, this, [this, strFiles] { m_fnOpenFiles(strFiles); });
        return true;
    }
    default:
        return false;
    }
}
