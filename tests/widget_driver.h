// Drives real widgets as a user would: modal dialogs from inside their
// event loop, and typing into controls through key events.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <functional>

// Once the next modal dialog is shown, fnDrive fills it and presses a
// button. If fnDrive leaves the dialog open (a failed expectation, say),
// the dialog is cancelled so the test cannot hang.
inline void DriveNextModal(std::function<void(QDialog*)> fnDrive)
{
    // Owned by the application, so a dialog that never shows leaks nothing.
    auto* pTimer = new QTimer(qApp);
    pTimer->setInterval(5);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, fnDrive] {
        QPointer<QDialog> pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog || !pDialog->isVisible())
            return;
        pTimer->stop();
        pTimer->deleteLater();
        fnDrive(pDialog);
        if (pDialog && pDialog->isVisible())
            pDialog->reject();
    });
    pTimer->start();
}

// Types strText into pWidget one character at a time, as key presses.
inline void TypeText(QWidget* pWidget, const QString& strText)
{
    for (const QChar ch : strText) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(pWidget, &release);
    }
}

// Presses and releases one key on pWidget, as the keyboard would.
inline void PressKey(QWidget* pWidget, int nKey)
{
    QKeyEvent press(QEvent::KeyPress, nKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, nKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}
