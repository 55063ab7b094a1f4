#pragma once

// The process-wide actions that tests must not really perform: halting and pausing.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Ends the process at once with the given exit code. The real one never returns.
    virtual void halt(int exitCode) = 0;
    // Blocks the thread without processing messages.
    virtual void sleepMs(int milliseconds) = 0;
};

ProcessControl& processControl();
void setProcessControl(ProcessControl* control); // nullptr restores the real process

// Lets the event loop dispatch what is pending, then returns.
void ProcessMessages();
