#include "platform/recording_host.h"

#include <gtest/gtest.h>

namespace {

// The fake answers questions in the order the test queued them, then Yes.
TEST(RecordingHost, AnswersQuestionsInOrderThenYes) {
  platform::RecordingHost host;
  host.answers = {platform::MessageAnswer::No};
  using platform::MessageButtons;
  using platform::MessageIcon;
  EXPECT_EQ(host.ShowMessage("q1", "t", MessageIcon::Critical, MessageButtons::YesNo),
            platform::MessageAnswer::No);
  EXPECT_EQ(host.ShowMessage("q2", "t", MessageIcon::Critical, MessageButtons::YesNo),
            platform::MessageAnswer::Yes);
  EXPECT_EQ(host.ShowMessage("i", "t", MessageIcon::None, MessageButtons::Ok),
            platform::MessageAnswer::Ok);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[1].text, "q2");
}

}  // namespace
