#include "jump/TypedPath.h"

#include <gtest/gtest.h>

namespace zelkova {
namespace {

TEST(TypedPath, JoinsRootAndPathWithOneBackslash) {
    EXPECT_EQ(TypedPath({"HKEY_CURRENT_USER", "Software\\Microsoft", ""}), "HKEY_CURRENT_USER\\Software\\Microsoft");
    EXPECT_EQ(TypedPath({"HKEY_LOCAL_MACHINE", "\\SOFTWARE", ""}), "HKEY_LOCAL_MACHINE\\SOFTWARE");
    EXPECT_EQ(TypedPath({"HKEY_USERS", "a\\\\b\\", ""}), "HKEY_USERS\\a\\\\b\\");
}

}  // namespace
}  // namespace zelkova
