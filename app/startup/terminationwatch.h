// SIGTERM and SIGHUP, sent when the system shuts down or a terminal goes
// away, end the program in order instead of killing it where it stands:
// the handler only writes a byte to a pipe, and the event loop, reading
// it, runs the callback.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class CTerminationWatch : public QObject {
public:
    explicit CTerminationWatch(std::function<void()> onTerminate);
    // The watch made before this one, if any, takes over again; with none,
    // the signals get their default handling back.
    ~CTerminationWatch() override;
    CTerminationWatch(const CTerminationWatch&) = delete;
    CTerminationWatch& operator=(const CTerminationWatch&) = delete;

private:
    void OnSignalled();

    std::function<void()> m_onTerminate;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    CTerminationWatch* m_pPrevious;
};
