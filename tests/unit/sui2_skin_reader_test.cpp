#include "skin/file/SUI2SkinReader.h"

#include <gtest/gtest.h>

#include "skin/file/SUI2Define.h"
#include "skin/SUIFileThemeCore.h"
#include "skin/SUIFileThemeMgr.h"
#include "base/StdioFileSystem.h"
#include "support/CountingTempFolder.h"
#include "support/ScratchFolder.h"
#include "support/SkinFileWriter.h"

namespace zelkova {
namespace {

using testing::SkinArchiveOptions;
using testing::SkinContainerBuilder;

using testing::CountingTempFolder;

class Folders final : public SkinSearchFolders {
public:
    std::string executable, windows, system;
    std::string ExecutableFolder() override { return executable; }
    std::string WindowsFolder() override { return windows; }
    std::string SystemFolder() override { return system; }
};

SkinContainerBuilder ButtonSkin() {
    SkinContainerBuilder builder;
    builder.AddBitmap("SKIN2_BUTTON", testing::MakeBmp24(30, 10, [](int x, int) { return x < 10 ? 0xFF00FFu : 0x336699u; }))
        .AddBoolean("skin2_buttontrans", 1)
        .AddBoolean("SKIN2_TITLEFIVESECT", 0)
        .AddInteger("SKIN2_BUTTONFONTCOLOR", 0x0000FF)
        .AddInteger("SKIN2_TITLEBARICONPOSX", 12)
        .AddString("SKIN2_AUTHOR", "tests");
    return builder;
}

class SkinFileTest : public ::testing::Test {
protected:
    std::string WriteSkin(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = skins_.File(name);
        EXPECT_TRUE(testing::WriteFileBytes(path, bytes));
        return path;
    }
    // Every load leaves the temporary folder as empty as it found it.
    void ExpectNoTemporaryFiles() { EXPECT_EQ(temp_.Contents(), std::vector<std::string>{}); }

