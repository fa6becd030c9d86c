// Draws the application's own pictures and writes the resource script that links them, with
// the string table of the web addresses.
//
//   zelkova_picture_generator <resources folder>
//
// writes <folder>/pictures/* and <folder>/pictures.rc. The output is byte-for-byte
// reproducible; the committed files are this program's output.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "resources/generator/BmpFile.h"
#include "resources/pictures/generator/Encoders.h"
#include "resources/pictures/generator/Pictures.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"

namespace {

namespace fs = std::filesystem;
using namespace zelkova;

struct Picture {
    const char* name;
    const char* type;  // resource type in the script
    const char* file;
    std::function<std::vector<std::uint8_t>()> encode;
};

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out.flush());
}

// A resource-script string literal: quotes are doubled, backslashes escaped.
std::string Quoted(const char* text) {
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"')
            quoted += "\"\"";
        else if (*c == '\\')
            quoted += "\\\\";
        else
            quoted += *c;
    }
    return quoted + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    constexpr int kJpegQuality = 92;
    const std::vector<Picture> pictures = {
        {resource::kMainIcon, "ICON", "MAINICON.ico",
         [] { return art::EncodeIcon16(art::ApplicationIcon(32)); }},
        {resource::kUpdateIcon, "ICON", "UPDATEICON.ico",
         [] { return art::EncodeIcon16(art::UpdateIcon()); }},
        {resource::kFolderGlyph, "BITMAP", "FOLDERGLYPH.bmp",
         [] { return art::EncodeBmp(art::FolderGlyph(), 24); }},
        {resource::kTitleTexture, "RCDATA", "TITLETEXTURE.jpg",
         [] { return art::EncodeJpeg(art::TitleTexture(), kJpegQuality); }},
        {resource::kAboutBanner, "RCDATA", "ABOUTBANNER.jpg",
         [] { return art::EncodeJpeg(art::AboutBanner(), kJpegQuality); }},
        {resource::kDonateButton, "RCDATA", "DONATEBUTTON.jpg",
         [] { return art::EncodeJpeg(art::DonateButton(), kJpegQuality); }},
    };

    std::error_code error;
    fs::create_directories(root / "pictures", error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", (root / "pictures").c_str(),
                     error.message().c_str());
        return 1;
    }
    // MAINICON comes first, so it is also the executable's icon in the shell.
    std::string script =
        "// The application's icons, pictures and web addresses, linked into every program.\n"
        "// Written by resources/pictures/generator: regenerate, do not edit.\n";
    for (const Picture& picture : pictures) {
        const fs::path file = root / "pictures" / picture.file;
        if (!WriteFile(file, picture.encode())) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        script +=
            std::string(picture.name) + " " + picture.type + " \"pictures/" + picture.file + "\"\n";
    }
    script += "\nSTRINGTABLE\nBEGIN\n";
    script += "  " + std::to_string(resource::kHomePageString) + ", " + Quoted(kHomePage) + "\n";
    script +=
        "  " + std::to_string(resource::kDonationPageString) + ", " + Quoted(kDonationPage) + "\n";
    script += "END\n";
    if (!WriteFile(root / "pictures.rc", std::vector<std::uint8_t>(script.begin(), script.end()))) {
        std::fprintf(stderr, "cannot write %s\n", (root / "pictures.rc").c_str());
        return 1;
    }
    return 0;
}
