// The file theme as the skinned controls hold it: a component, so that when it is destroyed
// every control that refers to it hears of it (removal notification) and falls back to
// DeepBlue, and a source of the theme's flags, colours, integers and bitmap frames.
// TsuiFileTheme, which loads the skin file, is the one concrete kind.
#pragma once

#include <string>

#include "gui/Component.h"
#include "gui/Gdi.h"
#include "skin/SUIFileThemeCore.h"
#include "skin/ThemeSource.h"
#include "skin/file/SUI2SkinReader.h"

namespace zelkova {

class PropertyTable;

class FileThemeComponent : public Component, public FileThemeBitmapSource<OwnedBitmap> {
public:
    using Component::Component;
    std::string_view ClassName() const override { return "TsuiFileTheme"; }
};

// A control that holds a file theme answers through this which theme it holds, so that a newly
// loaded skin reaches it too.
class FileThemeHolder {
public:
    virtual FileThemeComponent* FileTheme() const = 0;

protected:
    ~FileThemeHolder() = default;
};

// The theme a component refers to through its "FileTheme" property; none when it has no such
// property or holds no theme.
FileThemeComponent* FileThemeOf(const Component& component);

// Loads a skin file and answers the controls' reads from it. Assigning ThemeFile looks for the
// file (as given, then by its name beside the program, in the Windows and in the system
// folder), loads it, and makes every skinned component of the owning form that uses this theme
// read its look again: after a load that succeeds, and after one that loses a loaded skin.
// Whoever makes one hands it the file access and the folders to search, which must outlive it.
class TsuiFileTheme final : public FileThemeComponent {
public:
    TsuiFileTheme(Component* owner, SkinFileEnvironment environment, SkinSearchFolders& folders);

    const PropertyTable& PublishedProperties() const override;

    // The path of the file last found; a path found nowhere changes nothing at all.
    const std::string& ThemeFile() const { return core_.ThemeFile(); }
    void SetThemeFile(std::string value);
    // A non-empty password loads the current file again with it; an empty one only stores.
    const std::string& Password() const { return core_.Password(); }
    void SetPassword(std::string value);

    bool Ready() const override { return core_.Ready(); }

    // The skin's own bitmap of that index, or none: copy it, do not keep it past the next load.
    const BmpImage* GetBitmap(int index) const { return core_.GetBitmap(index); }
    // Frame frameIndex (from 1) of frameCount into graphic as a 32-bit DIB section; a count or
    // index of 0 copies the whole bitmap. A bitmap the skin lacks empties graphic; a frame the
    // strip cannot hold leaves it alone. Throws GdiError when no bitmap can be made.
    void GetBitmapFrame(int index, OwnedBitmap& graphic, int frameCount,
                        int frameIndex) const override;
    bool GetBoolean(int index) const override { return core_.GetBoolean(index); }
    TColor GetColor(int index) const override { return core_.GetColor(index); }
    std::int32_t GetInteger(int index) const override { return core_.GetInteger(index); }

private:
    // Makes the skinned components of the owning form that use this theme read it again.
    void RefreshUsers(const FileThemeCore::ThemeFileChange& change, bool wasReady);

    FileThemeCore core_;
};

}  // namespace zelkova
