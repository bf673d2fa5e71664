#include "VersionReader.h"

#include <QFile>

namespace {

// Every number of a block is one little-endian word of this many bytes.
constexpr qsizetype kWordBytes = 4;

// Words of a translation table are few: one per language of the program.
constexpr std::uint32_t kMaxTranslations = 256;

// The key that starts a block. It is put together at run time so that the
// reader's own code never holds it as one literal that a scan of the program's
// file could mistake for the start of a block.
QByteArray BlockKey() {
    QByteArray key("VS_VERSION");
    key += "_INFO";
    key.append('\0');
    return key;
}

std::uint32_t ReadWord(const QByteArray& bytes, qsizetype offset) {
    std::uint32_t word = 0;
    for (qsizetype i = kWordBytes - 1; i >= 0; --i) {
        word = (word << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return word;
}

void AppendWord(QByteArray& bytes, std::uint32_t word) {
    for (qsizetype i = 0; i < kWordBytes; ++i) {
        bytes.append(static_cast<char>((word >> (8 * i)) & 0xFF));
    }
}

// The size of a well-formed block at offset, or 0.
qsizetype BlockSizeAt(const QByteArray& bytes, qsizetype offset) {
    qsizetype at = offset + static_cast<qsizetype>(kVersionKeyBytes);
    if (at + kWordBytes > bytes.size()) {
        return 0;
    }
    const std::uint32_t fixedLength = ReadWord(bytes, at);
    if (fixedLength != 0 && fixedLength != FixedFileInfo::kBytes) {
        return 0;
    }
    at += kWordBytes + static_cast<qsizetype>(fixedLength);
    if (at + kWordBytes > bytes.size()) {
        return 0;
    }
    const std::uint32_t translations = ReadWord(bytes, at);
    if (translations > kMaxTranslations) {
        return 0;
    }
    at += kWordBytes * (1 + static_cast<qsizetype>(translations));
    return at <= bytes.size() ? at - offset : 0;
}

} // namespace

QByteArray MakeVersionBlock(const FixedFileInfo* fixed,
                            const std::vector<std::uint32_t>& translations) {
    QByteArray block = BlockKey();
    if (fixed != nullptr) {
        AppendWord(block, FixedFileInfo::kBytes);
        for (const std::uint32_t word :
             {fixed->signature, fixed->structVersion, fixed->fileVersionMS, fixed->fileVersionLS,
              fixed->productVersionMS, fixed->productVersionLS, fixed->fileFlagsMask,
              fixed->fileFlags, fixed->fileOS, fixed->fileType, fixed->fileSubtype,
              fixed->fileDateMS, fixed->fileDateLS}) {
            AppendWord(block, word);
        }
    } else {
        AppendWord(block, 0);
    }
    AppendWord(block, static_cast<std::uint32_t>(translations.size()));
    for (const std::uint32_t translation : translations) {
        AppendWord(block, translation);
    }
    return block;
}

qsizetype CVersionReader::FindBlock(const QByteArray& bytes, qsizetype* size) {
    const QByteArray key = BlockKey();
    for (qsizetype at = bytes.indexOf(key); at >= 0; at = bytes.indexOf(key, at + 1)) {
        if (const qsizetype found = BlockSizeAt(bytes, at); found > 0) {
            *size = found;
            return at;
        }
    }
    return -1;
}

bool CVersionReader::Load(const QString& path) {
    Release();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    qsizetype size = 0;
    const qsizetype at = FindBlock(bytes, &size);
    if (at < 0) {
        return false;
    }
    const QByteArray block = bytes.mid(at, size);
    // A block without a translation table counts as no version information.
    const std::uint32_t fixedLength = ReadWord(block, kVersionKeyBytes);
    const qsizetype translationsAt =
        static_cast<qsizetype>(kVersionKeyBytes) + kWordBytes + static_cast<qsizetype>(fixedLength);
    if (ReadWord(block, translationsAt) == 0) {
        return false;
    }
    m_block = block;
    return true;
}

bool CVersionReader::GetFixedInfo(FixedFileInfo& info) const {
    if (m_block.isEmpty() || ReadWord(m_block, kVersionKeyBytes) != FixedFileInfo::kBytes) {
        return false;
    }
    FixedFileInfo read;
    std::uint32_t* fields[FixedFileInfo::kWords] = {
        &read.signature,        &read.structVersion,    &read.fileVersionMS, &read.fileVersionLS,
        &read.productVersionMS, &read.productVersionLS, &read.fileFlagsMask, &read.fileFlags,
        &read.fileOS,           &read.fileType,         &read.fileSubtype,   &read.fileDateMS,
        &read.fileDateLS,
    };
    const qsizetype base = static_cast<qsizetype>(kVersionKeyBytes) + kWordBytes;
    for (std::size_t i = 0; i < FixedFileInfo::kWords; ++i) {
        *fields[i] = ReadWord(m_block, base + kWordBytes * static_cast<qsizetype>(i));
    }
    if (read.signature != FixedFileInfo::kSignature) {
        return false;
    }
    info = read;
    return true;
}

bool QueryVersion(const QString& executablePath, ProgramVersion& version) {
    CVersionReader reader;
    FixedFileInfo info;
    if (!reader.Load(executablePath) || !reader.GetFixedInfo(info)) {
        return false;
    }
    version.major = static_cast<int>(info.productVersionMS >> 16);
    version.minor = static_cast<int>(info.productVersionMS & 0xFFFF);
    version.build = static_cast<int>(info.productVersionLS & 0xFFFF);
    return true;
}
