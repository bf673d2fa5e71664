// The label store's files: any bytes as the file of a label font, read by a
// store opened afresh. Nothing it gives may reach past its own masks, its
// pieces are no larger than a label can be, and writing it back out (with a
// piece added) gives a file the next store reads the same.
#include "FuzzInput.h"

#include "LabelStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace {

const QString kIdentity = QStringLiteral("fuzz");
const QString kFontKey = QStringLiteral("Courier New|7.992|100|0|2|256|11811|11811");
QString g_folder;
QString g_file;

// A glyph and a box piece of a real label's sizes.
LabelSprite Piece(int width, int height, bool whiteBox) {
    LabelSprite piece;
    piece.origin = QPoint(-1, 2);
    piece.SetSize(width, height);
    piece.blank = false;
    piece.whiteBox = whiteBox;
    if (!whiteBox) {
        piece.painted.assign(piece.RowStart(height), 0);
        for (std::size_t i = 1; i < piece.painted.size(); i += 3) {
            piece.painted[i] = 0x5a;
        }
        piece.ink = piece.painted;
    }
    return piece;
}

void ExpectWhole(const std::optional<LabelSprite>& piece) {
    if (!piece) {
        return;
    }
    FUZZ_CHECK(piece->width >= 0 && piece->height >= 0 && piece->width <= 4096 &&
               piece->height <= 4096);
    FUZZ_CHECK(piece->rowBytes == (piece->width + 7) / 8);
    if (!piece->blank && !piece->whiteBox) {
        FUZZ_CHECK(piece->painted.size() == piece->RowStart(piece->height));
        FUZZ_CHECK(piece->ink.size() == piece->painted.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    g_folder = folder.path();
    // The file a store of this identity keeps for the font: found by
    // writing one.
    CLabelStore store(g_folder, kIdentity);
    store.SetMetrics(kFontKey, LabelFontMetrics{});
    store.AddPiece(kFontKey, 1, 65 * 64 + 3, Piece(13, 21, false));
    QString error;
    FUZZ_CHECK(store.Save(&error));
    const QStringList files = QDir(g_folder).entryList(QDir::Files);
    FUZZ_CHECK(files.size() == 1);
    g_file = g_folder + QLatin1Char('/') + files.constFirst();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(g_file);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    constexpr std::array<std::int64_t, 4> kKeys{65 * 64 + 3, 0, -1 - 1267, 255 * 64 + 63};
    std::array<std::optional<LabelSprite>, 4 * kKeys.size()> read;
    {
        CLabelStore store(g_folder, kIdentity);
        (void)store.Metrics(kFontKey);
        for (std::size_t i = 0; i < read.size(); ++i) {
            read[i] = store.Piece(kFontKey, static_cast<int>(i % 4), kKeys[i / 4]);
            ExpectWhole(read[i]);
        }
        // Written back with one more piece: every piece read survives it.
        store.AddPiece(kFontKey, 0, 66 * 64, Piece(9, 17, true));
        QString error;
        store.Save(&error);
    }
    CLabelStore again(g_folder, kIdentity);
    for (std::size_t i = 0; i < read.size(); ++i) {
        const std::optional<LabelSprite> piece =
            again.Piece(kFontKey, static_cast<int>(i % 4), kKeys[i / 4]);
        ExpectWhole(piece);
        FUZZ_CHECK(piece.has_value() == read[i].has_value());
        if (piece && read[i]) {
            FUZZ_CHECK(piece->painted == read[i]->painted && piece->ink == read[i]->ink &&
                       piece->origin == read[i]->origin);
        }
    }
    return 0;
}
