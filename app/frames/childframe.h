// A child window of the main frame: it holds one view of a drawing and
// fixes the size new child windows open with.
#pragma once

#include "platform/cmdtarget.h"

#include <QMdiSubWindow>
#include <QRect>
#include <QSize>

class CMyDrevikView;

class CChildFrame : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    // The child window takes the view as its only widget and owns it.
    explicit CChildFrame(CMyDrevikView* pView, QWidget* pParent = nullptr);

    CMyDrevikView* GetView() const { return m_pView; }

    // The size of a new child window on a screen of that size: as wide as
    // the screen and 90 pixels less tall, whatever the main frame's size.
    static QSize GetCreateSize(const QSize& sizeScreen);
    // Applies that size for the screen the window shows on.
    void PreCreateWindow();
    // A frame rectangle moved and cut so that it lies inside an area of that
    // size, its title bar buttons reachable: never larger than the area.
    static QRect FitInsideArea(const QRect& rectFrame, const QSize& sizeArea);
    // Fits this window into its area; a maximised or minimised one is left.
    void FitInsideArea(const QSize& sizeArea);
    // The title is the title of the view's drawing; none while maximised.
    void UpdateFrameTitle();

protected:
    void changeEvent(QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    CMyDrevikView* m_pView;
    // The size the rule or the user asked for; fitting never changes it.
    QSize m_sizeWanted;
    bool m_bFitting = false;
};
