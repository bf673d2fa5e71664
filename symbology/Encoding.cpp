#include "Encoding.h"

#include <algorithm>
#include <numeric>
#include <utility>

std::int64_t Encoding::DrawnWidth() const {
    return std::accumulate(elements.begin(), elements.end(), std::int64_t{0},
                           [](std::int64_t sum, const Element& e) { return sum + e.width; });
}

Encoding::Span Encoding::Bars() const {
    Span span;
    std::int64_t position = 0;
    bool seen = false;
    for (const Element& element : elements) {
        if (element.bar) {
            span.start = seen ? span.start : position;
            span.end = position + element.width;
            seen = true;
        }
        position += element.width;
    }
    return span;
}

std::int64_t Encoding::SymbolLength() const {
    return Empty() ? std::int64_t{totalWidth} : Bars().Length();
}

EncodingBuilder::EncodingBuilder(std::int32_t narrow, std::int32_t wide)
    : m_narrow(narrow), m_wide(wide), m_module(narrow) {}

void EncodingBuilder::Elements(std::string_view pattern) {
    bool bar = true;
    for (const char element : pattern) {
        Add({element == 'w' ? m_wide : m_narrow, bar, bar ? m_barLength : 0, bar ? m_barLift : 0});
        bar = !bar;
    }
}

void EncodingBuilder::Modules(std::string_view pattern) {
    // A run of equal modules is one element of its whole width.
    for (std::size_t start = 0; start < pattern.size();) {
        const bool bar = pattern[start] == 'b';
        std::size_t end = start + 1;
        while (end < pattern.size() && (pattern[end] == 'b') == bar) {
            ++end;
        }
        // A run spans one symbol character at most (13 modules), far inside 32 bits.
        Add({static_cast<std::int32_t>(end - start) * m_narrow, bar, bar ? m_barLength : 0,
             bar ? m_barLift : 0});
        start = end;
    }
}

void EncodingBuilder::Label(std::string_view text, std::int64_t along, LabelAlign align,
                            std::int32_t inset, std::int64_t span, bool nudged) {
    if (text.empty()) {
        return;
    }
    m_encoding.label.push_back(
        {std::string(text), along, align, span, inset, m_encoding.elements.size(), nudged});
}

void EncodingBuilder::TopLabel(std::string_view text, std::int64_t along, std::int64_t span,
                               std::int32_t height) {
    if (text.empty()) {
        return;
    }
    LabelPiece piece{std::string(text),         along, LabelAlign::Centre, span, 0,
                     m_encoding.elements.size()};
    piece.top = true;
    piece.height = height;
    m_encoding.label.push_back(std::move(piece));
}

Encoding EncodingBuilder::Finish(std::int32_t totalWidth, std::int32_t leadSpace) {
    m_encoding.totalWidth = totalWidth;
    m_encoding.leadSpace = leadSpace;
    m_encoding.module = m_module;
    const auto quiet = [this](std::int32_t modules) {
        // Modules and module are settings-sized: their product stays in 32 bits.
        return std::max(m_quietMils, modules * m_module);
    };
    m_encoding.quietBefore = quiet(m_quietBefore);
    m_encoding.quietAfter = quiet(m_quietAfter);
    return std::move(m_encoding);
}
