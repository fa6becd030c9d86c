#pragma once

// Names and numbers of the application's own resources, shared by the code that loads them and
// the generator that writes the resource script. Portable: no <windows.h>.
namespace zelkova::resource {

inline constexpr const char* kMainIcon = "MAINICON";          // 32 x 32, 16 colours
inline constexpr const char* kUpdateIcon = "UPDATEICON";      // 16 x 16, 16 colours
inline constexpr const char* kFolderGlyph = "FOLDERGLYPH";    // 16 x 16, 24-bit, grey ground
inline constexpr const char* kTitleTexture = "TITLETEXTURE";  // JPEG 50 x 50
inline constexpr const char* kAboutBanner = "ABOUTBANNER";    // JPEG 360 x 50
inline constexpr const char* kDonateButton = "DONATEBUTTON";  // JPEG 62 x 31

// The string table.
inline constexpr unsigned kHomePageString = 1;
inline constexpr unsigned kDonationPageString = 2;

}  // namespace zelkova::resource
