// A device context on a view's canvas surface, prepared the way the view
// prepares its own paint. Previews, centre marks and grid dots drawn on it
// change the surface at once; when the context goes away the view shows
// the pixels it touched.
#pragma once

#include "platform/dc.h"

class CMyDrevikView;

class CClientDC : public CDC {
public:
    explicit CClientDC(CMyDrevikView* pView);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    CMyDrevikView* m_pView;
};
