// Files dropped on the main window open as drawings: the window takes a
// drag that carries local files and hands their paths on at the drop.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

class CFileDropTarget : public QObject {
public:
    // Makes pWindow accept drops; the object lives as long as the window.
    CFileDropTarget(QWidget* pWindow, std::function<void(const QStringList&)> fnOpenFiles);

    // The local files a drag carries, in order; empty when it carries none.
    static QStringList GetDroppedFiles(const QMimeData* pData);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    std::function<void(const QStringList&)> m_fnOpenFiles;
};
