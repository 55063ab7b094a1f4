#include "app/ProcessControl.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

class RealProcess final : public ProcessControl {
public:
    void halt(int exitCode) override {
        std::fflush(nullptr);
        // Nothing is written at exit and sockets close with the process, so no unwinding is needed.
        std::_Exit(exitCode);
    }
    void sleepMs(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

ProcessControl* installed = nullptr;

} // namespace

ProcessControl& processControl() {
    static RealProcess real;
    return installed ? *installed : real;
}

void setProcessControl(ProcessControl* control) {
    installed = control;
}

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
