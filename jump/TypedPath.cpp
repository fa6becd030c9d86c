#include "jump/TypedPath.h"

namespace zelkova {

std::string TypedPath(const KeyJumpRequest& request) {
    std::string path = request.RootName;
    if (request.KeyPath.empty() || request.KeyPath.front() != '\\') path += '\\';
    path += request.KeyPath;
    return path;
}

}  // namespace zelkova
