#pragma once

#include "LabelSprite.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

// Label glyphs kept on disk between runs of the command-line tool, so that a
// run that draws one symbol needs no font at all: the label font's metrics
// at a size and resolution, and the glyph and box images the painter made
// for it, per turn. A run that draws what the store lacks paints it (with the
// fonts) and adds it; Save writes what was added.
//
// Each font, size and resolution is one file in the folder, named by a digest
// of its key and of the identity: what else decides the pixels (the face
// file, the rasteriser's libraries and their settings). A file of another
// identity, of another key, or damaged in any way (each piece carries a
// checksum) is not used and is written afresh; a file that cannot be written
// only costs the next run its speed. Only regular files of this user's, in a
// folder only this user may write in, are read, never through a link; files
// are written beside and renamed, never written into. The folder keeps the 64
// files written last.
//
// Several threads may use one store at once.
class CLabelStore {
public:
    CLabelStore(QString folder, QString identity);

    // The metrics stored for a font key (see LabelFontKey).
    std::optional<LabelFontMetrics> Metrics(const QString& fontKey);
    void SetMetrics(const QString& fontKey, const LabelFontMetrics& metrics);
    // A piece stored for a font key, a turn (see TurnCode) and a piece key:
    // a glyph (character x 64 + 64ths of its origin) or a box (see BoxKey).
    std::optional<LabelSprite> Piece(const QString& fontKey, int turn, std::int64_t key);
    void AddPiece(const QString& fontKey, int turn, std::int64_t key, const LabelSprite& piece);

    // Writes every file that gained anything; false, with the reason, when one
    // could not be written.
    bool Save(QString* error);

private:
    // A piece's place: its turn and key.
    using PieceKey = std::pair<int, std::int64_t>;
    // A store file held open while the store reads pieces out of it.
    struct OpenFile {
        int fd = -1;
        OpenFile() = default;
        OpenFile(const OpenFile&) = delete;
        OpenFile& operator=(const OpenFile&) = delete;
        ~OpenFile();
    };
    struct Entry {
        bool loaded = false;
        bool changed = false;
        std::optional<LabelFontMetrics> metrics;
        // The file as opened: its records and pieces are read out of it when
        // asked for, so a run reads those of the glyphs it draws only. (The
        // store replaces a file by renaming a new one over it, never by
        // writing into it.)
        std::shared_ptr<const OpenFile> file;
        qsizetype records = 0;                 // pieces in the file, sorted by turn and key
        qsizetype recordAt = 0;                // where their records start
        qsizetype maskAt = 0;                  // where their masks start
        std::uint64_t maskBytes = 0;           // and how many bytes they had when opened
        std::map<PieceKey, LabelSprite> added; // pieces added by this run
    };
    Entry& EntryOf(const QString& fontKey);       // loaded from its file the first time
    QString FileOf(const QString& fontKey) const; // its name in the folder
    void Load(const QString& fontKey, Entry& entry) const;
    QByteArray FileBytes(const QString& fontKey, const Entry& entry) const;
    // A record's piece, or none when the file no longer holds it whole.
    static std::optional<LabelSprite> FilePiece(const Entry& entry, qsizetype index);
    static std::optional<PieceKey> FileKey(const Entry& entry, qsizetype index);

    QString m_folder;
    QString m_identity;
    std::mutex m_mutex;
    std::map<QString, Entry> m_entries;
};

// The key of a box piece of a width in 64ths of a pixel (glyph keys are
// never negative).
inline std::int64_t BoxKey(std::int64_t width64) {
    return -1 - width64;
}

// The store's folder in the user's cache folder: $XDG_CACHE_HOME when it is
// absolute, else ~/.cache; empty (no store) without a home.
QString LabelStoreFolder();
