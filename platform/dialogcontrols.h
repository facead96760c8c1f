// Helpers shared by the option dialogs: controls found by their resource
// id, dialog sizes given in dialog units, and the fixed text buffers the
// dialogs keep their values in.
#pragma once

#include "platform/types.h"

#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>

class QDialog;
class QLayout;

// Object name under which a dialog control with the resource id nID lives.
QString ControlName(UINT nID);

// The control of the dialog carrying the resource id nID, or null.
template <class T>
T* GetDlgItem(QWidget* pDialog, UINT nID)
{
    return pDialog ? pDialog->findChild<T*>(ControlName(nID)) : nullptr;
}

// Adds OK and Cancel, named by IDOK and IDCANCEL, at the end of pLayout.
// Cancel rejects the dialog; OK runs fnOk, which accepts it or keeps it
// open.
void AddOkCancel(QDialog* pDialog, QLayout* pLayout, std::function<void()> fnOk);

// Runs a dialog window modally and frees it; IDOK or IDCANCEL.
int RunModal(QDialog* pDialog);

// Sizes the dialog from dialog units: a horizontal unit is a quarter of the
// average character width of the dialog's font, a vertical unit an eighth
// of its height, so the layout keeps its proportions with any font.
void ResizeInDialogUnits(QDialog* pDialog, int nWidthUnits, int nHeightUnits);

// Bytes a buffer needs to hold nChars characters as UTF-8 with its zero.
constexpr std::size_t TextBufferSize(int nChars)
{
    return std::size_t(nChars) * 4 + 1;
}

// Copies at most nMaxChars characters of strText into szBuffer as UTF-8,
// zero-terminated; a character is never split. The buffer holds nBufSize
// bytes; what does not fit is cut at a character boundary.
void CopyLimitedText(char* szBuffer, std::size_t nBufSize, const QString& strText, int nMaxChars);
