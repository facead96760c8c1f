// The base of every figure: two defining points, a colour, the centre flag
// and the fill brush, with the twelve operations every figure has.
#pragma once

#include "figures/figurebrush.h"
#include "figures/figurememory.h"
#include "platform/gdi.h"
#include "platform/object.h"
#include "platform/types.h"

#include <memory>

class CDC;

// The operations of CFigure::Transform by their codes; any other code
// changes nothing.
enum TransformOp : int {
    kMirrorX = 0,  // about the vertical line x = nSumX / 2
    kMirrorY = 1,  // about the horizontal line y = nSumY / 2
    kZoomIn = 2,   // every coordinate times 1.25
    kZoomOut = 3,  // every coordinate divided by 1.25
};

class CFigure : public CObject {
    DECLARE_SERIAL(CFigure)
public:
    CFigure() = default;
    ~CFigure() override = default;

    // Figures live in slabs of their own (figurememory.h). The virtual
    // destructor hands the size of the figure's real class to delete.
    static void* operator new(std::size_t nSize) { return AllocateFigureMemory(nSize); }
    static void operator delete(void* p, std::size_t nSize) noexcept { FreeFigureMemory(p, nSize); }

    void Serialize(CArchive& ar) override;
    virtual void Draw(CDC* pDC);
    virtual std::unique_ptr<CFigure> CopyMoved(CSize offset) const;
    // nOp is a TransformOp; the code stays an int, as the commands pass it.
    virtual void Transform(int nSumX, int nSumY, int nOp);
    virtual void DrawHandles(CDC* pDC);
    virtual BOOL HitEndPoint(int x, int y) const;
    virtual CPoint SnapEndPoint(int x, int y) const;
    virtual CPoint OppositeEndPoint(int x, int y) const;
    virtual void DrawMovedOutline(CDC* pDC, int x, int y, int xFrom, int yFrom);
    virtual std::unique_ptr<CFigure> CopyWithPoints(int x1, int y1, int x2, int y2) const;

    CRect GetBoundRect() const;
    CRect GetPointRect() const { return CRect(m_x1, m_y1, m_x2, m_y2); }
    // Rebuilds m_brush in m_color; a style outside 1 to 14 keeps the old brush.
    void MakeFillBrush(int nFillStyle);
    // Keeps brush as m_brush. The bands of one paint draw a figure on several
    // threads at once, so the brush is replaced only when it differs, and
    // under a lock: they never write it together.
    void KeepFillBrush(const CBrush& brush);

    COLORREF m_color = 0;
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    int m_nCorner = 0;
    CFigureBrush m_brush;
    int m_bCentre = 0;

protected:
    // Draws the centre cross of the closed shapes when m_bCentre is set.
    void DrawCentreCross(CDC* pDC) const;
};

// A new figure of the same class holding the same record. It is the figure
// moved by nothing: a copy shares the text of a text figure rather than
// duplicating it, so a small file of many references to one long text
// cannot demand memory out of all proportion to its size.
std::unique_ptr<CFigure> CopyFigure(const CFigure& figure);

