#include "support/AwkwardTexts.h"

namespace zelkova::testing {

std::vector<AwkwardText> AwkwardTexts() {
    std::vector<AwkwardText> texts;
    for (const std::string& kept : std::vector<std::string>{
             "HKEY_CURRENT_USER\\Software\\X ", " leading", "  both  ", "\ttabs\t", "   ",
             "\vvertical\f", "\x1a" "dos end", "\"quoted\"", "'single'", "\"", "\"\"", "''",
             "'", "\"\"\"", "\"a\"b\"", "\"unmatched", "unmatched\"", "'mixed\"", " \"q\" ",
             "\"\"inner\"\"", "\" blank inside \"", "x=y", "[Section]", ";not a comment",
             "\xE4\xF6\xFC \x80\x81\x8D\x9D\xFF", "HKEY_USERS\\" + std::string(100000, 'k'),
             "\"" + std::string(70000, 'q') + "\""}) {
        texts.push_back({kept, kept});
    }
    texts.push_back({"line one\r\nline two", "line one line two"});
    texts.push_back({"a\rb\nc\n\rd", "a b c  d"});
    texts.push_back({"ends with a break\r\n", "ends with a break "});
    texts.push_back({std::string("before\0after", 12), "before"});
    texts.push_back({std::string(" \"\0\"", 4), " \""});
    return texts;
}

}  // namespace zelkova::testing
