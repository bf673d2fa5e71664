#pragma once

#include "ResourceTables.h"

#include <QFont>
#include <QRect>
#include <QString>

// Converts dialog-template positions to pixels: a horizontal dialog unit is a
// quarter, a vertical one an eighth, of the dialog font's average character
// width and height.
class DialogUnits {
public:
    // The template's font, its logical face name mapped to a face of similar
    // metrics that this system has.
    static QFont TemplateFont(const res::DialogTemplate& layout);
    explicit DialogUnits(const QFont& font);

    QRect ToPixels(int x, int y, int cx, int cy) const;
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX = 6;
    int m_baseY = 13;
};
