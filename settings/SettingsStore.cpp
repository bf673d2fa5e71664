#include "SettingsStore.h"

#include <QFile>
#include <QStandardPaths>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <sys/stat.h>
#define QUILLMARK_STORE_IS_ONE_FILE 1
#endif

namespace {

#ifdef QUILLMARK_STORE_IS_ONE_FILE
// One stat call: far cheaper than opening the store, which looks up the
// user's and the system's files of both the organisation and the program.
CSettingsStore::FileStamp StampOf(const QByteArray& path) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        return {};
    }
    return {true,
            S_ISREG(info.st_mode),
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec),
            static_cast<std::int64_t>(info.st_ctim.tv_sec),
            static_cast<std::int64_t>(info.st_ctim.tv_nsec)};
}

// The user's file of the program's store, where a write goes.
QString UserStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QString::fromLatin1(kSettingsCompany) + QLatin1Char('/') +
           QString::fromLatin1(kApplicationName) + QStringLiteral(".conf");
}
#endif

} // namespace

QString IrregularStoreFile() {
#ifdef QUILLMARK_STORE_IS_ONE_FILE
    const QString company = QString::fromLatin1(kSettingsCompany);
    const QString program = company + QLatin1Char('/') + QString::fromLatin1(kApplicationName);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString& name : {program, company}) {
            QString path = folder + QLatin1Char('/') + name + QStringLiteral(".conf");
            const CSettingsStore::FileStamp stamp = StampOf(QFile::encodeName(path));
            if (stamp.exists && !stamp.regular) {
                return path;
            }
        }
    }
#endif
    return {};
}

std::unique_ptr<QSettings> OpenSettingsStore() {
    if (!IrregularStoreFile().isEmpty()) {
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsCompany),
                                       QString::fromLatin1(kApplicationName));
}

int ReadProfileInt(QSettings& settings, const QString& section, const QString& key,
                   int defaultValue) {
    const QVariant value = settings.value(section + QLatin1Char('/') + key);
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

QString ReadSaveFolder(QSettings& settings) {
    return settings.value(QStringLiteral("Save/Folder")).toString();
}

void WriteSaveFolder(QSettings& settings, const QString& folder) {
    settings.setValue(QStringLiteral("Save/Folder"), folder);
}

CSettingsStore::CSettingsStore() = default;

CSettingsStore::~CSettingsStore() = default;

QSettings& CSettingsStore::Current() {
#ifdef QUILLMARK_STORE_IS_ONE_FILE
    if (!m_pStore) {
        m_pStore = OpenSettingsStore();
        m_path = QFile::encodeName(UserStoreFile());
        m_stamp = StampOf(m_path);
        m_pStore->sync(); // the file as stamped, should it have changed while opening
        return *m_pStore;
    }
    // Stamped before the store reads: a change made while it reads is newer
    // than the stamp and is read at the next look.
    const FileStamp now = StampOf(m_path);
    if (now != m_stamp) {
        m_stamp = now;
        if (m_pStore->fileName().isEmpty() || (now.exists && !now.regular)) {
            // To or from a FIFO or a device: opened afresh, and not read
            // while it is one (the defaults hold).
            m_pStore = OpenSettingsStore();
        } else {
            m_pStore->sync();
        }
    }
#else
    m_pStore = OpenSettingsStore();
#endif
    return *m_pStore;
}
