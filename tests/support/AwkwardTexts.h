#pragma once

#include <string>
#include <vector>

namespace zelkova::testing {

// A text as a favourite holds it, and what the next load must give back: the same, except
// where one line of the file cannot hold it.
struct AwkwardText {
    std::string saved;
    std::string loaded;
};

// Texts that a plain write would not bring back whole: blanks and quotation marks at their
// ends, what looks like file syntax, bytes beyond ASCII, great length, line breaks and zeros.
std::vector<AwkwardText> AwkwardTexts();

}  // namespace zelkova::testing
