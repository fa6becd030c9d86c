// The file theme component on a real disk: finding and loading a skin file, its password, the
// reads the controls make, its bitmap frames, the refresh of the controls on its form when a
// skin loads, and what its destruction does to them. Every load must leave the temporary
// folder as it found it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

#include "gui/Properties.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIMgr_win.h"
#include "support/GuiTesting_win.h"
#include "support/PixelCanvas_win.h"
#include "support/SkinFixtures_win.h"
#include "support/WinProcess_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;
using testing::MakeFileTheme;
using testing::MakeUnownedFileTheme;
using testing::SkinContainerBuilder;
using testing::SystemSkinFileEnvironment;
using testing::SystemSkinSearchFolders;
using testing::SkinFileBytes;
using testing::WinTestFolder;
using testing::WriteSkinFile;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFrameColours[3] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200)};
constexpr COLORREF kBottomRow = RGB(60, 60, 60);
constexpr COLORREF kGap = RGB(9, 9, 9);
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 11;
constexpr int kStripWidth = 3 * kFrameWidth + 2;  // two columns no frame shows

// BMP pixels are 0x00RRGGBB, Windows colour values 0x00BBGGRR.
std::uint32_t AsRgb(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// The button strip: three frames with a keyed top-left pixel and a dark bottom row; the two
// spare columns sit before the last frame, which is flush with the right edge.
COLORREF StripPixel(int x, int y) {
    if (x >= 2 * kFrameWidth && x < 2 * kFrameWidth + 2) return kGap;
    const int frame = x < 2 * kFrameWidth ? x / kFrameWidth : 2;
    const int local = frame < 2 ? x % kFrameWidth : x - (kStripWidth - kFrameWidth);
    if (local == 0 && y == 0) return kKey;
    if (y == kFrameHeight - 1) return kBottomRow;
    return kFrameColours[frame];
}

SkinContainerBuilder ButtonSkin(TColor fontColour = 0x0000FFFF) {
    SkinContainerBuilder skin;
    skin.AddBitmap("SKIN2_BUTTON", testing::MakeBmp24(kStripWidth, kFrameHeight, [](int x, int y) {
            return AsRgb(StripPixel(x, y));
        }))
        .AddBoolean("SKIN2_BUTTONTRANS", 1)
        .AddInteger("SKIN2_BUTTONFONTCOLOR", fontColour)
        .AddInteger("SKIN2_CONTROLBORDERCOLOR", 0x00123456)
        .AddInteger("SKIN2_CONTROLFONTCOLOR", 0x00654321)
        .AddInteger("SKIN2_TITLEBARICONPOSX", 7)
        .AddBoolean("SKIN2_TITLEFIVESECT", 0);
    return skin;
}

class FileThemeTest : public ::testing::Test {
protected:
    // Loads a skin of this fixture's folder by its full path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = skins.File(name);
        WriteSkinFile(path, bytes);
        return path;
    }
    void TearDown() override {
        EXPECT_TRUE(temp.Contents().empty()) << "a temporary file outlived its load";
    }

    WinTestFolder skins;
    WinTestFolder temp;
    testing::TempPathRedirect redirect{temp.Path()};
    TestForm form;
};

TEST_F(FileThemeTest, ANewThemeIsEmptyNotReadyAndPublishesItsThreeProperties) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    EXPECT_EQ(theme.ClassName(), "TsuiFileTheme");
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), "");
    EXPECT_EQ(theme.Password(), "");
    // Nothing loaded: the reads give none, false, 0 and 0.
    EXPECT_EQ(theme.GetBitmap(15), nullptr);
    EXPECT_FALSE(theme.GetBoolean(5));
    EXPECT_EQ(theme.GetColor(24), 0);
    EXPECT_EQ(theme.GetInteger(0), 0);

    const auto& entries = theme.PublishedProperties().Entries();
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    const std::vector<std::string> tail(names.end() - 3, names.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"ThemeFile", "Password", "Ready"}));
    SetPublishedProperty(theme, "Ready", true);  // streamed, but the load decides
    EXPECT_FALSE(theme.Ready());
}

