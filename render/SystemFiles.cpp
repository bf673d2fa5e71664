#include "SystemFiles.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

bool ReadExactly(int fd, void* into, std::size_t size, std::uint64_t at) {
    auto* bytes = static_cast<char*>(into);
    while (size > 0) {
        const ssize_t got = ::pread(fd, bytes, size, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
        at += static_cast<std::uint64_t>(got);
    }
    return true;
}

int OpenOwnFolder(const QString& folder, bool forWriting) {
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (fd < 0) {
        return -1;
    }
    const bool ours = ::fstat(fd, &status) == 0 && status.st_uid == ::geteuid();
    const mode_t othersWrite = S_IWGRP | S_IWOTH;
    if (ours && forWriting && (status.st_mode & othersWrite) != 0) {
        ::fchmod(fd, status.st_mode & 07777 & ~othersWrite);
        ::fstat(fd, &status);
    }
    if (!ours || (status.st_mode & othersWrite) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
