// The tool as a whole process: inputs, exit statuses, messages and the files
// it leaves behind.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Result {
    int status = -1;
    QString errors;
    QString output;
};

class Tool : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        // A settings store of our own: the user's is never read.
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        // And a label store of our own.
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), Path(QStringLiteral("cache")));
        // The messages as written, whatever the machine's locale.
        m_environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    }

    QString Path(const QString& name) const { return m_folder.filePath(name); }

    void WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    Result Run(const QStringList& arguments, const QByteArray& input = {},
               const QString& folder = {}) const {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(folder.isEmpty() ? m_folder.path() : folder);
        process.start(QStringLiteral(QUILLMARK_RENDER), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError()),
                QString::fromLocal8Bit(process.readAllStandardOutput())};
    }

    QByteArray ReadBack(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Files(const QString& folder = QString()) const {
        return QDir(Path(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_folder;
    QProcessEnvironment m_environment;
};

TEST_F(Tool, WritesOneSymbol) {
    const Result result =
        Run({"-s", "Code 128", "-o", "one.png", "--dpi", "203", "--height", "0.5", "ABC"});
    EXPECT_EQ(result.status, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.isEmpty());
    const QImage image(Path(QStringLiteral("one.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.height(), (500 + 277) * 203 / 1000);
}

TEST_F(Tool, BatchWritesTheGoodLinesAndReportsEachBadOneByNumber) {
    WriteFile(QStringLiteral("in.txt"), "12345\nABC\n\n67890\n1234567890123\n11111\n");
    QDir().mkpath(Path(QStringLiteral("out")));
    const Result result =
        Run({"-s", "ean13", "--zero-fill", "--batch", "in.txt", "-o", "out/{n}.bmp"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errors.contains(QStringLiteral("line 2: character \"A\"")))
        << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains(QStringLiteral("line 5: EAN 13 check digit 3")));
    EXPECT_EQ(result.errors.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(Files(QStringLiteral("out")), QStringList({"1.bmp", "4.bmp", "6.bmp"}));
}

TEST_F(Tool, BatchPadsTheNumberToItsWidthAndReadsStandardInput) {
    QByteArray input;
    for (int i = 1; i <= 12; ++i) {
        input += "N" + QByteArray::number(i) + "\r\n";
    }
    const Result result =
        Run({"-s", "code39", "--batch", "-", "-o", "{n}-{text}.svg", "--no-text"}, input);
    EXPECT_EQ(result.status, 0) << result.errors.toStdString();
    const QStringList files = Files();
    EXPECT_EQ(files.size(), 12);
    EXPECT_TRUE(files.contains(QStringLiteral("01-N1.svg")));
    EXPECT_TRUE(files.contains(QStringLiteral("12-N12.svg")));
}

TEST_F(Tool, CsvTakesQuotedCommasAndItsOwnColumns) {
    WriteFile(QStringLiteral("in.csv"), "Text,Symbology,Output,Comment\r\n"
                                        "\"A,B\",code128,a.pdf,\"x, \"\"y\"\"\"\r\n"
                                        "123456,i2of5,b.png,\r\n"
                                        "X,nosuch,c.bmp,\r\n");
    const Result result = Run({"--csv", "in.csv"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errors.contains(QStringLiteral("line 4: unknown symbology \"nosuch\"")))
        << result.errors.toStdString();
    EXPECT_EQ(Files(), QStringList({"a.pdf", "b.png", "in.csv"}));
    QFile pdf(Path(QStringLiteral("a.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("(A,B) Tj"));
}

// An output column names files below the run's folder only, unless the run
// allows any path: a CSV from elsewhere replaces no file outside it.
TEST_F(Tool, CsvOutputPathsStayBelowTheFolderUnlessAllowed) {
    const QString away = Path(QStringLiteral("away.png"));
    const struct {
        QString output;
        bool below;
    } rows[] = {{"sub/a.png", true}, {"./b.png", true},          {"../up.png", false},
                {away, false},       {"sub/../../c.png", false}, {"sub/{text}..png", true}};
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("run/sub"))));
    for (const bool any : {false, true}) {
        QByteArray csv = "text,output\n";
        for (const auto& row : rows) {
            csv += "A," + row.output.toUtf8() + '\n';
        }
        WriteFile(QStringLiteral("run/in.csv"), csv);
        QStringList arguments{"-s", "code39", "--csv", "in.csv"};
        if (any) {
            arguments << "--output-paths"
                      << "any";
        }
        const Result result = Run(arguments, {}, Path(QStringLiteral("run")));
        EXPECT_EQ(result.status, any ? 0 : 1) << result.errors.toStdString();
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            const QString path =
                QDir(Path(QStringLiteral("run")))
                    .absoluteFilePath(QString(rows[i].output).replace("{text}", "A"));
            SCOPED_TRACE(path.toStdString());
            EXPECT_EQ(QFileInfo::exists(path), any || rows[i].below);
            EXPECT_EQ(result.errors.contains(QStringLiteral("line %1: output").arg(i + 2)),
                      !any && !rows[i].below);
            QFile::remove(path);
        }
    }
}

TEST_F(Tool, UsageErrorsExitWithTwoOneLineAndNoFile) {
    struct Row {
        const char* name;
        QStringList arguments;
        const char* message;
    };
    const Row rows[] = {
        {"refused character", {"-s", "code39", "-o", "x.bmp", "A<B"}, "position 2"},
        {"unknown symbology", {"-s", "code11", "-o", "x.bmp", "1"}, "unknown symbology"},
        {"zoom out of range", {"-s", "code39", "-o", "x.bmp", "--zoom", "9", "A"}, "--zoom"},
        {"turn not a number", {"-s", "code39", "-o", "x.bmp", "--turn", "x", "A"}, "--turn"},
        {"dpi out of range", {"-s", "code39", "-o", "x.bmp", "--dpi", "0", "A"}, "--dpi"},
        {"height without a number",
         {"-s", "code39", "-o", "x.bmp", "--height", "tall", "A"},
         "--height"},
        {"density out of range",
         {"-s", "code39", "-o", "x.bmp", "--density", "0", "A"},
         "--density"},
        {"unknown format", {"-s", "code39", "-o", "x.gif", "A"}, "format"},
        {"unknown option", {"-s", "code39", "-o", "x.bmp", "--colour", "A"}, "colour"},
        {"no text", {"-s", "code39", "-o", "x.bmp"}, "data text"},
        {"batch without {n}", {"-s", "code39", "--batch", "-", "-o", "x.bmp"}, "{n}"},
        {"CSV without {n}", {"--csv", "-", "-o", "x.bmp"}, "{n}"},
        {"height with a unit after it",
         {"-s", "code39", "-o", "x.bmp", "--height", "1,5in", "A"},
         "--height"},
        {"empty text", {"-s", "code39", "-o", "x.bmp", ""}, "empty"},
        {"code sets", {"-s", "code128", "-o", "x.bmp", "--code-sets", "c", "A"}, "--code-sets"},
        {"bearer bars", {"-s", "itf14", "-o", "x.bmp", "--bearer-bars", "x", "1"}, "--bearer-bars"},
        {"quiet zone marks",
         {"-s", "ean13", "-o", "x.bmp", "--quiet-zone-marks", "yes", "1"},
         "--quiet-zone-marks"},
        {"bar reduction", {"-s", "code39", "-o", "x.bmp", "--bar-reduction", "9", "A"}, "--bar"},
        {"gain",
         {"-s", "code39", "-o", "x.bmp", "--verify", "--grade-print", "11", "A"},
         "-10 to 10"},
        {"gain without --verify",
         {"-s", "code39", "-o", "x.bmp", "--grade-print", "1", "A"},
         "give --verify"},
        {"gain on a sheet",
         {"-s", "code39", "--sheet", "letter-3x10", "-o", "p.pdf", "--verify", "--grade-print", "1",
          "A"},
         "not with --sheet"},
        {"GS1 check digit", {"-s", "gs1-128", "-o", "x.bmp", "(00)009501234567890018"}, "be 0"},
        {"symbology named once", {"-s", "itf14", "-o", "x.bmp", "1234"}, "render: ITF-14 takes"},
        {"{n} in sheet pages",
         {"-s", "code39", "--sheet", "letter-3x10", "-o", "p{n}.png", "A"},
         "named with {page}"},
        {"sheet of one label",
         {"-s", "code39", "--sheet", "page=2x2in,grid=1x1,label=1.9x1.9in", "--start-at", "2", "-o",
          "p.pdf", "A"},
         "must be 1: "},
        {"output paths", {"-s", "code39", "--csv", "-", "--output-paths", "all"}, "below or any"},
    };
    for (const Row& row : rows) {
        const Result result = Run(row.arguments);
        EXPECT_EQ(result.status, 2) << row.name;
        EXPECT_EQ(result.errors.count(QLatin1Char('\n')), 1) << row.name;
        EXPECT_TRUE(result.errors.contains(QLatin1String(row.message)))
            << row.name << ": " << result.errors.toStdString();
        EXPECT_TRUE(Files().isEmpty()) << row.name;
    }
}

// Standard streams closed or full, and a folder that takes no files, are
// named for what they are, and fail the run.
TEST_F(Tool, ClosedOrFullStreamsAndSystemFoldersFailWithTheirCause) {
    const struct {
        const char* redirect;
        QStringList arguments;
        const char* message;
    } rows[] = {
        {">/dev/full", {"--version"}, "cannot write standard output"},
        {">/dev/full", {"--list-sheets"}, "cannot write standard output"},
        {">&-", {"--help"}, "cannot write standard output: it is closed"},
        {"<&-", {"-s", "code39", "--batch", "-", "-o", "b{n}.png"}, "input: it is closed"},
        {">&-", {"-s", "code39", "-o", "-", "--format", "png", "A"}, "output: it is closed"},
        {"", {"-s", "code39", "-o", "/proc/version", "--format", "png", "A"}, "takes no files"},
    };
    for (const auto& row : rows) {
        QStringList arguments{"-c", QStringLiteral("exec \"$0\" \"$@\" %1").arg(row.redirect),
                              QStringLiteral(QUILLMARK_RENDER)};
        arguments << row.arguments;
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(m_folder.path());
        process.start(QStringLiteral("/bin/sh"), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_NE(process.exitCode(), 0) << row.message;
        EXPECT_TRUE(errors.contains(QLatin1String(row.message))) << errors.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

// What the tool would otherwise have to guess at is refused or said.
TEST_F(Tool, NamesWhatItWillNotGuessAt) {
    struct Row {
        const char* name;
        QStringList arguments;
        QByteArray input;
        int status;
        const char* message;
    };
    const QStringList csv{"--csv", "-", "-s", "code39", "-o", "{n}.bmp"};
    const Row rows[] = {
        {"a CSV column named twice", csv, "text,Text\nA,B\n", 2, "names \"text\" twice"},
        {"a CSV column of no use", csv, "text,colour\nA,red\n", 0, "column 2, \"colour\""},
        {"a line of bytes that are no UTF-8",
         {"-s", "code39", "--batch", "-", "-o", "u{n}.bmp"},
         "AB\n\xff\xfe\nCD\n",
         1,
         "line 2: bytes that are not UTF-8"},
        {"an endless input",
         {"-s", "code39", "--batch", "/dev/zero", "-o", "z{n}.bmp"},
         {},
         2,
         "holds more than 256 MB"},
        {"bars longer than any page",
         {"-s", "code39", "-o", "x.svg", "--height", "1e308", "A"},
         {},
         2,
         "at most 200 inches (no output holds more)"},
        {"a file name longer than a folder takes",
         {"-s", "code39", "-o", QString(300, QLatin1Char('n')) + ".svg", "A"},
         {},
         1,
         "cannot write nnn"},
        {"a symbol longer than any page",
         {"-s", "code39", "-o", "x.pdf", QString(2000, QLatin1Char('A'))},
         {},
         1,
         "no output holds more than 200 inches"},
    };
    for (const Row& row : rows) {
        const Result result = Run(row.arguments, row.input);
        EXPECT_EQ(result.status, row.status) << row.name;
        EXPECT_TRUE(result.errors.contains(QLatin1String(row.message)))
            << row.name << ": " << result.errors.toStdString();
    }
    EXPECT_EQ(Files(), QStringList({"1.bmp", "u1.bmp", "u3.bmp"}))
        << "the CSV with a column of no use, and the batch's good lines";
}

TEST_F(Tool, DropInvalidDrawsWhatTheTextFieldWouldKeep) {
    const Result result = Run({"-s", "code39", "-o", "x.svg", "--drop-invalid", "A<B"});
    EXPECT_EQ(result.status, 0);
    QFile svg(Path(QStringLiteral("x.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains(">AB</text>"));
}

TEST_F(Tool, AnUnwritableFolderFailsAndLeavesTheOldFileUntouched) {
    QDir().mkpath(Path(QStringLiteral("locked")));
    WriteFile(QStringLiteral("locked/old.bmp"), "old bytes");
    QFile::setPermissions(Path(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    // Permissions do not stop a superuser; a missing folder fails for everyone.
    const bool permissionsHold = !QFileInfo(Path(QStringLiteral("locked"))).isWritable();

    const QString target =
        permissionsHold ? QStringLiteral("locked/old.bmp") : QStringLiteral("missing/old.bmp");
    const Result result = Run({"-s", "code39", "-o", target, "A"});
    QFile::setPermissions(Path(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errors.contains(target)) << result.errors.toStdString();
    QFile old(Path(QStringLiteral("locked/old.bmp")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old bytes"));
    EXPECT_EQ(Files(QStringLiteral("locked")), QStringList({"old.bmp"}));
}

// Here, and in the memory file system under /dev (no system name for an
// open file there), where the old file's tail once stayed behind the new one.
TEST_F(Tool, ReplacesAnExistingFileWhole) {
    WriteFile(QStringLiteral("x.bmp"), QByteArray(100000, 'x'));
    EXPECT_EQ(Run({"-s", "code39", "-o", "x.bmp", "A"}).status, 0);
    EXPECT_FALSE(QImage(Path(QStringLiteral("x.bmp"))).isNull());
    EXPECT_EQ(Files(), QStringList({"x.bmp"})); // no temporary left behind
    const QTemporaryDir memory(QStringLiteral("/dev/shm/quillmark-XXXXXX"));
    if (memory.isValid()) {
        const QString name = memory.filePath(QStringLiteral("x.bmp"));
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        EXPECT_EQ(Run({"-s", "code39", "-o", name, "A"}).status, 0);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), ReadBack(QStringLiteral("x.bmp")));
    }
}

// A new file takes its name in one step; only a name already taken is looked
// at: a folder there is refused, a file replaced with its permissions kept.
TEST_F(Tool, ATakenNameIsAFolderRefusedOrAFileReplacedWithItsPermissions) {
    QDir().mkpath(Path(QStringLiteral("taken.bmp")));
    const Result refused = Run({"-s", "code39", "-o", "taken.bmp", "A"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errors.contains(QStringLiteral("taken.bmp is a folder")))
        << refused.errors.toStdString();
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("taken.bmp"))).isDir());
    EXPECT_TRUE(Files().isEmpty()); // no temporary left behind

    WriteFile(QStringLiteral("private.bmp"), "old bytes");
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(Path(QStringLiteral("private.bmp")), ownerOnly));
    EXPECT_EQ(Run({"-s", "code39", "-o", "private.bmp", "A"}).status, 0);
    EXPECT_FALSE(QImage(Path(QStringLiteral("private.bmp"))).isNull());
    EXPECT_EQ(QFile::permissions(Path(QStringLiteral("private.bmp"))) &
                  (QFile::ReadGroup | QFile::ReadOther | ownerOnly),
              ownerOnly);

    // An administrator replacing another user's file leaves it that user's.
    const QByteArray theirs = QFile::encodeName(Path(QStringLiteral("theirs.bmp")));
    constexpr uid_t kSomeoneElse = 65534;
    WriteFile(QStringLiteral("theirs.bmp"), "old bytes");
    if (::geteuid() == 0 && ::chown(theirs.constData(), kSomeoneElse, kSomeoneElse) == 0) {
        EXPECT_EQ(Run({"-s", "code39", "-o", "theirs.bmp", "A"}).status, 0);
        struct stat info {};
        EXPECT_TRUE(::stat(theirs.constData(), &info) == 0 && info.st_uid == kSomeoneElse &&
                    info.st_gid == kSomeoneElse);

        // A user who may not give files away is told that the file is now theirs.
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(m_folder.path());
        ASSERT_TRUE(QFile::setPermissions(
            m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        WriteFile(QStringLiteral("root.bmp"), "old bytes");
        process.start(QStringLiteral("setpriv"),
                      {"--reuid=65534", "--regid=65534", "--clear-groups", QUILLMARK_RENDER, "-s",
                       "code39", "-o", "root.bmp", "A"});
        if (process.waitForStarted() && process.waitForFinished(60000)) {
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_TRUE(process.readAllStandardError().contains("is now yours"));
        }
    }
}

// Standard output and a FIFO get the file's bytes straight through; a FIFO
// stays a FIFO (no file is renamed over it).
TEST_F(Tool, StandardOutputAndFifosAreWrittenThroughNeverReplaced) {
    const QByteArray expected = [&] {
        Run({"-s", "code39", "--format", "png", "-o", "file.png", "AB"});
        QFile file(Path(QStringLiteral("file.png")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray fifo = QFile::encodeName(Path(QStringLiteral("pipe")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    for (const char* output : {"-", "pipe"}) {
        SCOPED_TRACE(output);
        // Open before the tool starts, without waiting for it: a tool that
        // renamed a file over the FIFO must fail here, not hang.
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(m_folder.path());
        process.start(QStringLiteral(QUILLMARK_RENDER),
                      {"-s", "code39", "--format", "png", "-o", output, "AB"});
        QByteArray piped;
        const auto drain = [&] {
            char buffer[4096];
            for (ssize_t n; (n = ::read(reader, buffer, sizeof buffer)) > 0;) {
                piped.append(buffer, n);
            }
        };
        while (!process.waitForFinished(10)) {
            drain();
        }
        drain();
        ::close(reader);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        EXPECT_EQ(std::string(output) == "-" ? process.readAllStandardOutput() : piped, expected);
        struct stat info {};
        EXPECT_TRUE(::stat(fifo.constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    }
    // Standard output that is a plain file, named by the system's name for it.
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setStandardOutputFile(Path(QStringLiteral("redirected.png")));
    process.start(QStringLiteral(QUILLMARK_RENDER),
                  {"-s", "code39", "--format", "png", "-o", "/proc/self/fd/1", "AB"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile redirected(Path(QStringLiteral("redirected.png")));
    ASSERT_TRUE(redirected.open(QIODevice::ReadOnly));
    EXPECT_EQ(redirected.readAll(), expected);
}

TEST_F(Tool, TwoLinesNeverWriteOneFile) {
    const Result result = Run({"-s", "code39", "--batch", "-", "-o", "{text}.bmp"}, "A/B\nA:B\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errors.contains(QStringLiteral("line 2"))) << result.errors.toStdString();
    EXPECT_EQ(Files(), QStringList({"A_B.bmp"}));
}

// Entries drawn at once write the very files, messages and status one at a
// time gives: a failed line, a second line naming a file, a file left to a
// later line by an earlier one that failed, a note said once.
TEST_F(Tool, JobsWriteWhatOneJobWrites) {
    WriteFile(QStringLiteral("in.csv"), "text,height,output\nA1,100,a.bmp\nB2,,a.bmp\nC3,,a.bmp\n"
                                        "d~,,d.png\nE5,,e.svg\nF6,0.2,f.pdf\nG7,,g.png\n");
    const QStringList runs[] = {
        {"-s", "code128", "--dpi", "1200", "--csv", "in.csv"},
        {"-s", "code39", "--dpi", "96", "--density", "7", "--batch", "in.csv", "-o", "{text}.png"},
    };
    for (const QStringList& arguments : runs) {
        QMap<QString, QMap<QString, QByteArray>> files;
        QMap<QString, Result> results;
        for (const char* jobs : {"1", "3"}) {
            const QString out = Path(QStringLiteral("jobs") + jobs);
            ASSERT_TRUE(QDir().mkpath(out));
            WriteFile(QStringLiteral("jobs%1/in.csv").arg(jobs), ReadBack("in.csv"));
            results[jobs] = Run(QStringList{"--jobs", jobs} + arguments, {}, out);
            for (const QString& name : QDir(out).entryList(QDir::Files)) {
                files[jobs][name] = ReadBack(QStringLiteral("jobs%1/%2").arg(jobs, name));
            }
            QDir(out).removeRecursively();
        }
        EXPECT_EQ(results["1"].status, 1) << results["1"].errors.toStdString();
        EXPECT_EQ(results["3"].status, results["1"].status);
        EXPECT_EQ(results["3"].errors, results["1"].errors);
        EXPECT_EQ(files["3"].keys(), files["1"].keys());
        EXPECT_TRUE(files["3"] == files["1"]) << arguments.join(' ').toStdString();
    }
}

// One symbol's label is painted with the fonts once; later runs take it from
// the label store the first one left and need no GUI application (a platform
// that does not exist stops any run that makes one), writing the very same
// file. A store file damaged in any way is drawn past, with the fonts.
TEST_F(Tool, LaterRunsDrawLabelsFromTheStoreWithoutFonts) {
    const QStringList runs[] = {
        {"-s", "code39", "-o", "a.bmp", "ITEM 12"},
        {"-s", "ean13", "--turn", "1", "--dpi", "203", "-o", "a.png", "400638133393"},
        {"-s", "code128", "--turn", "2", "--zoom", "2", "--dpi", "96", "-o", "a.bmp", "Ab-9"},
    };
    const QString store = Path(QStringLiteral("cache/quillmark/label-glyphs"));
    for (const QStringList& arguments : runs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        ASSERT_EQ(Run(arguments).status, 0);
        const QByteArray painted = ReadBack(arguments[arguments.size() - 2]);
        const QProcessEnvironment withFonts = m_environment;
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
        const Result stored = Run(arguments);
        m_environment = withFonts;
        EXPECT_EQ(stored.status, 0) << stored.errors.toStdString();
        EXPECT_EQ(ReadBack(arguments[arguments.size() - 2]), painted);
        for (const QString& name : QDir(store).entryList(QDir::Files)) {
            QFile file(store + QLatin1Char('/') + name);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            const QByteArray bytes = file.readAll();
            file.resize(bytes.size() / 2); // cut short, and then its records garbled
            file.seek(bytes.size() / 4);
            file.write(QByteArray(64, '\xff'));
        }
        EXPECT_EQ(Run(arguments).status, 0);
        EXPECT_EQ(ReadBack(arguments[arguments.size() - 2]), painted);
    }
    EXPECT_FALSE(QDir(store).isEmpty());
}

TEST_F(Tool, ReadsDensityAndRatioFromTheSettingsUnlessGiven) {
    QDir().mkpath(Path(QStringLiteral("config/Local AppWizard-Generated Applications")));
    WriteFile(QStringLiteral("config/Local AppWizard-Generated Applications/Quillmark.conf"),
              "[Barcode]\nDensity=20\nRatio=2\n");
    ASSERT_EQ(Run({"-s", "code39", "-o", "stored.svg", "--no-text", "A"}).status, 0);
    ASSERT_EQ(Run({"-s", "code39", "-o", "given.svg", "--no-text", "--density", "10", "A"}).status,
              0);
    const auto widthOf = [this](const char* name) {
        QFile file(Path(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        const qsizetype at = svg.indexOf("viewBox=\"0 0 ") + 13;
        return svg.mid(at, svg.indexOf(' ', at) - at).toInt();
    };
    // Code 39 "A": start, A, stop; each (3 x Ratio + 7) x Density wide, gaps
    // included but the last; ten modules of quiet zone and one to spare a side.
    EXPECT_EQ(widthOf("stored.svg"), 3 * (3 * 2 + 7) * 20 - 20 + 2 * 11 * 20);
    EXPECT_EQ(widthOf("given.svg"), 3 * (3 * 2 + 7) * 10 - 10 + 2 * 11 * 10);
}

// A settings file that is a FIFO would hold the read up forever: the tool
// says it is not read and draws with the defaults.
TEST_F(Tool, ASettingsFileThatIsNoPlainFileIsNotRead) {
    const QString folder = Path(QStringLiteral("config/Local AppWizard-Generated Applications"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/Quillmark.conf").constData(), 0600), 0);
    const Result result = Run({"-s", "code39", "-o", "a.bmp", "AB"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.errors.contains(QStringLiteral("is not a plain file and is not read")))
        << result.errors.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("a.bmp"))));
}

// Every signal that ends a run (an interrupt, a closed terminal or pipe, a
// quit) ends a batch as the signal ends it, with every file written complete
// and no temporary file; one left by a process killed outright goes at the
// next run into its folder, one of a live process stays.
TEST_F(Tool, InterruptedRunsLeaveNoTemporaryFile) {
    QByteArray lines;
    for (int i = 0; i < 2000; ++i) {
        lines += QByteArray::number(100000 + i) + '\n';
    }
    WriteFile(QStringLiteral("in.txt"), lines);
    const rlimit noCore{0, 0}; // SIGQUIT would leave a core
    ASSERT_EQ(::setrlimit(RLIMIT_CORE, &noCore), 0);
    // Strings as the system takes them: a list ending in null.
    const auto strings = [](const QStringList& list, std::vector<QByteArray>& bytes) {
        std::vector<char*> pointers;
        for (const QString& item : list) {
            pointers.push_back(bytes.emplace_back(item.toLocal8Bit()).data());
        }
        pointers.push_back(nullptr);
        return pointers;
    };
    std::vector<QByteArray> bytes;
    const std::vector<char*> envp = strings(m_environment.toStringList(), bytes);
    const std::vector<char*> argv = strings({QUILLMARK_RENDER, "-s", "code128", "--dpi", "1200",
                                             "--batch", Path("in.txt"), "-o", Path("out/{n}.png")},
                                            bytes);
    // The child takes every signal as the system would (this process may
    // ignore SIGPIPE).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT}) {
        QDir(Path(QStringLiteral("out"))).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("out"))));
        pid_t child = 0;
        ASSERT_EQ(
            ::posix_spawn(&child, QUILLMARK_RENDER, nullptr, &attributes, argv.data(), envp.data()),
            0);
        while (Files(QStringLiteral("out")).size() < 20 &&
               ::waitpid(child, nullptr, WNOHANG) == 0) {
            ::usleep(5000);
        }
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "signal " << signal;
        const QStringList files = Files(QStringLiteral("out"));
        EXPECT_TRUE(files.filter(QStringLiteral(".tmp")).isEmpty())
            << files.join(' ').toStdString();
        ASSERT_FALSE(files.isEmpty());
        EXPECT_FALSE(QImage(Path(QStringLiteral("out/") + files.constLast())).isNull());
    }
    posix_spawnattr_destroy(&attributes);
    const QString dead = QStringLiteral("out/.quillmark-2147483646-0.tmp");
    const QString live = QStringLiteral("out/.quillmark-%1-0.tmp").arg(::getpid());
    WriteFile(dead, "left by a process killed outright");
    WriteFile(live, "being written by a live process");
    EXPECT_EQ(Run({"-s", "code39", "-o", "out/a.bmp", "A"}).status, 0);
    EXPECT_FALSE(QFileInfo::exists(Path(dead)));
    EXPECT_TRUE(QFileInfo::exists(Path(live)));
}

TEST_F(Tool, VersionAndHelpSucceed) {
    const Result version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
}

// Help (Qt's own headings too) and messages follow the user's language; where
// English comes first they stay as scripts have always read them.
TEST_F(Tool, HelpAndMessagesFollowTheLanguage) {
    const struct {
        const char* language;
        const char* help;
        const char* error;
        const char* refusal; // the engine's own
        const char* sheet;   // the language's decimal separator and "1 label"
    } rows[] = {
        {"de_DE", "Optionen:\n  -h, --help                   Zeigt diese Hilfe.",
         "quillmark-render: unbekannte Symbologie \u201enope\u201c; bekannt: code39",
         "quillmark-render: ITF-14-Pr\u00fcfziffer 4 ist falsch: richtig ist 3",
         "quillmark-render: Zeile 1: das Symbol braucht mit seinen Ruhezonen 0,69 x 5,13 in; das "
         "Etikett misst 2,63 x 1,00 in\nquillmark-render: 1 Etikett passt nicht auf letter-3x10; "
         "es wurde nichts geschrieben\n"},
        {"fr:de", "Options :\n  -h, --help                   Affiche cette aide.",
         "quillmark-render: symbologie inconnue \u00ab nope \u00bb ; connues : code39",
         "quillmark-render: le chiffre de contr\u00f4le ITF-14 4 est faux : il devrait "
         "\u00eatre 3",
         "quillmark-render: ligne 1 : le symbole occupe 0,69 x 5,13 po avec ses zones de silence ; "
         "l\u2019\u00e9tiquette mesure 2,63 x 1,00 po\nquillmark-render: 1 \u00e9tiquette ne tient "
         "pas sur letter-3x10 ; rien n\u2019a \u00e9t\u00e9 \u00e9crit\n"},
        {"en_GB:de", "Options:\n  -h, --help                   Shows this help.",
         "quillmark-render: unknown symbology \"nope\"; known: code39",
         "quillmark-render: ITF-14 check digit 4 is wrong: it should be 3",
         "quillmark-render: line 1: the symbol takes 0.69 x 5.13 in with its quiet zones; the "
         "label is 2.63 x 1.00 in\nquillmark-render: 1 label does not fit letter-3x10; nothing "
         "was written\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        m_environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(row.language));
        EXPECT_TRUE(Run({"--help"}).output.contains(QString::fromUtf8(row.help)));
        const Result refused = Run({"-s", "nope", "-o", "x.png", "1"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.errors.startsWith(QString::fromUtf8(row.error)))
            << refused.errors.toStdString();
        const QString check = Run({"-s", "itf14", "-o", "x.png", "15400141288764"}).errors;
        EXPECT_TRUE(check.startsWith(QString::fromUtf8(row.refusal))) << check.toStdString();
        EXPECT_EQ(
            Run({"-s", "code39", "--sheet", "letter-3x10", "--height", "5", "-o", "x.pdf", "1"})
                .errors.toStdString(),
            row.sheet);
    }
}

} // namespace

namespace {

// --verify reads every output back: one that scans as its label passes
// silently, one that does not fails its entry (its file kept) and the run.
TEST_F(Tool, VerifyFailsTheEntriesThatDoNotScanAsTheirLabel) {
    const Result good = Run({"-s", "code39", "-o", "good.bmp", "--verify", "CODE39"});
    EXPECT_EQ(good.status, 0) << good.errors.toStdString();
    EXPECT_TRUE(good.errors.isEmpty()) << good.errors.toStdString();

    const Result star = Run({"-s", "code39", "-o", "star.bmp", "--verify", "AB*CD"});
    EXPECT_EQ(star.status, 1);
    EXPECT_TRUE(star.errors.contains(QStringLiteral("Does not scan"))) << star.errors.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("star.bmp"))));

    WriteFile(QStringLiteral("in.txt"), "CODE39\nA*B\nTEST\n");
    const Result batch =
        Run({"-s", "code39", "--batch", "in.txt", "-o", "{n}.svg", "--verify", "--dpi", "600"});
    EXPECT_EQ(batch.status, 1);
    EXPECT_TRUE(batch.errors.contains(QStringLiteral(": line 2: Does not scan")))
        << batch.errors.toStdString();
    EXPECT_EQ(batch.errors.count(QLatin1Char('\n')), 1) << batch.errors.toStdString();
}

} // namespace

// Label sheets: one PDF of every page, or PNG pages; refused lines and labels
// too small are named before anything is written.
TEST_F(Tool, SheetsWriteEveryPageOrNothing) {
    const char* const kShelf = QUILLMARK_EXAMPLES "/shelf-label.qmd";
    const char* const kProducts = QUILLMARK_EXAMPLES "/products.csv";
    QByteArray lines;
    for (int i = 1; i <= 65; ++i) {
        lines += QByteArray("ITEM-") + QByteArray::number(i) + '\n';
    }
    WriteFile(QStringLiteral("list.txt"), lines);
    WriteFile(QStringLiteral("bad.txt"), "590123412345\n12A4\n");
    const auto pages = [this](const QString& pdf) {
        QFile file(Path(pdf));
        if (!file.open(QIODevice::ReadOnly)) {
            return -1;
        }
        const QByteArray bytes = file.readAll();
        return static_cast<int>(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
    };
    const struct {
        QStringList arguments;
        int status;
        const char* message; // in the error stream
        QStringList files;   // besides the inputs
    } rows[] = {
        {{"-s", "code128", "--sheet", "letter-3x10", "--batch", "list.txt", "-o", "l.pdf"},
         0,
         "",
         {"l.pdf"}},
        {{"-s", "code128", "--sheet", "roll-2x1in", "--height", "0.5", "--copies", "2", "-o",
          "p{page}.png", "--verify", "R-1"},
         0,
         "",
         {"p1.png", "p2.png"}},
        {{"-s", "ean13", "--sheet", "letter-3x10", "--batch", "bad.txt", "-o", "b.pdf"},
         1,
         "line 2: character \"A\"",
         {}},
        {{"-s", "code128", "--sheet", "letter-4x20", "-o", "s.pdf", "X"},
         1,
         "the label is 1.75 x 0.50 in",
         {}},
        {{"-s", "code128", "--sheet", "letter-3x10", "--batch", "list.txt", "-o", "p.png"},
         2,
         "{page}",
         {}},
        {{"-s", "code128", "--sheet", "letter-3x10", "--start-at", "31", "-o", "s.pdf", "X"},
         2,
         "1 to 30",
         {}},
        {{"-s", "code128", "--copies", "2", "-o", "s.pdf", "X"}, 2, "give --sheet", {}},
        {{"-s", "code128", "--sheet", "a5-2x2", "-o", "s.pdf", "X"}, 2, "--list-sheets", {}},
        {{"--design", kShelf, "--csv", kProducts, "--verify", "-o", "d{page}.png"},
         0,
         "",
         {"d1.png"}},
        {{"--design", kShelf, "--csv", kProducts, "--verify", "--dpi", "203", "--bar-reduction",
          "2", "-o", "d.pdf"},
         1,
         "line 2 (page 1, label 1), object \"sku\": does not scan",
         {"d.pdf"}},
        {{"--design", kShelf, "--batch", "list.txt", "-o", "d.pdf"},
         2,
         "column of the data (text)",
         {}},
        {{"--design", kShelf, "--count", "3", "--sheet", "letter-4x20", "-o", "d.pdf"},
         2,
         "object \"name\": its box reaches past the label, 1.75 x 0.50 in",
         {}},
        {{"--design", kShelf, "--batch", "list.txt", "-s", "code39", "-o", "d.pdf"},
         2,
         "--symbology does not go with --design",
         {}},
        {{"--count", "3", "-o", "d.pdf"}, 2, "give --design", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const Result result = Run(row.arguments);
        EXPECT_EQ(result.status, row.status) << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains(QString::fromUtf8(row.message)))
            << result.errors.toStdString();
        QStringList expected = QStringList({"bad.txt", "list.txt"}) + row.files;
        expected.sort();
        EXPECT_EQ(Files().join(' '), expected.join(' '));
        for (const QString& file : row.files) {
            QFile::remove(Path(file));
        }
    }
    // 65 labels fill three pages; started at label 5 as well.
    EXPECT_EQ(Run({"-s", "code128", "--sheet", "letter-3x10", "--batch", "list.txt", "-o", "l.pdf",
                   "--start-at", "5", "--verify"})
                  .status,
              0);
    EXPECT_EQ(pages(QStringLiteral("l.pdf")), 3);
    // Standard input is read to its end, not only the part a pipe holds.
    QByteArray many;
    for (int i = 0; i < 12000; ++i) {
        many += QByteArray::number(1'000'000 + i) + "-ITEM\n";
    }
    EXPECT_EQ(Run({"-s", "code128", "--sheet", "letter-3x10", "--batch", "-", "-o", "in.pdf"}, many)
                  .status,
              0);
    EXPECT_EQ(pages(QStringLiteral("in.pdf")), 400);
    const Result listed = Run({"--list-sheets"});
    EXPECT_EQ(listed.status, 0);
}
