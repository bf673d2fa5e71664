#include "TextRule.h"

#include "EanUpc.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

constexpr char32_t kLastLatin1 = 0xFF;

// A character the engine leaves out of the symbol: its encoding alone is that
// of the empty text (start, stop and check characters only).
bool EncodesNothing(SymbologyId id, char c, CodeSetChoice codeSets) {
    constexpr std::size_t kCodeSetChoices = 2;
    constexpr std::size_t kBytes = 256;
    thread_local std::array<std::array<std::array<signed char, kBytes>, kSymbologyCount>,
                            kCodeSetChoices>
        known{};
    signed char& cached = known[static_cast<std::size_t>(codeSets)][static_cast<std::size_t>(id)]
                               [static_cast<unsigned char>(c)];
    if (cached == 0) {
        BarWidths widths;
        widths.codeSets = codeSets;
        const Encoding empty = CreateBarcode(id, "", widths)->Encode();
        const Encoding single = CreateBarcode(id, std::string_view(&c, 1), widths)->Encode();
        cached = single.elements == empty.elements ? 1 : -1;
    }
    return cached == 1;
}

} // namespace

CharFault FieldFault(const SymbologyFacts& facts, char32_t c) {
    if (facts.filter == TextFilter::Digits) {
        // EAN and UPC: a space or "+" leads an add-on.
        const bool addOn = IsEanUpc(facts.id) && (c == ' ' || c == '+');
        return (c >= '0' && c <= '9') || addOn ? CharFault::None : CharFault::NotADigit;
    }
    if (c > kLastLatin1) {
        return CharFault::BeyondLatin1;
    }
    return facts.excluded.find(static_cast<char>(c)) != std::string_view::npos ? CharFault::Excluded
                                                                               : CharFault::None;
}

CharFault CharFaultOf(SymbologyId id, char32_t c, CodeSetChoice codeSets) {
    const SymbologyFacts& facts = FactsOf(id);
    if (const CharFault fault = FieldFault(facts, c); fault != CharFault::None) {
        return fault;
    }
    // GS1 data and book numbers hold together as a whole (one character
    // alone is no AI, no ISBN) and are checked as a whole.
    const bool whole = id == SymbologyId::Gs1128 || id == SymbologyId::Isbn ||
                       id == SymbologyId::Issn || id == SymbologyId::Ismn;
    if (facts.filter != TextFilter::Digits && !whole &&
        EncodesNothing(id, static_cast<char>(c), codeSets)) {
        return CharFault::NoEncoding;
    }
    return CharFault::None;
}
