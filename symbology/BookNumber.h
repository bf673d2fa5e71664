#pragma once

#include "EanUpc.h"
#include "EngineMessage.h"

#include <string>
#include <string_view>

// Numbers of books, serials and printed music, each carried by an EAN-13 of
// its own prefix, the number printed above the bars:
// - ISBN: "978-1-56581-231-4" (ISBN-13, 978 or 979) or "1-56581-231-X"
//   (ISBN-10, drawn as 978 with a new check digit);
// - ISSN: "0317-8471", then optionally the sequence variant (2 digits, 00 if
//   none) before the add-on: EAN-13 977, the ISSN's seven digits, the variant;
// - ISMN: "979-0-2600-0043-8", or the older "M-2600-0043-8".
// Hyphens and spaces may stand between the digits (ISSN: one hyphen) and are
// kept for the line above; "ISBN" and the like may lead. A 2- or 5-digit
// add-on follows a "+" or a space after the whole number.
enum class BookForm { Isbn, Issn, Ismn };

struct BookNumber {
    std::string digits;   // the twelve data digits of its EAN-13; empty when refused
    std::string addOn;    // "" for none
    std::string headline; // the line above the bars: "ISBN 978-1-56581-231-4"
    EngineMessage why;    // why the text is refused; empty when it is not
};

// Reads a number as typed: check digits verified (a wrong one is named with
// the right one), an ISBN-10 converted, hyphens where the published ranges
// put them when none are typed.
BookNumber ParseBookNumber(BookForm form, std::string_view text);

// An EAN-13 that draws a book number. Its data text stays as typed; a refused
// text draws nothing.
class CBookNumber : public CEan13 {
public:
    CBookNumber(BookForm form, std::string_view text, const BarWidths& widths);
};

template <BookForm form> class CBookForm : public CBookNumber {
public:
    explicit CBookForm(std::string_view text, const BarWidths& widths = SettingsWidths())
        : CBookNumber(form, text, widths) {}
};
using CIsbn = CBookForm<BookForm::Isbn>;
using CIssn = CBookForm<BookForm::Issn>;
using CIsmn = CBookForm<BookForm::Ismn>;
