#include "skin/SUI2SkinReader.h"

#include "skin/SUI2Define.h"
#include "skin/SkinArchive.h"

namespace zelkova {
namespace {

// Deletes the temporary file when the load ends, however it ends.
class TemporaryFile {
public:
    TemporaryFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (files_.FileExists(path_)) files_.RemoveFile(path_);
    }
    const std::string& Path() const { return path_; }

private:
    FileSystem& files_;
    std::string path_;
};

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(SkinFileEnvironment environment, const std::string& file,
                                       std::string_view password) {
    const TemporaryFile temporary(environment.files, MakeTemporaryPath(environment.temp));
    switch (ExtractSkinEntry(environment.files, file, kSkinDataEntryName, temporary.Path(), password)) {
        case ExtractOutcome::Rejected:
            return;
        case ExtractOutcome::Unreadable:
            throw SkinFileError("Failed to read skin file!");
        case ExtractOutcome::Success:
            break;
    }
    std::optional<SkinContainer> contents;
    {
        const std::unique_ptr<RandomAccessFile> data = environment.files.OpenForReading(temporary.Path());
        if (data) contents = ParseSkinContainer(*data);
    }  // closed before the temporary file is deleted
    if (!contents) throw SkinFileError("The skin file's data is damaged");
    contents_ = std::move(*contents);
    ready_ = true;
}

}  // namespace zelkova
