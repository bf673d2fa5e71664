#pragma once

#include "Barcode.h"
#include "DeviceMapping.h"
#include "Encoding.h"

#include <QString>

// What the device grid makes of the narrow element on one device, said where
// it is decided: "X 10.4 mil = 1 px @ 96 dpi, ratio 3", the ratio left out
// where it is 0 (a symbol without wide elements). A device that cannot come
// within 10 % of the Density says so; fixed-size bars (Postnet) say that they
// keep their true size. unit names the device's dots ("px", "dots").
QString AchievedSizeText(const Encoding& encoding, int ratio, int dpi, int zoom,
                         const QString& unit);

// The same for a symbol drawn with a mapping (its resolution along x and
// zoom), with its ratio where it has wide elements.
QString AchievedSizeText(const CBarcode& barcode, const DeviceMapping& mapping,
                         const QString& unit);
