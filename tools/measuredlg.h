// The "Add Measured Distance ..." dialog: the label of a measured line.
// Each view owns one, so "Don't Ask me again" lasts as long as the view.
#pragma once

#include "platform/dialogcontrols.h"

class QDialog;
class QWidget;

class CMeasureDlg {
public:
    static constexpr int kMaxChars = 24;

    CMeasureDlg();

    // Shows the dialog modally; returns IDOK or IDCANCEL.
    int DoModal(QWidget* pParent = nullptr);
    // Builds the dialog window on the stored values, wired to this object.
    QDialog* CreateDialogWindow(QWidget* pParent);

    // Texts are UTF-8 and hold at most kMaxChars characters.
    char m_szText[TextBufferSize(kMaxChars)];  // the committed label
    char m_szEdit[TextBufferSize(kMaxChars)];  // the edit control's text
    bool m_bDontAsk = false;
};
