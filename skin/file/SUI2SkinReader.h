#pragma once
// Tsk2SkinFileReader: loads one skin file. The archive's "SKINDATA.SK2" entry is unpacked into
// a scratch file in the temporary folder, read back as a data container through the same open
// file, and the scratch file is gone when the load ends, whatever the outcome.
#include <string>
#include <string_view>

#include "base/FileAccess.h"
#include "base/TempFileName.h"
#include "skin/file/SkinContainer.h"

namespace zelkova {

// The platform services a skin file load uses.
struct SkinFileEnvironment {
    FileSystem& files;
    TempFolder& temp;
};

// Why a skin file could not be read at all. A wrong password is not among them: the file is
// fine, it only stays locked.
enum class SkinFileFault {
    None,
    NoScratchFile,  // the temporary name was taken, or the folder refused a new file
    Unreadable,     // no skin archive, or one without the skin's entry
    Damaged,        // the entry unpacked but its container does not parse
};

// The message for a fault; empty for None.
std::string_view SkinFileFaultText(SkinFileFault fault);

class Tsk2SkinFileReader {
public:
    // Loads at once and never throws for what the file holds. A wrong or missing password, or
    // data of the wrong size, leaves the reader not ready and without a fault; a file that is
    // no skin archive, damaged data, or a temporary name already taken leave it not ready with
    // the fault that says so. Files are untrusted input: a fault is an answer, not an error.
    Tsk2SkinFileReader(SkinFileEnvironment environment, const std::string& file,
                       std::string_view password);

    bool Ready() const { return ready_; }
    SkinFileFault Fault() const { return fault_; }
    const SkinContainer& Contents() const { return contents_; }

    const BmpImage* Bitmap(std::string_view name) const { return contents_.FindBitmap(name); }
    // True when the entry's stored byte is not 0; false when absent.
    bool Boolean(std::string_view name) const {
        return contents_.FindBoolean(name).value_or(0) != 0;
    }
    // -1 when absent.
    std::int32_t Integer(std::string_view name) const {
        return contents_.FindInteger(name).value_or(-1);
    }

private:
    SkinContainer contents_;
    bool ready_ = false;
    SkinFileFault fault_ = SkinFileFault::None;
};

}  // namespace zelkova
