#include "LabelStore.h"

#include "SystemFiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// The file: a header, the metrics with a checksum over all before it, then
// one fixed-size record per piece, sorted by turn and key, then the pieces'
// masks. Each record holds a checksum over itself and its masks: a piece is
// read (only when asked for) and used only when they match. Numbers are in
// the machine's own order: the file never leaves the machine that wrote it.
constexpr std::uint32_t kMagic = 0x474c4d51; // "QMLG"
constexpr std::uint32_t kFormat = 4;
// Bounds a damaged file cannot pass: no label piece is larger, no font
// size has more pieces (256 characters at 64 origins, and their boxes, in
// four turns).
constexpr std::int32_t kMaxPieceSide = 4096;
constexpr std::uint64_t kMaxPieces = std::uint64_t{1} << 18;
constexpr int kTurns = 4;
// Files kept in the folder, one for each label font size and resolution.
constexpr qsizetype kMaxFiles = 64;
// A file a run was writing when it ended is removed after a day.
constexpr auto kStaleTemporary = std::chrono::hours(24);

struct Header {
    std::uint32_t magic = kMagic;
    std::uint32_t format = kFormat;
    std::uint32_t identityBytes = 0;
    std::uint32_t keyBytes = 0;
};

struct MetricsRecord {
    double height = 0;
    double ascent = 0;
    std::int32_t advance[256] = {};
    std::uint8_t settable[256] = {};
    std::uint8_t hasMetrics = 0;
    std::uint8_t keptGlyphs = 0;
    std::uint8_t additive = 0;
    std::uint8_t spare[5] = {};
    std::uint64_t pieces = 0;
};

struct PieceRecord {
    std::int64_t key = 0;
    std::int32_t turn = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t flags = 0;
    std::uint64_t maskOffset = 0; // from the first mask; the painted mask, then the ink
    std::uint64_t check = 0;      // over the record (this field as 0) and its masks
};
static_assert(std::is_trivially_copyable_v<PieceRecord> && sizeof(PieceRecord) == 48);
constexpr auto kHeaderSize = static_cast<qsizetype>(sizeof(Header));

constexpr std::uint32_t kReachesEdge = 1;
constexpr std::uint32_t kBlank = 2;
constexpr std::uint32_t kWhiteBox = 4;
// One mask stands for both: every pixel painted is black (a glyph's are).
constexpr std::uint32_t kInkOnly = 8;

template <typename T> T ReadAt(const QByteArray& bytes, qsizetype at) {
    T value;
    std::memcpy(&value, bytes.constData() + at, sizeof value);
    return value;
}

template <typename T> void Append(QByteArray& bytes, const T& value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// 64-bit FNV-1a, continued from a hash so far.
std::uint64_t Checksum(const void* data, std::size_t size,
                       std::uint64_t hash = 0xcbf29ce484222325ULL) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ bytes[i]) * 0x100000001b3ULL;
    }
    return hash;
}

std::uint64_t RecordChecksum(PieceRecord record, const char* masks, std::size_t size) {
    record.check = 0;
    return Checksum(masks, size, Checksum(&record, sizeof record));
}

// Whether a piece needs its masks to be drawn.
bool HasMasks(const LabelSprite& piece) {
    return !piece.blank && !piece.whiteBox;
}

// The bytes of a record's masks.
std::size_t MaskBytes(const PieceRecord& record) {
    if ((record.flags & (kBlank | kWhiteBox)) != 0) {
        return 0;
    }
    LabelSprite sized;
    sized.SetSize(record.width, record.height);
    return sized.RowStart(record.height) * ((record.flags & kInkOnly) != 0 ? 1U : 2U);
}

} // namespace

CLabelStore::OpenFile::~OpenFile() {
    if (fd >= 0) {
        ::close(fd);
    }
}

CLabelStore::CLabelStore(QString folder, QString identity)
    : m_folder(std::move(folder)), m_identity(std::move(identity)) {}

