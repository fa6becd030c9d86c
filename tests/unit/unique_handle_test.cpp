#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/UniqueHandle.h"

namespace zelkova {
namespace {

// Integer handles closed through the object that gave them out, as the platform's are.
struct Issuer {
    std::vector<int> closed;
};

struct IssuedTraits {
    using Handle = int;
    Issuer* issuer = nullptr;
    void Close(int handle) const noexcept { issuer->closed.push_back(handle); }
};
using Issued = UniqueHandle<IssuedTraits>;

TEST(UniqueHandle, ClosesEachHandleOnceThroughItsOwnIssuerAndNeverTheEmptyOne) {
    Issuer first, second;
    {
        Issued a(7, {&first});
        Issued b(8, {&second});
        Issued empty(0, {&first});
        Issued moved(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(moved.get(), 7);
        moved = std::move(b);  // 7 goes now, 8 keeps its own issuer
        EXPECT_EQ(first.closed, std::vector<int>{7});
        moved.reset(9);        // 8 goes through the issuer that gave it
        EXPECT_EQ(second.closed, std::vector<int>{8});
        EXPECT_EQ(moved.release(), 9);
    }
    EXPECT_EQ(first.closed, std::vector<int>{7});
    EXPECT_EQ(second.closed, std::vector<int>{8});
}

}  // namespace
}  // namespace zelkova
