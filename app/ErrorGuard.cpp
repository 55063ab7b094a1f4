#include "app/ErrorGuard.h"

#include "app/MessageBoxes.h"

#include <stdexcept>

QString ErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void ReportEscapedError(const std::exception_ptr& error) {
    // The box is shown outside the catch block, so its nested event loop holds no exception in flight.
    ShowErrorBox(ErrorText(error));
}
