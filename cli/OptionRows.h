#pragma once

#include <QCommandLineOption>
#include <QList>

// The tool's option rows for drawing symbols, batches and sheets, each with
// its help text in the user's language (help and version come first, the
// design and printer rows after them).
QList<QCommandLineOption> SymbolOptionRows();
