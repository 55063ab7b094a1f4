#include "app/ShellApplication.h"

#include "app/ErrorGuard.h"

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ShellApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
