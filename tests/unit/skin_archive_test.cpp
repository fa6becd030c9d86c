#include "skin/file/SkinArchive.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "base/StdioFileSystem.h"
#include "support/CountingOutput.h"
#include "support/DeflateWriter.h"
#include "support/ScratchFolder.h"
#include "support/SkinFileWriter.h"
#include "support/ZlibDeflate.h"

namespace zelkova {
namespace {

using testing::BuildSkinArchive;
using testing::SkinArchiveOptions;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Sample(std::size_t size) {
    std::vector<std::uint8_t> data(size);
    std::mt19937 rng(5);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(i % 97 < 60 ? "SKIN2_BUTTON "[i % 13] : rng() % 256);
    return data;
}

SkinArchiveOptions Zlib(int level = 6) {
    SkinArchiveOptions options;
    options.deflate = [level](std::span<const std::uint8_t> data) {
        return testing::ZlibRawDeflate(data, level);
    };
    return options;
}

class SkinArchiveTest : public ::testing::Test {
protected:
    struct Result {
        ExtractOutcome outcome;
        std::vector<std::uint8_t> output;
    };

    Result Extract(const std::vector<std::uint8_t>& archive, std::string_view password = "",
                   std::string_view entry = "SKINDATA.SK2") {
        EXPECT_TRUE(testing::WriteFileBytes(archivePath_, archive));
        return ExtractFile(archivePath_, password, entry);
    }

    Result ExtractFile(const std::string& archive, std::string_view password = "",
                       std::string_view entry = "SKINDATA.SK2") {
        MemorySink output;
        const ExtractOutcome outcome = ExtractSkinEntry(files_, archive, entry, output, password);
        return {outcome, output.Bytes()};
    }

    // Runs Info-ZIP's zip in the scratch folder over files it writes there first, and returns
    // the archive with its first two bytes patched to "SK".
    std::vector<std::uint8_t> Zip(const std::vector<testing::SkinArchiveEntry>& files,
                                  const std::string& arguments) {
        std::string names;
        for (const auto& f : files) {
            EXPECT_TRUE(testing::WriteFileBytes(scratch_.File(f.name), f.data));
            names += " '" + f.name + "'";
        }
        const std::string zipPath = scratch_.File("made.zip");
        const std::string command = "cd '" + scratch_.Path().string() + "' && zip -q -X " +
                                    arguments + " made.zip" + names + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::vector<std::uint8_t> archive = testing::ReadFileBytes(zipPath);
        EXPECT_GT(archive.size(), 22u);
        std::filesystem::remove(zipPath);
        return archive;
    }

    static std::vector<std::uint8_t> AsSkin(std::vector<std::uint8_t> archive) {
        archive[0] = 'S';
        archive[1] = 'K';
        return archive;
    }

