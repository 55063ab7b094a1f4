#pragma once

#include <QEventLoop>

#include <functional>

// The one way the client waits. A wait is a run of nested event-loop passes: the window stays live,
// and every pass ends when something the client watches happens (the watching slots call wake()) or
// the time bound passes. The condition is checked between passes, in our own frames, so it may raise.
class FtpWaiter {
public:
    FtpWaiter() = default;
    FtpWaiter(const FtpWaiter&) = delete;
    FtpWaiter& operator=(const FtpWaiter&) = delete;

    // Ends the current pass so that the condition is checked again. Does nothing outside a wait.
    void wake() {
        if (m_loop)
            m_loop->quit();
    }
    bool waiting() const { return m_loop != nullptr; }

    // Returns true once done() holds, false when timeoutMs passed first.
    bool waitUntil(int timeoutMs, const std::function<bool()>& done);

private:
    QEventLoop* m_loop = nullptr;
};
