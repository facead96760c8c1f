// FIXME: the tools reach the application's settings record here until the
// record moves into the core and the view is handed its own.
#include "app/settings/mydrevikapp.h"
#include "view/mydrevikview.h"

CDrawingSettings& CMyDrevikView::GetSettings() const
{
    return theApp;
}
