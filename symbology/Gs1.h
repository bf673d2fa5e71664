#pragma once

#include "Code128.h"
#include "EngineMessage.h"

#include <string>
#include <string_view>
#include <vector>

// GS1 data: Application Identifiers (AIs) and their data fields, typed with
// each AI in parentheses, "(01)09501101530003(17)251231(10)AB-123".

// One element string: the AI's digits and its data.
struct Gs1Element {
    std::string ai;
    std::string data;
    bool fixedLength = false; // its AI has a predefined length: no FNC1 follows it
};

// The elements of a bracketed text, or why it is no valid GS1 data: an AI
// that does not exist (the table of Gs1Ais.txt), data of the wrong length or
// with a character outside its set, a wrong check digit (the right one
// named), a date or time that does not exist, a country or currency number
// ISO does not list, an AI without one it needs or beside one it excludes,
// or more than 48 data characters in all. "\(" and "\)" are parentheses of
// data; any other parenthesis opens or closes an AI.
struct Gs1Data {
    std::vector<Gs1Element> elements;
    std::string error; // empty when the text is valid
    EngineMessage why; // the same in parts, for the front ends to translate
};
Gs1Data ParseGs1(std::string_view text);

// The element strings as a reader reports them: AIs and data run together,
// GS (0x1D) after each variable-length field that is not last.
std::string Gs1ElementString(const std::vector<Gs1Element>& elements);

// The GS1 check digit: weights 3 and 1 alternating from the rightmost digit.
int Gs1CheckDigit(std::string_view digits);

// GS1-128: Code 128 in its shortest form, FNC1 first, FNC1 after every
// variable-length field that is not last. The label shows the AIs in
// parentheses. Text that is no valid GS1 data draws nothing.
class CGs1128 : public CCode128 {
public:
    explicit CGs1128(std::string_view text, const BarWidths& widths = SettingsWidths());

    bool Valid() const { return m_parsed.error.empty(); }
    const Gs1Data& Parsed() const { return m_parsed; }
    Encoding Encode() const override;

protected:
    std::string ShortestText() const override;
    std::string LabelText() const override;

private:
    Gs1Data m_parsed;
};
