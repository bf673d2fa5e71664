#include "SymbolReaders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>
#include <mutex>

namespace {

// The module as installed beside the program (its folder from the programs'
// own: "../lib/quillmark"), then as built, for the programs run in the
// build tree (the tests among them).
QStringList ModulePaths() {
    QStringList paths;
    const QFileInfo program(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    if (!program.filePath().isEmpty()) {
        paths << QDir::cleanPath(program.absolutePath() + QLatin1Char('/') +
                                 QStringLiteral(QUILLMARK_READERS_INSTALLED));
    }
    paths << QStringLiteral(QUILLMARK_READERS_BUILT);
    return paths;
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
        failures << QStringLiteral("%1 has no readers").arg(path);
        dlclose(module);
    }
    if (failures.isEmpty()) {
        failures << QStringLiteral("%1 is not installed").arg(ModulePaths().constFirst());
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
