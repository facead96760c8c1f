// Message boxes of the program: the text, the buttons to offer and the
// answer, under the program's name as the title. Tests put their own
// answerer in place so that no box waits for a click.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

using MessageBoxAnswerer =
    std::function<QMessageBox::StandardButton(const QString& strText, QMessageBox::StandardButtons buttons)>;

// Shows strText with the given buttons, modal over pParent (or the active
// window), and returns the button the user pressed; closing the box
// without a button counts as Cancel, else No, else OK, whichever is offered.
QMessageBox::StandardButton ShowMessageBox(const QString& strText,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QMessageBox::Icon icon = QMessageBox::Warning,
                                           QWidget* pParent = nullptr);

// Replaces the way boxes are answered; an empty answerer restores the
// real boxes. Returns the answerer that was in place.
MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer fnAnswerer);
