#include "LabelStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// The file: a header, the metrics, then one fixed-size record per piece,
// sorted by turn and key, then the pieces' masks. Numbers are in the
// machine's own order: the file never leaves the machine that wrote it.
constexpr std::uint32_t kMagic = 0x474c4d51; // "QMLG"
constexpr std::uint32_t kFormat = 3;
// Bounds a damaged file cannot pass: no label piece is larger.
constexpr std::int32_t kMaxPieceSide = 4096;
constexpr int kTurns = 4;
// Files kept in the folder, one for each label font size and resolution.
constexpr qsizetype kMaxFiles = 64;

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
};
static_assert(std::is_trivially_copyable_v<PieceRecord> && sizeof(PieceRecord) == 40);

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

// Whether a piece needs its masks to be drawn.
bool HasMasks(const LabelSprite& piece) {
    return !piece.blank && !piece.whiteBox;
}

} // namespace

CLabelStore::CLabelStore(QString folder, QString identity)
    : m_folder(std::move(folder)), m_identity(std::move(identity)) {}

QString CLabelStore::FileOf(const QString& fontKey) const {
    const QByteArray digest = QCryptographicHash::hash(
        (m_identity + QLatin1Char('\n') + fontKey).toUtf8(), QCryptographicHash::Sha1);
    return m_folder + QLatin1Char('/') + QString::fromLatin1(digest.toHex()) +
           QStringLiteral(".glyphs");
}

CLabelStore::PieceKey CLabelStore::FileKey(const Entry& entry, qsizetype index) {
    const auto record = ReadAt<PieceRecord>(
        entry.file, entry.recordAt + index * static_cast<qsizetype>(sizeof(PieceRecord)));
    return {record.turn, record.key};
}

std::optional<LabelSprite> CLabelStore::FilePiece(const Entry& entry, qsizetype index) {
    const auto record = ReadAt<PieceRecord>(
        entry.file, entry.recordAt + index * static_cast<qsizetype>(sizeof(PieceRecord)));
    LabelSprite piece;
    piece.origin = QPoint(record.x, record.y);
    piece.SetSize(record.width, record.height);
    piece.reachesEdge = (record.flags & kReachesEdge) != 0;
    piece.blank = (record.flags & kBlank) != 0;
    piece.whiteBox = (record.flags & kWhiteBox) != 0;
    if (HasMasks(piece)) {
        const std::size_t size = piece.RowStart(piece.height);
        const char* masks = entry.file.constData() + entry.maskAt + record.maskOffset;
        piece.painted.assign(masks, masks + size);
        const char* ink = (record.flags & kInkOnly) != 0 ? masks : masks + size;
        piece.ink.assign(ink, ink + size);
    }
    return piece;
}

void CLabelStore::Load(const QString& fontKey, Entry& entry) const {
    auto file = std::make_shared<QFile>(FileOf(fontKey));
    if (!file->open(QIODevice::ReadOnly)) {
        return;
    }
    Entry read;
    const qint64 size = file->size();
    if (uchar* bytes = size > 0 ? file->map(0, size) : nullptr) {
        read.mapped = file;
        read.file = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), size);
    } else {
        read.file = file->readAll();
    }
    const QByteArray& bytes = read.file;
    const QByteArray identity = m_identity.toUtf8();
    const QByteArray key = fontKey.toUtf8();
    const auto headerSize = static_cast<qsizetype>(sizeof(Header));
    if (bytes.size() < headerSize) {
        return;
    }
    const auto header = ReadAt<Header>(bytes, 0);
    const qsizetype metricsAt = headerSize + identity.size() + key.size();
    if (header.magic != kMagic || header.format != kFormat ||
        header.identityBytes != static_cast<std::uint32_t>(identity.size()) ||
        header.keyBytes != static_cast<std::uint32_t>(key.size()) ||
        bytes.size() < metricsAt + static_cast<qsizetype>(sizeof(MetricsRecord)) ||
        bytes.mid(headerSize, identity.size()) != identity ||
        bytes.mid(headerSize + identity.size(), key.size()) != key) {
        return;
    }
    const auto metrics = ReadAt<MetricsRecord>(bytes, metricsAt);
    read.recordAt = metricsAt + static_cast<qsizetype>(sizeof(MetricsRecord));
    const qsizetype room =
        (bytes.size() - read.recordAt) / static_cast<qsizetype>(sizeof(PieceRecord));
    if (metrics.pieces > static_cast<std::uint64_t>(room)) {
        return;
    }
    read.records = static_cast<qsizetype>(metrics.pieces);
    read.maskAt = read.recordAt + read.records * static_cast<qsizetype>(sizeof(PieceRecord));
    // Every record within bounds, in order, its masks within the file.
    const auto maskBytes = static_cast<std::uint64_t>(bytes.size() - read.maskAt);
    for (qsizetype i = 0; i < read.records; ++i) {
        const auto record = ReadAt<PieceRecord>(
            bytes, read.recordAt + i * static_cast<qsizetype>(sizeof(PieceRecord)));
        if (record.turn < 0 || record.turn >= kTurns || record.width < 0 || record.height < 0 ||
            record.width > kMaxPieceSide || record.height > kMaxPieceSide ||
            std::abs(record.x) > kMaxPieceSide || std::abs(record.y) > kMaxPieceSide ||
            (i > 0 && FileKey(read, i - 1) >= FileKey(read, i))) {
            return;
        }
        const bool masks = (record.flags & (kBlank | kWhiteBox)) == 0;
        LabelSprite sized;
        sized.SetSize(record.width, record.height);
        const std::uint64_t size =
            sized.RowStart(record.height) * ((record.flags & kInkOnly) != 0 ? 1U : 2U);
        if (masks && (record.maskOffset > maskBytes || size > maskBytes - record.maskOffset)) {
            return;
        }
    }
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
        if (FileKey(entry, middle) < wanted) {
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

bool CLabelStore::Save(QString* error) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    bool saved = true;
    for (auto& [fontKey, entry] : m_entries) {
        if (!entry.changed) {
            continue;
        }
        // The file's pieces and this run's, in order.
        std::map<PieceKey, LabelSprite> pieces = entry.added;
        for (qsizetype i = 0; i < entry.records; ++i) {
            pieces.emplace(FileKey(entry, i), *FilePiece(entry, i));
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
            Append(bytes, record);
        }
        bytes += masks;
        if (!QDir().mkpath(m_folder)) {
            *error = QStringLiteral("cannot make %1").arg(m_folder);
            return false;
        }
        // Written whole under another name and renamed: a run reading it
        // meanwhile sees the old file or the new one, never half of one.
        QSaveFile file(FileOf(fontKey));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            *error = file.errorString();
            saved = false;
            continue;
        }
        entry.changed = false;
    }
    // The folder keeps the files of the sizes used last: one left from long
    // ago is painted again should it be needed.
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.glyphs")}, QDir::Files, QDir::Time);
    for (qsizetype i = kMaxFiles; i < files.size(); ++i) {
        QFile::remove(files[i].filePath());
    }
    return saved;
}
