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
    static_cast<CDrawingSettings&>(*this) = CDrawingSettings();
    m_dlgText = CTextDlg();
}
