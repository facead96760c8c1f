#include "app/startup/messagebox.h"

#include "app/startup/profile.h"

#include <QApplication>
#include <QWidget>

namespace {

MessageBoxAnswerer& Answerer()
{
    static MessageBoxAnswerer s_fnAnswerer;
    return s_fnAnswerer;
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(const QString& strText, QMessageBox::StandardButtons buttons,
                                           QMessageBox::Icon icon, QWidget* pParent)
{
    if (Answerer())
        return Answerer()(strText, buttons);
    if (!pParent)
        pParent = QApplication::activeWindow();
    QMessageBox box(icon, kProfileApplication, strText, buttons, pParent);
    if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    else if (buttons.testFlag(QMessageBox::Ok))
        box.setDefaultButton(QMessageBox::Ok);
    const auto nResult = QMessageBox::StandardButton(box.exec());
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
