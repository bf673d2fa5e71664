// The settings values: any bytes as the settings file, read through the
// reader the program installs and through a store opened afresh. Every
// version of the file is seen by the next symbol, every value read lies in
// its range, and both reads agree.
#include "FuzzInput.h"

#include "BarcodeSettings.h"
#include "Symbologies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {

QString g_settingsPath;
// Each version of the file a second later than the last: versions of one
// size written within a millisecond would read as one (CSettingsStore).
qint64 g_version = 0;
constexpr qint64 kFirstVersionTime = 1'000'000'000; // seconds since 1970

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // A store of the fuzzer's own, never the user's.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    static QCoreApplication app(*argc, *argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    g_settingsPath = QSettings().fileName();
    QDir().mkpath(QFileInfo(g_settingsPath).path());
    // One reader for the whole run, as in the program: it must notice each
    // new version of the file.
    SetProfileReader(SettingsStoreReader());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(g_settingsPath);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                   static_cast<qint64>(size));
        file.setFileTime(QDateTime::fromSecsSinceEpoch(kFirstVersionTime + ++g_version),
                         QFileDevice::FileModificationTime);
    }
    const std::unique_ptr<CBarcode> barcode = CreateBarcode(SymbologyId::Code39, "A");
    const BarcodeSettings built = barcode->Widths();
    FUZZ_CHECK(built.density >= kMinDensity && built.density <= kMaxDensity);
    FUZZ_CHECK(built.ratio >= kMinRatio && built.ratio <= kMaxRatio);
    QSettings fresh;
    FUZZ_CHECK(ReadBarcodeSettings(fresh) == built);
    return 0;
}
