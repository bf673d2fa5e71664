#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/resource.h>

// How writing a new file into a folder fails partway, as real devices fail.
enum class WriteFailure {
    NoSpace,       // a small file system, filled up (needs the right to mount)
    ReadOnly,      // a file system mounted read-only (needs the right to mount)
    FileSizeLimit, // the process may write no file past a few kilobytes
    NoPermission,  // a folder the user may not write to (not for root)
};

// A folder holding one old file, where writing a new file fails in the given
// way until this object is destroyed. A file system mounted here lives in the
// test program's own mount namespace (ViewTestMain.cpp), so it never outlives
// the program.
class CFailingFolder {
public:
    CFailingFolder(WriteFailure failure, const QString& fileName, const QByteArray& oldBytes);
    ~CFailingFolder();
    CFailingFolder(const CFailingFolder&) = delete;
    CFailingFolder& operator=(const CFailingFolder&) = delete;

    // False when this machine cannot arrange the failure; Why() says why.
    bool Available() const { return m_why.isEmpty(); }
    const QString& Why() const { return m_why; }

    QString FilePath() const;
    // The names of the folder's entries, sorted.
    QStringList Entries() const;
    // The system's text for the error the failure raises.
    QString ErrorText() const;

private:
    bool Mount(const char* options);
    bool WriteOldFile(const QByteArray& oldBytes);
    void FillUp();

    WriteFailure m_failure;
    QString m_fileName;
    QTemporaryDir m_root;
    QString m_folder;
    QString m_why;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_oldLimit{};
};

// The contents of a file, or an empty array if it cannot be read.
QByteArray FileBytes(const QString& path);
