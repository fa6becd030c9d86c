#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/PathQuery.h"

namespace zelkova {
namespace {

// Stands in for a Win32 path call with a path of the given length, keeping the buffer sizes it
// was asked with. What it answers to a buffer too small depends on the kind of call.
struct PathOfLength {
    std::size_t length;
    bool reportsNeed;  // GetTempPathA's kind; otherwise GetModuleFileNameA's, which cuts
    std::vector<DWORD> sizesAsked;

    DWORD operator()(char* buffer, DWORD size) {
        sizesAsked.push_back(size);
        if (length >= size && reportsNeed) return static_cast<DWORD>(length + 1);
        const DWORD written = static_cast<DWORD>(std::min<std::size_t>(length, size));
        std::fill(buffer, buffer + written, 'x');
        if (written < size) buffer[written] = '\0';
        return written;
    }
};

TEST(PathQuery, ACutPathGrowsToTheLongestWindowsPathAndIsNeverGivenCut) {
    PathOfLength longest{kLongestPathBuffer - 1, false, {}};
    EXPECT_EQ(ReadPathCutAtBuffer(std::ref(longest)), std::string(kLongestPathBuffer - 1, 'x'));

    PathOfLength tooLong{100000, false, {}};
    EXPECT_EQ(ReadPathCutAtBuffer(std::ref(tooLong)).size(), 0u) << "no cut path";
    EXPECT_EQ(tooLong.sizesAsked.back(), kLongestPathBuffer) << "the last try holds the longest";

    EXPECT_EQ(ReadPathCutAtBuffer([](char*, DWORD) -> DWORD { return 0; }), "") << "a failure";
}

TEST(PathQuery, APathSizedOnDemandTakesOneMoreTryAndEndsOnANeedThatNeverFits) {
    PathOfLength temp{300, true, {}};
    EXPECT_EQ(ReadPathSizedOnDemand(std::ref(temp)), std::string(300, 'x'));
    EXPECT_EQ(temp.sizesAsked, (std::vector<DWORD>{MAX_PATH, 301}));

    EXPECT_EQ(ReadPathSizedOnDemand([](char*, DWORD size) { return size; }), "");
    EXPECT_EQ(ReadPathSizedOnDemand([](char*, DWORD) -> DWORD { return 0; }), "") << "a failure";
}

}  // namespace
}  // namespace zelkova