TEST_F(FileThemeTest, ALoadedSkinAnswersByIndexWithTheHighBitMaskedAndDefaultsForMissingEntries) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    const std::string path = Write("plain.skn", SkinFileBytes(ButtonSkin()));
    theme.SetThemeFile(path);
    ASSERT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), path);

    EXPECT_TRUE(theme.GetBoolean(5));
    EXPECT_EQ(theme.GetColor(24), 0x0000FFFF);
    EXPECT_EQ(theme.GetColor(22), 0x00123456);
    EXPECT_EQ(theme.GetColor(23), 0x00654321);
    EXPECT_EQ(theme.GetInteger(0), 7);
    EXPECT_EQ(theme.GetColor(24 | 0x80), 0x0000FFFF);  // only the low seven bits count
    EXPECT_TRUE(theme.GetBoolean(5 | 0x100));
    ASSERT_NE(theme.GetBitmap(15), nullptr);
    EXPECT_EQ(theme.GetBitmap(15)->Width(), kStripWidth);
    EXPECT_EQ(theme.GetBitmap(15 | 0x80), theme.GetBitmap(15));

    EXPECT_FALSE(theme.GetBoolean(0));  // stored as 0
    EXPECT_FALSE(theme.GetBoolean(6));  // missing
    EXPECT_EQ(theme.GetColor(3), -1);
    EXPECT_EQ(theme.GetInteger(4), -1);
    EXPECT_EQ(theme.GetBitmap(16), nullptr);
}

TEST_F(FileThemeTest, BitmapFramesAreCutAsTheStripSaysAndKeepTheirRowsTheRightWayUp) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    theme.SetThemeFile(Write("frames.skn", SkinFileBytes(ButtonSkin())));
    ASSERT_TRUE(theme.Ready());

    for (int frame = 1; frame <= 3; ++frame) {
        OwnedBitmap graphic;
        theme.GetBitmapFrame(15, graphic, 3, frame);
        ASSERT_TRUE(graphic) << "frame " << frame;
        const SIZE size = BitmapSize(graphic.get());
        EXPECT_EQ(size.cx, kFrameWidth);
        EXPECT_EQ(size.cy, kFrameHeight);
        const auto pixels = testing::ReadBitmap(graphic.get());
        EXPECT_EQ(pixels.front(), kKey) << "frame " << frame;
        EXPECT_EQ(pixels[1], kFrameColours[frame - 1]) << "frame " << frame;
        EXPECT_EQ(pixels.back(), kBottomRow) << "frame " << frame;
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kGap), 0) << "frame " << frame;
    }

    // A count or an index of 0 gives the whole strip.
    for (auto [count, index] : {std::pair{0, 0}, {3, 0}, {0, 2}}) {
        OwnedBitmap whole;
        theme.GetBitmapFrame(15, whole, count, index);
        const auto pixels = testing::ReadBitmap(whole.get());
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kStripWidth * kFrameHeight));
        for (int y = 0; y < kFrameHeight; ++y) {
            for (int x = 0; x < kStripWidth; ++x)
                ASSERT_EQ(pixels[y * kStripWidth + x], StripPixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(FileThemeTest, AMissingBitmapEmptiesTheGraphicAndAFrameThatCannotBeLeavesItAlone) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    theme.SetThemeFile(Write("frames.skn", SkinFileBytes(ButtonSkin())));
    ASSERT_TRUE(theme.Ready());

    OwnedBitmap graphic = CreateDib32(5, 5);
    theme.GetBitmapFrame(16, graphic, 3, 1);  // SKIN2_CHECKBOX is not in the skin
    EXPECT_FALSE(graphic);

    graphic = CreateDib32(5, 5);
    const HBITMAP before = graphic.get();
    theme.GetBitmapFrame(15, graphic, 3, 4);
    EXPECT_EQ(graphic.get(), before);
    theme.GetBitmapFrame(15, graphic, -1, 1);
    EXPECT_EQ(graphic.get(), before);

    // More frames than columns: frames of no width, so nothing to show.
    theme.GetBitmapFrame(15, graphic, kStripWidth + 1, 1);
    EXPECT_FALSE(graphic);
}

TEST_F(FileThemeTest, AnEncryptedSkinLoadsOnlyOnceItsPasswordIsAssigned) {
    const std::string path = Write("locked.skn", SkinFileBytes(ButtonSkin(0x00111111), "open sesame"));
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    theme.SetThemeFile(path);
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), path);

    theme.SetPassword("open sesam");
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.GetColor(24), 0);

    theme.SetPassword("open sesame");
    ASSERT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(24), 0x00111111);

    // An empty password only stores: the skin already loaded stays, even though the file on
    // disk has changed meanwhile.
    WriteSkinFile(path, SkinFileBytes(ButtonSkin(0x00222222), "open sesame"));
    theme.SetPassword("");
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(24), 0x00111111);
    EXPECT_EQ(theme.Password(), "");

    // A password again reloads the file as it now is.
    theme.SetPassword("open sesame");
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(24), 0x00222222);
}

