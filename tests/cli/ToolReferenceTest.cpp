// Every file the tool writes byte for byte as recorded: single symbols in
// each format, batches, label sheets on pages and rolls, with the options that
// shape them. The digests in tool-reference-outputs.txt were taken from a
// build whose outputs the scan tests had passed; a change to a single byte
// shows here by the run's name. QUILLMARK_RECORD_REFERENCE=1 writes the file
// anew (only on purpose, after a deliberate change of what the tool writes).
#include "ReferenceDigests.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Run {
    const char* name;
    QStringList arguments;
};

const Run kRuns[] = {
    {"code39-bmp", {"-s", "code39", "-o", "a.bmp", "QM-123"}},
    {"code128-png-d13", {"-s", "code128", "--density", "13", "-o", "a.png", "Qm-128 x"}},
    {"code128-shortest-svg",
     {"-s", "code128", "--code-sets", "auto", "-o", "a.svg", "abc123456789"}},
    {"i2of5-pdf-r2", {"-s", "i2of5", "--ratio", "2", "-o", "a.pdf", "1234567890"}},
    {"ean13-png-turned",
     {"-s", "ean13", "--turn", "1", "--zoom", "2", "-o", "a.png", "590123412345"}},
    {"ean8-marks", {"-s", "ean8", "--quiet-zone-marks", "on", "-o", "a.png", "9638507"}},
    {"upce-notext", {"-s", "upce", "--no-text", "--dpi", "203", "-o", "a.png", "012345"}},
    {"postnet-bmp", {"-s", "postnet", "-o", "a.bmp", "12345"}},
    {"gs1-pdf", {"-s", "gs1-128", "-o", "a.pdf", "(01)09501101530003(17)251231(10)AB-123"}},
    {"itf14-bearers",
     {"-s", "itf14", "--bearer-bars", "top-bottom", "--bar-reduction", "1", "-o", "a.png",
      "1540014128876"}},
    {"batch-png", {"-s", "code93", "--batch", "list.txt", "-o", "b{n}.png"}},
    {"csv-mixed", {"--csv", "list.csv"}},
    {"sheet-letter-pdf",
     {"-s", "code128", "--sheet", "letter-3x10", "--batch", "list.txt", "-o", "s.pdf"}},
    {"sheet-roll-png",
     {"-s", "code39", "--sheet", "roll-2x1in", "--height", "0.5", "--dpi", "203", "-o",
      "p{page}.png", "--batch", "list.txt"}},
    {"sheet-outlines-jobs",
     {"-s", "code93", "--sheet", "letter-3x10", "--outlines", "--copies", "2", "--jobs", "2",
      "--batch", "list.txt", "-o", "o.pdf"}},
    {"sheet-custom-caption",
     {"-s", "ean13", "--sheet", "page=4x3in,grid=2x2,label=1.9x1.4in", "--caption", "Shelf",
      "--start-at", "2", "-o", "c.pdf", "590123412345"}},
};

// Runs every row in a folder of its own and digests each file it leaves.
std::map<std::string, QString> CurrentDigests() {
    std::map<std::string, QString> digests;
    for (const Run& run : kRuns) {
        QTemporaryDir folder;
        QDir dir(folder.path());
        const auto write = [&dir](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            if (file.open(QIODevice::WriteOnly)) {
                file.write(bytes);
            }
        };
        write("list.txt", "ITEM-1\nITEM-2\nQM 93\nX\n");
        write("list.csv", "symbology,text,output\ncode39,A1,c1.png\nean8,9638507,c2.svg\n"
                          "code128,x y,c3.pdf\n");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        // QUILLMARK_REFERENCE_TOOL names another build's tool, to record the set
        // from the build the reference is taken from.
        process.start(
            qEnvironmentVariable("QUILLMARK_REFERENCE_TOOL", QStringLiteral(QUILLMARK_RENDER)),
            run.arguments);
        process.waitForFinished(60000);
        digests[std::string(run.name) + "/status"] =
            QString::number(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1);
        for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
            if (!file.startsWith(QStringLiteral("list."))) {
                QFile output(dir.filePath(file));
                output.open(QIODevice::ReadOnly);
                digests[std::string(run.name) + '/' + file.toStdString()] =
                    ReferenceDigest(output.readAll());
            }
        }
    }
    return digests;
}

TEST(ToolReference, EveryFileIsByteForByteAsRecorded) {
    ExpectAsRecorded(CurrentDigests(), QUILLMARK_TOOL_REFERENCE_FILE);
}

} // namespace
