#include "platform/PathQuery.h"

#include <algorithm>

namespace zelkova {
namespace {

// Asks with ever larger buffers until the path fits. NextSize gets the size just tried and the
// query's answer and gives the next size, or 0 to give up.
template <typename NextSize>
std::string ReadGrowing(const PathQuery& query, NextSize nextSize) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const auto size = static_cast<DWORD>(path.size());
        const DWORD length = query(path.data(), size);
        if (length == 0) return {};
        if (length < size) {
            path.resize(length);
            return path;
        }
        const DWORD next = nextSize(size, length);
        if (next == 0) return {};
        path.resize(next);
    }
}

}  // namespace

std::string ReadPathCutAtBuffer(const PathQuery& query) {
    return ReadGrowing(query, [](DWORD size, DWORD) -> DWORD {
        return size >= kLongestPathBuffer ? 0 : std::min(size * 2, kLongestPathBuffer);
    });
}

std::string ReadPathSizedOnDemand(const PathQuery& query) {
    // A need that does not grow would never be met.
    return ReadGrowing(query, [](DWORD size, DWORD need) -> DWORD {
        return need == size || need > kLongestPathBuffer ? 0 : need;
    });
}

std::string ExecutableFilePath() {
    return ReadPathCutAtBuffer(
        [](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
}

}  // namespace zelkova
