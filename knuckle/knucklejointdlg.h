// The knuckle joint's input dialog: the load and three allowable stresses.
// Each view owns one, so the next run starts from the last values.
#pragma once

#include "platform/types.h"

class QDialog;
class QWidget;

class CKnuckleJointDlg {
public:
    // Shows the dialog modally; returns IDOK or IDCANCEL.
    int DoModal(QWidget* pParent = nullptr);
    // Builds the dialog window on the stored values, wired to this object.
    QDialog* CreateDialogWindow(QWidget* pParent);

    double m_dLoad = 0.0;      // F in kN
    double m_dTensile = 0.0;   // allowable tensile stress Ft
    double m_dShear = 0.0;     // allowable shear stress Fs
    double m_dCrushing = 0.0;  // allowable crushing stress Fc
    bool m_bAccepted = false;  // the last run ended with OK
};
