#pragma once

#include "LabelSprite.h"
#include "QPainterSurface.h"

#include <QFont>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class CLabelStore;

// Where the pixels of a symbol's labels come from: the label store, if the
// run keeps one, and the fonts, if the run may paint with them. A run without
// a GUI application has no fonts: its labels come from the store only, and one
// the store cannot give is noted as missed and left out.
struct LabelSource {
    CLabelStore* store = nullptr;
    bool paint = true;
    friend bool operator==(const LabelSource&, const LabelSource&) = default;
};

// A part of a label drawn as one sprite: its first pixel lies `at` from the
// label's corner. Drawn in turn, the box and then each glyph, they set the
// pixels the whole label sets.
struct SpritePiece {
    const LabelSprite* sprite;
    QPoint at;
};

// Sets labels into 1-bit sprites: each glyph painted once by the painter into
// a small image (once for each 64th of a pixel its origin takes) and copied
// wherever it is drawn, the opaque box once per length of text. The glyphs
// painted are kept for the thread's later symbols (a batch draws the same
// font throughout), and added to the label store where there is one. A label
// the painter would not set glyph by glyph (a control character in it) is
// painted whole, each distinct one once.
class CLabelTypesetter {
public:
    explicit CLabelTypesetter(const LabelSource& source) : m_source(source) {}

    // Whether labels are painted with the fonts (else taken from the store).
    bool Paints() const { return m_source.paint; }
    // A text measured as the store keeps its font, for a run without fonts;
    // nothing (and a miss noted) when the store cannot say.
    std::optional<TextMeasure> MeasureAsStored(const QFont& font, const QString& text, int dpmX,
                                               int dpmY);
    // A placed label's pixels as pieces, valid until the next label.
    const std::vector<SpritePiece>& Pieces(const TextPlacement& placement, int dpmX, int dpmY);
    // Whether a label could neither be taken from the store nor painted.
    bool Missed() const { return m_missed; }

private:
    LabelSource m_source;
    bool m_missed = false;
};
