#include "app/JobGate.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/WindowTexts.h"
#include "core/Prompts.h"

namespace tessaly::app {

bool JobGate::running() const {
    return std::any_of(jobs_.begin(), jobs_.end(), [](const Job& job) { return job.running(); });
}

void JobGate::run(const std::function<void()>& job) {
    job();
    if (!std::exchange(closeAsked_, false)) return;
    closeWindow_();
}

bool JobGate::holdClose() {
    const auto job = std::find_if(jobs_.begin(), jobs_.end(), [](const Job& j) { return j.running(); });
    if (job == jobs_.end()) return false;
    const Message question{std::string(job->stopQuestion), std::string(texts::kExitCaption), Icon::Warning};
    if (prompts_.confirm(question)) {
        closeAsked_ = true;
        job->cancel();
    }
    return true;
}

}  // namespace tessaly::app
