#include "FailingFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Room for the old file and a little more; the rest is filled before writing.
constexpr const char* kSmallFileSystem = "size=256k";
// Far smaller than any bitmap written, larger than any old file's header.
constexpr rlim_t kFileSizeLimit = 1024;

QString SystemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CFailingFolder::CFailingFolder(WriteFailure failure, const QString& fileName,
                               const QByteArray& oldBytes)
    : m_failure(failure), m_fileName(fileName), m_folder(m_root.filePath("folder")) {
    switch (failure) {
    case WriteFailure::NoSpace:
        if (Mount(kSmallFileSystem) && WriteOldFile(oldBytes)) {
            FillUp();
        }
        break;
    case WriteFailure::ReadOnly:
        if (Mount(kSmallFileSystem) && WriteOldFile(oldBytes) &&
            ::mount("tmpfs", m_root.path().toLocal8Bit().constData(), "tmpfs",
                    MS_REMOUNT | MS_RDONLY, kSmallFileSystem) != 0) {
            m_why = "cannot remount read-only: " + SystemError(errno);
        }
        break;
    case WriteFailure::FileSizeLimit:
        if (WriteOldFile(oldBytes)) {
            // Past the limit a write fails with EFBIG, once the signal that
            // would end the program is ignored.
            std::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &m_oldLimit);
            const rlimit limit{kFileSizeLimit, m_oldLimit.rlim_max};
            m_limited = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
            if (!m_limited) {
                m_why = "cannot limit the file size: " + SystemError(errno);
            }
        }
        break;
    case WriteFailure::NoPermission:
        if (::geteuid() == 0) {
            m_why = "root may write anywhere";
        } else if (WriteOldFile(oldBytes)) {
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        break;
    }
}

CFailingFolder::~CFailingFolder() {
    if (m_limited) {
        ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    if (m_failure == WriteFailure::NoPermission) {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (m_mounted) {
        ::umount2(m_root.path().toLocal8Bit().constData(), MNT_DETACH);
    }
}

bool CFailingFolder::Mount(const char* options) {
    if (::mount("tmpfs", m_root.path().toLocal8Bit().constData(), "tmpfs", 0, options) != 0) {
        m_why = "cannot mount a file system: " + SystemError(errno);
        return false;
    }
    m_mounted = true;
    return true;
}

bool CFailingFolder::WriteOldFile(const QByteArray& oldBytes) {
    QDir().mkpath(m_folder);
    QFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(oldBytes) != oldBytes.size() ||
        !file.flush()) {
        m_why = "cannot write the old file: " + file.errorString();
        return false;
    }
    return true;
}

void CFailingFolder::FillUp() {
    // Beside the folder, so that the folder holds only the old file.
    QFile filler(m_root.filePath("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_why = "cannot fill the file system: " + filler.errorString();
        return;
    }
    const QByteArray block(4096, '\0');
    while (filler.write(block) == block.size()) {
    }
}

QString CFailingFolder::FilePath() const {
    return m_folder + '/' + m_fileName;
}

QStringList CFailingFolder::Entries() const {
    return QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

QString CFailingFolder::ErrorText() const {
    switch (m_failure) {
    case WriteFailure::NoSpace:
        return SystemError(ENOSPC);
    case WriteFailure::ReadOnly:
        return SystemError(EROFS);
    case WriteFailure::FileSizeLimit:
        return SystemError(EFBIG);
    case WriteFailure::NoPermission:
        return SystemError(EACCES);
    }
    return {};
}
