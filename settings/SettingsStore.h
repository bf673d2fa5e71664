#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>

// The settings store's organisation and application names: on Linux they make
// the INI file "<config>/Local AppWizard-Generated Applications/Quillmark.conf".
inline constexpr const char* kSettingsCompany = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplicationName = "Quillmark";

// The program's settings store, by its names (the desktop program and the
// tool read the same one). When IrregularStoreFile names a file, an empty
// store that reads nothing and keeps nothing: every value is its default.
std::unique_ptr<QSettings> OpenSettingsStore();

// The first of the files the store would read (the user's and the system's,
// of the program and of its organisation) that is there but is no regular
// file, such as a FIFO or a device, which would hold a read up forever; empty
// when there is none.
QString IrregularStoreFile();

// Reads an integer of the settings store; a missing value, or one that is not
// an integer of 32 bits, yields the default.
int ReadProfileInt(QSettings& settings, const QString& section, const QString& key,
                   int defaultValue);

// The folder the last file was saved in (section "Save", key "Folder"), where
// the next Save starts; empty when none is stored.
QString ReadSaveFolder(QSettings& settings);
void WriteSaveFolder(QSettings& settings, const QString& folder);

// The application's settings store, opened once and read from memory. Before
// each read it looks at the store's file; only when the file has changed since
// the last look (written by this program's settings dialog, by another
// instance of the program, or by hand) is it read again. A store that is not
// one plain file (the registry on Windows, the preferences of macOS) is opened
// afresh at every read, as there is no file to look at.
//
// The store itself tells versions of its file apart by size and time to the
// millisecond: two versions of one size written within one millisecond read
// as the first.
class CSettingsStore {
public:
    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    // The store with the file's current contents.
    QSettings& Current();

    // What identifies one version of the file: where it is, its size and the
    // times of its last change (to nanoseconds where the system keeps them).
    struct FileStamp {
        bool exists = false;
        bool regular = false; // a plain file, not a FIFO or a device
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        std::int64_t changedSeconds = 0;
        std::int64_t changedNanoseconds = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };

private:
    std::unique_ptr<QSettings> m_pStore;
    QByteArray m_path; // the store's file, in the file system's encoding
    FileStamp m_stamp; // the file as it was when the store last read it
};
