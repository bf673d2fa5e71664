#pragma once

#include "Symbologies.h"

#include <ostream>

// Test messages name a symbology by its list text.
inline std::ostream& operator<<(std::ostream& os, SymbologyId id) {
    return os << FactsOf(id).name;
}
