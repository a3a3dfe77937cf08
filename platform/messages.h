#pragma once
// The one message-box service of both programs. Texts and captions are code page 1252
// bytes, exactly as the program's own strings; the surface that shows them converts.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Icon { None, Stop, Exclamation, Question, Information };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer show(std::string_view text, std::string_view caption, Icon icon,
                        Buttons buttons) = 0;
};

// The service in use; standard error until a program or test installs another.
MessageService& messages();
// Installs `service` (not owned; must outlive its use). nullptr restores standard error.
void setMessageService(MessageService* service);

// Shorthand for messages().show(...).
Answer showMessage(std::string_view text, std::string_view caption, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok);

// Headless runs: writes "caption: text" (UTF-8) to standard error and answers with the
// box's default button (Ok, Yes, Retry or Abort), or with `forcedAnswer` when set.
class StderrMessages : public MessageService {
public:
    Answer show(std::string_view text, std::string_view caption, Icon icon,
                Buttons buttons) override;
    void forceAnswer(Answer answer) { forced_ = answer; hasForced_ = true; }

private:
    Answer forced_ = Answer::Ok;
    bool hasForced_ = false;
};

// Tests: keeps every box shown and answers from a script (default button when empty).
class MessageRecorder : public MessageService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        Icon icon;
        Buttons buttons;
    };
    Answer show(std::string_view text, std::string_view caption, Icon icon,
                Buttons buttons) override;

    std::vector<Shown> shown;
    std::deque<Answer> answers;  // consumed front first
};

// Installs a service for the lifetime of the guard, restoring the previous one after.
class ScopedMessageService {
public:
    explicit ScopedMessageService(MessageService& service);
    ~ScopedMessageService();
    ScopedMessageService(const ScopedMessageService&) = delete;
    ScopedMessageService& operator=(const ScopedMessageService&) = delete;

private:
    MessageService* previous_;
};

// The answer a box gives when dismissed with Enter.
Answer defaultAnswer(Buttons buttons);

}  // namespace platform