    testing::ScratchFolder scratch_;
    StdioFileSystem files_;
    std::string archivePath_ = scratch_.File("skin.skn");
};

TEST_F(SkinArchiveTest, InfoZipArchiveWithSeveralEntriesAndALowerCaseName) {
    const std::vector<std::uint8_t> data = Sample(200000);
    // Long enough to be deflated: an entry zip stores plainly is not decoded (as in any skin).
    std::string readme;
    for (int i = 0; i < 40; ++i) readme += "not this one, ";
    const auto archive = AsSkin(Zip({{"readme.txt", Bytes(readme)},
                                     {"skindata.sk2", data},
                                     {"other.bin", Sample(5000)}},
                                    "-9"));
    const Result r = Extract(archive);
    EXPECT_EQ(r.outcome, ExtractOutcome::Success);
    EXPECT_TRUE(r.output == data);
    // Any other entry by its own name.
    EXPECT_EQ(Extract(archive, "", "README.TXT").output, Bytes(readme));
}

TEST_F(SkinArchiveTest, InfoZipEncryptedArchive) {
    const std::vector<std::uint8_t> data = Sample(70000);
    const auto archive = AsSkin(Zip({{"SKINDATA.SK2", data}}, "-P 'open sesame'"));

    Result r = Extract(archive, "open sesame");
    EXPECT_EQ(r.outcome, ExtractOutcome::Success);
    EXPECT_TRUE(r.output == data);

    // A wrong or empty password is found out before any data is decoded.
    r = Extract(archive, "open sesamE");
    EXPECT_EQ(r.outcome, ExtractOutcome::Rejected);
    EXPECT_TRUE(r.output.empty());

    r = Extract(archive, "");
    EXPECT_EQ(r.outcome, ExtractOutcome::Rejected);
    EXPECT_TRUE(r.output.empty());
}

TEST_F(SkinArchiveTest, PlainZipAndCommentedArchivesAreNotSkinFiles) {
    const auto zip = Zip({{"SKINDATA.SK2", Sample(1000)}}, "");
    EXPECT_EQ(Extract(zip).outcome, ExtractOutcome::Unreadable);

    std::vector<std::uint8_t> commented = AsSkin(zip);
    // Info-ZIP's -z reads the comment from standard input; add one by hand instead.
    const std::string comment = "made for a test";
    commented[commented.size() - 2] = static_cast<std::uint8_t>(comment.size());
    commented.insert(commented.end(), comment.begin(), comment.end());
    EXPECT_EQ(Extract(commented).outcome, ExtractOutcome::Unreadable);

    SkinArchiveOptions options;
    options.comment = "x";
    EXPECT_EQ(Extract(BuildSkinArchive({{"SKINDATA.SK2", Sample(100)}}, options)).outcome,
              ExtractOutcome::Unreadable);
}

TEST_F(SkinArchiveTest, MissingArchiveOrEntryWritesNothing) {
    Result r = ExtractFile(scratch_.File("nowhere.skn"));
    EXPECT_EQ(r.outcome, ExtractOutcome::Unreadable);
    EXPECT_TRUE(r.output.empty());

    r = Extract(BuildSkinArchive({{"SKINDATA.SK3", Sample(10)}}));
    EXPECT_EQ(r.outcome, ExtractOutcome::Unreadable);
    EXPECT_TRUE(r.output.empty());
    r = Extract(BuildSkinArchive({{"SKINDATA.SK2", Bytes("found")}}));
    EXPECT_EQ(r.outcome, ExtractOutcome::Success);
    EXPECT_EQ(r.output, Bytes("found"));
}

TEST_F(SkinArchiveTest, OwnWriterWithCrcCheckByteAndTimeCheckByte) {
    const std::vector<std::uint8_t> data = Sample(100000);
    for (bool byTime : {false, true}) {
        SkinArchiveOptions options = Zlib(9);
        options.password = "k3y";
        options.checkByTime = byTime;
        const auto archive = BuildSkinArchive({{"SKINDATA.SK2", data}}, options);
        Result r = Extract(archive, "k3y");
        EXPECT_EQ(r.outcome, ExtractOutcome::Success) << byTime;
        EXPECT_TRUE(r.output == data);
        EXPECT_EQ(Extract(archive, "K3Y").outcome, ExtractOutcome::Rejected) << byTime;
    }
}

TEST_F(SkinArchiveTest, SizeChecksAfterDecoding) {
    // Recorded larger than what decodes: Rejected.
    std::vector<std::uint8_t> archive = BuildSkinArchive({{"SKINDATA.SK2", Sample(3000)}}, Zlib());
    const std::size_t central = testing::Get32(archive, archive.size() - 6);
    testing::Put32(archive, central + 24, 3001);
    EXPECT_EQ(Extract(archive).outcome, ExtractOutcome::Rejected);

    // An empty entry decodes to nothing, which is no skin.
    EXPECT_EQ(Extract(BuildSkinArchive({{"SKINDATA.SK2", {}}}, Zlib())).outcome,
              ExtractOutcome::Unreadable);

    // Data that does not decode, with the partial output the same size as recorded (none).
    std::vector<std::uint8_t> broken = BuildSkinArchive({{"SKINDATA.SK2", {}}}, Zlib());
    broken[30 + 12] = 0xFF;  // the first byte of entry data: block type 3
    EXPECT_EQ(Extract(broken).outcome, ExtractOutcome::Unreadable);
}

TEST_F(SkinArchiveTest, TheStreamMustEndWithinTheRecordedCompressedSize) {
    // The data in a stored block, then an empty final stored block: its length fields are the
    // entry's last four bytes, and the stream needs them after all the data is out.
    SkinArchiveOptions options;
    options.deflate = [](std::span<const std::uint8_t> data) {
        testing::BitWriter bits;
        testing::PutStoredBlock(bits, false, data);
        testing::PutStoredBlock(bits, true, {});
        return bits.Finish();
    };
    const std::vector<std::uint8_t> data = Sample(3000);
    for (const std::string password : {"", "pw"}) {
        options.password = password;
        const std::vector<std::uint8_t> good = BuildSkinArchive({{"SKINDATA.SK2", data}}, options);
        EXPECT_EQ(Extract(good, password).outcome, ExtractOutcome::Success);
        const std::size_t central = testing::Get32(good, good.size() - 6);
        const std::uint32_t recorded = testing::Get32(good, central + 20);

        // Recorded four bytes short: the bytes that follow must not finish the stream. It fails
        // to decode, and the output it holds back is short of the recorded size.
        std::vector<std::uint8_t> cut = good;
        testing::Put32(cut, central + 20, recorded - 4);
        const Result r = Extract(cut, password);
        EXPECT_EQ(r.outcome, ExtractOutcome::Rejected) << password;
        EXPECT_TRUE(r.output.empty());
    }
    // Too short to hold even the encryption header.
    std::vector<std::uint8_t> encrypted = BuildSkinArchive({{"SKINDATA.SK2", data}}, options);
    testing::Put32(encrypted, testing::Get32(encrypted, encrypted.size() - 6) + 20, 11);
    EXPECT_EQ(Extract(encrypted, "pw").outcome, ExtractOutcome::Rejected);
}

TEST_F(SkinArchiveTest, OutputPastTheRecordedSizeStopsDecodingAtOnce) {
    // 16 MB of zeros in about 16 KB, recorded as 100 bytes.
    const std::vector<std::uint8_t> bomb(16u << 20, 0);
    std::vector<std::uint8_t> archive = BuildSkinArchive({{"SKINDATA.SK2", bomb}}, Zlib(9));
    ASSERT_LT(archive.size(), 30000u);
    const std::size_t central = testing::Get32(archive, archive.size() - 6);
    testing::Put32(archive, central + 24, 100);

    MemoryFile file(archive);
    const auto entry = FindSkinEntry(file, "SKINDATA.SK2");
    ASSERT_TRUE(entry.has_value());
    testing::CountingOutput output;
    EXPECT_EQ(UnpackSkinEntry(file, *entry, output, ""), ExtractOutcome::Rejected);
    EXPECT_LE(output.BytesWritten(), 100u);
}

TEST_F(SkinArchiveTest, AnEntryRecordingMoreThan64MiBIsRejectedUnread) {
    // The recorded size is the file's own word: 64 MiB passes the gate, one byte more does not.
    std::vector<std::uint8_t> archive = BuildSkinArchive({{"SKINDATA.SK2", Sample(1000)}}, Zlib());
    const std::size_t central = testing::Get32(archive, archive.size() - 6);
    for (const std::uint32_t recorded : {kMaxSkinEntrySize, kMaxSkinEntrySize + 1, 0xFFFFFFFFu}) {
        testing::Put32(archive, central + 24, recorded);
        MemoryFile file(archive);
        const auto entry = FindSkinEntry(file, "SKINDATA.SK2");
        ASSERT_TRUE(entry.has_value());
        testing::CountingOutput output;
        EXPECT_EQ(UnpackSkinEntry(file, *entry, output, ""), ExtractOutcome::Rejected);
        EXPECT_EQ(output.BytesWritten(), recorded == kMaxSkinEntrySize ? 1000u : 0u) << recorded;
    }
}

TEST_F(SkinArchiveTest, TheEntryIsFoundAfterADirectoryLargerThanTheReadCache) {
    std::vector<testing::SkinArchiveEntry> entries;
    for (int i = 0; i < 1500; ++i)
        entries.push_back({"skins/unused/entry-with-a-long-name-" + std::to_string(i) + ".bmp", {}});
    entries.push_back({"SKINDATA.SK2", Bytes("last")});
    const std::vector<std::uint8_t> archive = BuildSkinArchive(entries);
    ASSERT_GT(testing::Get32(archive, archive.size() - 10), 2 * BufferedFile::kBlockSize);
    const Result r = Extract(archive);
    EXPECT_EQ(r.outcome, ExtractOutcome::Success);
    EXPECT_EQ(r.output, Bytes("last"));
}

TEST_F(SkinArchiveTest, DirectoryFieldsPointingOutsideTheFileAreUnreadable) {
    const std::vector<std::uint8_t> good = BuildSkinArchive({{"SKINDATA.SK2", Sample(500)}}, Zlib());
    const std::size_t endRecord = good.size() - 22;
    const std::size_t central = testing::Get32(good, endRecord + 16);

    std::vector<std::uint8_t> bad = good;
    testing::Put32(bad, endRecord + 16, static_cast<std::uint32_t>(endRecord + 1));
    EXPECT_EQ(Extract(bad).outcome, ExtractOutcome::Unreadable);

    bad = good;
    testing::Put16(bad, central + 28, 0xFFFF);  // name runs past the directory
    EXPECT_EQ(Extract(bad).outcome, ExtractOutcome::Unreadable);

    bad = good;
    testing::Put32(bad, central + 42, 0xFFFFFFF0u);  // local header past the end
    EXPECT_NE(Extract(bad).outcome, ExtractOutcome::Success);

    bad = good;
    testing::Put32(bad, endRecord, 0x06054B51);
    EXPECT_EQ(Extract(bad).outcome, ExtractOutcome::Unreadable);
}

TEST_F(SkinArchiveTest, NoPrefixOrDamageOfAnArchiveCrashesOrSucceedsWrongly) {
    const std::vector<std::uint8_t> data = Sample(4000);
    SkinArchiveOptions options = Zlib();
    options.password = "pw";
    const std::vector<std::uint8_t> good = BuildSkinArchive({{"SKINDATA.SK2", data}}, options);
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const std::vector<std::uint8_t> prefix(good.begin(), good.begin() + cut);
        MemoryFile file(prefix);
        EXPECT_FALSE(FindSkinEntry(file, "SKINDATA.SK2").has_value()) << cut;
    }
    std::mt19937 rng(9);
    for (int i = 0; i < 300; ++i) {
        std::vector<std::uint8_t> damaged = good;
        damaged[rng() % damaged.size()] ^= static_cast<std::uint8_t>(1 + rng() % 255);
        MemoryFile file(damaged);
        const auto entry = FindSkinEntry(file, "SKINDATA.SK2");
        if (!entry) continue;
        MemorySink out;
        if (UnpackSkinEntry(file, *entry, out, "pw") == ExtractOutcome::Success) {
            EXPECT_EQ(out.Bytes().size(), entry->uncompressedSize);
        }
    }
}

}  // namespace
}  // namespace zelkova
