#pragma once

#include <string>

#include "jump/KeyJumpRequest.h"

namespace zelkova {

// "HKEY_CURRENT_USER" + "\" + "Software\Microsoft", with no doubled backslash when the path
// already starts with one: the text both ways of reaching the key walk along.
std::string TypedPath(const KeyJumpRequest& request);

}  // namespace zelkova
