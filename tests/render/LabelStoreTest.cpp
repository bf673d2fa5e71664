// The label store's files as whatever may lie at their names: only a whole
// regular file of the user's is ever drawn from, nothing at the name is
// followed or written through, and no kind of file stops or ends a run.
#include "LabelStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

const QString kFont = QStringLiteral("Courier New|7.992|100|0|2|256|11811|11811");
constexpr std::int64_t kKey = std::int64_t{65} * 64; // "A" at 0/64

LabelSprite Glyph() {
    LabelSprite piece;
    piece.SetSize(11, 19);
    piece.blank = false;
    piece.painted.assign(piece.RowStart(piece.height), 0x3c);
    piece.ink = piece.painted;
    return piece;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(LabelStore, DrawsOnlyFromAWholeFileOfItsOwnAndWritesThroughNothing) {
    struct Row {
        const char* kind;
        // Puts something at the file's path (its own file lies there before).
        std::function<void(const QString& path, const QString& other)> plant;
        bool read;
    };
    const auto link = [](const char* target) {
        return [target](const QString& path, const QString& other) {
            QFile::remove(path);
            ASSERT_TRUE(QFile::link(target != nullptr ? QString::fromLatin1(target) : other, path));
        };
    };
    const Row rows[] = {
        {"its own file", [](const QString&, const QString&) {}, true},
        {"a FIFO",
         [](const QString& path, const QString&) {
             QFile::remove(path);
             ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
         },
         false},
        {"a link to a store file", link(nullptr), false},
        {"a link to a device", link("/dev/zero"), false},
        {"a folder others may write in (closed to them when saving)",
         [](const QString& path, const QString&) {
             ASSERT_EQ(::chmod(QFile::encodeName(QFileInfo(path).path()).constData(), 0777), 0);
         },
         false},
        {"damaged masks",
         [](const QString& path, const QString&) {
             QByteArray bytes = Read(path);
             bytes[bytes.size() - 5] = static_cast<char>(bytes[bytes.size() - 5] ^ 0x10);
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(bytes);
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        const QTemporaryDir folder;
        const QString other = folder.filePath(QStringLiteral("other"));
        {
            CLabelStore store(folder.path(), QStringLiteral("test"));
            store.AddPiece(kFont, 1, kKey, Glyph());
            QString error;
            ASSERT_TRUE(store.Save(&error)) << error.toStdString();
        }
        const QStringList names = QDir(folder.path()).entryList({"*.glyphs"}, QDir::Files);
        ASSERT_EQ(names.size(), 1);
        const QString path = folder.filePath(names.constFirst());
        ASSERT_TRUE(QFile::copy(path, other));
        const QByteArray otherBytes = Read(other);
        row.plant(path, other);
        CLabelStore store(folder.path(), QStringLiteral("test"));
        const std::optional<LabelSprite> piece = store.Piece(kFont, 1, kKey);
        ASSERT_EQ(piece.has_value(), row.read);
        if (piece) {
            EXPECT_EQ(piece->painted, Glyph().painted);
        }
        // Saved anew: a new regular file at the name, whatever was there.
        store.AddPiece(kFont, 2, kKey, Glyph());
        QString error;
        ASSERT_TRUE(store.Save(&error)) << error.toStdString();
        struct stat status {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0);
        EXPECT_TRUE(S_ISREG(status.st_mode));
        EXPECT_EQ(Read(other), otherBytes);
        EXPECT_TRUE(CLabelStore(folder.path(), QStringLiteral("test")).Piece(kFont, 2, kKey));
    }
}

// A file cut short while a store reads from it costs the pieces it lost, no
// signal; the file written then holds what was still whole.
TEST(LabelStore, AFileCutShortInUseOnlyLacksItsPieces) {
    const QTemporaryDir folder;
    {
        CLabelStore store(folder.path(), QStringLiteral("test"));
        for (int i = 0; i < 64; ++i) {
            store.AddPiece(kFont, 0, kKey + i, Glyph());
        }
        QString error;
        ASSERT_TRUE(store.Save(&error));
    }
    const QString path =
        folder.filePath(QDir(folder.path()).entryList({"*.glyphs"}, QDir::Files).constFirst());
    CLabelStore store(folder.path(), QStringLiteral("test"));
    ASSERT_TRUE(store.Piece(kFont, 0, kKey));
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), QFileInfo(path).size() - 200), 0);
    EXPECT_TRUE(store.Piece(kFont, 0, kKey + 1));
    EXPECT_FALSE(store.Piece(kFont, 0, kKey + 63));
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 100), 0);
    EXPECT_FALSE(store.Piece(kFont, 0, kKey + 2));
}
