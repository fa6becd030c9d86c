#include "jump/KeyResolution.h"
#include "platform/WinRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace zelkova {
namespace {

// A scratch tree under HKCU\Software that each test builds and removes again.
class RegistryProbeTest : public ::testing::Test {
protected:
    static constexpr const char* kRoot = "Software\\ZelkovaProbeTest";

    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
        MakeKey("Alpha\\Beta Gamma\\Delta.4");
        MakeKey("Run");
        SetValue("Run", "Run");
        SetValue("Alpha", "Value With Blank");
        SetValue("", "TopValue");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }

    static std::string Path(const std::string& below) {
        return below.empty() ? kRoot : std::string(kRoot) + "\\" + below;
    }
    static void MakeKey(const std::string& below) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(below).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void SetValue(const std::string& below, const char* name) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, Path(below).c_str(), name, REG_SZ, "x", 2), ERROR_SUCCESS);
    }

    WinRegistryAccess registry;
};

TEST_F(RegistryProbeTest, KeysValuesAndTheRootItself) {
    auto probe = registry.MakeProbe(PredefinedKey::CurrentUser);
    EXPECT_TRUE(probe->KeyExists(""));
    EXPECT_TRUE(probe->KeyExists(Path("Alpha\\Beta Gamma\\Delta.4")));
    EXPECT_TRUE(probe->KeyExists(Path("alpha\\BETA gamma")));  // the registry ignores case
    EXPECT_FALSE(probe->KeyExists(Path("Alpha\\Nope")));
    EXPECT_FALSE(probe->KeyExists(Path("Alpha ")));

    ASSERT_TRUE(probe->OpenKey(Path("Alpha")));
    EXPECT_TRUE(probe->ValueExists("Value With Blank"));
    EXPECT_FALSE(probe->ValueExists("Value"));
    EXPECT_FALSE(probe->OpenKey(Path("Missing")));  // never created by the probe
    EXPECT_FALSE(registry.MakeProbe(PredefinedKey::CurrentUser)->KeyExists(Path("Missing")));
}

TEST_F(RegistryProbeTest, OneLeadingBackslashIsDropped) {
    auto probe = registry.MakeProbe(PredefinedKey::CurrentUser);
    EXPECT_TRUE(probe->KeyExists('\\' + Path("Run")));
    EXPECT_TRUE(probe->OpenKey('\\' + Path("Run")));
    EXPECT_TRUE(probe->ValueExists("Run"));
}

TEST_F(RegistryProbeTest, ResolutionAgainstTheLiveRegistry) {
    const std::string root = std::string("HKCU\\") + kRoot;
    auto classify = [&](const std::string& text) { return ClassifyKeyText(text, registry); };

    ResolveResult key = classify(root + "\\Alpha\\Beta Gamma");
    ASSERT_EQ(key.Outcome, ResolveOutcome::Jump);
    EXPECT_EQ(key.Request->KeyPath, Path("Alpha\\Beta Gamma"));

    ResolveResult value = classify(root + "\\Run\\Run");
    ASSERT_EQ(value.Outcome, ResolveOutcome::Jump);
    EXPECT_EQ(value.Request->KeyPath, Path("Run"));
    EXPECT_EQ(value.Request->ValueName, "Run");

    ResolveResult blankValue = classify(root + "\\Alpha\\Value With Blank");
    ASSERT_EQ(blankValue.Outcome, ResolveOutcome::Jump);
    EXPECT_EQ(blankValue.Request->ValueName, "Value With Blank");

    EXPECT_EQ(classify(root + "\\Alpha\\NoSuchValue").Outcome, ResolveOutcome::Failure);
    EXPECT_EQ(classify(root + "\\Alpha ").Outcome, ResolveOutcome::Failure);
    EXPECT_EQ(classify("HKLM\\\\Software").Outcome, ResolveOutcome::Jump);
    EXPECT_EQ(classify("HKCU\\").Request->KeyPath, "");
}

}  // namespace
}  // namespace zelkova
