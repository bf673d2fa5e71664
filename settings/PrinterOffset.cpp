#include "PrinterOffset.h"

#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

// The store's group of one printer. A printer's name may hold any character,
// '/' (a group separator) included: the name is percent-encoded, and the file
// output's empty name, which no printer encodes to, has a group of its own.
QString GroupOf(const QString& printerName) {
    const QString name = printerName.isEmpty()
                             ? QStringLiteral("(file)")
                             : QString::fromLatin1(QUrl::toPercentEncoding(printerName));
    return QStringLiteral("PrinterOffset/") + name + QLatin1Char('/');
}

double ReadMils(QSettings& store, const QString& key) {
    bool ok = false;
    const double mils = store.value(key).toDouble(&ok);
    return ok && std::isfinite(mils) && std::abs(mils) <= kMaxPrinterOffsetMils ? mils : 0;
}

double ReadScale(QSettings& store, const QString& key) {
    bool ok = false;
    const double scale = store.value(key, 1.0).toDouble(&ok);
    return ok && std::isfinite(scale) && std::abs(scale - 1) <= kMaxPrinterScaleError ? scale : 1;
}

double BoundedScale(double scale) {
    return std::isfinite(scale)
               ? std::clamp(scale, 1 - kMaxPrinterScaleError, 1 + kMaxPrinterScaleError)
               : 1;
}

double Bounded(double mils) {
    return std::isfinite(mils) ? std::clamp(mils, -kMaxPrinterOffsetMils, kMaxPrinterOffsetMils)
                               : 0;
}

} // namespace

PrinterOffset ReadPrinterOffset(QSettings& store, const QString& printerName) {
    const QString group = GroupOf(printerName);
    return {ReadMils(store, group + QLatin1Char('X')), ReadMils(store, group + QLatin1Char('Y')),
            ReadScale(store, group + QStringLiteral("ScaleX")),
            ReadScale(store, group + QStringLiteral("ScaleY"))};
}

void WritePrinterOffset(QSettings& store, const QString& printerName, const PrinterOffset& offset) {
    const QString group = GroupOf(printerName);
    store.setValue(group + QLatin1Char('X'), Bounded(offset.x));
    store.setValue(group + QLatin1Char('Y'), Bounded(offset.y));
    store.setValue(group + QStringLiteral("ScaleX"), BoundedScale(offset.scaleX));
    store.setValue(group + QStringLiteral("ScaleY"), BoundedScale(offset.scaleY));
}
