#include "skin/SUIFileThemeMgr.h"

#include <span>

#include "skin/file/SUI2Define.h"

namespace zelkova {
namespace {

// The name of an index, or empty for one outside the list (which no entry has).
template <std::size_t N>
std::string_view NameAt(const std::array<std::string_view, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? names[static_cast<std::size_t>(index)]
               : std::string_view();
}

}  // namespace

bool TsuiFileThemeMgr::LoadSkin(const std::string& file, const std::string& password) {
    if (!environment_.files.FileExists(file)) return false;
    reader_.reset();
    // A locked, damaged or foreign file simply leaves no skin loaded; what was wrong with it
    // is of no use to the controls.
    auto reader = std::make_unique<Tsk2SkinFileReader>(environment_, file, password);
    if (reader->Ready()) reader_ = std::move(reader);
    return reader_ != nullptr;
}

const BmpImage* TsuiFileThemeMgr::GetBitmap(int index) const {
    if (!reader_) return nullptr;
    const std::string_view name = NameAt(SkinBitmapNames, index);
    return name.empty() ? nullptr : reader_->Bitmap(name);
}

bool TsuiFileThemeMgr::GetBoolean(int index) const {
    if (!reader_) return false;
    const std::string_view name = NameAt(SkinBooleanNames, index);
    return !name.empty() && reader_->Boolean(name);
}

TColor TsuiFileThemeMgr::GetColor(int index) const {
    if (!reader_) return 0;
    const std::string_view name = NameAt(SkinColorNames, index);
    return name.empty() ? -1 : reader_->Integer(name);
}

std::int32_t TsuiFileThemeMgr::GetInteger(int index) const {
    if (!reader_) return 0;
    const std::string_view name = NameAt(SkinIntegerNames, index);
    return name.empty() ? -1 : reader_->Integer(name);
}

}  // namespace zelkova
