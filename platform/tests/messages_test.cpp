#include "platform/messages.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Messages, RecorderKeepsBoxesAndAnswersFromTheScript) {
    MessageRecorder recorder;
    recorder.answers = {Answer::No, Answer::Cancel};
    ScopedMessageService scope(recorder);

    EXPECT_EQ(showMessage("Save changes?", "Trelmo", Icon::Question, Buttons::YesNoCancel),
              Answer::No);
    EXPECT_EQ(showMessage("Again?", "Trelmo", Icon::Question, Buttons::YesNoCancel),
              Answer::Cancel);
    // Script used up: the default button answers.
    EXPECT_EQ(showMessage("Once more?", "Trelmo", Icon::Question, Buttons::YesNoCancel),
              Answer::Yes);

    ASSERT_EQ(recorder.shown.size(), 3u);
    EXPECT_EQ(recorder.shown[0].text, "Save changes?");
    EXPECT_EQ(recorder.shown[0].caption, "Trelmo");
    EXPECT_EQ(recorder.shown[0].icon, Icon::Question);
    EXPECT_EQ(recorder.shown[0].buttons, Buttons::YesNoCancel);
}

TEST(Messages, ScopedServicesNestAndRestore) {
    MessageRecorder outer;
    MessageRecorder inner;
    {
        ScopedMessageService a(outer);
        {
            ScopedMessageService b(inner);
            showMessage("inner", "");
        }
        showMessage("outer", "");
    }
    EXPECT_NE(dynamic_cast<StderrMessages*>(&messages()), nullptr);  // standard error again
    ASSERT_EQ(inner.shown.size(), 1u);
    ASSERT_EQ(outer.shown.size(), 1u);
    EXPECT_EQ(outer.shown[0].text, "outer");
}

TEST(Messages, DefaultAnswers) {
    const std::pair<Buttons, Answer> cases[] = {
        {Buttons::Ok, Answer::Ok},
        {Buttons::OkCancel, Answer::Ok},
        {Buttons::YesNo, Answer::Yes},
        {Buttons::YesNoCancel, Answer::Yes},
        {Buttons::RetryCancel, Answer::Retry},
        {Buttons::AbortRetryIgnore, Answer::Abort},
    };
    for (const auto& [buttons, answer] : cases) EXPECT_EQ(defaultAnswer(buttons), answer);
}

TEST(Messages, StandardErrorShowsCaptionThenTextInUtf8) {
    StderrMessages service;
    testing::internal::CaptureStderr();
    const Answer first = service.show("Pris 5 \x80", "Fejl", Icon::Stop, Buttons::YesNo);
    service.forceAnswer(Answer::No);
    const Answer second = service.show("t", "c", Icon::None, Buttons::YesNo);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fejl: Pris 5 \xE2\x82\xAC\nc: t\n");
    EXPECT_EQ(first, Answer::Yes);
    EXPECT_EQ(second, Answer::No);
}

}  // namespace
}  // namespace platform
