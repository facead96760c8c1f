// A shown view on a generated drawing, for the cases that drive the
// program as a user does: kept for the whole run per drawing size, since
// making and painting a drawing of 100,000 figures takes seconds.
#pragma once

#include "document/mydrevikdoc.h"
#include "view/mydrevikview.h"

#include <QPoint>

struct BenchView {
    CMyDrevikDoc doc;
    CMyDrevikView view{&doc};

    explicit BenchView(int nFigures);
    // Lets the view show what it has painted, as the event loop would
    // before the user sees it.
    void Show();
    // A viewport pixel for a logical point.
    QPoint ClientPoint(int x, int y) const;
};

// The view of the mixed drawing of nFigures figures (flood fills
// included), at its last step, painted in full.
BenchView& GetBenchView(int nFigures);
// Closes every such view: widgets must go before the application object.
void ReleaseBenchViews();
