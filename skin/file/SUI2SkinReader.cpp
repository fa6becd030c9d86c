#include "skin/file/SUI2SkinReader.h"

#include "skin/file/SUI2Define.h"
#include "skin/file/SkinArchive.h"

namespace zelkova {

std::string_view SkinFileFaultText(SkinFileFault fault) {
    switch (fault) {
        case SkinFileFault::None: return {};
        case SkinFileFault::NoScratchFile: return "Cannot create a temporary file for the skin";
        case SkinFileFault::Unreadable: return "Failed to read skin file!";
        case SkinFileFault::Damaged: return "The skin file's data is damaged";
    }
    return {};
}

Tsk2SkinFileReader::Tsk2SkinFileReader(SkinFileEnvironment environment, const std::string& file,
                                       std::string_view password) {
    // The process runs elevated and the temporary folder belongs to the user: the file is made
    // new under a fresh name, used only through the one open file, and gone when that closes.
    const std::unique_ptr<ScratchFile> scratch =
        environment.files.CreateScratchFile(MakeTemporaryPath(environment.temp));
    if (!scratch) {
        fault_ = SkinFileFault::NoScratchFile;
        return;
    }
    switch (ExtractSkinEntry(environment.files, file, kSkinDataEntryName, *scratch, password)) {
        case ExtractOutcome::Rejected: return;
        case ExtractOutcome::Unreadable: fault_ = SkinFileFault::Unreadable; return;
        case ExtractOutcome::Success: break;
    }
    std::optional<SkinContainer> contents = ParseSkinContainer(*scratch);
    if (!contents) {
        fault_ = SkinFileFault::Damaged;
        return;
    }
    contents_ = std::move(*contents);
    ready_ = true;
}

}  // namespace zelkova
