#include "app/startup/messagebox.h"

#include "app/startup/profile.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

MessageBoxAnswerer& Answerer()
{
    static MessageBoxAnswerer s_fnAnswerer;
    return s_fnAnswerer;
}

// A splash window closes itself on a timer and takes its children with it:
// a box parented to it would be destroyed while it waits for an answer.
QWidget* LastingParent(QWidget* pParent)
{
    while (pParent && pParent->window()->windowType() == Qt::SplashScreen)
        pParent = pParent->window()->parentWidget();
    return pParent;
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(const QString& strText, QMessageBox::StandardButtons buttons,
                                           QMessageBox::Icon icon, QWidget* pParent)
{
    if (Answerer())
        return Answerer()(strText, buttons);
    if (!pParent)
        pParent = QApplication::activeWindow();
    // On the heap and watched: should the parent go while the box is up,
    // the box goes with it instead of being freed twice.
    QPointer<QMessageBox> pBox = new QMessageBox(icon, kProfileApplication, strText, buttons, LastingParent(pParent));
    if (buttons.testFlag(QMessageBox::Yes))
        pBox->setDefaultButton(QMessageBox::Yes);
    else if (buttons.testFlag(QMessageBox::Ok))
        pBox->setDefaultButton(QMessageBox::Ok);
    const int nExec = pBox->exec();
    const auto nResult = pBox ? QMessageBox::StandardButton(nExec) : QMessageBox::NoButton;
    delete pBox.data();
    if (nResult != QMessageBox::NoButton && buttons.testFlag(nResult))
        return nResult;
    // Closed without a button: the safe answer of the buttons offered.
    for (QMessageBox::StandardButton nSafe : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons.testFlag(nSafe))
            return nSafe;
    return QMessageBox::NoButton;
}

MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer fnAnswerer)
{
    MessageBoxAnswerer fnOld = std::move(Answerer());
    Answerer() = std::move(fnAnswerer);
    return fnOld;
}
