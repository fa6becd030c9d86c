#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelkova {

// The text rules shared by every implementation of ProfileFile, as the system's profile
// functions apply them (measured on Wine).

// The first buffer a read through the system's functions offers; a longer value grows it.
inline constexpr size_t ProfileReadBufferSize = 2048;

// Blanks around names, values and lines: space, tab, the other ASCII white space and the DOS
// end-of-file mark (^Z).
bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
// The key used to look a name up in any ASCII case.
std::string ProfileNameKey(std::string_view name);

// A stored value as a read returns it, whatever its length: blanks trimmed, cut at its first
// zero, then one matching pair of single or double quotation marks removed.
std::string ProfileValueAsRead(std::string_view stored);
// A caller's default as a read returns it: trailing spaces go (tabs stay), as with the
// system's functions.
std::string ProfileDefaultAsRead(std::string_view defaultValue);

// The text to write for a value so that a read gives it back byte for byte, as
// JoinedProfileLines(value): a value the read would shorten (a blank at either end, or one
// matching pair of quotation marks around it) goes inside one more pair of double quotation
// marks, which the read takes off again. Anything else is written as it is, so a file stays
// as readable by hand as before.
std::string ProfileValueToWrite(std::string_view value);
// Whether ProfileValueToWrite gives the value back unchanged, as it does for most.
bool IsProfileValueWrittenAsItIs(std::string_view value);
// A text as one line can hold it: cut at its first zero (no text of the system goes on past
// one, so nothing after it was ever shown), and each line break (CR LF, CR or LF) one blank,
// so lines pasted into a field come back side by side rather than lost.
std::string JoinedProfileLines(std::string_view text);

// Names that read back as themselves once written: a section name without "]", a key name
// without "=" that does not start with "[" or ";", neither with a line break.
bool IsProfileSectionNameWritable(std::string_view name);
bool IsProfileKeyNameWritable(std::string_view name);

// A value as it may be written. Only the part before the first line break (or zero) is kept:
// the rest would otherwise become lines of the file of its own, free to pose as sections and
// keys.
std::string_view ProfileTextForLine(std::string_view text);

}  // namespace zelkova
