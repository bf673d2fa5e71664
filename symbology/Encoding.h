#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One element of a symbol in reading order: a bar or a space, its width in mils
// along the reading direction. Neighbouring modules of one colour are one
// element, so a wide bar is always one solid bar on every device.
struct Element {
    std::int32_t width = 0;
    bool bar = false;
    // A bar of a fixed length of its own (Postnet's full and half bars): its
    // length, and how far from the origin line it starts in the bar direction.
    // A length of 0 takes the bar length the symbol is drawn with; a negative
    // length that much less than it (ITF-14's bars between its bearer bars).
    std::int32_t length = 0;
    std::int32_t lift = 0;
    friend bool operator==(const Element&, const Element&) = default;
};

// Where a label piece lies along the reading direction, relative to its anchor.
enum class LabelAlign {
    Start,  // the text starts at the anchor
    End,    // the text ends at the anchor
    Centre, // the text is centred on the span that starts at the anchor
};

// One piece of the human-readable text. Its top-left corner lies `inset` mils
// short of the bars' far end in the bar direction; along the reading direction
// it is placed by `align` against `along`, mils from the symbol's origin.
struct LabelPiece {
    std::string text;
    std::int64_t along = 0;
    LabelAlign align = LabelAlign::Start;
    std::int64_t span = 0; // Centre: the length the text is centred on
    std::int32_t inset = 0;
    // The piece is drawn once this many elements have been drawn, so an opaque
    // text box covers exactly the bars it covered when symbol and text were
    // drawn interleaved.
    std::size_t afterElements = 0;
    // Moves the corner 1 mil right and, except in orientation 2, 1 mil up
    // (the EAN/UPC check digit after the end guard).
    bool nudged = false;
    // The corner lies `inset` mils from the origin line instead, above bars
    // that start lower (an add-on's digits, a book number's line).
    bool top = false;
    // The text's height in mils; 0 for the label font's.
    std::int32_t height = 0;
    friend bool operator==(const LabelPiece&, const LabelPiece&) = default;
};

// What a symbology makes of its text: the whole symbol as plain data, drawn by
// CBarcode::Draw, or read by any renderer that needs no drawing surface.
struct Encoding {
    std::vector<Element> elements;
    std::vector<LabelPiece> label;
    // Mils between the origin and the first element when the label is shown
    // (the EAN/UPC digit printed before the start guard); without the label the
    // first element starts at the origin.
    std::int32_t leadSpace = 0;
    // The symbol's length as the symbology reports it, which may exceed the
    // drawn length (Code 128's estimate, the EAN/UPC lead space).
    std::int32_t totalWidth = 0;
    // The module (narrow element) width in mils when every element is a whole
    // number of modules, so a device can put them on its own grid; 0 when the
    // elements have fixed sizes of their own (Postnet).
    std::int32_t module = 0;
    // The clear space the symbology's standard asks for before the first bar
    // and after the last, in mils.
    std::int32_t quietBefore = 0;
    std::int32_t quietAfter = 0;
    // The thickness of two bearer bars along the reading direction, over the
    // whole drawn width, at both ends of the bar length (ITF-14); 0 for none.
    std::int32_t bearer = 0;

    bool Empty() const { return elements.empty(); }
    // Mils from the first element's start to the last element's end.
    std::int64_t DrawnWidth() const;
    // Where the bars lie, in mils from the first element's start: the leading
    // edge of the first bar and the trailing edge of the last (spaces before
    // and after them, such as Code 39's gap after its stop character, are no
    // part of what a reader or a ruler sees). Both 0 without a bar.
    struct Span {
        std::int64_t start = 0;
        std::int64_t end = 0;
        std::int64_t Length() const { return end - start; }
    };
    Span Bars() const;
    // The symbol's length as a ruler measures it: its bars' span, or for an
    // encoding of no bars at all the length the symbology reports (the room
    // its symbol would take).
    std::int64_t SymbolLength() const;
};

// Builds an Encoding element by element, merging neighbours of one colour.
class EncodingBuilder {
public:
    // narrow and wide are the widths of "n" and "w" elements; narrow is also
    // the module of "b"/"s" patterns.
    EncodingBuilder(std::int32_t narrow, std::int32_t wide);

    // Room for this many elements and label pieces, so a symbol is built
    // without regrowing either list.
    void Reserve(std::size_t elements, std::size_t labelPieces = 1) {
        m_encoding.elements.reserve(elements);
        m_encoding.label.reserve(labelPieces);
    }

    // "n"/"w" elements alternating bar, space, ..., starting with a bar.
    void Elements(std::string_view pattern);
    // One-module elements: "b" a bar, anything else a space.
    void Modules(std::string_view pattern);
    // Bars added from now on, by Elements and Modules, start `lift` mils
    // from the origin line and have the given length (see Element).
    void BarShape(std::int32_t length, std::int32_t lift) {
        m_barLength = length;
        m_barLift = lift;
    }
    void Bar(std::int32_t width, std::int32_t length = 0, std::int32_t lift = 0) {
        Add({width, true, length, lift});
    }
    void Space(std::int32_t width) { Add({width, false}); }

    // Adds a label piece to be drawn after the elements added so far.
    void Label(std::string_view text, std::int64_t along, LabelAlign align, std::int32_t inset = 0,
               std::int64_t span = 0, bool nudged = false);
    // Adds a piece centred on `span` mils from `along`, its corner on the
    // origin line (LabelPiece::top), of the given text height (0: the label
    // font's).
    void TopLabel(std::string_view text, std::int64_t along, std::int64_t span,
                  std::int32_t height = 0);

    // Mils from the first element's start to the end of the last one added.
    std::int64_t Position() const { return m_position; }

    Encoding Finish(std::int32_t totalWidth, std::int32_t leadSpace = 0);
    // The quiet zones: modules before and after the bars, at least `mils`
    // each (all of it in mils for elements of fixed sizes).
    void QuietZone(std::int32_t before, std::int32_t after, std::int32_t mils) {
        m_quietBefore = before;
        m_quietAfter = after;
        m_quietMils = mils;
    }
    // Marks the elements as not being whole modules.
    void FixedSizes() { m_module = 0; }

private:
    void Add(Element element) {
        m_position += element.width;
        if (!m_encoding.elements.empty()) {
            Element& last = m_encoding.elements.back();
            if (last.bar == element.bar && last.length == element.length &&
                last.lift == element.lift) {
                // Widths stay far inside 32 bits: a run is at most a few modules.
                last.width += element.width;
                return;
            }
        }
        m_encoding.elements.push_back(element);
    }

    Encoding m_encoding;
    std::int32_t m_quietBefore = 0;
    std::int32_t m_quietAfter = 0;
    std::int32_t m_quietMils = 0;
    std::int32_t m_narrow;
    std::int32_t m_wide;
    std::int32_t m_module;
    std::int64_t m_position = 0;
    std::int32_t m_barLength = 0;
    std::int32_t m_barLift = 0;
};
