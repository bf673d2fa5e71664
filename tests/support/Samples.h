#pragma once

// One sample text of every symbology, with what each reader returns for it:
// the table the tests of drawing and reading back share.
#include "Decode.h"
#include "Symbologies.h"

#include <array>
#include <optional>
#include <span>

struct SymbologySample {
    SymbologyId id;
    const char* text;
    std::optional<Symbology> decoder; // none: Postnet, read back by its bars
    const char* zxing;
    const char* zbar;  // zbar reads Code 39 without the full-ASCII decoding
    bool wideElements; // narrow/wide elements rather than runs of modules
};

inline constexpr std::array<SymbologySample, kSymbologyCount> kSymbologySamples{{
    {SymbologyId::Code39, "CODE39", Symbology::Code39, "CODE39", "CODE39", true},
    {SymbologyId::Code93, "CODE93", Symbology::Code93, "CODE93", "CODE93", false},
    {SymbologyId::Code128, "Code128", Symbology::Code128, "CODE128", "CODE128", false},
    {SymbologyId::Interleaved25, "123456", Symbology::Itf, "123456", "123456", true},
    {SymbologyId::Code39Extended, "Ab1", Symbology::Code39Extended, "Ab1", "A+B1", true},
    {SymbologyId::Code39Mod43, "CODE39", Symbology::Code39, "CODE39W", "CODE39W", true},
    {SymbologyId::Postnet, "21898623818", std::nullopt, "21898623818", "21898623818", false},
    // The start-up sample: zbar reads no symbol of 036000291452 at one dot per
    // module, not even a peer generator's, so that number tests nothing of ours.
    {SymbologyId::UpcA, "21898623818", Symbology::UpcA, "218986238182", "218986238182", false},
    {SymbologyId::UpcE, "123456", Symbology::UpcE, "01234565", "01234565", false},
    {SymbologyId::Ean13, "400638133393", Symbology::Ean13, "4006381333931", "4006381333931", false},
    {SymbologyId::Ean8, "9638507", Symbology::Ean8, "96385074", "96385074", false},
    {SymbologyId::Gs1128, "(01)09501101530003(10)AB-123", Symbology::Code128,
     "0109501101530003\x1D"
     "10AB-123",
     "0109501101530003\x1D"
     "10AB-123",
     false},
    {SymbologyId::Itf14, "1540014128876", Symbology::Itf, "15400141288763", "15400141288763", true},
    // Book numbers: their EAN-13, an ISSN with its issue add-on.
    {SymbologyId::Isbn, "1-56581-231-X", Symbology::Ean13, "9781565812314", "9781565812314", false},
    {SymbologyId::Issn, "0317-8471 05", Symbology::Ean13, "9770317847001 05", "9770317847001 05",
     false},
    {SymbologyId::Ismn, "979-0-2600-0043-8", Symbology::Ean13, "9790260000438", "9790260000438",
     false},
}};

// The samples whose readings the readers give as plain data (GS1-128 and
// ITF-14 are checked by their own tests).
inline constexpr std::span<const SymbologySample> PlainReadSamples() {
    return std::span(kSymbologySamples).first(11);
}
