#include "DialogUnits.h"

#include <QFontMetrics>

QFont DialogUnits::TemplateFont(const res::DialogTemplate& layout) {
    const QString face = res::Text(layout.font);
    QFont::insertSubstitutions(face, {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    return QFont(face, layout.pointSize);
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    auto px = [this](int units) { return (units * m_baseX + 2) / 4; };
    auto py = [this](int units) { return (units * m_baseY + 4) / 8; };
    return {px(x), py(y), px(cx), py(cy)};
}
