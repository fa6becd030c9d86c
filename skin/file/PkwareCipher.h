#pragma once
// The traditional PKWARE stream cipher of ZIP ("ZipCrypto"): three 32-bit keys seeded from the
// password and advanced by every plain byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zelkova {

// Length of the random header that precedes the data of an encrypted entry; its last byte,
// once decrypted, is the check byte.
inline constexpr std::size_t kPkwareHeaderSize = 12;

class PkwareCipher {
public:
    explicit PkwareCipher(std::string_view password);

    std::uint8_t DecryptByte(std::uint8_t cipher);
    std::uint8_t EncryptByte(std::uint8_t plain);
    void Decrypt(std::span<std::uint8_t> bytes);
    void Encrypt(std::span<std::uint8_t> bytes);

private:
    std::uint8_t KeyStreamByte() const;
    void UpdateKeys(std::uint8_t plain);

    std::uint32_t key0_ = 0x12345678u;
    std::uint32_t key1_ = 0x23456789u;
    std::uint32_t key2_ = 0x34567890u;
};

}  // namespace zelkova
