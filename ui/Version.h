#pragma once

// The program's version, written here alone: the version resource, the application manifest
// (which CMake fills in from these lines), the About window and tools/release all read it.
// Macros, because the resource compiler takes nothing else.
#define ZELKOVA_VERSION_MAJOR 2
#define ZELKOVA_VERSION_MINOR 0
#define ZELKOVA_VERSION_BUILD 20130618

#define ZELKOVA_TEXT_OF(x) #x
#define ZELKOVA_TEXT(x) ZELKOVA_TEXT_OF(x)
#define ZELKOVA_VERSION_TEXT \
    ZELKOVA_TEXT(ZELKOVA_VERSION_MAJOR) "." ZELKOVA_TEXT(ZELKOVA_VERSION_MINOR)
#define ZELKOVA_BUILD_TEXT ZELKOVA_TEXT(ZELKOVA_VERSION_BUILD)
