#pragma once

#include <string>

namespace zelkova {

// The hand-over from key resolution to the Registry Editor: where to go.
struct KeyJumpRequest {
    std::string RootName;   // one of the five upper-case full root names
    std::string KeyPath;    // below the root, as typed; may be empty or start with a backslash
    std::string ValueName;  // empty for a key jump

    friend bool operator==(const KeyJumpRequest&, const KeyJumpRequest&) = default;
};

}  // namespace zelkova
