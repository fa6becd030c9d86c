#pragma once
// Writes skin files for tests: BMP files, the record container and the "SK" archive around it.
// Portable C++ without zlib or GoogleTest, so the Win32 tests can build their skins with it too.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zelkova::testing {

// A bottom-up 24-bit BMP file; colour(x, y) gives 0x00RRGGBB with y from the top.
std::vector<std::uint8_t> MakeBmp24(int width, int height,
                                    const std::function<std::uint32_t(int, int)>& colour);

// Records in the order added; each record header is followed by its data, the chain ends with a
// terminator record.
class SkinContainerBuilder {
public:
    SkinContainerBuilder& AddRecord(std::string name, std::uint8_t kind, std::vector<std::uint8_t> data);
    SkinContainerBuilder& AddBitmap(std::string name, std::vector<std::uint8_t> bmp) {
        return AddRecord(std::move(name), 0, std::move(bmp));
    }
    SkinContainerBuilder& AddInteger(std::string name, std::int32_t value);
    SkinContainerBuilder& AddBoolean(std::string name, std::uint8_t value) {
        return AddRecord(std::move(name), 2, {value});
    }
    SkinContainerBuilder& AddString(std::string name, const std::string& text) {
        return AddRecord(std::move(name), 3, {text.begin(), text.end()});
    }
    std::vector<std::uint8_t> Build() const;

private:
    struct Record {
        std::string name;
        std::uint8_t kind;
        std::vector<std::uint8_t> data;
    };
    std::vector<Record> records_;
};

// Little-endian field helpers for tests that patch bytes by hand.
void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value);
void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);
std::uint32_t Get32(std::span<const std::uint8_t> bytes, std::size_t at);

struct SkinArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

struct SkinArchiveOptions {
    // Raw Deflate of an entry's data; stored blocks when not set.
    std::function<std::vector<std::uint8_t>(std::span<const std::uint8_t>)> deflate;
    std::string password;       // encrypts every entry when not empty
    bool checkByTime = false;   // sets flag bit 3: the check byte is the time's high byte
    std::uint16_t time = 0x7A31;
    std::uint16_t date = 0x5A21;
    std::string comment;        // an archive comment, which skin archives must not have
    bool zipSignature = false;  // start with "PK" instead of "SK"
};

std::vector<std::uint8_t> BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           const SkinArchiveOptions& options = {});

// A complete skin file holding the container as "SKINDATA.SK2".
std::vector<std::uint8_t> BuildSkinFile(const SkinContainerBuilder& container,
                                        const SkinArchiveOptions& options = {});

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace zelkova::testing
