#pragma once
// Caption text rules of the skinned push button: its accelerator letter and whether anything
// of it is visible.
#include <optional>
#include <string_view>

namespace zelkova {

// The character after the first single "&" ("&&" stands for a literal ampersand), or none.
std::optional<char> CaptionAccelerator(std::string_view caption);

// key is the caption's accelerator, compared with ASCII case folding.
bool IsCaptionAccelerator(char key, std::string_view caption);

// Something is left once leading and trailing blanks and control characters are removed.
bool HasVisibleCaption(std::string_view caption);

}  // namespace zelkova
