#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <cstdio>
#include <optional>

// Grades the symbol in an image file (PNG or BMP; grey, 1-bit or colour):
// every scan line's parameters with their values and grades, and as the
// last line "grade L (N.N)". 0 when a symbol was found and graded; 1 with a
// message on `errors` when the file cannot be read or holds no bars.
int RunGrade(const QString& path, std::FILE* out, std::FILE* errors);

// The tool's --grade option, with its help text.
QCommandLineOption GradeOption();

// The tool's --grade-print option: the planned print's grade after what
// --verify reads, for bars that spread by a gain in mils.
QCommandLineOption GradePrintOption();

// The limits of --grade-print's gain, in mils.
inline constexpr double kMinPrintGainMils = -10.0;
inline constexpr double kMaxPrintGainMils = 10.0;

// Takes --grade-print's gain into `gain` when given. False with the reason
// in `error` when it is no number within the limits, comes without --verify,
// or with --sheet or --design (whose labels it does not grade).
bool TakeGradePrint(const QCommandLineParser& parser, bool verify, std::optional<double>& gain,
                    QString* error);
