// The same reads and writes through the portable profile file and through the system's profile
// functions must read the same values and leave the same bytes. Where Wine's functions are
// known to part from the rules, the scenario states both files exactly, so a change on either
// side shows.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "favourites/PortableProfileFile.h"
#include "platform/WinProfileFile.h"
#include "platform/WinProfileFileStore.h"
#include "support/WinScratchFolder_win.h"

namespace zelkova {
namespace {

using testing::ReadFileText;
using testing::WinScratchFolder;
using testing::WriteFileText;
using namespace std::string_literals;

struct Step {
    enum class Kind { Write, Read, KeyNames, SectionNames, Flush } kind;
    std::string section, key, value;
};

Step Write(std::string s, std::string k, std::string v) {
    return {Step::Kind::Write, std::move(s), std::move(k), std::move(v)};
}
Step Read(std::string s, std::string k, std::string defaultValue = "") {
    return {Step::Kind::Read, std::move(s), std::move(k), std::move(defaultValue)};
}
Step Keys(std::string s) { return {Step::Kind::KeyNames, std::move(s), {}, {}}; }
Step Sections() { return {Step::Kind::SectionNames, {}, {}, {}}; }
Step Flush() { return {Step::Kind::Flush, {}, {}, {}}; }

struct Scenario {
    const char* name;
    std::optional<std::string> initial;  // none: the file does not exist
    std::vector<Step> steps;
    // Set only where Wine parts from the rules: the file each side leaves, and what each
    // side reads when that differs too.
    std::optional<std::string> portableFile = std::nullopt;
    std::optional<std::string> wineFile = std::nullopt;
    std::optional<std::vector<std::string>> portableReads = std::nullopt;
    std::optional<std::vector<std::string>> wineReads = std::nullopt;
};

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += "[" + name + "]";
    return text;
}

template <typename File>
std::vector<std::string> RunSteps(File& file, const std::vector<Step>& steps) {
    std::vector<std::string> transcript;
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::Write:
                transcript.push_back("write " + step.section + "/" + step.key + ": " +
                                     (file.WriteString(step.section, step.key, step.value)
                                          ? "done"
                                          : "refused"));
                break;
            case Step::Kind::Read:
                transcript.push_back("read " + step.section + "/" + step.key + ": [" +
                                     file.ReadString(step.section, step.key, step.value) + "]");
                break;
            case Step::Kind::KeyNames:
                transcript.push_back("keys " + step.section + ": " +
                                     Joined(file.KeyNames(step.section)));
                break;
            case Step::Kind::SectionNames:
                transcript.push_back("sections: " + Joined(file.SectionNames()));
                break;
            case Step::Kind::Flush:
                file.Flush();
                break;
        }
    }
    file.Flush();
    return transcript;
}

std::string Printable(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\r') text += "\\r";
        else if (c == '\n') text += "\\n\n";
        else if (c < 0x20 || c >= 0x7f) text += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) +
                                                  std::string(1, "0123456789abcdef"[c & 15]);
        else text += static_cast<char>(c);
    }
    return text;
}

std::vector<Step> SaveOf(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::vector<Step> steps{Write("RegistryList", "Count", std::to_string(entries.size()))};
    for (size_t i = 0; i < entries.size(); ++i) {
        steps.push_back(Write("RegistryList", std::to_string(i), entries[i].first));
        steps.push_back(Write("CommentList", std::to_string(i), entries[i].second));
    }
    steps.push_back(Flush());
    return steps;
}

