#include "skin/file/PkwareCipher.h"

#include "skin/file/Crc32.h"

namespace zelkova {

PkwareCipher::PkwareCipher(std::string_view password) {
    for (char c : password) UpdateKeys(static_cast<std::uint8_t>(c));
}

std::uint8_t PkwareCipher::KeyStreamByte() const {
    const std::uint32_t t = (key2_ & 0xFFFFu) | 2u;
    return static_cast<std::uint8_t>((t * (t ^ 1u)) >> 8);
}

void PkwareCipher::UpdateKeys(std::uint8_t plain) {
    key0_ = Crc32Step(key0_, plain);
    key1_ = (key1_ + (key0_ & 0xFFu)) * 134775813u + 1u;
    key2_ = Crc32Step(key2_, static_cast<std::uint8_t>(key1_ >> 24));
}

std::uint8_t PkwareCipher::DecryptByte(std::uint8_t cipher) {
    const auto plain = static_cast<std::uint8_t>(cipher ^ KeyStreamByte());
    UpdateKeys(plain);
    return plain;
}

std::uint8_t PkwareCipher::EncryptByte(std::uint8_t plain) {
    const auto cipher = static_cast<std::uint8_t>(plain ^ KeyStreamByte());
    UpdateKeys(plain);
    return cipher;
}

void PkwareCipher::Decrypt(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& b : bytes) b = DecryptByte(b);
}

void PkwareCipher::Encrypt(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& b : bytes) b = EncryptByte(b);
}

}  // namespace zelkova
