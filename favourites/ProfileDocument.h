#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelkova {

// An initialization file held in memory, read and changed by the rules of the Windows profile
// functions. Lines the rules do not touch (comments, blank lines, lines that are no key) are
// kept as they were; a line ends at CR LF, LF or CR, and every line is written back with CR LF.
//
// A UTF-8 byte order mark that an editor put at the start is kept there and not taken for part
// of the first line. The lines before the first section header form a nameless section. A section
// or key that occurs twice is found at its first occurrence, as the Windows functions do. Each
// section keeps an index of its keys by folded name, so a lookup costs the same in a file of ten or
// of ten thousand keys.
class ProfileDocument {
public:
    static ProfileDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;
    // Replaces the key's value in place, or appends the key after the last line of its section
    // that is not blank, or appends the section at the end. The value is cut at its first line
    // break. False, changing nothing, for a name that would not read back as itself: a section
    // name holding "]", a key name holding "=" or starting with "[" or ";", or a line break in
    // either.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    std::vector<std::string> KeyNames(std::string_view section) const;
    std::vector<std::string> SectionNames() const;

private:
    struct Line {
        std::string text;
        // For a key line: its trimmed name and where its value starts in text.
        std::optional<std::string> keyName;
        size_t valueStart = 0;
    };
    struct Section {
        std::string name;
        std::optional<std::string> header;  // none for the lines before the first header
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> keyIndex;  // folded name -> first line
    };

    static Line ClassifyLine(std::string text);
    static void IndexKey(Section& section, size_t lineIndex);
    const Section* FindSection(std::string_view name) const;
    const Line* FindKey(const Section& section, std::string_view key) const;
    Section& AddSection(std::string name, std::optional<std::string> header);

    bool utf8Mark_ = false;
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> first section
};

}  // namespace zelkova
