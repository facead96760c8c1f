// Helpers of the tool tests: a shown view on a fresh document, driven with
// QTest's mouse events at the client pixels of chosen logical points.
#pragma once

#include "viewtesting.h"

#include <QApplication>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace tooltest {

using namespace viewtest;

// The client pixel whose logical point snaps to the grid point (x, y).
inline QPoint ClientPoint(const CMyDrevikView& view, int x, int y)
{
    return SurfacePixel(view, x, y) - view.GetScrollPosition();
}

struct ToolTest : ::testing::Test {
    CMyDrevikDoc doc;
    CMyDrevikView view{&doc};

    void SetUp() override
    {
        view.resize(700, 500);
        view.show();
        QApplication::processEvents();
        view.m_nPanPauseMs = 0;
    }

    QWidget* Client() { return view.viewport(); }
    void Press(int x, int y) { QTest::mousePress(Client(), Qt::LeftButton, {}, ClientPoint(view, x, y)); }
    // The pointer moves with or without a button down; QTest moves a free
    // pointer through the platform's cursor, so the event is sent here.
    void MoveTo(int x, int y)
    {
        const QPoint ptClient = ClientPoint(view, x, y);
        QMouseEvent event(QEvent::MouseMove, ptClient, Client()->mapToGlobal(ptClient), Qt::NoButton,
                          QGuiApplication::mouseButtons(), Qt::NoModifier);
        QApplication::sendEvent(Client(), &event);
    }
    void Release(int x, int y) { QTest::mouseRelease(Client(), Qt::LeftButton, {}, ClientPoint(view, x, y)); }
    void Click(int x, int y)
    {
        Press(x, y);
        Release(x, y);
    }
    // Press at the first point, move through the others and release at the
    // last one, or where ptRelease says, without moving there first.
    void Drag(const std::vector<CPoint>& vecPoints, std::optional<CPoint> ptRelease = std::nullopt)
    {
        Press(vecPoints.front().x, vecPoints.front().y);
        for (std::size_t i = 1; i < vecPoints.size(); ++i)
            MoveTo(vecPoints[i].x, vecPoints[i].y);
        const CPoint ptR = ptRelease.value_or(vecPoints.back());
        Release(ptR.x, ptR.y);
    }

    // Empty when the surface is imageBefore with the figures from nFirst on
    // drawn over it as a commit draws them; else where the first wrong pixel is.
    std::string CommitMismatch(const QImage& imageBefore, int nFirst = 0)
    {
        QImage imageExpected = imageBefore.copy();
        {
            CDC dc(&imageExpected, view.GetUnitsPerPixel());
            view.OnPrepareDC(&dc);
            for (int i = nFirst; i < doc.GetVisibleCount(); ++i)
                doc.m_figures[std::size_t(i)]->Draw(&dc);
        }
        return Describe(DifferenceBounds(view.GetSurface(), imageExpected));
    }
    static std::string Describe(const QRect& rectWrong)
    {
        if (rectWrong.isNull())
            return std::string();
        return "wrong pixels within (" + std::to_string(rectWrong.left()) + ", " +
               std::to_string(rectWrong.top()) + ") - (" + std::to_string(rectWrong.right()) + ", " +
               std::to_string(rectWrong.bottom()) + ")";
    }

    // Empty when the surface is exactly what a full repaint of the document
    // gives; else where the first wrong pixel is.
    std::string SurfaceMismatch()
    {
        const QImage imageBefore = view.GetSurface().copy();
        view.RedrawSurface();
        return Describe(DifferenceBounds(imageBefore, view.GetSurface()));
    }
};

}  // namespace tooltest
