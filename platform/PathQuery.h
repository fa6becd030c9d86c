// Reading a path from the Win32 calls that write one into the caller's buffer. They come in
// two kinds, and each kind has one grow loop here.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zelkova {

// The longest path Windows takes (32,767 characters) with its terminating zero.
inline constexpr DWORD kLongestPathBuffer = 32768;

// The query writes the path and answers with its length, 0 for a failure.
using PathQuery = std::function<DWORD(char* buffer, DWORD size)>;

// For a call that, like GetModuleFileNameA, cuts a path longer than the buffer at the buffer's
// size without saying how long it is. The buffer grows up to the longest path Windows takes; a
// failure, or a path that still does not fit, gives an empty string, never a cut one.
std::string ReadPathCutAtBuffer(const PathQuery& query);

// For a call that, like GetTempPathA or GetWindowsDirectoryA, answers a buffer too small with
// the size it needs. A failure, or a need beyond the longest path, gives an empty string.
std::string ReadPathSizedOnDemand(const PathQuery& query);

// The full path of the running program's file; empty when it cannot be read whole.
std::string ExecutableFilePath();

}  // namespace zelkova
