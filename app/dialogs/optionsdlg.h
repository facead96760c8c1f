// The "Change Options" dialog: the numeric options the drawing tools use.
// It edits a record of the drawing settings in place, so the values live in
// one place and survive any number of openings; DoModal builds the window
// each time it is shown.
#pragma once

#include "view/drawingsettings.h"

class QDialog;
class QWidget;

class COptionsDlg {
public:
    explicit COptionsDlg(COptionsValues& values) : m_values(values) {}

    // Shows the dialog modally; returns IDOK or IDCANCEL.
    int DoModal(QWidget* pParent = nullptr);

    // Builds the dialog window on the stored values, wired to this object.
    // The caller owns the window; DoModal runs it.
    QDialog* CreateDialogWindow(QWidget* pParent);

    COptionsValues& m_values;
};
