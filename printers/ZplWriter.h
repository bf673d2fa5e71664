#pragma once

#include "PrinterProfile.h"

#include <QByteArray>

class QImage;

// The largest label image sent as one graphic field, in bytes of dots: a
// printer's image buffer holds no more.
inline constexpr qsizetype kMaxZplGraphicBytes = qsizetype{8} * 1024 * 1024;

// One label in ZPL II: a ^XA...^XZ block that sets the print width, label
// length and home, the darkness, speed and media as the profile says (only
// what it sets), and prints `label` - a Format_Mono image at the printer's
// dots, bit 1 black - as one compressed graphic field, `copies` times. The
// printer computes no bar: it prints the dots it is given. Empty when the
// image is null or larger than a printer takes.
QByteArray ZplLabel(const QImage& label, const PrinterProfile& profile, int copies = 1);

// The dots of a Format_Mono image as the data of a ^GFA field, in ZPL's own
// compression: hex digits with repeat counts, a row that ends in white (",")
// or black ("!") cut short, and a row like the one before it as ":". Every
// row is whole bytes; the dots past the image's right edge are white.
QByteArray ZplGraphicData(const QImage& label);
