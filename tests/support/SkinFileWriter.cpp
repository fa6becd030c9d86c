#include "support/SkinFileWriter.h"

#include <cstdio>
#include <memory>
#include <string_view>

#include "skin/file/Crc32.h"
#include "skin/file/PkwareCipher.h"
#include "support/DeflateWriter.h"

namespace zelkova::testing {
namespace {

void Append16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Append32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Append16(out, v & 0xFFFF);
    Append16(out, v >> 16);
}

}  // namespace

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, static_cast<std::uint16_t>(value));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::vector<std::uint8_t> MakeBmp24(int width, int height,
                                    const std::function<std::uint32_t(int, int)>& colour) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Append32(out, 54 + pixelBytes);
    Append32(out, 0);
    Append32(out, 54);
    Append32(out, 40);
    Append32(out, static_cast<std::uint32_t>(width));
    Append32(out, static_cast<std::uint32_t>(height));
    Append16(out, 1);
    Append16(out, 24);
    Append32(out, 0);
    Append32(out, pixelBytes);
    Append32(out, 2835);
    Append32(out, 2835);
    Append32(out, 0);
    Append32(out, 0);
    for (int row = height - 1; row >= 0; --row) {
        const std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, row);
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
            out.push_back(static_cast<std::uint8_t>(c >> 16));
        }
        out.resize(start + stride, 0);
    }
    return out;
}

SkinContainerBuilder& SkinContainerBuilder::AddRecord(std::string name, std::uint8_t kind,
                                                      std::vector<std::uint8_t> data) {
    records_.push_back({std::move(name), kind, std::move(data)});
    return *this;
}

SkinContainerBuilder& SkinContainerBuilder::AddInteger(std::string name, std::int32_t value) {
    std::vector<std::uint8_t> data;
    Append32(data, static_cast<std::uint32_t>(value));
    return AddRecord(std::move(name), 1, std::move(data));
}

std::vector<std::uint8_t> SkinContainerBuilder::Build() const {
    const std::string_view signature = "ZELKOVASKIN2";
    std::vector<std::uint8_t> out(signature.begin(), signature.end());
    Append32(out, 24);
    Append32(out, 1);  // a version number, for whoever reads the file by eye
    Append32(out, 24);
    for (const Record& r : records_) {
        const std::size_t at = out.size();
        out.resize(at + 77, 0);
        for (std::size_t i = 0; i < r.name.size() && i < 64; ++i) out[at + i] = static_cast<std::uint8_t>(r.name[i]);
        out[at + 64] = r.kind;
        Put32(out, at + 65, static_cast<std::uint32_t>(at + 77));
        Put32(out, at + 69, static_cast<std::uint32_t>(r.data.size()));
        Put32(out, at + 73, static_cast<std::uint32_t>(at + 77 + r.data.size()));
        out.insert(out.end(), r.data.begin(), r.data.end());
    }
    out.resize(out.size() + 77, 0);  // the terminator: next offset 0
    return out;
}

std::vector<std::uint8_t> BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           const SkinArchiveOptions& options) {
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> directory;
    const bool encrypt = !options.password.empty();
    const std::uint16_t flags = static_cast<std::uint16_t>((encrypt ? 1 : 0) | (options.checkByTime ? 8 : 0));
    for (const SkinArchiveEntry& entry : entries) {
        const std::uint32_t crc = Crc32(entry.data);
        std::vector<std::uint8_t> body =
            options.deflate ? options.deflate(entry.data) : StoredDeflate(entry.data);
        if (encrypt) {
            std::vector<std::uint8_t> header(12);
            for (std::size_t i = 0; i < 11; ++i) header[i] = static_cast<std::uint8_t>(0x35 * i + 7);
            header[11] = options.checkByTime ? static_cast<std::uint8_t>(options.time >> 8)
                                             : static_cast<std::uint8_t>(crc >> 24);
            body.insert(body.begin(), header.begin(), header.end());
            PkwareCipher(options.password).Encrypt(body);
        }
        const auto localOffset = static_cast<std::uint32_t>(out.size());
        auto header = [&](std::vector<std::uint8_t>& to, bool central) {
            Append32(to, central ? 0x02014B50 : 0x04034B50);
            if (central) Append16(to, 20);
            Append16(to, 20);
            Append16(to, flags);
            Append16(to, 8);
            Append16(to, options.time);
            Append16(to, options.date);
            Append32(to, crc);
            Append32(to, static_cast<std::uint32_t>(body.size()));
            Append32(to, static_cast<std::uint32_t>(entry.data.size()));
            Append16(to, static_cast<std::uint32_t>(entry.name.size()));
            Append16(to, 0);
            if (central) {
                Append16(to, 0);
                Append16(to, 0);
                Append16(to, 0);
                Append32(to, 0);
                Append32(to, localOffset);
            }
            to.insert(to.end(), entry.name.begin(), entry.name.end());
        };
        header(out, false);
        out.insert(out.end(), body.begin(), body.end());
        header(directory, true);
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), directory.begin(), directory.end());
    Append32(out, 0x06054B50);
    Append16(out, 0);
    Append16(out, 0);
    Append16(out, static_cast<std::uint32_t>(entries.size()));
    Append16(out, static_cast<std::uint32_t>(entries.size()));
    Append32(out, static_cast<std::uint32_t>(directory.size()));
    Append32(out, directoryOffset);
    Append16(out, static_cast<std::uint32_t>(options.comment.size()));
    out.insert(out.end(), options.comment.begin(), options.comment.end());
    if (!options.zipSignature) {
        out[0] = 'S';
        out[1] = 'K';
    }
    return out;
}

std::vector<std::uint8_t> BuildSkinFile(const SkinContainerBuilder& container,
                                        const SkinArchiveOptions& options) {
    return BuildSkinArchive({{"SKINDATA.SK2", container.Build()}}, options);
}

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    std::vector<std::uint8_t> bytes;
    if (!file) return bytes;
    std::uint8_t buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    return bytes;
}

}  // namespace zelkova::testing
