#include "platform/ModuleFileName.h"

#include <algorithm>

namespace zelkova {

std::string ReadWholePath(const std::function<DWORD(char* buffer, DWORD size)>& query) {
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

std::string ExecutableFilePath() {
    return ReadWholePath(
        [](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
}

}  // namespace zelkova
