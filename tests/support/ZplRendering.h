#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <vector>

// Runs quillmark-render with settings of its own (in `config`): its exit
// status, and what it said in `errors`.
inline int RunRenderTool(const QStringList& arguments, const QString& config,
                         QString* errors = nullptr) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(QUILLMARK_RENDER), arguments);
    tool.waitForFinished(60000);
    if (errors != nullptr) {
        *errors = QString::fromLocal8Bit(tool.readAllStandardError());
    }
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

// The labels of a ZPL file as the independent interpreter (scripts/zplcheck,
// run with node) renders them, in the file's order; `why` says what was
// missing when it could not run, so that a test skips with that reason.
inline std::vector<QImage> RenderZplIndependently(const QString& zplPath, double widthMm,
                                                  double heightMm, int dotsPerMm, QString* why) {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    const QString tool = QStringLiteral(QUILLMARK_ZPLCHECK_DIR "/render.js");
    if (node.isEmpty() || !QDir(QStringLiteral(QUILLMARK_ZPLCHECK_DIR "/node_modules")).exists()) {
        *why = QStringLiteral("node or scripts/zplcheck/node_modules is missing (npm ci there)");
        return {};
    }
    const QString outDir = zplPath + QStringLiteral(".png");
    QProcess process;
    process.start(node, {tool, zplPath, outDir, QString::number(widthMm), QString::number(heightMm),
                         QString::number(dotsPerMm)});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        *why = QStringLiteral("the interpreter failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    std::vector<QImage> labels;
    const int count = QString::fromLatin1(process.readAllStandardOutput()).trimmed().toInt();
    for (int i = 1; i <= count; ++i) {
        labels.emplace_back(outDir + QStringLiteral("/label-%1.png").arg(i));
    }
    return labels;
}
