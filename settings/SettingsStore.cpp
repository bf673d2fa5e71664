#include "SettingsStore.h"

#include <QFile>

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
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec),
            static_cast<std::int64_t>(info.st_ctim.tv_sec),
            static_cast<std::int64_t>(info.st_ctim.tv_nsec)};
}
#endif

} // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
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

CSettingsStore::CSettingsStore() = default;

CSettingsStore::~CSettingsStore() = default;

QSettings& CSettingsStore::Current() {
#ifdef QUILLMARK_STORE_IS_ONE_FILE
    if (!m_pStore) {
        m_pStore = OpenSettingsStore();
        m_path = QFile::encodeName(m_pStore->fileName());
        m_stamp = StampOf(m_path);
        m_pStore->sync(); // the file as stamped, should it have changed while opening
        return *m_pStore;
    }
    // Stamped before the store reads: a change made while it reads is newer
    // than the stamp and is read at the next look.
    const FileStamp now = StampOf(m_path);
    if (now != m_stamp) {
        m_stamp = now;
        m_pStore->sync();
    }
#else
    m_pStore = OpenSettingsStore();
#endif
    return *m_pStore;
}
