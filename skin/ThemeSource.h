#pragma once
// What a skinned control needs of a skin file theme. The portable style resolution asks only
// Ready; the controls also read flags, colours and integers by index, and cut bitmap frames into
// a bitmap of the platform's own type (the Win32 TsuiFileTheme implements
// FileThemeBitmapSource<OwnedBitmap>).
#include <cstdint>

#include "base/TColor.h"

namespace zelkova {

class FileThemeSource {
public:
    virtual ~FileThemeSource() = default;

    virtual bool Ready() const = 0;
    virtual bool GetBoolean(int index) const = 0;
    virtual TColor GetColor(int index) const = 0;
    virtual std::int32_t GetInteger(int index) const = 0;
};

template <typename Graphic>
class FileThemeBitmapSource : public FileThemeSource {
public:
    // Frame frameIndex (from 1) of frameCount of bitmap index into graphic; a count or index of
    // 0 copies the whole bitmap. A bitmap the theme lacks leaves graphic empty.
    virtual void GetBitmapFrame(int index, Graphic& graphic, int frameCount,
                                int frameIndex) const = 0;
};

}  // namespace zelkova
