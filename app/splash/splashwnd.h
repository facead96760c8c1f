// The splash window: the program's picture, shown over the main frame when
// it is created, hidden by a timer or by the first key or mouse-button
// press, which it swallows. Never shown when the program runs without a
// window of its own.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QPointer>
#include <QWidget>

constexpr int kSplashWidth = 600;
constexpr int kSplashHeight = 450;
// The picture stays this long, then hiding begins.
constexpr int kSplashShowMs = 750;
// Hiding keeps the picture up this long more before the window goes.
constexpr int kSplashHideMs = 1000;

class CSplashWindow : public QWidget {
public:
    // Set once at start-up: false when the program runs without a window.
    static void EnableSplashScreen(bool bEnable = true);
    // Shows the one splash window over pParentWnd, unless it is disabled
    // or a splash window already exists.
    static void ShowSplashScreen(QWidget* pParentWnd = nullptr);
    // The program's message filter: a key press or a left, right or middle
    // button press while the window is up starts hiding it and is consumed
    // (true); every other event goes on.
    static bool PreTranslateAppMessage(QObject* pReceiver, QEvent* pEvent);
    // The splash window that exists, or null.
    static CSplashWindow* GetSplashWindow() { return c_pSplashWnd; }

    bool IsHiding() const { return m_bHiding; }

protected:
    bool eventFilter(QObject* pReceiver, QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    CSplashWindow(QWidget* pParentWnd, QImage bitmap);
    ~CSplashWindow() override;
    void HideSplashScreen();

    static bool c_bShowSplashWnd;
    static CSplashWindow* c_pSplashWnd;

    QImage m_bitmap;
    QPointer<QWidget> m_pOwner;
    QBasicTimer m_timer;
    bool m_bHiding = false;
};

// The 600 x 450 splash picture: an engineering sketch and the program's name.
QImage SplashPicture();
