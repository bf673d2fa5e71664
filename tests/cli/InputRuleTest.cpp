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
        {"Postnet a control character", SymbologyId::Postnet, "12\t",
         "character U+0009 at position 3: Postnet takes digits only", ""},
        {"empty is accepted", SymbologyId::Code39, "", "", ""},
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

TEST(InputRule, EanAndUpcTakeWholeNumbers) {
    struct Row {
        SymbologyId id;
        const char* text;
        bool zeroFill;
        const char* refusal; // "" when accepted
        const char* engineText;
    };
    const Row rows[] = {
        {SymbologyId::Ean13, "45123", false,
         "EAN 13 takes 12 digits, or 13 with its check digit; \"45123\" has 5", ""},
        {SymbologyId::Ean13, "45123", true, "", "451230000000"},
        {SymbologyId::Ean13, "4006381333931", false, "", "400638133393"},
        {SymbologyId::Ean13, "4006381333932", false,
         "EAN 13 check digit 2 is wrong: it should be 1", ""},
        {SymbologyId::Ean13, "40063813339311", false, "14 digits: EAN 13 takes at most 13", ""},
        {SymbologyId::UpcA, "0123456789", false,
         "UPC A takes 11 digits, or 12 with its check digit; \"0123456789\" has 10", ""},
        {SymbologyId::UpcA, "036000291452", false, "", "03600029145"},
        {SymbologyId::UpcA, "", false,
         "UPC A takes 11 digits, or 12 with its check digit; \"\" has 0", ""},
        {SymbologyId::Ean8, "950123", false,
         "EAN 8 takes 7 digits, or 8 with its check digit; \"950123\" has 6", ""},
        {SymbologyId::Ean8, "96385074", false, "", "9638507"},
        {SymbologyId::UpcE, "120453", false,
         "UPC E 120453 stands for UPC-A 012000000454, whose UPC-E form is 120450", ""},
        {SymbologyId::UpcE, "1204504", false, "", "120450"},
        {SymbologyId::UpcE, "12345", true, "", "123450"},
        {SymbologyId::UpcE, "123004", false,
         "UPC E 123004 stands for UPC-A 012300000000, whose UPC-E form is 123003", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const CheckedText checked =
            CheckText(row.id, row.text, false, CodeSetChoice::AsTyped, row.zeroFill);
        EXPECT_EQ(checked.refusal.value_or(TextRefusal{}).reason, QString::fromUtf8(row.refusal));
        if (!checked.refusal) {
            EXPECT_EQ(checked.engineText, row.engineText);
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
        {"cut to the limit", SymbologyId::Postnet, "123456789012", "12345678901"},
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