TEST_F(FileThemeTest, AStoredLayoutGivesTheFileBeforeThePasswordAndStillLoads) {
    const std::string path = Write("layout.skn", SkinFileBytes(ButtonSkin(0x00333333), "pw"));
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    ApplyLayout(theme, {{"Ready", true}, {"Password", std::string("pw")}, {"ThemeFile", path}});
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(24), 0x00333333);
}

// Makes a folder the current one for one scope, so that a bare file name is not found there.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) {
        GetCurrentDirectoryA(sizeof previous_, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char previous_[MAX_PATH] = {};
};

TEST_F(FileThemeTest, ABareFileNameIsFoundBesideTheProgramAndInTheWindowsFolder) {
    const CurrentFolder elsewhere(skins.Path());
    const std::string name = "zelkova-search-" + std::to_string(GetCurrentProcessId()) + ".skn";
    const std::string besideProgram = testing::ProgramFolder() + name;
    WriteSkinFile(besideProgram, SkinFileBytes(ButtonSkin(0x00444444)));
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    theme.SetThemeFile(name);
    DeleteFileA(besideProgram.c_str());
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), besideProgram);
    EXPECT_EQ(theme.GetColor(24), 0x00444444);

    // A folder that does not hold it is no obstacle: only the file name is looked for.
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string inWindows = std::string(windows) + "\\" + name;
    WriteSkinFile(inWindows, SkinFileBytes(ButtonSkin(0x00555555)));
    theme.SetThemeFile(skins.File(name));
    DeleteFileA(inWindows.c_str());
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), inWindows);
    EXPECT_EQ(theme.GetColor(24), 0x00555555);
}

TEST_F(FileThemeTest, APathFoundNowhereKeepsTheLoadedSkin) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    const std::string path = Write("kept.skn", SkinFileBytes(ButtonSkin(0x00666666)));
    theme.SetThemeFile(path);
    ASSERT_TRUE(theme.Ready());
    theme.SetThemeFile(skins.File("nowhere-at-all.skn"));
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_EQ(theme.GetColor(24), 0x00666666);
}

TEST_F(FileThemeTest, AFileThatIsNoSkinDropsTheLoadedOneSilently) {
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    theme.SetThemeFile(Write("good.skn", SkinFileBytes(ButtonSkin())));
    ASSERT_TRUE(theme.Ready());

    testing::SkinArchiveOptions zip;
    zip.zipSignature = true;  // an ordinary ZIP archive
    const std::string foreign = Write("foreign.zip", testing::BuildSkinFile(ButtonSkin(), zip));
    theme.SetThemeFile(foreign);
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), foreign);
    EXPECT_EQ(theme.GetColor(24), 0);  // nothing held

    theme.SetThemeFile(Write("noise.skn", std::vector<std::uint8_t>(300, 0x5A)));
    EXPECT_FALSE(theme.Ready());
}

