// The running program's own file name, read whole or not at all.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zelkova {

// The longest path Windows takes (32,767 characters) with its terminating zero.
inline constexpr DWORD kLongestPathBuffer = 32768;

// Runs a query that, like GetModuleFileNameA, writes a path into a buffer, cuts it at the
// buffer's size without saying how long it is, and answers with the length written (0 for a
// failure). The buffer grows up to the longest path Windows takes; a failure, or a path that
// still does not fit, gives an empty string, never a cut one.
std::string ReadWholePath(const std::function<DWORD(char* buffer, DWORD size)>& query);

// The full path of the running program's file; empty when it cannot be read whole.
std::string ExecutableFilePath();

}  // namespace zelkova
