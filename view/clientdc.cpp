#include "view/clientdc.h"

#include "view/mydrevikview.h"

CClientDC::CClientDC(CMyDrevikView* pView)
    : CDC(&pView->m_imageSurface, pView->GetUnitsPerPixel()), m_pView(pView)
{
    pView->OnPrepareDC(this);
}

CClientDC::~CClientDC()
{
    // The painter must let go of the surface before the viewport copies it.
    const QRect rectTouched = GetTouchedRect();
    Detach();
    m_pView->ShowSurfaceRect(rectTouched);
}
