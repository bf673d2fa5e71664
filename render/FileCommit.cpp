#include "FileCommit.h"

#include "SystemFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define QUILLMARK_POSIX_FILES 1
#include <array>
#include <climits>
#include <csignal>
#include <cstdio> // renameat2
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <string>
#include <string_view>
#include <sys/stat.h>
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

#if defined(QUILLMARK_POSIX_FILES)
// A temporary file of this writer's naming whose process is gone (ended by
// SIGKILL, or by a crash) is removed when a later write comes to its folder.
// The folder's names are read straight from the system: a folder of many
// files is read once per run, and a one-symbol run is a few milliseconds.
void RemoveStaleTemporaries(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr) {
        return;
    }
    constexpr std::string_view kPrefix = ".quillmark-";
    constexpr std::string_view kSuffix = ".tmp";
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
            !name.ends_with(kSuffix)) {
            continue;
        }
        // .quillmark-<pid>-<n>.tmp
        const std::string_view middle =
            name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        const std::size_t dash = middle.find('-');
        const auto digits = [](std::string_view text) {
            return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
        };
        if (dash == std::string_view::npos || !digits(middle.substr(0, dash)) ||
            !digits(middle.substr(dash + 1)) || dash > std::numeric_limits<pid_t>::digits10 + 1) {
            continue;
        }
        const long long pid = std::stoll(std::string(middle.substr(0, dash)));
        if (pid > 0 && pid != ::getpid() && pid <= std::numeric_limits<pid_t>::max() &&
            ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}
#endif

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

#if defined(QUILLMARK_POSIX_FILES)
// Writes the producer's chunks to an open file: 0, or the system's reason
// why a write stopped (the producer is then told to stop).
int WriteProduced(int fd, const ByteProducer& produce) {
    int failure = 0;
    produce([&](const QByteArray& chunk) {
        failure = WriteAll(fd, chunk);
        return failure == 0;
    });
    return failure;
}

// An output that is no file of its own (standard output as "-", a device, a
// FIFO, a socket) is written straight through: there is nothing whole to
// replace, and a rename would put a plain file in the device's place. Nothing
// when path names a regular file, a folder or nothing yet; else 0 or why the
// write failed.
std::optional<int> WriteThrough(const QString& path, const ByteProducer& produce) {
    if (path == QStringLiteral("-")) {
        return WriteProduced(STDOUT_FILENO, produce);
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    // A link in /dev or /proc (/dev/stdout, /proc/self/fd/1) stands for an
    // open file of the process, whatever it is: a rename there would put a
    // plain file in place of the system's own name. A file of its own there
    // (in /dev/shm, a memory file system) is replaced whole like any other:
    // written through, a shorter file would keep the old one's tail.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    struct stat link {};
    const bool systemName = (absolute.startsWith(QStringLiteral("/dev/")) ||
                             absolute.startsWith(QStringLiteral("/proc/"))) &&
                            ::lstat(name.constData(), &link) == 0 && !S_ISREG(link.st_mode);
    if (S_ISREG(info.st_mode) && !systemName) {
        return std::nullopt;
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno;
    }
    int failure = WriteProduced(fd, produce);
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}
#endif

// Gives the new file the owner and group of the one it replaces, where the
// system lets us (an administrator replacing another user's file). False
// when the replaced file was another user's and the new one cannot be: a
// user may not give files away.
bool KeepOwner(const QString& replaced, const QString& temporary) {
#if defined(QUILLMARK_POSIX_FILES)
    struct stat old {};
    struct stat now {};
    const QByteArray name = QFile::encodeName(temporary);
    if (::stat(QFile::encodeName(replaced).constData(), &old) == 0 &&
        ::stat(name.constData(), &now) == 0 &&
        (old.st_uid != now.st_uid || old.st_gid != now.st_gid) &&
        ::chown(name.constData(), old.st_uid, old.st_gid) != 0) {
        // The group alone may stay the user's own: only the owner is news.
        return old.st_uid == now.st_uid ||
               ::chown(name.constData(), old.st_uid, static_cast<gid_t>(-1)) == 0;
    }
#else
    (void)replaced;
    (void)temporary;
#endif
    return true;
}

// Writes bytes to a file that must not exist yet; on failure the file is gone
// again and reason says why. Straight system calls where there are any: a
// batch writes a thousand small files, and each is one open, one write and
// one close.
bool WriteNewFile(const QString& path, const ByteProducer& produce, QString* reason) {
#if defined(QUILLMARK_POSIX_FILES)
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        struct stat folder {};
        // A folder that is there but takes no new file (/proc, /sys): "no
        // such file" would name no true cause.
        *reason = error == ENOENT &&
                          ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                 &folder) == 0 &&
                          S_ISDIR(folder.st_mode)
                      ? QCoreApplication::translate("FileCommit",
                                                    "its folder is the system's and takes no files")
                      : SystemMessage(error);
        return false;
    }
    int failure = WriteProduced(fd, produce);
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure != 0) {
        ::unlink(name.constData());
        *reason = SystemMessage(failure);
        return false;
    }
    return true;
#else
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *reason = file.errorString();
        return false;
    }
    bool written = true;
    produce([&](const QByteArray& chunk) {
        written = file.write(chunk) == chunk.size();
        return written;
    });
    written = written && file.flush();
    const QString writeError = file.errorString(); // a clean close clears it
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        *reason = written ? file.errorString() : writeError;
        file.remove();
        return false;
    }
    return true;
#endif
}

#if defined(QUILLMARK_POSIX_FILES)
// What one flush to the disk covers.
enum class Flush {
    File,       // the file's bytes
    Folder,     // the names in the folder
    FileSystem, // everything on the folder's file system
};

