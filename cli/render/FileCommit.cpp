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
#include <cstdio> // renameat2
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Distinguishes the temporary names of one process's writes.
std::atomic<unsigned> g_counter{0};

// A short hidden name in the target's folder (a rename never crosses file
// systems), not derived from the target's name so that it never exceeds the
// longest name a folder takes. The folder is named as the target names it,
// relative or not, so no working folder is looked up per file.
QString TemporaryPath(const QFileInfo& target) {
    return target.path() + QStringLiteral("/.quillmark-%1-%2.tmp")
                               .arg(QCoreApplication::applicationPid())
                               .arg(g_counter.fetch_add(1));
}

QString SystemMessage(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Moves the finished temporary file onto a target that is not there yet, in
// one step that fails when it is: a new file then costs no look at the target
// first. Nothing when the target exists (or the system cannot say so in one
// step); the reason of any other failure.
enum class NewName { Taken, Given, Failed };
NewName RenameToNewName(const QString& from, const QString& to, int* failure) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0) {
        return NewName::Given;
    }
    // EEXIST: the target is there; EINVAL or ENOSYS: a file system or kernel
    // without the flag. Either way the careful path below decides.
    if (errno != EEXIST && errno != EINVAL && errno != ENOSYS) {
        *failure = errno;
        return NewName::Failed;
    }
#else
    (void)from;
    (void)to;
    (void)failure;
#endif
    return NewName::Taken;
}

} // namespace

bool CFileCommitter::Write(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo target(path);
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
    int failure = 0;
    const NewName renamed = RenameToNewName(temporary.fileName(), path, &failure);
    if (renamed == NewName::Failed) {
        *error = QStringLiteral("cannot replace %1: %2").arg(path, SystemMessage(failure));
        temporary.remove();
        return false;
    }
    if (renamed == NewName::Taken) {
        // The target is there: a folder is refused, a file replaced whole.
        if (target.isDir()) {
            *error = QStringLiteral("%1 is a folder").arg(path);
            temporary.remove();
            return false;
        }
        // A replaced file keeps its permissions; a new one has the folder's default.
        if (target.exists()) {
            temporary.setPermissions(QFile::permissions(path));
        }
        std::error_code replaced;
        std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                                QFile::encodeName(path).toStdString(), replaced);
        if (replaced) {
            *error = QStringLiteral("cannot replace %1: %2")
                         .arg(path, QString::fromStdString(replaced.message()));
            temporary.remove();
            return false;
        }
    }
    m_folders.insert(target.path());
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
                         .arg(QFileInfo(folder).absoluteFilePath(), SystemMessage(errno));
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
