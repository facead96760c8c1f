#include "app/startup/terminationwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is read by the event loop, [1] written by the handler. Made once and
// kept for the life of the process, so a late signal never meets a
// closed descriptor.
int s_fdPair[2] = {-1, -1};
CTerminationWatch* s_pActive = nullptr;

void HandleSignal(int nSignal)
{
    const char c = char(nSignal);
    // Nothing but async-signal-safe calls here; a full pipe already holds
    // a byte that will be read.
    const int nSavedErrno = errno;
    [[maybe_unused]] const ssize_t n = ::write(s_fdPair[1], &c, 1);
    errno = nSavedErrno;
}

bool MakePair()
{
    if (s_fdPair[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fdPair) != 0)
        return false;
    ::fcntl(s_fdPair[1], F_SETFL, ::fcntl(s_fdPair[1], F_GETFL) | O_NONBLOCK);
    ::fcntl(s_fdPair[0], F_SETFL, ::fcntl(s_fdPair[0], F_GETFL) | O_NONBLOCK);
    return true;
}

void SetHandlers(void (*pfnHandler)(int))
{
    struct sigaction action = {};
    action.sa_handler = pfnHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

CTerminationWatch::CTerminationWatch(std::function<void()> onTerminate)
    : m_onTerminate(std::move(onTerminate)), m_pPrevious(s_pActive)
{
    if (!MakePair())
        return;
    if (m_pPrevious)
        m_pPrevious->m_pNotifier->setEnabled(false);
    m_pNotifier = std::make_unique<QSocketNotifier>(s_fdPair[0], QSocketNotifier::Read);
    connect(m_pNotifier.get(), &QSocketNotifier::activated, this, &CTerminationWatch::OnSignalled);
    s_pActive = this;
    SetHandlers(HandleSignal);
}

CTerminationWatch::~CTerminationWatch()
{
    if (!m_pNotifier)
        return;
    m_pNotifier.reset();
    s_pActive = m_pPrevious;
    if (m_pPrevious)
        m_pPrevious->m_pNotifier->setEnabled(true);
    else
        SetHandlers(SIG_DFL);
}

void CTerminationWatch::OnSignalled()
{
    char buffer[64];
    while (::read(s_fdPair[0], buffer, sizeof buffer) > 0) {
    }
    if (m_onTerminate)
        m_onTerminate();
}
