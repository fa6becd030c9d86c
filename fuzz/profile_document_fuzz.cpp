// Arbitrary bytes as an initialization file: parsing, listing, reading and writing must hold
// their promises on any input. Also the settings file's number parser on the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "favourites/IntegerText.h"
#include "favourites/ProfileDocument.h"
#include "favourites/ProfileRules.h"

using namespace zelkova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const auto number = ParseInteger(bytes)) {
        // Whatever parses is short: a sign or prefix and at most a few dozen digits with zeros.
        if (bytes.empty()) std::abort();
    }

    ProfileDocument document = ProfileDocument::Parse(bytes);
    const std::string once = document.Serialize();
    // What we write reads back as the same document.
    if (ProfileDocument::Parse(once).Serialize() != once) std::abort();

    // A read never gives more than the line held, and a value written as the rules say reads
    // back byte for byte, in the document and once it is stored and parsed again.
    for (const std::string& section : document.SectionNames()) {
        for (const std::string& key : document.KeyNames(section)) {
            if (document.Read(section, key, "").size() > size) std::abort();
        }
    }
    const std::string kept(bytes.substr(bytes.size() / 2));
    if (IsProfileValueWrittenAsItIs(kept) && ProfileValueToWrite(kept) != kept) std::abort();
    for (const std::string& section : {std::string("CommentList"), std::string()}) {
        if (!document.Write(section, "1", ProfileValueToWrite(kept))) std::abort();
        const std::string expected = JoinedProfileLines(kept);
        if (document.Read(section, "1", "") != expected) std::abort();
        if (ProfileDocument::Parse(document.Serialize()).Read(section, "1", "") != expected)
            std::abort();
    }

    // A write is found again by the next read, through whatever the file held before.
    const std::string value = "HKEY_USERS\\" + std::string(bytes.substr(0, 64));
    const std::string sections[] = {"RegistryList", ""};
    for (const std::string& section : sections) {
        if (!document.Write(section, "0", value)) std::abort();
        if (document.Read(section, "0", "") != ProfileValueAsRead(ProfileTextForLine(value)))
            std::abort();
        const std::string again = document.Serialize();
        if (ProfileDocument::Parse(again).Read(section, "0", "") != document.Read(section, "0", ""))
            std::abort();
    }
    return 0;
}