std::vector<Step> Then(std::vector<Step> first, const std::vector<Step>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<Step> LoadOf(int count) {
    std::vector<Step> steps{Read("RegistryList", "Count"), Keys("RegistryList")};
    for (int i = 0; i < count; ++i) {
        steps.push_back(Read("RegistryList", std::to_string(i)));
        steps.push_back(Read("CommentList", std::to_string(i)));
    }
    return steps;
}

const std::string LongText(3000, 'L');

// ASCII text as a UTF-16 file with its byte order mark.
std::string Utf16(std::string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes += {c, '\0'};
    return bytes;
}

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> scenarios = {
        {"ExampleSaveAndLoad", std::nullopt,
         Then(SaveOf({{"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                       "Programs started at logon"},
                      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", ""}}),
              LoadOf(3))},
        {"FirstSaveOfAnEmptyList", std::nullopt, SaveOf({})},
        {"ShorterSaveKeepsStaleKeys", std::nullopt,
         Then(Then(SaveOf({{"HKEY_0", "c0"}, {"HKEY_1", "c1"}, {"HKEY_2", "c2"}, {"HKEY_3", "c3"},
                           {"HKEY_4", "c4"}}),
                   SaveOf({{"HKEY_X", "x"}, {"HKEY_Y", ""}, {"HKEY_Z", "z"}})),
              LoadOf(5))},
        {"NamesMatchInAnyCase", "[RegistryList]\r\nCount=1\r\n0=HKEY_USERS\r\n",
         {Write("REGISTRYLIST", "count", "2"), Write("registrylist", "1", "HKEY_A"),
          Read("Registrylist", "COUNT"), Read("registryList", "1"), Read("REGISTRYLIST", "2", "d")}},
        {"QuotesComeOffOnRead", std::nullopt,
         {Write("S", "double", "\"quoted\""), Write("S", "single", "'single'"),
          Write("S", "unmatched", "\"unmatched"), Write("S", "mixed", "'mixed\""),
          Write("S", "one", "\""), Write("S", "inner", "\"a\"b\""), Write("S", "empty", "\"\""),
          Read("S", "double"), Read("S", "single"), Read("S", "unmatched"), Read("S", "mixed"),
          Read("S", "one"), Read("S", "inner"), Read("S", "empty")}},
        {"ReadsLongValuesWhole", std::nullopt,
         {Write("S", "long", LongText), Write("S", "quoted", "\"" + LongText + "\""),
          Write("S", "exact", std::string(2047, 'e')), Write("S", "over", std::string(2048, 'o')),
          Write("S", "huge", std::string(100000, 'h')), Read("S", "long"), Read("S", "quoted"),
          Read("S", "exact"), Read("S", "over"), Read("S", "huge"),
          Read("S", "missing", std::string(5000, 'd'))}},
        // What others wrote by hand, read as the system reads it.
        {"HandWrittenBlanksQuotesAndBreaks",
         "[S]\r\nd=\"q\"\r\ns='s'\r\none=\"\r\nempty=\"\"\r\nlone='\r\n"
         "triple=\"\"\"\r\ntwice=\"\"x\"\"\r\ninner=\"a\"b\"\r\nopen=\"a\r\n"
         "close=a\"\r\nmixed='a\"\r\nrev=\"a'\r\nspaced= \"q\" \r\n"
         "inside=\" a \"\r\ntab=\"\t\"\r\nws=\v\fa\x1a\t\r\nctl=\x01" "a\x01\r\n"
         "nul=a \0b\r\nqnul=\"x\0y\"\r\ncr=a\rnext=2\r\ntail=t\r\r\n"s,
         {Read("S", "d"), Read("S", "s"), Read("S", "one"), Read("S", "empty"), Read("S", "lone"),
          Read("S", "triple"), Read("S", "twice"), Read("S", "inner"), Read("S", "open"),
          Read("S", "close"), Read("S", "mixed"), Read("S", "rev"), Read("S", "spaced"),
          Read("S", "inside"), Read("S", "tab"), Read("S", "ws"), Read("S", "ctl"),
          Read("S", "nul"), Read("S", "qnul"), Read("S", "cr"), Read("S", "next"),
          Read("S", "tail"), Read("S", "none", "d\t "), Keys("S")}},
        {"MissingFileAndKeysReadAsDefaults", std::nullopt,
         {Read("S", "k", "dflt"), Read("S", "k", "  def  "), Read("S", "k", ""), Keys("S"),
          Sections()}},
        {"ExistingFileGetsKeysAppendedInPlace",
         "[Window]\r\nLeft=10\r\n[RegistryList]\r\nCount=1\r\n0=HKEY_OLD\r\n[Other]\r\nx=1\r\n",
         Then(SaveOf({{"HKEY_NEW", "n"}, {"HKEY_USERS", "u"}}),
              {Keys("RegistryList"), Keys("CommentList"), Sections(), Read("Window", "Left")})},
        {"KeyListingSkipsWhatIsNoKey",
         "[S]\r\nb=1\r\n  A  =2\r\n;c=3\r\nnoequals\r\n[T]\r\nt=1\r\n",
         {Keys("S"), Keys("s"), Keys("T"), Keys("missing"), Sections(), Read("S", "a"),
          Read("S", "noequals", "d")}},
        {"LineBreaksCannotAddLines", std::nullopt,
         {Write("S", "nl", "line1\r\n[Evil]\r\nx=1"), Write("S", "lf", "a\nb"),
          Write("S", "a=b", "v"), Write("S]", "k", "v"), Read("S", "nl"), Read("Evil", "x", "none"),
          Sections()}},
        {"NonAsciiLettersDoNotFold", std::nullopt,
         {Write("S\xC9", "k\xC4", "v"), Read("S\xC9", "k\xC4"), Read("s\xE9", "k\xE4", "none"),
          Read("s\xC9", "K\xC4", "none")}},

        {"Utf8MarkStaysInFront", "\xEF\xBB\xBF[RegistryList]\r\nCount=1\r\n0=HKEY_A\r\n",
         {Write("RegistryList", "Count", "2"), Read("RegistryList", "0")}},

        // Known differences. Wine, as Windows, reads and rewrites a UTF-16 file; the portable
        // file cannot, so it reads it as empty and refuses to write it rather than mix 8-bit
        // lines into it.
        {"Utf16FileIsLeftAlone", Utf16("[S]\r\nk=v\r\n"),
         {Read("S", "k", "none"), Write("S", "k", "w")},
         Utf16("[S]\r\nk=v\r\n"),
         Utf16("[S]\r\nk=w\r\n"),
         std::vector<std::string>{"read S/k: [none]", "write S/k: refused"},
         std::vector<std::string>{"read S/k: [v]", "write S/k: done"}},
        // Wine drops a value's leading blanks when it writes it, and its
        // trailing blanks when a later write rewrites the file; the rules (and Windows) keep
        // them in the file. Both read the same.
        {"BlanksAroundValues", std::nullopt,
         {Write("S", "k", "  a b  "), Write("S", "t", "\tTab\t"), Write("S", "last", " x "),
          Read("S", "k"), Read("S", "t"), Read("S", "last")},
         "[S]\r\nk=  a b  \r\nt=\tTab\t\r\nlast= x \r\n",
         "[S]\r\nk=a b\r\nt=Tab\r\nlast=x \r\n"},
        // Wine finds a comment line by its name when asked for it, though it does not list it.
        {"CommentLinesAreNoKeys", "[S]\r\n;c=3\r\nk=1\r\n",
         {Keys("S"), Read("S", ";c", "none")},
         std::nullopt, std::nullopt,
         std::vector<std::string>{"keys S: [k]", "read S/;c: [none]"},
         std::vector<std::string>{"keys S: [k]", "read S/;c: [3]"}},
        // Wine rewrites the whole file from what it parsed: blank lines go, blanks around the
        // equals sign go, bare line feeds become CR LF. The rules touch only the changed line.
        {"UntouchedLinesOfAHandWrittenFile",
         "; by hand\n[A]\nk1 = v1 \n\n[B]\r\nx=1\r\n\r\n",
         {Write("A", "new", "n"), Write("B", "x", "2"), Read("A", "k1"), Read("A", "new")},
         "; by hand\r\n[A]\r\nk1 = v1 \r\nnew=n\r\n\r\n[B]\r\nx=2\r\n\r\n",
         "; by hand\r\n[A]\r\nk1=v1\r\nnew=n\r\n[B]\r\nx=2\r\n"},
    };
    return scenarios;
}

class ProfileDifferential : public ::testing::TestWithParam<Scenario> {};

TEST_P(ProfileDifferential, PortableAndSystemAgree) {
    const Scenario& scenario = GetParam();
    WinScratchFolder scratch;
    const std::string portablePath = scratch.File("portable.ini");
    const std::string systemPath = scratch.File("system.ini");
    if (scenario.initial) {
        WriteFileText(portablePath, *scenario.initial);
        WriteFileText(systemPath, *scenario.initial);
    }
    std::vector<std::string> portableReads, systemReads;
    {
        const WinProfileFileStore files;
        PortableProfileFile portable(portablePath, files);
        portableReads = RunSteps(portable, scenario.steps);
    }
    {
        WinProfileFile system(systemPath);
        systemReads = RunSteps(system, scenario.steps);
    }
    if (scenario.wineReads) {
        EXPECT_EQ(portableReads, *scenario.portableReads);
        EXPECT_EQ(systemReads, *scenario.wineReads);
    } else {
        EXPECT_EQ(portableReads, systemReads);
    }

    const std::string portableBytes = ReadFileText(portablePath);
    const std::string systemBytes = ReadFileText(systemPath);
    if (scenario.wineFile) {
        EXPECT_EQ(Printable(portableBytes), Printable(*scenario.portableFile));
        EXPECT_EQ(Printable(systemBytes), Printable(*scenario.wineFile));
    } else {
        EXPECT_EQ(Printable(portableBytes), Printable(systemBytes));
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ProfileDifferential, ::testing::ValuesIn(Scenarios()),
                         [](const auto& scenario) { return std::string(scenario.param.name); });

TEST(WinProfileFile, RefusedWritesAreReportedAndTheFlushSaysNothing) {
    WinScratchFolder scratch;
    CreateDirectoryA(scratch.File("folder.ini").c_str(), nullptr);
    WinProfileFile folder(scratch.File("folder.ini"));
    EXPECT_FALSE(folder.WriteString("S", "k", "v"));
    WinProfileFile orphan(scratch.File("missing\\options.ini"));
    EXPECT_FALSE(orphan.WriteString("S", "k", "v"));
    EXPECT_TRUE(orphan.Flush());
    EXPECT_EQ(GetFileAttributesA(scratch.File("missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The file's identity on its volume: a file rewritten in place keeps it, a new one does not.
std::optional<std::pair<DWORD, DWORD>> FileIndex(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const BOOL known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!known) return std::nullopt;
    return std::pair{information.nFileIndexHigh, information.nFileIndexLow};
}

TEST(WinProfileFileStore, PutsANewFileInPlaceRatherThanRewritingTheOldOne) {
    WinScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    WriteFileText(path, "old content");
    const auto before = FileIndex(path);
    ASSERT_TRUE(before);
    const WinProfileFileStore files;
    EXPECT_TRUE(files.ReplaceAll(path, "new"));
    EXPECT_EQ(files.ReadAll(path), "new");
    EXPECT_NE(FileIndex(path), before) << "rewritten in place: a crash could have cut it short";
    EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(WinProfileFileStore, ReadsMissingAsEmptyAndRefusesWhatItMustNotChange) {
    WinScratchFolder scratch;
    const WinProfileFileStore files;
    EXPECT_EQ(files.ReadAll(scratch.File("missing.ini")), "");
    EXPECT_EQ(files.ReadAll(scratch.File("no\\missing.ini")), "");
    EXPECT_FALSE(files.CreateForWriting(scratch.File("no\\missing.ini")));

    CreateDirectoryA(scratch.File("folder.ini").c_str(), nullptr);
    EXPECT_EQ(files.ReadAll(scratch.File("folder.ini")), std::nullopt);
    EXPECT_FALSE(files.CreateForWriting(scratch.File("folder.ini")));
    EXPECT_FALSE(files.ReplaceAll(scratch.File("folder.ini"), "x"));

    const std::string readOnly = scratch.File("read-only.ini");
    WriteFileText(readOnly, "kept");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.CreateForWriting(readOnly));
    EXPECT_FALSE(files.ReplaceAll(readOnly, "x"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileText(readOnly), "kept");
}

TEST(WinProfileFile, ListsThousandsOfKeysPastItsFirstBuffer) {
    WinScratchFolder scratch;
    std::string bytes = "[RegistryList]\r\n";
    for (int i = 0; i < 3000; ++i) bytes += std::to_string(i) + "=HKEY_USERS\r\n";
    WriteFileText(scratch.File("many.ini"), bytes);
    WinProfileFile file(scratch.File("many.ini"));
    const std::vector<std::string> names = file.KeyNames("RegistryList");
    ASSERT_EQ(names.size(), 3000u);
    EXPECT_EQ(names.front(), "0");
    EXPECT_EQ(names.back(), "2999");
}

}  // namespace
}  // namespace zelkova