QString CLabelStore::FileOf(const QString& fontKey) const {
    const QByteArray digest = QCryptographicHash::hash(
        (m_identity + QLatin1Char('\n') + fontKey).toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(digest.toHex()) + QStringLiteral(".glyphs");
}

std::optional<CLabelStore::PieceKey> CLabelStore::FileKey(const Entry& entry, qsizetype index) {
    PieceRecord record;
    if (!ReadExactly(entry.file->fd, &record, sizeof record,
                     static_cast<std::uint64_t>(entry.recordAt) + index * sizeof record)) {
        return std::nullopt;
    }
    return PieceKey{record.turn, record.key};
}

std::optional<LabelSprite> CLabelStore::FilePiece(const Entry& entry, qsizetype index) {
    PieceRecord record;
    if (!ReadExactly(entry.file->fd, &record, sizeof record,
                     static_cast<std::uint64_t>(entry.recordAt) + index * sizeof record) ||
        record.turn < 0 || record.turn >= kTurns || record.width < 0 || record.height < 0 ||
        record.width > kMaxPieceSide || record.height > kMaxPieceSide ||
        std::abs(record.x) > kMaxPieceSide || std::abs(record.y) > kMaxPieceSide ||
        record.maskOffset > entry.maskBytes) {
        return std::nullopt;
    }
    const std::size_t size = MaskBytes(record);
    if (size > entry.maskBytes - record.maskOffset) {
        return std::nullopt;
    }
    std::vector<char> masks(size);
    if (!ReadExactly(entry.file->fd, masks.data(), size,
                     static_cast<std::uint64_t>(entry.maskAt) + record.maskOffset) ||
        RecordChecksum(record, masks.data(), size) != record.check) {
        return std::nullopt;
    }
    LabelSprite piece;
    piece.origin = QPoint(record.x, record.y);
    piece.SetSize(record.width, record.height);
    piece.reachesEdge = (record.flags & kReachesEdge) != 0;
    piece.blank = (record.flags & kBlank) != 0;
    piece.whiteBox = (record.flags & kWhiteBox) != 0;
    if (HasMasks(piece)) {
        const auto one = static_cast<std::ptrdiff_t>(piece.RowStart(piece.height));
        piece.painted.assign(masks.begin(), masks.begin() + one);
        const auto ink = (record.flags & kInkOnly) != 0 ? masks.begin() : masks.begin() + one;
        piece.ink.assign(ink, ink + one);
    }
    return piece;
}

void CLabelStore::Load(const QString& fontKey, Entry& entry) const {
    // Only a regular file of this user's is read, never through a link, and
    // never one that could block (a pipe) or never end (a device). Its pieces
    // are read when asked for: a file cut short meanwhile only lacks them.
    const int folder = OpenOwnFolder(m_folder);
    if (folder < 0) {
        return;
    }
    auto file = std::make_shared<OpenFile>();
    file->fd = ::openat(folder, QFile::encodeName(FileOf(fontKey)).constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    ::close(folder);
    struct stat status {};
    if (file->fd < 0 || ::fstat(file->fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        return;
    }
    const auto fileSize = static_cast<std::uint64_t>(status.st_size);
    const QByteArray identity = m_identity.toUtf8();
    const QByteArray key = fontKey.toUtf8();
    const auto metricsAt = kHeaderSize + identity.size() + key.size();
    const qsizetype frontSize =
        metricsAt + static_cast<qsizetype>(sizeof(MetricsRecord) + sizeof(std::uint64_t));
    if (fileSize < static_cast<std::uint64_t>(frontSize)) {
        return;
    }
    QByteArray front(frontSize, Qt::Uninitialized);
    if (!ReadExactly(file->fd, front.data(), static_cast<std::size_t>(frontSize), 0)) {
        return;
    }
    const auto header = ReadAt<Header>(front, 0);
    const auto metrics = ReadAt<MetricsRecord>(front, metricsAt);
    const auto check = ReadAt<std::uint64_t>(front, frontSize - 8);
    if (header.magic != kMagic || header.format != kFormat ||
        header.identityBytes != static_cast<std::uint32_t>(identity.size()) ||
        header.keyBytes != static_cast<std::uint32_t>(key.size()) ||
        front.mid(kHeaderSize, identity.size()) != identity ||
        front.mid(kHeaderSize + identity.size(), key.size()) != key ||
        Checksum(front.constData(), static_cast<std::size_t>(frontSize - 8)) != check ||
        metrics.pieces > kMaxPieces ||
        metrics.pieces * sizeof(PieceRecord) > fileSize - static_cast<std::uint64_t>(frontSize)) {
        return;
    }
    Entry read;
    read.file = std::move(file);
    read.records = static_cast<qsizetype>(metrics.pieces);
    read.recordAt = frontSize;
    read.maskAt = read.recordAt + read.records * static_cast<qsizetype>(sizeof(PieceRecord));
    read.maskBytes = fileSize - static_cast<std::uint64_t>(read.maskAt);
    if (metrics.hasMetrics != 0) {
        LabelFontMetrics stored;
        stored.height = metrics.height;
        stored.ascent = metrics.ascent;
        std::copy(std::begin(metrics.advance), std::end(metrics.advance), stored.advance.begin());
        std::transform(std::begin(metrics.settable), std::end(metrics.settable),
                       stored.settable.begin(), [](std::uint8_t b) { return b != 0; });
        stored.keptGlyphs = metrics.keptGlyphs != 0;
        stored.additive = metrics.additive != 0;
        read.metrics = stored;
    }
    read.loaded = true;
    entry = std::move(read);
}

CLabelStore::Entry& CLabelStore::EntryOf(const QString& fontKey) {
    Entry& entry = m_entries[fontKey];
    if (!entry.loaded) {
        Load(fontKey, entry);
        entry.loaded = true; // a file missing or not ours counts as empty
    }
    return entry;
}

std::optional<LabelFontMetrics> CLabelStore::Metrics(const QString& fontKey) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return EntryOf(fontKey).metrics;
}

void CLabelStore::SetMetrics(const QString& fontKey, const LabelFontMetrics& metrics) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    Entry& entry = EntryOf(fontKey);
    if (entry.metrics != metrics) {
        // Metrics of another kind than those stored: the pieces go with them.
        entry = Entry{};
        entry.loaded = true;
        entry.changed = true;
        entry.metrics = metrics;
    }
}

std::optional<LabelSprite> CLabelStore::Piece(const QString& fontKey, int turn, std::int64_t key) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const Entry& entry = EntryOf(fontKey);
    const PieceKey wanted{turn, key};
    if (const auto added = entry.added.find(wanted); added != entry.added.end()) {
        return added->second;
    }
    qsizetype low = 0;
    qsizetype high = entry.records;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        const std::optional<PieceKey> at = FileKey(entry, middle);
        if (!at) {
            return std::nullopt;
        }
        if (*at < wanted) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low < entry.records && FileKey(entry, low) == wanted) {
        return FilePiece(entry, low);
    }
    return std::nullopt;
}

