#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelkova {

// One initialization file, opened by path, with the rules of the Windows profile functions:
// names match in any ASCII case, a read value loses its blanks and one matching pair of
// quotation marks (ProfileValueToWrite gives what to write to keep them) but never its length,
// a missing key or file reads as the default.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    virtual const std::string& Path() const = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    // False when the file refused the write (a folder of that name, a missing folder, ...).
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // The names of the section's keys in file order; empty for a missing section or file.
    virtual std::vector<std::string> KeyNames(std::string_view section) = 0;
    // Makes every write so far durable. False when writes that were reported as done could
    // not be stored after all.
    virtual bool Flush() = 0;
};

using ProfileFileOpener = std::function<std::unique_ptr<ProfileFile>(const std::string& path)>;

}  // namespace zelkova
