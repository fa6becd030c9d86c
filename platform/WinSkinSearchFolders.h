#pragma once
// Where a skin file named by its file name alone is looked for: beside the program, in the
// Windows folder and in the system folder.
#include "skin/SUIFileThemeCore.h"

namespace zelkova {

class WinSkinSearchFolders final : public SkinSearchFolders {
public:
    // Each is empty when the system cannot tell it.
    std::string ExecutableFolder() override;
    std::string WindowsFolder() override;
    std::string SystemFolder() override;
};

}  // namespace zelkova
