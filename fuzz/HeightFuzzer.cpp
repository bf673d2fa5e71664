// The Height field's parser with any text, in a decimal-comma locale when the
// machine has one: a bar length of 1 mil to the 32-bit limit, the same from
// the field's text as from its bytes.
#include "FuzzInput.h"

#include "FieldValues.h"

#include <QString>

#include <clocale>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The program runs in the user's locale; the field reads a decimal point
    // in every one of them.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t mils = BarLengthFromHeight(text);
    FUZZ_CHECK(mils >= 1);
    // Latin-1 bytes as the field's characters read the same.
    const QString field = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    FUZZ_CHECK(BarLengthFromHeight(field) == mils);
    return 0;
}
