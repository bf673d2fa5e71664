#include "SymbolReaders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>
#include <mutex>

namespace {

// The module named by QUILLMARK_READERS_MODULE (for programs run where they
// were not installed: the tests), else the one installed beside the program
// (its folder from the program's own: "../lib/quillmark"). No other place is
// looked at: a folder of the build is no place to load code from.
QStringList ModulePaths() {
    if (const QString named = qEnvironmentVariable("QUILLMARK_READERS_MODULE"); !named.isEmpty()) {
        return {named};
    }
    const QFileInfo program(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    if (program.filePath().isEmpty()) {
        return {};
    }
    return {QDir::cleanPath(program.absolutePath() + QLatin1Char('/') +
                            QStringLiteral(QUILLMARK_READERS_INSTALLED))};
}

struct Loaded {
    const SymbolReaders* readers = nullptr;
    QString error;
};

Loaded Load() {
    QStringList failures;
    for (const QString& path : ModulePaths()) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            failures << QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = const SymbolReaders* (*)();
        // The module's one entry point, found by name (as dlsym gives it).
        const auto entry =
            reinterpret_cast<Entry>(dlsym(module, "QuillmarkSymbolReaders")); // NOLINT
        if (const SymbolReaders* readers = entry != nullptr ? entry() : nullptr) {
            return {readers, {}}; // kept loaded for the rest of the process
        }
        failures << QCoreApplication::translate("SymbolReaders", "%1 has no readers").arg(path);
        dlclose(module);
    }
    if (failures.isEmpty()) {
        const QStringList paths = ModulePaths();
        failures << (paths.isEmpty()
                         ? QCoreApplication::translate("SymbolReaders",
                                                       "the program's folder is unknown")
                         : QCoreApplication::translate("SymbolReaders", "%1 is not installed")
                               .arg(paths.constFirst()));
    }
    return {nullptr, failures.join(QStringLiteral("; "))};
}

} // namespace

const SymbolReaders* LoadSymbolReaders(QString* error) {
    static std::once_flag once;
    static Loaded loaded;
    std::call_once(once, [] { loaded = Load(); });
    if (loaded.readers == nullptr && error != nullptr) {
        *error = loaded.error;
    }
    return loaded.readers;
}
