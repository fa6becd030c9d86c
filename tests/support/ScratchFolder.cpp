#include "support/ScratchFolder.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace zelkova::testing {

ScratchFolder::ScratchFolder() {
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::filesystem::temp_directory_path() / ("zelkova-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::Contents() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace zelkova::testing
