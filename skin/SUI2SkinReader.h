#pragma once
// Tsk2SkinFileReader: loads one skin file. The archive's "SKINDATA.SK2" entry is unpacked into
// a scratch file in the temporary folder, read back as a data container through the same open
// file, and the scratch file is gone when the load ends, whatever the outcome.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/FileAccess.h"
#include "skin/SkinContainer.h"
#include "base/TempFileName.h"

namespace zelkova {

// The platform services a skin file load uses.
struct SkinFileEnvironment {
    FileSystem& files;
    TempFolder& temp;
};

// A skin file that is not a readable skin archive, or whose container is damaged.
class SkinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Tsk2SkinFileReader {
public:
    // Loads at once. A wrong or missing password, or data of the wrong size, leaves the reader
    // not ready; a file that is no skin archive, damaged data, or a temporary name that is
    // already taken raises SkinFileError.
    Tsk2SkinFileReader(SkinFileEnvironment environment, const std::string& file,
                       std::string_view password);

    bool Ready() const { return ready_; }
    const SkinContainer& Contents() const { return contents_; }

    const BmpImage* Bitmap(std::string_view name) const { return contents_.FindBitmap(name); }
    // True when the entry's stored byte is not 0; false when absent.
    bool Boolean(std::string_view name) const { return contents_.FindBoolean(name).value_or(0) != 0; }
    // -1 when absent.
    std::int32_t Integer(std::string_view name) const { return contents_.FindInteger(name).value_or(-1); }

private:
    SkinContainer contents_;
    bool ready_ = false;
};

}  // namespace zelkova
