#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The fixed part of a version block: thirteen 32-bit little-endian words, the
// first the signature 0xFEEF04BD (52 bytes in all).
struct FixedFileInfo {
    static constexpr std::uint32_t kSignature = 0xFEEF04BD;
    static constexpr std::size_t kWords = 13;
    static constexpr std::size_t kBytes = kWords * 4;

    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

// The version block a program carries in its own file:
//   the key "VS_VERSION_INFO" and a NUL (16 bytes),
//   the length of the fixed record (52, or 0 when there is none), the record,
//   the number of translations (language and code page words) and the words.
// All numbers are 32-bit little-endian.
inline constexpr std::size_t kVersionKeyBytes = 16;

// Builds such a block (the build uses the same layout for the program's own).
QByteArray MakeVersionBlock(const FixedFileInfo* fixed,
                            const std::vector<std::uint32_t>& translations);

// Reads the version block of a file.
class CVersionReader {
public:
    CVersionReader() = default;
    ~CVersionReader() { Release(); }
    CVersionReader(const CVersionReader&) = delete;
    CVersionReader& operator=(const CVersionReader&) = delete;

    // Finds and keeps the file's version block. Fails, keeping nothing, for a
    // file that cannot be read, has no block, or a block without translations.
    bool Load(const QString& path);
    // Copies the block's fixed record; fails if nothing is loaded or the block
    // has no valid fixed record.
    bool GetFixedInfo(FixedFileInfo& info) const;
    void Release() { m_block.clear(); }
    bool IsLoaded() const { return !m_block.isEmpty(); }

    // Finds a block in bytes: the offset and size of the first well-formed
    // one, or -1.
    static qsizetype FindBlock(const QByteArray& bytes, qsizetype* size);

private:
    QByteArray m_block;
};

// The program's version as the About box shows it: major and minor from the
// product version's high word, build from the low half of its low word.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};
bool QueryVersion(const QString& executablePath, ProgramVersion& version);