void CLabelStore::AddPiece(const QString& fontKey, int turn, std::int64_t key,
                           const LabelSprite& piece) {
    if (turn < 0 || turn >= kTurns || piece.width > kMaxPieceSide || piece.height > kMaxPieceSide) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    Entry& entry = EntryOf(fontKey);
    if (entry.added.emplace(PieceKey{turn, key}, piece).second) {
        entry.changed = true;
    }
}

QByteArray CLabelStore::FileBytes(const QString& fontKey, const Entry& entry) const {
    // The file's pieces that are still whole and this run's, in order.
    std::map<PieceKey, LabelSprite> pieces = entry.added;
    for (qsizetype i = 0; i < entry.records; ++i) {
        const std::optional<PieceKey> where = FileKey(entry, i);
        if (!where) {
            break;
        }
        if (std::optional<LabelSprite> piece = FilePiece(entry, i)) {
            pieces.emplace(*where, std::move(*piece));
        }
    }
    const QByteArray identity = m_identity.toUtf8();
    const QByteArray key = fontKey.toUtf8();
    QByteArray bytes;
    Append(bytes, Header{kMagic, kFormat, static_cast<std::uint32_t>(identity.size()),
                         static_cast<std::uint32_t>(key.size())});
    bytes += identity;
    bytes += key;
    MetricsRecord metrics;
    if (entry.metrics) {
        metrics.hasMetrics = 1;
        metrics.height = entry.metrics->height;
        metrics.ascent = entry.metrics->ascent;
        std::copy(entry.metrics->advance.begin(), entry.metrics->advance.end(),
                  std::begin(metrics.advance));
        std::copy(entry.metrics->settable.begin(), entry.metrics->settable.end(),
                  std::begin(metrics.settable));
        metrics.keptGlyphs = entry.metrics->keptGlyphs ? 1 : 0;
        metrics.additive = entry.metrics->additive ? 1 : 0;
    }
    metrics.pieces = pieces.size();
    Append(bytes, metrics);
    Append(bytes, Checksum(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QByteArray masks;
    for (const auto& [where, piece] : pieces) {
        PieceRecord record;
        record.turn = where.first;
        record.key = where.second;
        record.x = piece.origin.x();
        record.y = piece.origin.y();
        record.width = piece.width;
        record.height = piece.height;
        const bool inkOnly = piece.painted == piece.ink;
        record.flags = (piece.reachesEdge ? kReachesEdge : 0) | (piece.blank ? kBlank : 0) |
                       (piece.whiteBox ? kWhiteBox : 0) | (inkOnly ? kInkOnly : 0);
        record.maskOffset = static_cast<std::uint64_t>(masks.size());
        if (HasMasks(piece)) {
            masks.append(reinterpret_cast<const char*>(piece.painted.data()),
                         static_cast<qsizetype>(piece.painted.size()));
            if (!inkOnly) {
                masks.append(reinterpret_cast<const char*>(piece.ink.data()),
                             static_cast<qsizetype>(piece.ink.size()));
            }
        }
        record.check = RecordChecksum(record, masks.constData() + record.maskOffset,
                                      static_cast<std::size_t>(masks.size()) - record.maskOffset);
        Append(bytes, record);
    }
    bytes += masks;
    return bytes;
}

bool CLabelStore::Save(QString* error) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    bool changed = false;
    for (const auto& [fontKey, entry] : m_entries) {
        changed = changed || entry.changed;
    }
    if (!changed) {
        return true;
    }
    if (!QDir().mkpath(QFileInfo(m_folder).path())) {
        *error = QStringLiteral("cannot make %1").arg(m_folder);
        return false;
    }
    // The folder itself only this user may write in.
    ::mkdir(QFile::encodeName(m_folder).constData(), 0700);
    const int folder = OpenOwnFolder(m_folder, true);
    if (folder < 0) {
        *error = QStringLiteral("%1 is not a folder of this user's alone").arg(m_folder);
        return false;
    }
    bool saved = true;
    for (auto& [fontKey, entry] : m_entries) {
        if (!entry.changed) {
            continue;
        }
        // Written whole as a new file beside and renamed over the old one:
        // a run reading it meanwhile sees the old file or the new one, never
        // half of one, and a link or a file planted at the name is replaced,
        // never written through.
        const QByteArray bytes = FileBytes(fontKey, entry);
        const QByteArray name = QFile::encodeName(FileOf(fontKey));
        QByteArray temporary;
        int fd = -1;
        for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
            temporary = '.' + name + '.' +
                        QByteArray::number(QRandomGenerator::system()->generate64(), 36) + ".tmp";
            fd = ::openat(folder, temporary.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        }
        const bool written = fd >= 0 && WriteAll(fd, bytes) == 0;
        const int writeError = errno;
        const bool closed = fd >= 0 && ::close(fd) == 0;
        if (!written || !closed ||
            ::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(written ? errno : writeError));
            if (fd >= 0) {
                ::unlinkat(folder, temporary.constData(), 0);
            }
            saved = false;
            continue;
        }
        entry.changed = false;
    }
    ::close(folder);
    // The folder keeps the files of the sizes used last: one left from long
    // ago is painted again should it be needed.
    const QDir dir(m_folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.glyphs")}, QDir::Files | QDir::System, QDir::Time);
    for (qsizetype i = kMaxFiles; i < files.size(); ++i) {
        QFile::remove(files[i].filePath());
    }
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(
        -std::chrono::duration_cast<std::chrono::seconds>(kStaleTemporary).count());
    for (const QFileInfo& left :
         dir.entryInfoList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden)) {
        if (left.lastModified().toUTC() < stale) {
            QFile::remove(left.filePath());
        }
    }
    return saved;
}

QString LabelStoreFolder() {
    // The cache folder the user names, when it is absolute (a relative one
    // would follow the current folder), else the home's; none without a home.
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    QString base;
    if (cache.startsWith('/')) {
        base = QFile::decodeName(cache);
    } else if (const QByteArray home = qgetenv("HOME"); home.startsWith('/') && home != "/") {
        base = QFile::decodeName(home) + QStringLiteral("/.cache");
    } else {
        return {};
    }
    return QDir::cleanPath(base + QStringLiteral("/quillmark/label-glyphs"));
}
