// Makes a skin scratch file at the path given on its command line, writes to it and waits to
// be killed: the test of what a load that dies half-way leaves in the temporary folder.
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/WinFileSystem.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::string path = commandLine;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    zelkova::WinFileSystem files;
    const auto scratch = files.CreateScratchFile(path);
    if (!scratch) return 1;
    const std::uint8_t bytes[] = {'S', 'K', '2'};
    if (!scratch->Write(bytes)) return 2;
    Sleep(INFINITE);
    return 0;
}
