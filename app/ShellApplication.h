#pragma once

#include <QApplication>

// The application object. Its notify is the safety net behind the per-handler guards: an error that
// escapes an event handler is shown in the standard error box instead of ending the program.
class ShellApplication : public QApplication {
public:
    ShellApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
