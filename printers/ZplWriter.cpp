#include "ZplWriter.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
// The longest run one repeat count holds: "z" is 400.
constexpr int kLongestRun = 400;
constexpr int kRunStep = 20; // "g" to "z" count 20 to 400 in steps of 20

// A run of `count` equal hex digits: the repeat count (its twenties as "g"
// to "z", the rest as "G" to "Y"), then the digit; a single digit alone.
void PutRun(QByteArray& out, char digit, int count) {
    while (count > 0) {
        const int run = std::min(count, kLongestRun);
        count -= run;
        if (run > 1) {
            if (run >= kRunStep) {
                out.append(static_cast<char>('g' + run / kRunStep - 1));
            }
            if (run % kRunStep != 0) {
                out.append(static_cast<char>('G' + run % kRunStep - 1));
            }
        }
        out.append(digit);
    }
}

// One row's hex digits, with runs counted; a run of white or black that ends
// the row is cut short by "," or "!".
void PutRow(QByteArray& out, const uchar* row, int bytes) {
    const int digits = 2 * bytes;
    const auto digitAt = [row](int i) {
        return (i & 1) != 0 ? row[i >> 1] & 0x0fU : row[i >> 1] >> 4U;
    };
    // Where the row's last run starts.
    const unsigned last = digitAt(digits - 1);
    int tail = digits - 1;
    while (tail > 0 && digitAt(tail - 1) == last) {
        --tail;
    }
    const bool cutShort = last == 0x0 || last == 0xf;
    const int end = cutShort ? tail : digits;
    for (int i = 0; i < end;) {
        const unsigned digit = digitAt(i);
        int j = i + 1;
        while (j < end && digitAt(j) == digit) {
            ++j;
        }
        PutRun(out, kHex[digit], j - i);
        i = j;
    }
    if (cutShort) {
        out.append(last == 0 ? ',' : '!');
    }
}

void PutCommand(QByteArray& out, const char* command, int value) {
    out.append(command);
    out.append(QByteArray::number(value));
}

} // namespace

QByteArray ZplGraphicData(const QImage& label) {
    const int width = label.width();
    const int bytes = (width + 7) / 8;
    // The dots past the right edge, in the last byte, are white.
    const auto lastMask =
        static_cast<uchar>(width % 8 == 0 ? 0xffU : (0xff00U >> static_cast<unsigned>(width % 8)));
    QByteArray out;
    if (bytes == 0) {
        return out;
    }
    // Two rows, the one being written and the last one written, in turn.
    std::vector<uchar> rows(2 * static_cast<std::size_t>(bytes));
    uchar* row = rows.data();
    uchar* previous = row + bytes;
    for (int y = 0; y < label.height(); ++y) {
        std::memcpy(row, label.constScanLine(y), static_cast<std::size_t>(bytes));
        row[bytes - 1] &= lastMask;
        if (y > 0 && std::memcmp(row, previous, static_cast<std::size_t>(bytes)) == 0) {
            out.append(':');
            continue;
        }
        PutRow(out, row, bytes);
        std::swap(row, previous);
    }
    return out;
}

QByteArray ZplLabel(const QImage& label, const PrinterProfile& profile, int copies) {
    if (label.isNull() || label.format() != QImage::Format_Mono) {
        return {};
    }
    const qsizetype rowBytes = (label.width() + 7) / 8;
    const qsizetype total = rowBytes * label.height();
    if (total > kMaxZplGraphicBytes) {
        return {};
    }
    QByteArray out("^XA\n");
    if (profile.darkness) {
        out.append("~SD");
        out.append(QByteArray::number(*profile.darkness).rightJustified(2, '0'));
        out.append('\n');
    }
    if (profile.speed) {
        PutCommand(out, "^PR", *profile.speed);
        out.append('\n');
    }
    switch (profile.mediaMode) {
    case MediaMode::Printer:
        break;
    case MediaMode::TearOff:
        out.append("^MMT\n");
        break;
    case MediaMode::Peel:
        out.append("^MMP\n");
        break;
    case MediaMode::Cutter:
        out.append("^MMC\n");
        break;
    }
    switch (profile.mediaType) {
    case MediaType::Printer:
        break;
    case MediaType::DirectThermal:
        out.append("^MTD\n");
        break;
    case MediaType::ThermalTransfer:
        out.append("^MTT\n");
        break;
    }
    PutCommand(out, "^PW", label.width());
    PutCommand(out, "^LL", label.height());
    PutCommand(out, "^LH", profile.offsetXDots);
    PutCommand(out, ",", profile.offsetYDots);
    out.append('\n');
    PutCommand(out, "^FO0,0^GFA,", static_cast<int>(total));
    PutCommand(out, ",", static_cast<int>(total));
    PutCommand(out, ",", static_cast<int>(rowBytes));
    out.append(',');
    out.append(ZplGraphicData(label));
    out.append("^FS\n");
    PutCommand(out, "^PQ", std::max(copies, 1));
    out.append("\n^XZ\n");
    return out;
}
