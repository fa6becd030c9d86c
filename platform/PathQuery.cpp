#include "platform/PathQuery.h"

#include <algorithm>

namespace zelkova {

std::string ReadPathCutAtBuffer(const PathQuery& query) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = query(path.data(), size);
        if (length == 0) return {};
        if (length < size) {
            path.resize(length);
            return path;
        }
        if (size >= kLongestPathBuffer) return {};
        path.resize(std::min<std::size_t>(path.size() * 2, kLongestPathBuffer));
    }
}

std::string ReadPathSizedOnDemand(const PathQuery& query) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = query(path.data(), size);
        if (length == 0) return {};
        if (length < size) {
            path.resize(length);
            return path;
        }
        // A need that does not grow would never be met.
        if (length == size || length > kLongestPathBuffer) return {};
        path.resize(length);
    }
}

std::string ExecutableFilePath() {
    return ReadPathCutAtBuffer(
        [](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
}

}  // namespace zelkova
