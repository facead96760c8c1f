// The editing commands of the view: which id runs which handler, and the
// rules that enable and check them.
#include "view/mydrevikview.h"

#include "resources/resource.h"

namespace {

const CommandEntry<CMyDrevikView> kEditCommands[] = {
    {ID_INVERT_X, &CMyDrevikView::OnInvertX, nullptr},
    {ID_INVERT_Y, &CMyDrevikView::OnInvertY, nullptr},
    {ID_ZOOM_IN, &CMyDrevikView::OnZoomIn, nullptr},
    {ID_ZOOM_OUT, &CMyDrevikView::OnZoomOut, nullptr},
    {ID_DRAG_PASTE, &CMyDrevikView::OnDragPaste, &CMyDrevikView::OnUpdateDragPaste},
    {ID_EDIT_CUT, &CMyDrevikView::OnEditCut, &CMyDrevikView::OnUpdateEditCut},
    {ID_EDIT_PASTE, &CMyDrevikView::OnEditPaste, &CMyDrevikView::OnUpdateEditPaste},
    {ID_RESIZE_ROTATE, &CMyDrevikView::OnResizeRotate, &CMyDrevikView::OnUpdateResizeRotate},
    {ID_START_CAPTURE, &CMyDrevikView::OnStartCapture, &CMyDrevikView::OnUpdateStartCapture},
    {ID_END_CAPTURE, &CMyDrevikView::OnEndCapture, &CMyDrevikView::OnUpdateEndCapture},
    {ID_EDIT_COPY, &CMyDrevikView::OnEditCopy, nullptr},
    {ID_PLAY_ANIMATION, &CMyDrevikView::OnPlayAnimation, nullptr},
};

}  // namespace

bool CMyDrevikView::OnEditCommand(UINT nID)
{
    return DispatchCommand(this, kEditCommands, nID);
}

bool CMyDrevikView::OnEditUpdate(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchUpdate(this, kEditCommands, nID, pCmdUI);
}
