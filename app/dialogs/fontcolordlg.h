// The font dialog of the text tool: face, size, style and effects, with the
// text colour beside them. The colour always opens on black.
#pragma once

#include "platform/types.h"

class QComboBox;
class QDialog;
class QFontDialog;
class QLineEdit;
class QWidget;

class CFontColorDlg {
public:
    explicit CFontColorDlg(const LOGFONT& lf) : m_logFont(lf) {}

    // Shows the dialog modally; returns IDOK or IDCANCEL. Only OK changes
    // m_logFont and m_color.
    int DoModal(QWidget* pParent = nullptr);
    // Builds the dialog window on the stored font, wired to this object.
    QDialog* CreateDialogWindow(QWidget* pParent);

    LOGFONT m_logFont;
    COLORREF m_color = 0;
};

// Object names of the two choosers inside the dialog window.
inline constexpr const char* kFontChooserName = "fontChooser";
inline constexpr const char* kColorChooserName = "colorChooser";

// The sample text inside the font chooser, or null if the toolkit's chooser
// has none; it shows the chosen text colour.
QLineEdit* FindFontSample(QFontDialog* pFontChooser);
void ShowColorInSample(QFontDialog* pFontChooser, const QComboBox* pColor);
