#include "support/PEImageWriter.h"
#include "support/TestUtil.h"

#include "platform/PEVersionResource.h"

#include <functional>
#include <gtest/gtest.h>

using namespace PEImage;

TEST(PEVersionResource, ReadsTheFixedFileVersionFromMemoryAndFromAFile)
{
    const QByteArray image = Executable(13, 1);
    const auto version = ReadPEFileVersion(image);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->major, 13);
    EXPECT_EQ(version->minor, 1);
    EXPECT_EQ(version->build, 2);
    EXPECT_EQ(version->revision, 3);

    Sandbox sandbox;
    const auto fromFile = ReadPEFileVersionOfFile(sandbox.write("Photoshop.exe", image));
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->major, 13);
    EXPECT_FALSE(ReadPEFileVersionOfFile(sandbox.path("missing.exe")));
    EXPECT_FALSE(ReadPEFileVersion(Executable(13, 0, false)));
    const auto pe32Plus = ReadPEFileVersion(Executable(16, 5, true, true));
    ASSERT_TRUE(pe32Plus);
    EXPECT_EQ(pe32Plus->major, 16);
}

// Every prefix of a valid image lacks some byte the reader needs; none may read past its end.
TEST(PEVersionResource, EveryTruncationFailsCleanly)
{
    const QByteArray image = Executable(16);
    const int needed = kFixedFileInfo + 16;
    for (int size = 0; size < needed; ++size)
        EXPECT_FALSE(ReadPEFileVersion(image.left(size))) << "size " << size;
    EXPECT_TRUE(ReadPEFileVersion(image.left(needed)));
}

struct HostileCase
{
    const char* name;
    std::function<void(QByteArray&)> damage;
};

class PEHostileTest : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(PEHostileTest, IsRefusedWithoutReadingOutside)
{
    QByteArray image = Executable(13);
    GetParam().damage(image);
    EXPECT_FALSE(ReadPEFileVersion(image));
}

INSTANTIATE_TEST_SUITE_P(
    PEVersionResource, PEHostileTest,
    ::testing::Values(
        HostileCase{"NotMZ", [](QByteArray& b) { b[0] = 'Z'; }},
        HostileCase{"PEHeaderPastTheEnd", [](QByteArray& b) { PutLe32(b, 0x3C, 0xFFFFFFF0u); }},
        HostileCase{"UnknownOptionalMagic",
                    [](QByteArray& b) { PutLe16(b, kOptionalHeader, 0x107); }},
        HostileCase{"OptionalHeaderTooShortForTheResourceDirectory",
                    [](QByteArray& b) { PutLe16(b, kPEHeader + 20, 100); }},
        HostileCase{"SixtyFiveThousandSections",
                    [](QByteArray& b) { PutLe16(b, kPEHeader + 6, 0xFFFF); }},
        HostileCase{"SectionDataOutsideTheFile",
                    [](QByteArray& b) { PutLe32(b, kSectionTable + 20, 0x7FFFFFF0u); }},
        HostileCase{"ResourceRvaInNoSection",
                    [](QByteArray& b) { PutLe32(b, kResourceDataDirectory, 0x9000); }},
        HostileCase{"SubdirectoryOffsetOutsideTheSection",
                    [](QByteArray& b) { PutLe32(b, kRootEntry + 4, 0x8FFFFFF0u); }},
        HostileCase{"EntryCountBeyondTheSection",
                    [](QByteArray& b) { PutLe16(b, kResources + 14, 0xFFFF); }},
        HostileCase{"NameLevelPointsBackAtTheRoot",
                    [](QByteArray& b) { PutLe32(b, kNameEntry + 4, 0x80000000u); }},
        HostileCase{"LanguageLevelPointsBackAtItself",
                    [](QByteArray& b) {
                        PutLe32(b, kLanguageEntry + 4,
                                0x80000000u | (kLanguageDirectory - kResources));
                    }},
        HostileCase{"DataRvaOutsideEverySection",
                    [](QByteArray& b) { PutLe32(b, kDataEntry, 0xFFFFFFF0u); }},
        HostileCase{"VersionDataEndsPastTheSection",
                    [](QByteArray& b) { PutLe32(b, kDataEntry, kResourcesRva + 0x1F0); }},
        HostileCase{"WrongSignature", [](QByteArray& b) { PutLe32(b, kFixedFileInfo, 0); }}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });
