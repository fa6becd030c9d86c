#include "base/TempFileName.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace zelkova {

std::string FormatGuid(const Guid& g) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(g.data1), g.data2, g.data3, g.data4[0], g.data4[1],
                  g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

std::string MakeTemporaryPath(TempFolder& temp) {
    std::string path = temp.TempDirectory();
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path += path.find('\\') != std::string::npos ? '\\' : '/';
    return path + FormatGuid(temp.NewGuid());
}

std::string PortableTempFolder::TempDirectory() {
    for (const char* name : {"TMPDIR", "TMP", "TEMP"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return "/tmp/";
}

Guid PortableTempFolder::NewGuid() {
    static thread_local std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    Guid guid;
    const std::uint64_t high = generator();
    const std::uint64_t low = generator();
    guid.data1 = static_cast<std::uint32_t>(high >> 32);
    guid.data2 = static_cast<std::uint16_t>(high >> 16);
    guid.data3 = static_cast<std::uint16_t>((high & 0x0FFF) | 0x4000);  // version 4
    for (int i = 0; i < 8; ++i) guid.data4[i] = static_cast<std::uint8_t>(low >> (8 * i));
    guid.data4[0] = static_cast<std::uint8_t>((guid.data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return guid;
}

}  // namespace zelkova
