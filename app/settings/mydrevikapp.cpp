#include "app/settings/mydrevikapp.h"

#include "app/dialogs/fontcolordlg.h"
#include "resources/resource.h"

#include <QApplication>
#include <QColorDialog>

CMyDrevikApp theApp;

namespace {

std::optional<COLORREF> ChooseColorFromUser()
{
    const QColor color = QColorDialog::getColor(Qt::black, GetDialogParent());
    if (!color.isValid())
        return std::nullopt;
    return RGB(color.red(), color.green(), color.blue());
}

bool ChooseFontFromUser(LOGFONT& lf, COLORREF& colorText)
{
    CFontColorDlg dlg(lf);
    if (dlg.DoModal(GetDialogParent()) != IDOK)
        return false;
    lf = dlg.m_logFont;
    colorText = dlg.m_color;
    return true;
}

} // namespace

QWidget* GetDialogParent()
{
    return QApplication::activeWindow();
}

CMyDrevikApp::CMyDrevikApp()
    : m_pfnChooseColor(ChooseColorFromUser), m_pfnChooseFont(ChooseFontFromUser)
{
    Q_ASSERT(CommandIdsAreUnique());
}

void CMyDrevikApp::ResetSettings()
{
    m_nLineThickness = 1;
    m_nTool = ID_TOOL_LINE;
    m_colorLine = 0;
    m_nFillStyle = 1;
    m_dlgOptions = COptionsDlg();
    m_dlgText = CTextDlg();
    m_nUnits = 2;
    m_bConcentric = false;
    m_nConcentricFillStyle = 1;
    m_colorConcentric = 0;
    m_nConcentricLineThickness = 1;
    m_bRubber = false;
    m_nPenStyle = PS_SOLID;
    m_nRadialFigure = ID_TOOL_RECT_FILL;
    m_bRadial = false;
    m_logFont = LOGFONT();
    m_colorText = 0;
    m_colorFlood = 0;
}
