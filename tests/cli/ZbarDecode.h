#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Every symbol that zbar finds in an image, as "TYPE:data" ("CODE-128:ABC");
// a number and its add-on as the two ("EAN-13:...", "EAN-5:52250").
QStringList ZbarDecode(const QImage& image);