// Flushes path to the disk as `what` says: 0, or why not.
int FlushToDisk(const QString& path, Flush what) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_CLOEXEC | (what == Flush::File ? 0 : O_DIRECTORY));
    if (fd < 0) {
        return errno;
    }
#if defined(__linux__)
    const int result = what == Flush::FileSystem ? ::syncfs(fd) : ::fsync(fd);
#else
    // Without a flush of one file system, every file system is flushed.
    const int result = what == Flush::FileSystem ? (::sync(), 0) : ::fsync(fd);
#endif
    const int failure = result != 0 ? errno : 0;
    ::close(fd);
    return failure;
}
#endif

} // namespace

bool CFileCommitter::Write(const QString& path, const QByteArray& bytes, QString* error,
                           QString* note) {
    return Write(
        path, [&bytes](const ByteSink& put) { put(bytes); }, error, note);
}

bool CFileCommitter::Write(const QString& path, const ByteProducer& produce, QString* error,
                           QString* note) {
#if defined(QUILLMARK_POSIX_FILES)
    if (const std::optional<int> streamed = WriteThrough(path, produce)) {
        if (*streamed != 0) {
            const bool standard = path == QStringLiteral("-");
            *error =
                QCoreApplication::translate("FileCommit", "cannot write %1: %2")
                    .arg(standard ? QCoreApplication::translate("FileCommit", "standard output")
                                  : path,
                         standard && *streamed == EBADF
                             ? QCoreApplication::translate("FileCommit", "it is closed")
                             : SystemMessage(*streamed));
            return false;
        }
        return true; // nothing to flush to a disk
    }
#endif
    const QFileInfo target(path);
#if defined(QUILLMARK_POSIX_FILES)
    bool newFolder = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        newFolder = !m_folders.contains(target.path());
    }
    if (newFolder) {
        RemoveStaleTemporaries(target.path());
    }
#endif
    const QString temporary = TemporaryPath(target);
#if defined(QUILLMARK_POSIX_FILES)
    const QByteArray pendingName = QFile::encodeName(temporary);
    // However the write ends, the temporary file is then no longer an interrupt's.
    const CPendingFile pending(pendingName);
#endif
    QString reason;
    if (!WriteNewFile(temporary, produce, &reason)) {
        *error = QCoreApplication::translate("FileCommit", "cannot write %1: %2").arg(path, reason);
        return false;
    }
    // A failure after the write leaves the target as it was and no temporary.
    const auto fail = [&](const QString& message) {
        *error = message;
        QFile::remove(temporary);
        return false;
    };
    int failure = 0;
    const NewName renamed = RenameToNewName(temporary, path, &failure);
    if (renamed == NewName::Failed) {
        // Only a name not taken gets here (a taken one is EEXIST): nothing
        // was replaced, the file was not written (a name too long, say).
        return fail(QCoreApplication::translate("FileCommit", "cannot write %1: %2")
                        .arg(path, SystemMessage(failure)));
    }
    if (renamed == NewName::Taken) {
        // The target is there: a folder is refused, a file replaced whole.
#if defined(QUILLMARK_POSIX_FILES)
        struct stat old {};
        const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
        const bool folder = exists && S_ISDIR(old.st_mode);
#else
        const bool exists = target.exists();
        const bool folder = target.isDir();
#endif
        if (folder) {
            return fail(QCoreApplication::translate("FileCommit", "%1 is a folder").arg(path));
        }
        // A replaced file keeps its permissions; a new one has the folder's default.
        if (exists) {
#if defined(QUILLMARK_POSIX_FILES)
            constexpr mode_t kPermissions = 0777;
            ::chmod(pendingName.constData(), old.st_mode & kPermissions);
#else
            QFile::setPermissions(temporary, QFile::permissions(path));
#endif
            if (!KeepOwner(path, temporary) && note != nullptr) {
                *note = QCoreApplication::translate(
                            "FileCommit", "%1 was another user's file and is now yours (only an "
                                          "administrator may give a file away)")
                            .arg(path);
            }
        }
        std::error_code replaced;
        std::filesystem::rename(QFile::encodeName(temporary).toStdString(),
                                QFile::encodeName(path).toStdString(), replaced);
        if (replaced) {
            return fail(QCoreApplication::translate("FileCommit", "cannot replace %1: %2")
                            .arg(path, QString::fromStdString(replaced.message())));
        }
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folders.insert(target.path());
    if (++m_count <= kFewFiles) {
        m_files.append(path);
    }
    return true;
}

bool CFileCommitter::Sync(QString* error) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    bool ok = true;
#if defined(QUILLMARK_POSIX_FILES)
    const auto flush = [&](const QString& path, Flush what) {
        if (const int failure = FlushToDisk(path, what); failure != 0) {
            *error = QCoreApplication::translate("FileCommit", "cannot flush %1 to the disk: %2")
                         .arg(QFileInfo(path).absoluteFilePath(), SystemMessage(failure));
            ok = false;
        }
    };
    // A few files (a Save, one symbol): each file and the folders that name
    // them, and nothing else that happens to wait on their disks. A batch: one
    // flush of each file system written to covers every file and rename in it.
    const bool few = m_count <= kFewFiles;
    if (few) {
        for (const QString& file : std::as_const(m_files)) {
            flush(file, Flush::File);
        }
    }
    for (const QString& folder : std::as_const(m_folders)) {
        flush(folder, few ? Flush::Folder : Flush::FileSystem);
    }
#else
    (void)error;
#endif
    m_folders.clear();
    m_files.clear();
    m_count = 0;
    return ok;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    CFileCommitter files;
    return files.Write(path, bytes, error) && files.Sync(error);
}
