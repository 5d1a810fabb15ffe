#include <gtest/gtest.h>

#include "files/message_text.h"

namespace vorbexia {
namespace {

TEST(EscapeForMessage, EscapesBytesThatAreNotUtf8AndKeepsUtf8Letters) {
  EXPECT_EQ(EscapeForMessage("a\x1B\xFF\xC3\x28\xC5\x82\xED\xA0\x80"),
            "a\\x1B\\xFF\\xC3(\xC5\x82\\xED\\xA0\\x80");
}

}  // namespace
}  // namespace vorbexia
