#include "platform/messages.h"

#include <cstdio>

#include "platform/cp1252.h"

namespace platform {

namespace {

StderrMessages& stderrService() {
    static StderrMessages service;
    return service;
}

MessageService* current = nullptr;

}  // namespace

MessageService& messages() { return current ? *current : stderrService(); }

void setMessageService(MessageService* service) { current = service; }

Answer showMessage(std::string_view text, std::string_view caption, Icon icon, Buttons buttons) {
    return messages().show(text, caption, icon, buttons);
}

Answer defaultAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return Answer::Retry;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
    }
    return Answer::Ok;
}

Answer StderrMessages::show(std::string_view text, std::string_view caption, Icon,
                            Buttons buttons) {
    const std::string line = cp1252ToUtf8(caption) + ": " + cp1252ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return hasForced_ ? forced_ : defaultAnswer(buttons);
}

Answer MessageRecorder::show(std::string_view text, std::string_view caption, Icon icon,
                             Buttons buttons) {
    shown.push_back({std::string(text), std::string(caption), icon, buttons});
    if (answers.empty()) return defaultAnswer(buttons);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

ScopedMessageService::ScopedMessageService(MessageService& service) : previous_(current) {
    current = &service;
}

ScopedMessageService::~ScopedMessageService() { current = previous_; }

}  // namespace platform
