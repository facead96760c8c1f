// The " Add Your Text ..." dialog: the text of a new text figure. The
// application keeps one, so the last accepted text is offered again.
#pragma once

#include "platform/dialogcontrols.h"

class QDialog;
class QWidget;

class CTextDlg {
public:
    static constexpr int kMaxChars = 49;

    CTextDlg();

    // Shows the dialog modally; returns IDOK or IDCANCEL.
    int DoModal(QWidget* pParent = nullptr);
    // Builds the dialog window on the stored values, wired to this object.
    QDialog* CreateDialogWindow(QWidget* pParent);

    // Texts are UTF-8 and hold at most kMaxChars characters.
    char m_szText[TextBufferSize(kMaxChars)];  // the committed text
    char m_szEdit[TextBufferSize(kMaxChars)];  // the edit control's text
    bool m_bAccepted = false;                  // the last opening ended with OK
};
