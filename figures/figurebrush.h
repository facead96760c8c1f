// The fill brush a figure keeps. Most figures never fill anything, and a
// drawing may hold a million of them, so the brush lives on the heap and
// exists only once a fill has made it: an empty one costs a pointer.
#pragma once

#include "platform/gdi.h"

#include <memory>

class CFigureBrush {
public:
    CFigureBrush() = default;
    CFigureBrush(const CFigureBrush& other);
    CFigureBrush& operator=(const CFigureBrush& other);
    CFigureBrush(CFigureBrush&&) noexcept = default;
    CFigureBrush& operator=(CFigureBrush&&) noexcept = default;

    // As CBrush: true once a brush has been made.
    BOOL GetSafeHandle() const { return m_pBrush && m_pBrush->GetSafeHandle(); }
    // The brush's description; a null brush's when none has been made.
    const BrushData& GetData() const;
    // The brush to select into a context; null when none has been made.
    CBrush* Get() { return m_pBrush.get(); }
    // Keeps a copy of brush. The brush object stays where it was, so a
    // context that has it selected goes on seeing it.
    void Set(const CBrush& brush);

private:
    std::unique_ptr<CBrush> m_pBrush;
};
