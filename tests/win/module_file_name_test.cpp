#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/ModuleFileName.h"

namespace zelkova {
namespace {

// Stands in for GetModuleFileNameA with a path of the given length: a buffer too small for it
// gets it cut at the buffer's size, and that size as the answer.
struct PathOfLength {
    std::size_t length;
    std::vector<DWORD> sizesAsked;

    DWORD operator()(char* buffer, DWORD size) {
        sizesAsked.push_back(size);
        const DWORD written = static_cast<DWORD>(std::min<std::size_t>(length, size));
        std::fill(buffer, buffer + written, 'x');
        if (written < size) buffer[written] = '\0';
        return written;
    }
};

TEST(ReadWholePath, GrowsToTheLongestWindowsPathAndNeverGivesACutOne) {
    PathOfLength longest{kLongestPathBuffer - 1, {}};
    EXPECT_EQ(ReadWholePath(std::ref(longest)), std::string(kLongestPathBuffer - 1, 'x'));

    PathOfLength tooLong{100000, {}};
    EXPECT_EQ(ReadWholePath(std::ref(tooLong)).size(), 0u) << "no cut path";
    EXPECT_EQ(tooLong.sizesAsked.back(), kLongestPathBuffer) << "the last try holds the longest";

    EXPECT_EQ(ReadWholePath([](char*, DWORD) -> DWORD { return 0; }), "") << "a failure";
}

}  // namespace
}  // namespace zelkova
