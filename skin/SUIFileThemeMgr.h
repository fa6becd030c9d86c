#pragma once
// TsuiFileThemeMgr: holds the loaded skin file, if any, and translates the controls' small
// indices into the skin file's entry names.
#include <memory>
#include <string>

#include "skin/ThemeSource.h"
#include "skin/file/SUI2SkinReader.h"

namespace zelkova {

class TsuiFileThemeMgr {
public:
    explicit TsuiFileThemeMgr(SkinFileEnvironment environment) : environment_(environment) {}

    // A missing file changes nothing and gives false. Otherwise the held skin is replaced by
    // the new one when it loads, or dropped when it does not, whatever the reason.
    bool LoadSkin(const std::string& file, const std::string& password);

    bool HasSkin() const { return reader_ != nullptr; }

    // With no skin held: none, false, 0 and 0. With a skin: its entry, or none, false, -1 and
    // -1 when the entry (or the index) does not exist.
    const BmpImage* GetBitmap(int index) const;
    bool GetBoolean(int index) const;
    TColor GetColor(int index) const;
    std::int32_t GetInteger(int index) const;

private:
    SkinFileEnvironment environment_;
    std::unique_ptr<Tsk2SkinFileReader> reader_;
};

}  // namespace zelkova
