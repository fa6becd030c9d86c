#include "gui/ResourcePictures.h"

#include "gui/JpegPicture.h"

#include <stdexcept>

namespace zelkova {

OwnedBitmap LoadJpegPicture(const char* name) {
    try {
        return LoadJpegResource(GetModuleHandleA(nullptr), name).bitmap;
    } catch (const std::runtime_error&) {  // a damaged picture, or no memory for its bitmap
        return OwnedBitmap();
    }
}

OwnedIcon LoadIconPicture(const char* name, int size) {
    return OwnedIcon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

OwnedBitmap LoadBitmapPicture(const char* name) {
    return OwnedBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

std::string LoadResourceText(unsigned id) {
    // LoadStringA cannot say how long a string is; the table's texts are web addresses.
    char buffer[1024];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace zelkova
