#pragma once

#include <QString>

#include <exception>
#include <utility>

// Qt on Debian is built without exception support, so no error may unwind through a Qt frame. Every
// entry from the event loop runs its handler through Guarded: an error that escapes the handler is shown
// in the standard error box and the program goes on. Handlers called directly by other handlers (a
// programmatic click) are not guarded, so their errors reach the caller.
void ReportEscapedError(const std::exception_ptr& error);

template <class Handler> void Guarded(Handler&& handler) noexcept {
    std::exception_ptr escaped;
    try {
        std::forward<Handler>(handler)();
        return;
    } catch (...) {
        escaped = std::current_exception();
    }
    ReportEscapedError(escaped);
}

QString ErrorText(const std::exception_ptr& error);
