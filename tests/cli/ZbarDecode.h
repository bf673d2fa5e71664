#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Every symbol that zbar finds in an image, as "TYPE:data" ("CODE-128:ABC").
QStringList ZbarDecode(const QImage& image);