    testing::ScratchFolder skins_;
    testing::ScratchFolder temp_;
    StdioFileSystem files_;
    CountingTempFolder tempFolder_{temp_.Folder(), 0xABC0};
    SkinFileEnvironment environment_{files_, tempFolder_};
};

TEST(TempFileName, BracedGuidInTheTemporaryFolder) {
    Guid g;
    g.data1 = 0x0123ABCD;
    g.data2 = 0x4567;
    g.data3 = 0x89EF;
    g.data4 = {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10};
    EXPECT_EQ(FormatGuid(g), "{0123ABCD-4567-89EF-FEDC-BA9876543210}");
    CountingTempFolder windowsStyle("C:\\Temp", 0xABC0);
    EXPECT_EQ(MakeTemporaryPath(windowsStyle), "C:\\Temp\\{0000ABC1-0000-0000-0000-000000000000}");
    PortableTempFolder portable;
    EXPECT_NE(MakeTemporaryPath(portable), MakeTemporaryPath(portable));
}

TEST_F(SkinFileTest, ReaderLoadsAndLooksUpByName) {
    const std::string path = WriteSkin("a.skn", testing::BuildSkinFile(ButtonSkin()));
    const Tsk2SkinFileReader reader(environment_, path, "");
    ASSERT_TRUE(reader.Ready());
    ASSERT_NE(reader.Bitmap("skin2_button"), nullptr);
    EXPECT_EQ(reader.Bitmap("skin2_button")->Width(), 30);
    EXPECT_TRUE(reader.Boolean("SKIN2_BUTTONTRANS"));
    EXPECT_FALSE(reader.Boolean("SKIN2_TITLEFIVESECT"));
    EXPECT_FALSE(reader.Boolean("SKIN2_CHECKBOXTRANS"));
    EXPECT_EQ(reader.Integer("SKIN2_BUTTONFONTCOLOR"), 0x0000FF);
    EXPECT_EQ(reader.Integer("SKIN2_TITLEBARICONPOSY"), -1);
    ExpectNoTemporaryFiles();
}

TEST_F(SkinFileTest, ReaderOutcomesAndTheTemporaryFile) {
    SkinArchiveOptions locked;
    locked.password = "secret";
    const std::string encrypted = WriteSkin("locked.skn", testing::BuildSkinFile(ButtonSkin(), locked));

    // Wrong or missing password: not ready, no error.
    EXPECT_FALSE(Tsk2SkinFileReader(environment_, encrypted, "").Ready());
    EXPECT_EQ(Tsk2SkinFileReader(environment_, encrypted, "").Fault(), SkinFileFault::None);
    EXPECT_FALSE(Tsk2SkinFileReader(environment_, encrypted, "Secret").Ready());
    EXPECT_TRUE(Tsk2SkinFileReader(environment_, encrypted, "secret").Ready());
    ExpectNoTemporaryFiles();

    // No skin archive at all, or one without the entry: the reader's error.
    const std::string text = WriteSkin("text.skn", {'h', 'e', 'l', 'l', 'o'});
    const Tsk2SkinFileReader unreadable(environment_, text, "");
    EXPECT_FALSE(unreadable.Ready());
    EXPECT_EQ(SkinFileFaultText(unreadable.Fault()), "Failed to read skin file!");
    const std::string other =
        WriteSkin("other.skn", testing::BuildSkinArchive({{"SKINDATA.BAK", ButtonSkin().Build()}}));
    EXPECT_EQ(Tsk2SkinFileReader(environment_, other, "").Fault(), SkinFileFault::Unreadable);
    ExpectNoTemporaryFiles();

    // A container that extracts but does not parse.
    std::vector<std::uint8_t> container = ButtonSkin().Build();
    testing::Put32(container, 12, 25);
    const std::string damaged =
        WriteSkin("damaged.skn", testing::BuildSkinArchive({{"SKINDATA.SK2", container}}));
    EXPECT_EQ(Tsk2SkinFileReader(environment_, damaged, "").Fault(), SkinFileFault::Damaged);
    ExpectNoTemporaryFiles();
}

TEST_F(SkinFileTest, AFileAtTheTemporaryNameFailsTheLoadAndIsLeftAlone) {
    const std::string path = WriteSkin("a.skn", testing::BuildSkinFile(ButtonSkin()));
    const std::string planted = tempFolder_.NextPath();
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    ASSERT_TRUE(testing::WriteFileBytes(planted, old));
    EXPECT_EQ(Tsk2SkinFileReader(environment_, path, "").Fault(), SkinFileFault::NoScratchFile);
    EXPECT_EQ(testing::ReadFileBytes(planted), old);
    EXPECT_EQ(temp_.Contents().size(), 1u);
    EXPECT_TRUE(Tsk2SkinFileReader(environment_, path, "").Ready());  // the next name is free
}

TEST_F(SkinFileTest, ManagerTranslatesIndicesAndKeepsItsSkinWhenTheFileIsMissing) {
    TsuiFileThemeMgr manager(environment_);
    // Nothing held: none, false, 0, 0.
    EXPECT_EQ(manager.GetBitmap(kSkinButtonBitmap), nullptr);
    EXPECT_FALSE(manager.GetBoolean(kSkinButtonTransparent));
    EXPECT_EQ(manager.GetColor(kSkinButtonFontColor), 0);
    EXPECT_EQ(manager.GetInteger(0), 0);

    const std::string path = WriteSkin("a.skn", testing::BuildSkinFile(ButtonSkin()));
    ASSERT_TRUE(manager.LoadSkin(path, ""));
    ASSERT_NE(manager.GetBitmap(kSkinButtonBitmap), nullptr);
    EXPECT_EQ(manager.GetBitmap(kSkinButtonBitmap)->PixelColor(0, 0), 0xFF00FF);
    EXPECT_TRUE(manager.GetBoolean(kSkinButtonTransparent));
    EXPECT_FALSE(manager.GetBoolean(0));
    EXPECT_EQ(manager.GetColor(kSkinButtonFontColor), 0x0000FF);
    EXPECT_EQ(manager.GetColor(kSkinControlBorderColor), -1);
    EXPECT_EQ(manager.GetInteger(0), 12);
    EXPECT_EQ(manager.GetInteger(1), -1);
    EXPECT_EQ(manager.GetBitmap(0), nullptr);
    // Indices past a list name no entry.
    EXPECT_EQ(manager.GetInteger(9), -1);
    EXPECT_EQ(manager.GetColor(127), -1);
    EXPECT_EQ(manager.GetBitmap(-1), nullptr);

    EXPECT_FALSE(manager.LoadSkin(skins_.File("gone.skn"), ""));
    EXPECT_TRUE(manager.HasSkin());
    const std::string text = WriteSkin("text.skn", {'n', 'o'});
    EXPECT_FALSE(manager.LoadSkin(text, ""));
    EXPECT_FALSE(manager.HasSkin());
    ExpectNoTemporaryFiles();
}

TEST_F(SkinFileTest, FileThemePasswordAfterThemeFileLoadsTheSkin) {
    Folders folders;
    FileThemeCore theme(environment_, folders);
    SkinArchiveOptions locked;
    locked.password = "pw";
    const std::string path = WriteSkin("locked.skn", testing::BuildSkinFile(ButtonSkin(), locked));

    FileThemeCore::ThemeFileChange change = theme.SetThemeFile(path);
    EXPECT_TRUE(change.found);
    EXPECT_TRUE(change.wasEmpty);
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), path);

