// Draws the built-in theme bitmaps and the resource script that links them in.
//
//   zelkova_theme_generator <resources folder>
//
// writes <folder>/themes/<NAME>.bmp for every bitmap the theme table names, and <folder>/kit.rc.
// The output is byte-for-byte reproducible; the committed files are this program's output.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "resources/generator/BmpFile.h"
#include "resources/generator/Catalog.h"
#include "skin/SUIThemes.h"

namespace {

namespace fs = std::filesystem;
using zelkova::art::BitmapArt;

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    return bool(out.flush());
}

// The catalog must draw exactly the bitmaps the table names: a missing one would fail to load
// at run time, an extra one would be dead weight.
bool MatchesTheTable(const std::vector<BitmapArt>& catalog) {
    std::set<std::string> drawn;
    for (const BitmapArt& art : catalog) drawn.insert(art.name);
    std::set<std::string> named;
    for (std::string_view name : zelkova::BuiltInThemeBitmapNames()) named.emplace(name);
    bool ok = drawn.size() == catalog.size();
    if (!ok) std::fprintf(stderr, "a bitmap is drawn twice\n");
    for (const std::string& name : named) {
        if (!drawn.count(name)) std::fprintf(stderr, "not drawn: %s\n", name.c_str()), ok = false;
    }
    for (const std::string& name : drawn) {
        if (!named.count(name))
            std::fprintf(stderr, "not in the table: %s\n", name.c_str()), ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    const std::vector<BitmapArt> catalog = zelkova::art::ThemeBitmapCatalog();
    if (!MatchesTheTable(catalog)) return 1;

    std::error_code error;
    fs::create_directories(root / "themes", error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", (root / "themes").c_str(),
                     error.message().c_str());
        return 1;
    }
    std::string script =
        "// The built-in theme bitmaps, linked into every program of the kit under the names\n"
        "// the theme table uses. Written by resources/generator: regenerate, do not edit.\n";
    for (std::string_view name : zelkova::BuiltInThemeBitmapNames()) {
        const BitmapArt* art = nullptr;
        for (const BitmapArt& candidate : catalog) {
            if (candidate.name == name) art = &candidate;
        }
        const zelkova::art::Canvas canvas = art->paint();
        if (canvas.Width() != art->width || canvas.Height() != art->height) {
            std::fprintf(stderr, "%s: drawn %dx%d, expected %dx%d\n", art->name.c_str(),
                         canvas.Width(), canvas.Height(), art->width, art->height);
            return 1;
        }
        const std::vector<std::uint8_t> bmp = zelkova::art::EncodeBmp(canvas, art->bitsPerPixel);
        const fs::path file = root / "themes" / (art->name + ".bmp");
        if (!WriteFile(file, bmp.data(), bmp.size())) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        script += art->name + " BITMAP \"themes/" + art->name + ".bmp\"\n";
    }
    if (!WriteFile(root / "kit.rc", script.data(), script.size())) {
        std::fprintf(stderr, "cannot write %s\n", (root / "kit.rc").c_str());
        return 1;
    }
    return 0;
}
