#pragma once

#include "Decoded.h"

#include <optional>
#include <span>

// The two-width symbologies, read by telling each character's wide elements
// from its narrow ones (the widest three of Code 39's nine, the widest two
// of each five of an Interleaved 2 of 5 pair). They decode or not; their
// decodability is not graded.
std::optional<ReferenceDecoded> DecodeCode39(std::span<const double> widths);
std::optional<ReferenceDecoded> DecodeInterleaved25(std::span<const double> widths);
