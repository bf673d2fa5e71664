#include "Factory.h"

#include "Code128.h"
#include "Code39.h"
#include "Code93.h"
#include "EanUpc.h"
#include "Interleaved25.h"
#include "Postnet.h"

std::unique_ptr<CBarcode> CreateBarcode(int symbologyId, std::string_view text) {
    if (symbologyId < 0 || symbologyId >= kSymbologyCount) {
        return nullptr;
    }
    switch (static_cast<SymbologyId>(symbologyId)) {
    case SymbologyId::Code39:
        return std::make_unique<CCode39>(text);
    case SymbologyId::Code93:
        return std::make_unique<CCode93>(text);
    case SymbologyId::Code128:
        return std::make_unique<CCode128>(text);
    case SymbologyId::Interleaved25:
        return std::make_unique<CInterleaved25>(text);
    case SymbologyId::Code39Extended:
        return std::make_unique<CCode39Ext>(text);
    case SymbologyId::Code39Mod43:
        return std::make_unique<CCode39Mod43>(text);
    case SymbologyId::Postnet:
        return std::make_unique<CPostnet>(text);
    case SymbologyId::UpcA:
        return std::make_unique<CUpcA>(text);
    case SymbologyId::UpcE:
        return std::make_unique<CUpcE>(text);
    case SymbologyId::Ean13:
        return std::make_unique<CEan13>(text);
    case SymbologyId::Ean8:
        return std::make_unique<CEan8>(text);
    }
    return nullptr;
}
