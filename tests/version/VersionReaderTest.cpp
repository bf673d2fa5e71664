#include "VersionReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

FixedFileInfo Fixed(std::uint32_t productMS, std::uint32_t productLS, std::uint32_t fileMS,
                    std::uint32_t fileLS) {
    FixedFileInfo info;
    info.signature = FixedFileInfo::kSignature;
    info.structVersion = 0x00010000;
    info.fileVersionMS = fileMS;
    info.fileVersionLS = fileLS;
    info.productVersionMS = productMS;
    info.productVersionLS = productLS;
    return info;
}

// A file of some bytes of "program", the block, and more bytes after it.
QString WriteFile(const QTemporaryDir& dir, const QByteArray& block) {
    QString path = dir.filePath("program");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, '\x90') + block + QByteArray(77, '\0'));
    return path;
}

constexpr std::uint32_t kUsEnglish = 0x04B00409;

TEST(VersionReader, QueryTakesMajorMinorAndBuildOfTheProductVersion) {
    struct Row {
        const char* name;
        FixedFileInfo fixed;
        ProgramVersion expected;
    };
    const Row rows[] = {
        {"1.0.0.29", Fixed(0x00010000, 0x0000001D, 0x00010000, 0x0000001D), {1, 0, 29}},
        {"2.5.7.300 hides the 7",
         Fixed(0x00020005, 0x0007012C, 0x00020005, 0x0007012C),
         {2, 5, 300}},
        {"file version does not count",
         Fixed(0x00010000, 0x0000001D, 0x00090009, 0x00090009),
         {1, 0, 29}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = WriteFile(dir, MakeVersionBlock(&row.fixed, {kUsEnglish}));
        ProgramVersion version;
        ASSERT_TRUE(QueryVersion(path, version));
        EXPECT_EQ(version.major, row.expected.major);
        EXPECT_EQ(version.minor, row.expected.minor);
        EXPECT_EQ(version.build, row.expected.build);
    }
}

TEST(VersionReader, FilesWithoutUsableVersionInformation) {
    const FixedFileInfo fixed = Fixed(0x00010000, 29, 0x00010000, 29);
    FixedFileInfo badSignature = fixed;
    badSignature.signature = 0x12345678;
    QByteArray truncated = MakeVersionBlock(&fixed, {kUsEnglish});
    truncated.chop(8);
    struct Row {
        const char* name;
        QByteArray contents;
        bool loads;
        bool hasFixed;
    };
    const Row rows[] = {
        {"no block", QByteArray(), false, false},
        {"no translation table", MakeVersionBlock(&fixed, {}), false, false},
        {"no fixed record", MakeVersionBlock(nullptr, {kUsEnglish}), true, false},
        {"wrong signature", MakeVersionBlock(&badSignature, {kUsEnglish}), true, false},
        {"cut short", truncated, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        CVersionReader reader;
        EXPECT_EQ(reader.Load(WriteFile(dir, row.contents)), row.loads);
        EXPECT_EQ(reader.IsLoaded(), row.loads);
        FixedFileInfo info;
        EXPECT_EQ(reader.GetFixedInfo(info), row.hasFixed);
    }
    CVersionReader reader;
    EXPECT_FALSE(reader.Load("/nonexistent/program"));
}

TEST(VersionReader, ReleaseOnAnEmptyReaderIsHarmless) {
    CVersionReader reader;
    reader.Release();
    FixedFileInfo info;
    EXPECT_FALSE(reader.GetFixedInfo(info));
}

TEST(VersionReader, ABlockKeyWithoutABlockIsSkipped) {
    const FixedFileInfo fixed = Fixed(0x00030001, 4, 0x00030001, 4);
    // A lone key (as a string in some other data) before the real block.
    QByteArray lone("VS_VERSION_INFO");
    lone.append('\0').append("\x07\x00\x00\x00", 4);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, lone + MakeVersionBlock(&fixed, {kUsEnglish}));
    ProgramVersion version;
    ASSERT_TRUE(QueryVersion(path, version));
    EXPECT_EQ(version.major, 3);
    EXPECT_EQ(version.minor, 1);
    EXPECT_EQ(version.build, 4);
}

} // namespace
