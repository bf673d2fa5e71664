#pragma once

#include "LabelSprite.h"

#include <QFile>
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
// identity, of another key, or damaged in any way is not used and is written
// afresh; a file that cannot be written only costs the next run its speed.
// The folder keeps the 64 files written last.
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
    struct Entry {
        bool loaded = false;
        bool changed = false;
        std::optional<LabelFontMetrics> metrics;
        // The file as read: its pieces are read out of it when asked for.
        // Mapped into memory where the system allows: a run reads the pages
        // of the pieces it draws only. (The store replaces a file by
        // renaming a new one over it, never by writing into it.)
        std::shared_ptr<QFile> mapped;
        QByteArray file;
        qsizetype records = 0;                 // pieces in the file, sorted by turn and key
        qsizetype recordAt = 0;                // where their records start
        qsizetype maskAt = 0;                  // where their masks start
        std::map<PieceKey, LabelSprite> added; // pieces added by this run
    };
    Entry& EntryOf(const QString& fontKey); // loaded from its file the first time
    QString FileOf(const QString& fontKey) const;
    void Load(const QString& fontKey, Entry& entry) const;
    static std::optional<LabelSprite> FilePiece(const Entry& entry, qsizetype index);
    static PieceKey FileKey(const Entry& entry, qsizetype index);

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
