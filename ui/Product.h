#pragma once

#include "ui/Version.h"

// Who we are and where our pages live: the one place for every name and address the program
// shows or opens. Portable on purpose: the picture generator draws the maker's name and writes
// the resource strings from these values.
namespace zelkova {

inline constexpr const char* kAppTitle = "Free Zelkova";
inline constexpr const char* kMainWindowClass = "Free Zelkova Made by Velund Software";
inline constexpr const char* kMakerName = "Velund Software";
inline constexpr const char* kMakerSite = "https://zelkova.example.org/velund/";
inline constexpr const char* kMakerSiteShown = "zelkova.example.org/velund";
inline constexpr const char* kHomePage = "https://zelkova.example.org/";
inline constexpr const char* kUpdatePage = "https://zelkova.example.org/updates/";
inline constexpr const char* kDonationPage = "https://zelkova.example.org/donate/";
inline constexpr const char* kSupportEmail = "support@zelkova.example.org";
inline constexpr const char* kCopyright = "Copyright (C) 2026 Velund Software";
inline constexpr const char* kProductLine = "Velund Free Zelkova";
inline constexpr const char* kVersionLine =
    "Version: " ZELKOVA_VERSION_TEXT "   Build " ZELKOVA_BUILD_TEXT;

}  // namespace zelkova
