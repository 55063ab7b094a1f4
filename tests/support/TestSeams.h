#pragma once

#include "app/MessageBoxes.h"
#include "app/ProcessControl.h"

#include <QList>

#include <deque>
#include <functional>

// Message boxes that tests read and answer. Each shown box is recorded; the answer comes from the
// queue of planned answers, else from the callback, else OK / Yes.
class RecordingBoxes final : public MessageBoxes {
public:
    RecordingBoxes() { setMessageBoxes(this); }
    ~RecordingBoxes() override { setMessageBoxes(nullptr); }
    RecordingBoxes(const RecordingBoxes&) = delete;
    RecordingBoxes& operator=(const RecordingBoxes&) = delete;

    BoxAnswer show(const BoxRequest& request) override;

    QList<BoxRequest> shown;
    std::deque<BoxAnswer> plannedAnswers;
    std::function<BoxAnswer(const BoxRequest&)> onShow;
};

// Records halts and pauses instead of performing them.
class RecordingProcess final : public ProcessControl {
public:
    RecordingProcess() { setProcessControl(this); }
    ~RecordingProcess() override { setProcessControl(nullptr); }
    RecordingProcess(const RecordingProcess&) = delete;
    RecordingProcess& operator=(const RecordingProcess&) = delete;

    void halt(int exitCode) override { halts.append(exitCode); }
    void sleepMs(int milliseconds) override { sleeps.append(milliseconds); }

    QList<int> halts;
    QList<int> sleeps;
};
