#include "app/splash/splashwnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

bool CSplashWindow::c_bShowSplashWnd = false;
CSplashWindow* CSplashWindow::c_pSplashWnd = nullptr;

void CSplashWindow::EnableSplashScreen(bool bEnable)
{
    c_bShowSplashWnd = bEnable;
}

void CSplashWindow::ShowSplashScreen(QWidget* pParentWnd)
{
    if (!c_bShowSplashWnd || c_pSplashWnd)
        return;
    QImage bitmap = SplashPicture();
    if (bitmap.isNull())
        return;
    auto* pSplash = new CSplashWindow(pParentWnd, std::move(bitmap));
    pSplash->show();
    pSplash->repaint();
}

CSplashWindow::CSplashWindow(QWidget* pParentWnd, QImage bitmap)
    // The main frame is shown, and raised, after the splash window; above
    // it, rather than beside it, the picture is seen for its whole time.
    : QWidget(pParentWnd, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(std::move(bitmap)),
      m_pOwner(pParentWnd)
{
    c_pSplashWnd = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_bitmap.size());
    const QScreen* pScreen = pParentWnd ? pParentWnd->screen() : QGuiApplication::primaryScreen();
    if (pScreen)
        move(pScreen->availableGeometry().center() - rect().center());
    m_timer.start(kSplashShowMs, this);
    qApp->installEventFilter(this);
}

CSplashWindow::~CSplashWindow()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

bool CSplashWindow::PreTranslateAppMessage(QObject* pReceiver, QEvent* pEvent)
{
    if (!c_pSplashWnd || c_pSplashWnd->m_bHiding)
        return false;
    bool bDismiss = false;
    switch (pEvent->type()) {
    case QEvent::ShortcutOverride:
        // A key that is also a shortcut would fire before its key press
        // arrives; claim it, so the press comes and hides the window.
        pEvent->accept();
        return true;
    case QEvent::KeyPress:
        bDismiss = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: {
        const Qt::MouseButton nButton = static_cast<QMouseEvent*>(pEvent)->button();
        bDismiss = nButton == Qt::LeftButton || nButton == Qt::RightButton || nButton == Qt::MiddleButton;
        break;
    }
    default:
        break;
    }
    if (bDismiss)
        c_pSplashWnd->HideSplashScreen();
    return bDismiss;
}

bool CSplashWindow::eventFilter(QObject* pReceiver, QEvent* pEvent)
{
    // A window manager may stack the main frame over the splash window when
    // the frame appears; the splash window comes back to the top then.
    if (pReceiver == m_pOwner && pEvent->type() == QEvent::Show)
        QTimer::singleShot(0, this, [this] { raise(); });
    return PreTranslateAppMessage(pReceiver, pEvent);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
}

void CSplashWindow::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_timer.timerId())
        HideSplashScreen();
}

void CSplashWindow::HideSplashScreen()
{
    if (m_bHiding)
        return;
    m_bHiding = true;
    m_timer.stop();
    // The picture stays a moment more; a timer keeps the program answering
    // meanwhile, and input during that moment reaches it as usual.
    QTimer::singleShot(kSplashHideMs, this, [this] {
        close();
        if (m_pOwner)
            m_pOwner->update();
    });
}