TEST_F(FileThemeTest, TheSkinIsUnpackedIntoTheUsersTemporaryFolder) {
    // Proof that the temporary file goes where TMP points (and so that an empty folder after a
    // load means it was deleted): with TMP at a folder that does not exist, nothing can load.
    const std::string path = Write("temp.skn", SkinFileBytes(ButtonSkin()));
    TsuiFileTheme theme(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
    {
        testing::TempPathRedirect missing(temp.File("missing\\"));
        theme.SetThemeFile(path);
        EXPECT_FALSE(theme.Ready());
    }
    theme.SetThemeFile(path);
    EXPECT_TRUE(theme.Ready());
}

// --- The controls on the theme's form -------------------------------------------------------

// A skinned form frame that says which theme it holds and counts the assignments.
class FakeSkinnedFrame : public Component, public FileThemeHolder {
public:
    using Component::Component;
    std::string_view ClassName() const override { return "TsuiForm"; }
    const PropertyTable& PublishedProperties() const override {
        static const PropertyTable table(Component::PublishedProperties(),
                                         {{"FileTheme", Setter(&FakeSkinnedFrame::SetFileTheme)}});
        return table;
    }
    FileThemeComponent* FileTheme() const override { return theme_; }
    void SetFileTheme(FileThemeComponent* theme) {
        theme_ = theme;
        ++assignments;
    }
    int assignments = 0;

private:
    FileThemeComponent* theme_ = nullptr;
};

// A form that records each time it is told its frame changed.
class FrameWatchingForm : public TestForm {
public:
    int frameChanges = 0;

protected:
    bool HandleMessage(Message& message) override {
        if (message.msg == WM_WINDOWPOSCHANGING &&
            (reinterpret_cast<const WINDOWPOS*>(message.lParam)->flags & SWP_FRAMECHANGED) != 0) {
            ++frameChanges;
        }
        return TestForm::HandleMessage(message);
    }
};

TEST_F(FileThemeTest, ALoadedSkinReachesTheSkinnedControlsOfTheFormThatUseIt) {
    auto& theme = MakeFileTheme(form);
    auto& button = Make<TsuiButton>(form);
    button.SetParent(&form);
    button.SetUIStyle(TsuiUIStyle::FromThemeFile);
    button.SetFileTheme(&theme);
    auto& box = Make<TsuiGroupBox>(form);
    box.SetParent(&form);
    box.SetUIStyle(TsuiUIStyle::FromThemeFile);
    box.SetFileTheme(&theme);
    auto& other = Make<TsuiButton>(form);  // uses no theme
    other.SetUIStyle(TsuiUIStyle::FromThemeFile);
    ASSERT_FALSE(button.Transparent());  // not Ready yet: DeepBlue
    ASSERT_EQ(box.BorderColor(), 0);

    theme.SetThemeFile(Write("refresh.skn", SkinFileBytes(ButtonSkin(0x000A0B0C))));
    ASSERT_TRUE(theme.Ready());
    EXPECT_TRUE(button.Transparent());
    EXPECT_EQ(button.GetFont().Color(), 0x000A0B0C);
    EXPECT_EQ(button.FileTheme(), &theme);
    EXPECT_EQ(box.BorderColor(), 0x00123456);
    EXPECT_EQ(box.GetFont().Color(), 0x00654321);
    EXPECT_EQ(box.FileTheme(), &theme);
    EXPECT_FALSE(other.Transparent());
    EXPECT_EQ(other.FileTheme(), nullptr);

    // A change of skin is read again at once.
    theme.SetThemeFile(Write("second.skn", SkinFileBytes(ButtonSkin(0x000D0E0F))));
    EXPECT_EQ(button.GetFont().Color(), 0x000D0E0F);
}

TEST_F(FileThemeTest, ALoadThatLosesTheSkinTurnsItsControlsToTheWholeFallbackLook) {
    auto& theme = MakeFileTheme(form);
    auto& button = Make<TsuiButton>(form);
    button.SetFileTheme(&theme);
    button.SetUIStyle(TsuiUIStyle::FromThemeFile);
    auto& box = Make<TsuiGroupBox>(form);
    box.SetFileTheme(&theme);
    box.SetUIStyle(TsuiUIStyle::FromThemeFile);
    const std::string path = Write("locked.skn", SkinFileBytes(ButtonSkin(0x000A0B0C), "key"));
    theme.SetThemeFile(path);
    theme.SetPassword("key");
    ASSERT_TRUE(button.Transparent());
    ASSERT_EQ(box.BorderColor(), 0x00123456);

    theme.SetPassword("wrong key");  // reloads, and is rejected
    ASSERT_FALSE(theme.Ready());
    EXPECT_FALSE(button.Transparent());
    EXPECT_EQ(button.GetFont().Color(), 0);
    EXPECT_EQ(box.BorderColor(), 0);
    EXPECT_EQ(box.GetFont().Color(), 0);
    EXPECT_EQ(button.FileTheme(), &theme);  // still its theme, for when a skin loads again

    theme.SetPassword("key");
    EXPECT_TRUE(button.Transparent());
    EXPECT_EQ(button.GetFont().Color(), 0x000A0B0C);
}

TEST_F(FileThemeTest, AThemeOfNoFormRefreshesNothingAndAFailedLoadNeither) {
    auto theme = MakeUnownedFileTheme();
    auto& button = Make<TsuiButton>(form);
    button.SetUIStyle(TsuiUIStyle::FromThemeFile);
    button.SetFileTheme(theme.get());
    theme->SetThemeFile(Write("unowned.skn", SkinFileBytes(ButtonSkin())));
    ASSERT_TRUE(theme->Ready());
    EXPECT_FALSE(button.Transparent());  // still as it was when the theme was not Ready

    auto& owned = MakeFileTheme(form);
    auto& frame = Make<FakeSkinnedFrame>(form);
    frame.SetFileTheme(&owned);
    frame.assignments = 0;
    owned.SetThemeFile(Write("noise.skn", std::vector<std::uint8_t>(64, 1)));
    EXPECT_EQ(frame.assignments, 0);
    owned.SetThemeFile(skins.File("not-there.skn"));
    EXPECT_EQ(frame.assignments, 0);
}

TEST_F(FileThemeTest, OnlyAChangeOfSkinTellsTheFormThatItsFrameChanged) {
    FrameWatchingForm watched;
    watched.Handle();
    auto& theme = MakeFileTheme(watched);
    auto& frame = Make<FakeSkinnedFrame>(watched);
    frame.SetFileTheme(&theme);
    frame.assignments = 0;
    const std::string path = Write("frame.skn", SkinFileBytes(ButtonSkin()));

    theme.SetThemeFile(path);  // the first load
    ASSERT_TRUE(theme.Ready());
    EXPECT_EQ(frame.assignments, 2);  // away and back
    EXPECT_EQ(frame.FileTheme(), &theme);
    EXPECT_EQ(watched.frameChanges, 0);

    theme.SetThemeFile(path);
    EXPECT_EQ(frame.assignments, 4);
    EXPECT_EQ(watched.frameChanges, 1);

    frame.SetFileTheme(nullptr);  // a frame of another theme is no reason
    theme.SetThemeFile(path);
    EXPECT_EQ(watched.frameChanges, 1);
}

TEST_F(FileThemeTest, DestroyingTheThemeTurnsItsControlsDeepBlue) {
    auto* theme = &MakeFileTheme(form);
    theme->SetThemeFile(Write("gone.skn", SkinFileBytes(ButtonSkin())));
    ASSERT_TRUE(theme->Ready());
    auto& box = Make<TsuiGroupBox>(form);
    box.SetParent(&form);
    auto& inside = Make<TsuiButton>(form);
    inside.SetParent(&box);
    box.SetFileTheme(theme);
    box.SetUIStyle(TsuiUIStyle::FromThemeFile);  // hands the theme and the style to the button
    auto& button = Make<TsuiButton>(form);
    button.SetParent(&form);
    button.SetFileTheme(theme);
    button.SetUIStyle(TsuiUIStyle::FromThemeFile);
    ASSERT_EQ(inside.FileTheme(), theme);
    ASSERT_TRUE(inside.Transparent());
    ASSERT_EQ(box.BorderColor(), 0x00123456);

    delete theme;
    for (TsuiButton* each : {&button, &inside}) {
        EXPECT_EQ(each->FileTheme(), nullptr);
        EXPECT_EQ(each->UIStyle(), TsuiUIStyle::DeepBlue);
        EXPECT_FALSE(each->Transparent());
        EXPECT_EQ(each->GetFont().Color(), 0);
    }
    EXPECT_EQ(box.FileTheme(), nullptr);
    EXPECT_EQ(box.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(box.BorderColor(), 0);

    // A theme of no owner that a control still uses is forgotten the same way.
    auto unowned = MakeUnownedFileTheme();
    button.SetFileTheme(unowned.get());
    button.SetUIStyle(TsuiUIStyle::FromThemeFile);
    unowned.reset();
    EXPECT_EQ(button.FileTheme(), nullptr);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::DeepBlue);
}

}  // namespace
}  // namespace zelkova
