#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Files as the system gives them, for the writers that must know exactly what
// happened to every byte.

// Writes every byte to an open file, again after a part was taken: 0, or the
// system's reason why a write stopped.
int WriteAll(int fd, const QByteArray& bytes);

// Exactly size bytes at an offset, or false (a file cut short meanwhile).
bool ReadExactly(int fd, void* into, std::size_t size, std::uint64_t at);

// A folder opened without following a link, when it is this user's and no
// one else may write in it; -1 otherwise. For writing, a folder of this
// user's that others may write in (made under a umask of 002) is first closed
// to them.
int OpenOwnFolder(const QString& folder, bool forWriting = false);
