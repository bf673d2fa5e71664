#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

// The most labels --count asks for.
inline constexpr int kMaxCount = 1'000'000;

// The tool's options for label designs: --design and --count.
QList<QCommandLineOption> DesignOptionRows();

// Why the parsed command line cannot draw a design: it needs one input
// (--csv, --batch or --count) and no data text, and refuses the options a
// design sets for each of its objects and those it does not take yet. Empty
// when the command line is fine.
QString DesignOptionsFault(const QCommandLineParser& parser);
