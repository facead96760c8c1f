#include "figures/figurebrush.h"

CFigureBrush::CFigureBrush(const CFigureBrush& other)
{
    if (other.m_pBrush)
        m_pBrush = std::make_unique<CBrush>(*other.m_pBrush);
}

CFigureBrush& CFigureBrush::operator=(const CFigureBrush& other)
{
    if (this == &other)
        return *this;
    if (other.m_pBrush)
        Set(*other.m_pBrush);
    else
        m_pBrush.reset();
    return *this;
}

const BrushData& CFigureBrush::GetData() const
{
    static const BrushData s_null;
    return m_pBrush ? m_pBrush->GetData() : s_null;
}

void CFigureBrush::Set(const CBrush& brush)
{
    if (m_pBrush)
        *m_pBrush = brush;
    else
        m_pBrush = std::make_unique<CBrush>(brush);
}