    theme.SetPassword("pw");
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(kSkinButtonFontColor), 0x0000FF);
    // Only the low seven bits of an index count.
    EXPECT_EQ(theme.GetColor(0x80 | kSkinButtonFontColor), 0x0000FF);
    EXPECT_EQ(theme.GetInteger(0x100), 12);
    EXPECT_TRUE(theme.GetBoolean(kSkinButtonTransparent));

    change = theme.SetPassword("");
    EXPECT_FALSE(change.found) << "an empty password does not reload";
    EXPECT_TRUE(theme.Ready());
    ExpectNoTemporaryFiles();
}

TEST_F(SkinFileTest, FileThemeSearchesTheProgramsFoldersByFileName) {
    testing::ScratchFolder programFolder;
    testing::ScratchFolder systemFolder;
    Folders folders;
    folders.executable = programFolder.Folder();
    folders.windows = skins_.Folder();
    folders.system = systemFolder.Folder();
    ASSERT_TRUE(testing::WriteFileBytes(programFolder.File("deep.skn"), testing::BuildSkinFile(ButtonSkin())));
    FileThemeCore theme(environment_, folders);

    // The given folder does not exist; the file name is found in the executable's folder.
    FileThemeCore::ThemeFileChange change = theme.SetThemeFile("Q:\\elsewhere\\deep.skn");
    EXPECT_TRUE(change.found);
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), programFolder.File("deep.skn"));

    // Found nowhere: the theme that is loaded stays, and so does Ready.
    change = theme.SetThemeFile("missing.skn");
    EXPECT_FALSE(change.found);
    EXPECT_FALSE(change.wasEmpty);
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), programFolder.File("deep.skn"));

    // A file that exists but is no skin: found, loaded, not ready.
    ASSERT_TRUE(testing::WriteFileBytes(systemFolder.File("junk.skn"), std::vector<std::uint8_t>{'S', 'K'}));
    change = theme.SetThemeFile("junk.skn");
    EXPECT_TRUE(change.found);
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.GetColor(kSkinButtonFontColor), 0);
    ExpectNoTemporaryFiles();
}

TEST(SkinFileNamePart, TakesWhatFollowsTheLastSeparator) {
    EXPECT_EQ(SkinFileNamePart("C:\\Skins\\deep.skn"), "deep.skn");
    EXPECT_EQ(SkinFileNamePart("C:deep.skn"), "deep.skn");
    EXPECT_EQ(SkinFileNamePart("/usr/share/deep.skn"), "deep.skn");
    EXPECT_EQ(SkinFileNamePart("deep.skn"), "deep.skn");
}

}  // namespace
}  // namespace zelkova
