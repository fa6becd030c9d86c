// Win32 failure texts: the code and the system's words for it.
#include <gtest/gtest.h>

#include "gui/SystemError.h"

namespace zelkova {
namespace {

TEST(WithSystemError, AddsTheCodeAndTheSystemsMessage) {
    const std::string message = SystemMessage(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(message.empty());
    const std::string text = WithSystemError("Cannot create window Edit", ERROR_ACCESS_DENIED);
    EXPECT_EQ(text.rfind("Cannot create window Edit (error 5: ", 0), 0u) << text;
    EXPECT_EQ(text.back(), ')');
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
}

}  // namespace
}  // namespace zelkova
