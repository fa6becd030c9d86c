#pragma once
// Names for temporary files: the user's temporary folder and a fresh GUID. The Win32 side
// answers with GetTempPathA and CoCreateGuid; PortableTempFolder serves the native build.
#include <array>
#include <cstdint>
#include <string>

namespace zelkova {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
};

// The braced registry form: "{" 8-4-4-4-12 upper-case hexadecimal digits "}".
std::string FormatGuid(const Guid& guid);

class TempFolder {
public:
    virtual ~TempFolder() = default;
    virtual std::string TempDirectory() = 0;
    virtual Guid NewGuid() = 0;
};

// The folder (with a separator added when it has none at its end) followed by a new GUID,
// without extension.
std::string MakeTemporaryPath(TempFolder& temp);

// TMPDIR, TMP or TEMP, else /tmp; random version-4 GUIDs.
class PortableTempFolder final : public TempFolder {
public:
    std::string TempDirectory() override;
    Guid NewGuid() override;
};

}  // namespace zelkova
