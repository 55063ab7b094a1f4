#include "ftp/FtpWaiter.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <utility>

bool FtpWaiter::waitUntil(int timeoutMs, const std::function<bool()>& done) {
    const QDeadlineTimer deadline(std::max(timeoutMs, 1));
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer bound;
        bound.setSingleShot(true);
        QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
        bound.start(static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, INT_MAX)));
        QEventLoop* const outer = std::exchange(m_loop, &loop);
        loop.exec();
        m_loop = outer;
    }
    return true;
}
