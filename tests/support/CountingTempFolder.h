#pragma once
// Temporary names a test can foresee: a folder of its choosing and GUIDs counted up from
// first + 1, so the test can put something at the next name before a load takes it.
#include <cstdint>
#include <string>

#include "base/TempFileName.h"

namespace zelkova::testing {

class CountingTempFolder final : public TempFolder {
public:
    explicit CountingTempFolder(std::string folder, std::uint32_t first = 0)
        : folder_(std::move(folder)), count_(first) {}
    std::string TempDirectory() override { return folder_; }
    Guid NewGuid() override {
        Guid g;
        g.data1 = ++count_;
        return g;
    }
    // The path the next load will use.
    std::string NextPath() {
        CountingTempFolder copy = *this;
        return MakeTemporaryPath(copy);
    }

private:
    std::string folder_;
    std::uint32_t count_;
};

}  // namespace zelkova::testing
