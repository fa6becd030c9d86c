#include "favourites/ProfileDocument.h"

#include <algorithm>
#include <utility>

#include "favourites/ProfileRules.h"

namespace zelkova {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

// A header is "[name]" after optional blanks; anything after the "]" is ignored.
std::optional<std::string> HeaderName(std::string_view line) {
    const std::string_view rest = TrimLeadingBlanks(line);
    if (rest.empty() || rest.front() != '[') return std::nullopt;
    const size_t close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(TrimProfileBlanks(rest.substr(1, close - 1)));
}

std::string HeaderLine(std::string_view name) {
    std::string line = "[";
    return line.append(name).append("]");
}

}  // namespace

ProfileDocument::Line ProfileDocument::ClassifyLine(std::string text) {
    Line line{std::move(text), std::nullopt, 0};
    const std::string_view rest = TrimLeadingBlanks(line.text);
    if (rest.empty() || rest.front() == ';') return line;
    const size_t equals = line.text.find('=');
    if (equals == std::string::npos) return line;
    line.keyName = std::string(TrimProfileBlanks(std::string_view(line.text).substr(0, equals)));
    line.valueStart = equals + 1;
    return line;
}

void ProfileDocument::IndexKey(Section& section, size_t lineIndex) {
    const Line& line = section.lines[lineIndex];
    if (line.keyName) section.keyIndex.emplace(ProfileNameKey(*line.keyName), lineIndex);
}

ProfileDocument::Section& ProfileDocument::AddSection(std::string name,
                                                      std::optional<std::string> header) {
    sectionIndex_.emplace(ProfileNameKey(name), sections_.size());
    sections_.push_back(Section{std::move(name), std::move(header), {}, {}});
    return sections_.back();
}

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
    ProfileDocument document;
    document.utf8Mark_ = bytes.starts_with(Utf8Mark);
    if (document.utf8Mark_) bytes.remove_prefix(Utf8Mark.size());
    Section* current = &document.AddSection({}, std::nullopt);
    // CR LF, a bare LF and a bare CR each end a line, as the system reads a file. Each kind's
    // next place is searched for only once it is passed, so a file without one kind is not
    // searched through again at every line.
    size_t nextLineFeed = bytes.find('\n'), nextReturn = bytes.find('\r');
    for (size_t at = 0; at < bytes.size();) {
        if (nextLineFeed < at) nextLineFeed = bytes.find('\n', at);
        if (nextReturn < at) nextReturn = bytes.find('\r', at);
        const size_t end = std::min({nextLineFeed, nextReturn, bytes.size()});
        const std::string_view text = bytes.substr(at, end - at);
        at = end + (end == nextReturn && end + 1 == nextLineFeed ? 2 : 1);

        if (std::optional<std::string> name = HeaderName(text)) {
            current = &document.AddSection(std::move(*name), std::string(text));
            continue;
        }
        current->lines.push_back(ClassifyLine(std::string(text)));
        IndexKey(*current, current->lines.size() - 1);
    }
    return document;
}

std::string ProfileDocument::Serialize() const {
    std::string bytes(utf8Mark_ ? Utf8Mark : std::string_view());
    for (const Section& section : sections_) {
        if (section.header) bytes.append(*section.header).append("\r\n");
        for (const Line& line : section.lines) bytes.append(line.text).append("\r\n");
    }
    return bytes;
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
    const auto found = sectionIndex_.find(ProfileNameKey(TrimProfileBlanks(name)));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const ProfileDocument::Line* ProfileDocument::FindKey(const Section& section,
                                                      std::string_view key) const {
    const auto found = section.keyIndex.find(ProfileNameKey(TrimProfileBlanks(key)));
    return found == section.keyIndex.end() ? nullptr : &section.lines[found->second];
}

std::string ProfileDocument::Read(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    if (const Section* found = FindSection(section)) {
        if (const Line* line = FindKey(*found, key))
            return ProfileValueAsRead(std::string_view(line->text).substr(line->valueStart));
    }
    return ProfileDefaultAsRead(defaultValue);
}

bool ProfileDocument::Write(std::string_view section, std::string_view key,
                            std::string_view value) {
    section = TrimProfileBlanks(section);
    key = TrimProfileBlanks(key);
    if (!IsProfileSectionNameWritable(section) || !IsProfileKeyNameWritable(key)) return false;
    std::string text = std::string(key) + "=" + std::string(ProfileTextForLine(value));

    const auto foundSection = sectionIndex_.find(ProfileNameKey(section));
    Section& target = foundSection != sectionIndex_.end()
                          ? sections_[foundSection->second]
                          : AddSection(std::string(section), HeaderLine(section));

    const auto foundKey = target.keyIndex.find(ProfileNameKey(key));
    if (foundKey != target.keyIndex.end()) {
        // In place, under the name as the file spells it.
        Line& line = target.lines[foundKey->second];
        line = ClassifyLine(*line.keyName + "=" + std::string(ProfileTextForLine(value)));
        return true;
    }
    // After the section's last line that is not blank, so a blank line that parts it from the
    // next section stays where it is. Only blank lines follow, so no indexed key moves.
    size_t at = target.lines.size();
    while (at > 0 && TrimProfileBlanks(target.lines[at - 1].text).empty()) --at;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at),
                        ClassifyLine(std::move(text)));
    IndexKey(target, at);
    return true;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = FindSection(section)) {
        for (const Line& line : found->lines)
            if (line.keyName && !line.keyName->empty()) names.push_back(*line.keyName);
    }
    return names;
}

std::vector<std::string> ProfileDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_)
        if (section.header && !section.name.empty()) names.push_back(section.name);
    return names;
}

}  // namespace zelkova
