#include "FileCommit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__linux__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Distinguishes the temporary names of one process's writes.
std::atomic<unsigned> g_counter{0};

// A short hidden name in the target's folder (a rename never crosses file
// systems), not derived from the target's name so that it never exceeds the
// longest name a folder takes.
QString TemporaryPath(const QFileInfo& target) {
    return target.absolutePath() + QStringLiteral("/.quillmark-%1-%2.tmp")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(g_counter.fetch_add(1));
}

} // namespace

bool CFileCommitter::Write(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo target(path);
    if (target.isDir()) {
        *error = QStringLiteral("%1 is a folder").arg(path);
        return false;
    }
    QFile temporary(TemporaryPath(target));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, temporary.errorString());
        return false;
    }
    const bool written = temporary.write(bytes) == bytes.size() && temporary.flush();
    const QString writeError = temporary.errorString();
    temporary.close();
    if (!written || temporary.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot write %1: %2")
                     .arg(path, written ? temporary.errorString() : writeError);
        temporary.remove();
        return false;
    }
    // A replaced file keeps its permissions; a new one has the folder's default.
    if (target.exists()) {
        temporary.setPermissions(QFile::permissions(path));
    }
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), failure);
    if (failure) {
        *error = QStringLiteral("cannot replace %1: %2")
                     .arg(path, QString::fromStdString(failure.message()));
        temporary.remove();
        return false;
    }
    m_folders.insert(target.absolutePath());
    return true;
}

bool CFileCommitter::Sync(QString* error) {
    bool ok = true;
#if defined(__linux__)
    // One flush of each file system written to covers every file and every
    // rename in it.
    for (const QString& folder : std::as_const(m_folders)) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0 || ::syncfs(fd) != 0) {
            *error = QStringLiteral("cannot flush %1 to the disk: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            ok = false;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
#else
    (void)error;
#endif
    m_folders.clear();
    return ok;
}
