#include "ZplWriter.h"
#include "ZplRendering.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

// A Format_Mono image, bit 1 black, from rows of bytes (the row's padding
// bits set, as a fill leaves them).
QImage MonoRows(int width, const std::vector<std::vector<uchar>>& rows) {
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(1);
    for (int y = 0; y < image.height(); ++y) {
        std::copy(rows[y].begin(), rows[y].end(), image.scanLine(y));
    }
    return image;
}

// A row of one byte, then `count` bytes alike.
std::vector<uchar> Row(uchar first, uchar rest, int count) {
    std::vector<uchar> row(static_cast<std::size_t>(count) + 1, rest);
    row[0] = first;
    return row;
}

TEST(ZplWriter, GraphicDataIsZplsOwnCompression) {
    const struct {
        const char* name;
        int width;
        std::vector<std::vector<uchar>> rows;
        const char* data;
    } cases[] = {
        {"white row", 16, {{0x00, 0x00}}, ","},
        {"black row", 16, {{0xff, 0xff}}, "!"},
        {"rows repeated", 16, {{0xff, 0x00}, {0xff, 0x00}, {0x00, 0x00}}, "HF,:,"},
        {"ends in black", 16, {{0x00, 0xff}}, "H0!"},
        // The dots past a 12-dot row's edge are white, whatever the image held.
        {"partial byte", 12, {{0xff, 0xff}}, "IF,"},
        {"counts of twenties", 800, {Row(0x0f, 0xaa, 99)}, "0FoXA"},
        {"runs past 400", 2000, {std::vector<uchar>(250, 0x55)}, "z5k5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZplGraphicData(MonoRows(c.width, c.rows)).toStdString(), c.data) << c.name;
    }
}

TEST(ZplWriter, LabelSetsWhatTheProfileSets) {
    const QImage dots = MonoRows(16, {{0xff, 0x00}});
    EXPECT_EQ(ZplLabel(dots, PrinterProfile{}).toStdString(),
              "^XA\n^PW16^LL1^LH0,0\n^FO0,0^GFA,2,2,2,HF,^FS\n^PQ1\n^XZ\n");
    PrinterProfile profile;
    profile.darkness = 7;
    profile.speed = 4;
    profile.mediaMode = MediaMode::Peel;
    profile.mediaType = MediaType::DirectThermal;
    profile.offsetXDots = 10;
    profile.offsetYDots = 20;
    const std::string label = ZplLabel(dots, profile, 3).toStdString();
    for (const char* command : {"~SD07", "^PR4", "^MMP", "^MTD", "^LH10,20", "^PQ3"}) {
        EXPECT_NE(label.find(command), std::string::npos) << command;
    }
    EXPECT_TRUE(ZplLabel(QImage(), profile).isEmpty());
    for (const auto& change :
         {+[](PrinterProfile& p) { p.dpi = 250; }, +[](PrinterProfile& p) { p.darkness = 31; },
          +[](PrinterProfile& p) { p.speed = 0; },
          +[](PrinterProfile& p) { p.offsetXDots = -1; }}) {
        PrinterProfile bad;
        change(bad);
        EXPECT_FALSE(ProfileFault(bad).isEmpty());
    }
}

// Random runs of every length, as the independent interpreter draws them:
// every dot where it was.
TEST(ZplWriter, InterpreterDrawsEveryDot) {
    constexpr int kWidth = 203;
    constexpr int kHeight = 120;
    QImage image(kWidth, kHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    std::mt19937 random(36);
    for (int y = 0; y < kHeight; ++y) {
        if (y % 7 == 3) {
            std::memcpy(image.scanLine(y), image.constScanLine(y - 1),
                        static_cast<std::size_t>(image.bytesPerLine()));
            continue;
        }
        bool black = (random() & 1U) != 0;
        for (int x = 0; x < kWidth;) {
            const int run = 1 + static_cast<int>(random() % (y % 2 == 0 ? 9U : 90U));
            for (int i = x; i < std::min(x + run, kWidth); ++i) {
                image.setPixel(i, y, black ? 1 : 0);
            }
            x += run;
            black = !black;
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dots.zpl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ZplLabel(image, PrinterProfile{}));
    file.close();
    QString why;
    const std::vector<QImage> drawn =
        RenderZplIndependently(path, kWidth / 8.0, kHeight / 8.0, 8, &why);
    if (!why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    ASSERT_EQ(drawn.size(), 1U);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            wrong += int((qGray(drawn[0].pixel(x, y)) < 128) != (image.pixelIndex(x, y) == 1));
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
