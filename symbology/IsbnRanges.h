#pragma once

#include <string>
#include <string_view>

// An ISBN-13 of thirteen digits with its hyphens where the International ISBN
// Agency's ranges (IsbnRanges.txt) put them: prefix, registration group,
// registrant, publication, check digit ("978-1-56581-231-4"). Empty where the
// number lies in no published range.
std::string HyphenateIsbn(std::string_view isbn13);

// The date of the ranges' edition, as the file gives it.
std::string_view IsbnRangesEdition();
