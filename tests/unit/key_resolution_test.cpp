#include "jump/KeyResolution.h"

#include "support/FakeRegistry.h"
#include "support/RecordingEditor.h"

#include <gtest/gtest.h>

namespace zelkova {
namespace {

using testing::FakeRegistry;
using testing::RecordingEditor;

class CountingNotifier : public FailureNotifier {
public:
    void ShowKeyNotFound() override { ++Shown; }
    int Shown = 0;
};

class KeyResolution : public ::testing::Test {
protected:
    KeyResolution() {
        registry.AddKey(PredefinedKey::CurrentUser, "Software");
        registry.AddKey(PredefinedKey::CurrentUser, "Software\\Microsoft");
        registry.AddKey(PredefinedKey::LocalMachine, "SOFTWARE");
        registry.AddValue(PredefinedKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                          "Windows");
        registry.AddKey(PredefinedKey::ClassesRoot, ".txt");
        registry.AddValue(PredefinedKey::CurrentUser, "", "SomeValue");
        registry.AddValue(PredefinedKey::CurrentUser, "Run", "Run");
        registry.AddKey(PredefinedKey::CurrentUser, "Locked");
        registry.DenyFullAccess(PredefinedKey::CurrentUser, "Locked");
    }

    ResolveResult Resolve(const std::string& text) {
        ResolveResult result = ResolveKeyText(text, {registry, editor, notifier});
        EXPECT_EQ(registry.ProbesMade, registry.ProbesReleased) << "probe left open for " << text;
        EXPECT_EQ(registry.KeysOpen, 0) << "key left open for " << text;
        return result;
    }

    void ExpectJump(const std::string& text, const KeyJumpRequest& expected) {
        const ResolveResult result = Resolve(text);
        ASSERT_EQ(result.Outcome, ResolveOutcome::Jump) << text;
        EXPECT_EQ(*result.Request, expected) << text;
    }
    void ExpectFailure(const std::string& text) {
        const int before = notifier.Shown;
        EXPECT_EQ(Resolve(text).Outcome, ResolveOutcome::Failure) << text;
        EXPECT_EQ(notifier.Shown, before + 1) << text;
    }
    void ExpectNothing(const std::string& text) {
        const int before = notifier.Shown;
        EXPECT_EQ(Resolve(text).Outcome, ResolveOutcome::Nothing) << text;
        EXPECT_EQ(notifier.Shown, before) << text;
    }

