#include "TestSeams.h"

BoxAnswer RecordingBoxes::show(const BoxRequest& request) {
    shown.append(request);
    if (!plannedAnswers.empty()) {
        const BoxAnswer answer = plannedAnswers.front();
        plannedAnswers.pop_front();
        return answer;
    }
    if (onShow)
        return onShow(request);
    return request.buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
}
