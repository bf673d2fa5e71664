#pragma once

#include <QCommandLineOption>
#include <QString>

#include <cstdio>

// Grades the symbol in an image file (PNG or BMP; grey, 1-bit or colour):
// every scan line's parameters with their values and grades, and as the
// last line "grade L (N.N)". 0 when a symbol was found and graded; 1 with a
// message on `errors` when the file cannot be read or holds no bars.
int RunGrade(const QString& path, std::FILE* out, std::FILE* errors);

// The tool's --grade option, with its help text.
QCommandLineOption GradeOption();