    FakeRegistry registry;
    RecordingEditor editor;
    CountingNotifier notifier;
};

TEST_F(KeyResolution, AbbreviatedRootsInAnyCaseAndFullNamesOnlyInUpperCase) {
    ExpectJump("hkcu\\Software\\Microsoft", {"HKEY_CURRENT_USER", "Software\\Microsoft", ""});
    ExpectJump("hkcr\\.txt", {"HKEY_CLASSES_ROOT", ".txt", ""});
    ExpectJump("HKEY_LOCAL_MACHINE\\SOFTWARE", {"HKEY_LOCAL_MACHINE", "SOFTWARE", ""});
    ExpectFailure("hkey_local_machine\\SOFTWARE");
    ExpectFailure(" HKLM\\SOFTWARE");
    ExpectFailure("xxHKyy\\Software");
    ExpectFailure("HKEY_PERFORMANCE_DATA\\x");
}

TEST_F(KeyResolution, NoHkMeansTheMessageAndNoBackslashMeansNothing) {
    ExpectFailure("Software\\Microsoft");
    ExpectFailure("");
    ExpectNothing("HKCU");
    ExpectNothing("HKLM SOFTWARE");
    EXPECT_TRUE(editor.Calls.empty());
}

TEST_F(KeyResolution, ValueIsTheComponentAfterTheLastBackslash) {
    ExpectJump("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Windows",
               {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Windows"});
    ExpectJump("HKCU\\Run\\Run", {"HKEY_CURRENT_USER", "Run", "Run"});
    ExpectJump("HKCU\\SomeValue", {"HKEY_CURRENT_USER", "", "SomeValue"});
    ExpectFailure("HKCU\\Software\\NoSuchKey");
    ExpectFailure("HKCU\\NoSuchKey\\Value");
}

TEST_F(KeyResolution, TextIsNotTrimmed) {
    ExpectFailure("HKCU\\Software ");
    ExpectFailure("HKCU\\NoSuchKey\\");  // the parent test repeats the failed key test
}

TEST_F(KeyResolution, EmptyAndLeadingBackslashPaths) {
    ExpectJump("HKCU\\", {"HKEY_CURRENT_USER", "", ""});
    ExpectJump("HKLM\\\\SOFTWARE", {"HKEY_LOCAL_MACHINE", "\\SOFTWARE", ""});
    // The empty key path of "HKCU\" reaches the editor as no call at all.
    EXPECT_EQ(std::count(editor.Calls.begin(), editor.Calls.end(), "FindWindow RegEdit_RegEdit"), 1);
}

TEST_F(KeyResolution, ParentThatRefusesFullAccessJumpsWithoutTestingTheValue) {
    ExpectJump("HKCU\\Locked\\AnyName", {"HKEY_CURRENT_USER", "Locked", "AnyName"});
    ExpectFailure("HKCU\\Software\\AnyName");  // same shape, but full access shows no such value
}

TEST_F(KeyResolution, TheEditorsOwnNotationResolvesAfterItsFirstWord) {
    ExpectJump("Computer\\HKEY_CURRENT_USER\\Software\\Microsoft",
               {"HKEY_CURRENT_USER", "Software\\Microsoft", ""});
    ExpectJump("Ordinateur\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Windows",
               {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Windows"});
    ExpectJump("\\HKEY_CLASSES_ROOT\\.txt", {"HKEY_CLASSES_ROOT", ".txt", ""});
    ExpectNothing("Computer\\HKEY_CURRENT_USER");  // the root alone, as "HKEY_CURRENT_USER" gives
    ExpectFailure("Computer\\HKEY_CURRENT_USER\\Software\\NoSuchKey");
}

TEST_F(KeyResolution, OnlyAFullRootNameAsTheEditorWritesItFollowsTheFirstWord) {
    ExpectFailure("Computer\\Software\\Microsoft");
    ExpectFailure("Computer\\hkey_current_user\\Software");
    ExpectFailure("Computer\\HKCU\\Software");
    ExpectFailure("Computer\\HKEY_CURRENT_USERS\\Software");
    ExpectFailure("Computer\\Computer\\HKEY_CURRENT_USER\\Software");
    ExpectFailure("Computer\\ HKEY_CURRENT_USER\\Software");
    EXPECT_TRUE(editor.Calls.empty());
}

TEST_F(KeyResolution, PathsAsOtherProgramsWriteThemResolve) {
    const KeyJumpRequest microsoft{"HKEY_CURRENT_USER", "Software\\Microsoft", ""};
    for (const char* text : {"HKCU:\\Software\\Microsoft", "hkcu:\\Software\\Microsoft",
                             "HKEY_CURRENT_USER:\\Software\\Microsoft",
                             "Registry::HKEY_CURRENT_USER\\Software\\Microsoft", "registry::hkcu\\Software\\Microsoft",
                             "Microsoft.PowerShell.Core\\Registry::HKEY_CURRENT_USER\\Software\\Microsoft",
                             "MICROSOFT.powershell.core\\REGISTRY::HKCU\\Software\\Microsoft",
                             "[HKEY_CURRENT_USER\\Software\\Microsoft]", "[-HKEY_CURRENT_USER\\Software\\Microsoft]",
                             "\"HKCU\\Software\\Microsoft\"", "\"HKCU:\\Software\\Microsoft\"",
                             "\"Registry::HKEY_CURRENT_USER\\Software\\Microsoft\"",
                             "\"[HKEY_CURRENT_USER\\Software\\Microsoft]\"",
                             "\"Computer\\HKEY_CURRENT_USER\\Software\\Microsoft\""})
        ExpectJump(text, microsoft);
    // What follows the wrapping is read by the rules above: a value, a doubled backslash.
    ExpectJump("HKLM:\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Windows",
               {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Windows"});
    ExpectJump("[HKEY_CLASSES_ROOT\\\\.txt]", {"HKEY_CLASSES_ROOT", "\\.txt", ""});
    ExpectFailure("[HKEY_CURRENT_USER\\Software\\NoSuchKey]");
    // Without a backslash nothing happens, as for the bare root.
    ExpectNothing("HKCU:");
    ExpectNothing("Registry::HKEY_CURRENT_USER");
    ExpectNothing("Microsoft.PowerShell.Core\\Registry::HKEY_CURRENT_USER");
}

TEST_F(KeyResolution, AWrappingOnlyCountsWhole) {
    for (const char* text :
         {"XYZ:\\Software", "HKLMX:\\SOFTWARE", "Registry::HKLMX\\SOFTWARE", "Registry::hkey_local_machine\\SOFTWARE",
          "Registry:HKLM\\SOFTWARE", "PowerShell.Core\\Registry::HKLM\\SOFTWARE", "HKLM::\\SOFTWARE",
          "[HKLM\\SOFTWARE", "[HKLM\\SOFTWARE] ", "[ HKLM\\SOFTWARE]", "[--HKLM\\SOFTWARE]", "\"HKLM\\SOFTWARE",
          "\"HKLM\\SOFTWARE\" ", "\"\"HKLM\\SOFTWARE\"\"", "[\"HKLM\\SOFTWARE\"]", "[Registry::HKLM\\SOFTWARE]",
          "[Computer\\HKEY_LOCAL_MACHINE\\SOFTWARE]",
          "\"hkey_local_machine\\SOFTWARE\"", "\" HKLM\\SOFTWARE\""})
        ExpectFailure(text);
    // The blank belongs to the name inside a wrapping too.
    ExpectFailure("\"HKCU\\Software \"");
    EXPECT_TRUE(editor.Calls.empty());
}

TEST_F(KeyResolution, WhatTheFirstWordFoundBeforeStillStands) {
    // Any first word counts before a full root name, also one that looks like another wrapping.
    ExpectJump("C:\\HKEY_LOCAL_MACHINE\\SOFTWARE", {"HKEY_LOCAL_MACHINE", "SOFTWARE", ""});
    ExpectJump("Registry::Computer\\HKEY_LOCAL_MACHINE\\SOFTWARE", {"HKEY_LOCAL_MACHINE", "SOFTWARE", ""});
    ExpectJump("HKCU:\\HKEY_CURRENT_USER\\Software", {"HKEY_CURRENT_USER", "Software", ""});
}

TEST_F(KeyResolution, AQuotedPathReadsAsItWouldWithoutTheQuotes) {
    // A key named like a root below a root: the first word is not dropped from a path that
    // names a root, quoted or not.
    ExpectFailure("HKCU\\HKEY_CURRENT_USER\\Software");
    ExpectFailure("\"HKCU\\HKEY_CURRENT_USER\\Software\"");
    registry.AddKey(PredefinedKey::CurrentUser, "HKEY_CURRENT_USER\\Software");
    ExpectJump("\"HKCU\\HKEY_CURRENT_USER\\Software\"", {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\Software", ""});
}

TEST_F(KeyResolution, AJumpDrivesTheEditor) {
    ExpectJump("HKCU\\Software", {"HKEY_CURRENT_USER", "Software", ""});
    EXPECT_FALSE(editor.Calls.empty());
    EXPECT_EQ(editor.Calls.front(), "FindWindow RegEdit_RegEdit");
    EXPECT_EQ(editor.Calls.back(), "SetForegroundWindow list");
}

}  // namespace
}  // namespace zelkova
