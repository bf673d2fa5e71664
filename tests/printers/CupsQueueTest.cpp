#include "ZplRendering.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QFileDevice::Permissions kReadable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

// A CUPS scheduler of the test's own, in a temporary folder: a raw queue
// "labels" whose device is a backend that writes each job to a file.
class CupsScheduler {
public:
    ~CupsScheduler() {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            m_cupsd.waitForFinished(5000);
        }
        qunsetenv("CUPS_SERVER");
    }
    CupsScheduler() = default;
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    // Starts it; why not, when it cannot start here.
    QString Start() {
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        const QString lpadmin = QStandardPaths::findExecutable(
            QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (cupsd.isEmpty() || lpadmin.isEmpty()) {
            return QStringLiteral("cupsd or lpadmin is not installed");
        }
        for (const char* folder :
             {"root", "state", "cache", "spool", "tmp", "log", "bin/backend", "bin/filter"}) {
            QDir().mkpath(Path(folder));
        }
        for (const char* folder : {"daemon", "notifier"}) {
            QFile::link(QStringLiteral("/usr/lib/cups/") + QLatin1String(folder),
                        Path("bin/") + QLatin1String(folder));
        }
        Write("root/cupsd.conf",
              "Listen " + Path("cups.sock").toUtf8() +
                  "\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                  "DefaultAuthType None\n<Location />\nOrder allow,deny\n"
                  "Allow all\n</Location>\n",
              kReadable);
        QByteArray files;
        for (const char* line :
             {"ServerRoot root", "StateDir state", "CacheDir cache", "RequestRoot spool",
              "TempDir tmp", "ErrorLog log/error_log", "AccessLog log/access_log",
              "PageLog log/page_log", "ServerBin bin"}) {
            const QByteArray entry(line);
            const qsizetype blank = entry.indexOf(' ');
            files += entry.left(blank + 1) + Path(entry.mid(blank + 1).constData()).toUtf8() + '\n';
        }
        Write("root/cups-files.conf", files + "DataDir /usr/share/cups\n", kReadable);
        // Run as root only when it may be run by no one else.
        Write("bin/backend/capture",
              "#!/bin/sh\n[ $# -eq 0 ] && exit 0\nout=\"${DEVICE_URI#capture:}\"\n"
              "if [ -n \"$6\" ]; then cat \"$6\" > \"$out\"; else cat > \"$out\"; fi\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup |
                                                QFile::ReadOther | QFile::ExeOther);
        m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), Path("root/cupsd.conf"),
                              QStringLiteral("-s"), Path("root/cups-files.conf")});
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(Path("cups.sock")) && waited.elapsed() < 5000 &&
               m_cupsd.state() != QProcess::NotRunning) {
            QThread::msleep(50);
        }
        if (!QFile::exists(Path("cups.sock"))) {
            return QStringLiteral("cupsd did not start: ") +
                   QString::fromLocal8Bit(m_cupsd.readAllStandardError());
        }
        qputenv("CUPS_SERVER", Path("cups.sock").toUtf8());
        QProcess admin;
        admin.start(lpadmin,
                    {"-p", "labels", "-E", "-v", "capture:" + Path("job.zpl"), "-m", "raw"});
        if (!admin.waitForFinished(10000) || admin.exitCode() != 0) {
            return QStringLiteral("lpadmin could not add a raw queue: ") +
                   QString::fromLocal8Bit(admin.readAllStandardError());
        }
        return {};
    }

    // The job the queue wrote, once it is there (empty after 10 s).
    QByteArray Job() const {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            QFile job(Path("job.zpl"));
            if (job.open(QIODevice::ReadOnly) && job.size() > 0) {
                QThread::msleep(200); // the backend may still be writing
                job.seek(0);
                return job.readAll();
            }
            QThread::msleep(100);
        }
        return {};
    }

private:
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void Write(const char* name, const QByteArray& bytes, QFileDevice::Permissions mode) const {
        QFile file(Path(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        file.setPermissions(mode);
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};

TEST(CupsQueue, RawJobReachesTheDeviceAsTheFileIs) {
    CupsScheduler cups;
    if (const QString why = cups.Start(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("list.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("CUPS-1\nCUPS-2\n");
    list.close();
    const QStringList labels{"-s",  "code128", "--sheet", "roll-2x1in", "--format",
                             "zpl", "--dpi",   "203",     "--batch",    list.fileName()};
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString file = dir.filePath(QStringLiteral("labels.zpl"));
    ASSERT_EQ(RunRenderTool(labels + QStringList{"-o", file}, config), 0);
    ASSERT_EQ(RunRenderTool(labels + QStringList{"--printer", "labels"}, config), 0);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(cups.Job(), written.readAll());
    // A queue that is not there is named, and nothing is reported sent.
    EXPECT_EQ(RunRenderTool(labels + QStringList{"--printer", "no-such-queue"}, config), 1);
}

} // namespace
