// The Text field's input rule, applied to texts from the command line.
#include "InputRule.h"

#include <gtest/gtest.h>

namespace {

TEST(InputRule, RefusesWhatTheTextFieldRefusesNamingCharacterAndPosition) {
    struct Row {
        const char* name;
        SymbologyId id;
        const char* text;    // UTF-8
        const char* refusal; // "" when accepted
        const char* engineText;
    };
    const Row rows[] = {
        {"Code 39 letters and digits", SymbologyId::Code39, "AB-12", "", "AB-12"},
        {"Code 39 excluded character", SymbologyId::Code39, "AB<12",
         "character \"<\" (U+003C) at position 3: Code 39 refuses it", ""},
        {"Code 39 character without a pattern", SymbologyId::Code39, "A#",
         "character \"#\" (U+0023) at position 2: Code 39 has no encoding for it", ""},
        {"Code 39 lower case is upper-cased, not refused", SymbologyId::Code39, "abc", "", "abc"},
        {"Code 128 takes brackets", SymbologyId::Code128, "[x]", "", "[x]"},
        {"beyond Latin-1", SymbologyId::Code128, "A\xE2\x82\xAC",
         "character \"\xE2\x82\xAC\" (U+20AC) at position 2: Code 128 takes 8-bit (Latin-1) "
         "characters only",
         ""},
        {"EAN 13 digits only", SymbologyId::Ean13, "12a4",
         "character \"a\" (U+0061) at position 3: EAN 13 takes digits only", ""},
        {"EAN 13 too long", SymbologyId::Ean13, "1234567890123",
         "13 digits: EAN 13 takes at most 12", ""},
        {"Postnet a control character", SymbologyId::Postnet, "12\t",
         "character U+0009 at position 3: Postnet takes digits only", ""},
        {"empty is accepted", SymbologyId::UpcA, "", "", ""},
    };
    for (const Row& row : rows) {
        const CheckedText checked =
            CheckText(row.id, QString::fromUtf8(row.text), false, CodeSetChoice::AsTyped);
        if (*row.refusal == '\0') {
            EXPECT_FALSE(checked.refusal)
                << row.name << ": " << checked.refusal->reason.toStdString();
            EXPECT_EQ(checked.engineText, row.engineText) << row.name;
        } else {
            ASSERT_TRUE(checked.refusal) << row.name;
            EXPECT_EQ(checked.refusal->reason, QString::fromUtf8(row.refusal)) << row.name;
        }
    }
}

TEST(InputRule, DropInvalidKeepsWhatTheTextFieldWouldKeep) {
    struct Row {
        const char* name;
        SymbologyId id;
        const char* text;
        const char* engineText;
    };
    const Row rows[] = {
        {"excluded dropped", SymbologyId::Code93, "A<B>C", "ABC"},
        {"non-digits dropped", SymbologyId::Interleaved25, "12-34 56", "123456"},
        {"cut to the limit", SymbologyId::Ean8, "123456789", "1234567"},
        {"beyond Latin-1 and without an encoding dropped", SymbologyId::Code128,
         "A\xC3\xA9\xE2\x82\xAC", "A"},
    };
    for (const Row& row : rows) {
        const CheckedText checked =
            CheckText(row.id, QString::fromUtf8(row.text), true, CodeSetChoice::AsTyped);
        EXPECT_FALSE(checked.refusal) << row.name;
        EXPECT_EQ(checked.engineText, row.engineText) << row.name;
    }
}

} // namespace
