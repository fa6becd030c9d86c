#include "favourites/PortableProfileFile.h"

#include <memory>
#include <utility>

namespace zelkova {

namespace {

// A file an editor saved as UTF-16 is no text this file can change: rewriting it would mix
// 8-bit lines into it. It is read as empty and left alone.
bool IsUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

}  // namespace

PortableProfileFile::PortableProfileFile(std::string path, const ProfileFileStore& store)
    : path_(std::move(path)), store_(store) {}

PortableProfileFile::~PortableProfileFile() {
    // Best effort: a caller that wants to know of a failure calls Flush itself.
    if (dirty_) Flush();
}

ProfileDocument& PortableProfileFile::Document() {
    if (!document_) {
        const std::optional<std::string> bytes = store_.ReadAll(path_);
        unreadable_ = !bytes || IsUtf16(*bytes);
        document_ = ProfileDocument::Parse(unreadable_ ? std::string_view() : *bytes);
    }
    return *document_;
}

std::string PortableProfileFile::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    return Document().Read(section, key, defaultValue);
}

bool PortableProfileFile::ProveWritable() {
    // Writing what could not be read would store our keys alone and lose everything else.
    if (unreadable_) return false;
    if (!provenWritable_) provenWritable_ = store_.CreateForWriting(path_);
    return provenWritable_;
}

bool PortableProfileFile::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    ProfileDocument& document = Document();
    if (!ProveWritable() || !document.Write(section, key, value)) return false;
    dirty_ = true;
    return true;
}

std::vector<std::string> PortableProfileFile::KeyNames(std::string_view section) {
    return Document().KeyNames(section);
}

std::vector<std::string> PortableProfileFile::SectionNames() { return Document().SectionNames(); }

bool PortableProfileFile::Flush() {
    if (!dirty_) return true;
    if (!store_.ReplaceAll(path_, Document().Serialize())) return false;
    dirty_ = false;
    return true;
}

ProfileFileOpener PortableProfileFileOpener(const ProfileFileStore& store) {
    return [&store](const std::string& path) -> std::unique_ptr<ProfileFile> {
        return std::make_unique<PortableProfileFile>(path, store);
    };
}

}  // namespace zelkova
