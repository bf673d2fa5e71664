#pragma once

#include "LabelDesign.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The design file: JSON text with a "version" key (README, "Label designs",
// describes every key). Reading is strict: an unknown key, a value of the
// wrong kind or out of range, or a file of a newer version is refused, and
// the message names the line (for a text that is no JSON) or the key.

inline constexpr int kDesignFileVersion = 1;

// The design the text holds, or nothing with *error saying where and why.
std::optional<LabelDesign> ReadDesign(const QByteArray& text, QString* error);

// The design as the file's text; ReadDesign gives the same design back.
QByteArray WriteDesign(const LabelDesign& design);

// A design file read whole; nothing with *error naming the file and the fault.
std::optional<LabelDesign> LoadDesignFile(const QString& path, QString* error);
