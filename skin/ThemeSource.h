#pragma once
// What a skinned control needs of a skin file theme. The Win32 TsuiFileTheme implements it;
// the portable style resolution only ever asks Ready.
#include <cstdint>

namespace zelkova {

class OwnedBitmap;  // the Win32 owned bitmap (gui/Gdi.h); only the Win32 side dereferences it

// Colour values are 0x00BBGGRR, red in the low byte. Signed, because a skin file answers -1
// for a colour it does not hold.
using TColor = std::int32_t;

class FileThemeSource {
public:
    virtual ~FileThemeSource() = default;

    virtual bool Ready() const = 0;
    // Frame frameIndex (from 1) of frameCount of bitmap index; a count or index of 0 copies the
    // whole bitmap. A bitmap the theme lacks leaves graphic empty.
    virtual void GetBitmapFrame(int index, OwnedBitmap& graphic, int frameCount,
                                int frameIndex) const = 0;
    virtual bool GetBoolean(int index) const = 0;
    virtual TColor GetColor(int index) const = 0;
    virtual std::int32_t GetInteger(int index) const = 0;
};

}  // namespace zelkova
