// The "Change Options" dialog: the numeric options the drawing tools use.
// The object keeps its values between openings; DoModal builds the window
// each time it is shown.
#pragma once

class QDialog;
class QWidget;

class COptionsDlg {
public:
    // Shows the dialog modally; returns IDOK or IDCANCEL.
    int DoModal(QWidget* pParent = nullptr);

    // Builds the dialog window on the stored values, wired to this object.
    // The caller owns the window; DoModal runs it.
    QDialog* CreateDialogWindow(QWidget* pParent);

    int m_nLineThickness = 1;       // 1..20
    int m_nConcentricDistance = 1;  // -10..10, times 250 logical units
    int m_nParallelDistance = 2;    // 1..20, times 125 logical units
    int m_nThreadDistance = 10;     // 1..20
    bool m_bFlipVertical = false;
};
