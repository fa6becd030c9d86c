#include "base/ErrorText.h"

#include <gtest/gtest.h>

namespace zelkova {
namespace {

TEST(WithErrorCode, AddsTheCodeAndTheSystemsWordsOnOneLine) {
    EXPECT_EQ(WithErrorCode("Cannot create menu", 8), "Cannot create menu (error 8)");
    EXPECT_EQ(WithErrorCode("Cannot create window Edit", 1407, "Cannot find window class.\r\n"),
              "Cannot create window Edit (error 1407: Cannot find window class.)");
    EXPECT_EQ(WithErrorCode("x", 5, "Access\r\nis denied. \r\n"), "x (error 5: Access is denied.)");
    EXPECT_EQ(WithErrorCode("x", 5, "\r\n"), "x (error 5)");
}

TEST(WithErrorCode, WritesAnHresultInHexadecimal) {
    EXPECT_EQ(WithErrorCode("Cannot create a GUID", 0x80004005u), "Cannot create a GUID (error 0x80004005)");
    EXPECT_EQ(WithErrorCode("x", 0xFFFF), "x (error 65535)");
}

TEST(WithErrorCode, LeavesTheTextAloneWithoutACode) {
    EXPECT_EQ(WithErrorCode("Cannot create a bitmap", 0, "The operation completed successfully.\r\n"),
              "Cannot create a bitmap");
}

}  // namespace
}  // namespace zelkova
