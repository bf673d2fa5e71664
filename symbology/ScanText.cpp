#include "ScanText.h"

#include "Code128.h"
#include "Code39.h"
#include "EanUpc.h"
#include "Gs1.h"

#include <string_view>
#include <utility>

namespace {

// Code 128's function characters as the data text carries them: bytes 195 to
// 202 stand for the symbol values 95 to 102.
constexpr int kFunctionByteOffset = 100;
constexpr int kFirstFunctionByte = 195;
constexpr int kLastFunctionByte = 202;
constexpr int kUnitSeparatorValue = 95; // US in code set A, DEL in code set B
constexpr char kUnitSeparator = '\x1F';
constexpr char kDelete = '\x7F';
constexpr char kGroupSeparator = '\x1D'; // FNC1 inside a GS1-128 symbol
constexpr int kFnc4Offset = 128;
constexpr int kLastAscii = 127;
constexpr int kFnc4ByteA = 201; // FNC4 in the shortest form, either byte
constexpr int kFnc4ByteB = 200;

// The meaning of a function value in a code set, as a reader sees it.
enum class Function { Data, Nothing, Fnc1, Fnc4, ToA, ToB, ToC };

Function FunctionOf(CCode128::CodeSet set, int value) {
    switch (value) {
    case CCode128::kFnc1:
        return Function::Fnc1;
    case CCode128::kCodeC:
        return set == CCode128::kCodeSetC ? Function::Nothing : Function::ToC;
    case CCode128::kCodeB:
        return set == CCode128::kCodeSetB ? Function::Fnc4 : Function::ToB;
    case CCode128::kCodeA:
        return set == CCode128::kCodeSetA ? Function::Fnc4 : Function::ToA;
    case kUnitSeparatorValue:
        return set == CCode128::kCodeSetC ? Function::Nothing : Function::Data;
    default: // FNC2, FNC3, SHIFT: no data of their own
        return Function::Nothing;
    }
}

std::string Code128Reading(std::string_view data) {
    std::string reading;
    auto set = CCode128::kCodeSetA; // the symbol starts in code set A
    bool fnc4 = false;
    bool first = true; // nothing read yet: a leading FNC1 only marks GS1-128
    for (const char c : data) {
        const int byte = static_cast<unsigned char>(c);
        char out = c;
        if (byte >= kFirstFunctionByte && byte <= kLastFunctionByte) {
            const int value = byte - kFunctionByteOffset;
            switch (FunctionOf(set, value)) {
            case Function::Data: // US or DEL
                out = set == CCode128::kCodeSetA ? kUnitSeparator : kDelete;
                break;
            case Function::Fnc1:
                if (!first) {
                    reading += kGroupSeparator;
                }
                first = false;
                continue;
            case Function::Fnc4:
                fnc4 = true;
                continue;
            case Function::ToA:
                set = CCode128::kCodeSetA;
                continue;
            case Function::ToB:
                set = CCode128::kCodeSetB;
                continue;
            case Function::ToC:
                set = CCode128::kCodeSetC;
                continue;
            case Function::Nothing:
                continue;
            }
        }
        if (fnc4) {
            out = static_cast<char>(static_cast<unsigned char>(out) + kFnc4Offset);
            fnc4 = false;
        }
        reading += out;
        first = false;
    }
    return reading;
}

// The shortest form as a reader reports it: its data bytes, FNC1 as GS after
// the first data byte, FNC4 adding 128 to the next data byte; FNC2, FNC3 and
// the bytes the form leaves out report nothing.
std::string ShortestReading(std::string_view data) {
    std::string reading;
    bool fnc4 = false;
    for (const char c : data) {
        if (!CCode128::HasShortestValue(c)) {
            continue;
        }
        const int byte = static_cast<unsigned char>(c);
        // Before any data a reader takes FNC1 for the mark of GS1 data.
        if (byte == kFirstFunctionByte + CCode128::kFnc1 - kUnitSeparatorValue) {
            if (!reading.empty()) {
                reading += kGroupSeparator;
            }
            continue;
        }
        if (byte > kLastAscii) {
            fnc4 = fnc4 || byte == kFnc4ByteA || byte == kFnc4ByteB;
            continue;
        }
        reading += fnc4 ? static_cast<char>(byte + kFnc4Offset) : c;
        fnc4 = false;
    }
    return reading;
}

char DigitChar(int digit) {
    return static_cast<char>('0' + digit);
}

// The digits (after a lead), the check digit and, after a space, the add-on,
// as ZXing and zbar report a symbol with one.
std::string WithCheckDigit(std::string_view lead, const CBarcode& barcode) {
    const auto& retail = dynamic_cast<const CEanUpc&>(barcode);
    const int check = retail.CheckDigit();
    std::string reading = std::string(lead) + retail.Digits();
    if (check >= 0) {
        reading += DigitChar(check);
    }
    return retail.AddOn().empty() ? reading : reading + ' ' + retail.AddOn();
}

} // namespace

std::string DataReading(const CBarcode& barcode) {
    return barcode.Data();
}

std::string Mod43Reading(const CBarcode& barcode) {
    return barcode.Data() + dynamic_cast<const CCode39Mod43&>(barcode).CheckChar();
}

std::string Code128Reading(const CBarcode& barcode) {
    return dynamic_cast<const CCode128&>(barcode).IsShortestForm() ? ShortestReading(barcode.Data())
                                                                   : Code128Reading(barcode.Data());
}

std::string CheckDigitReading(const CBarcode& barcode) {
    return WithCheckDigit("", barcode);
}

std::string UpcEReading(const CBarcode& barcode) {
    return WithCheckDigit("0", barcode); // number system 0 leads
}

std::string Gs1Reading(const CBarcode& barcode) {
    return "]C1" + Gs1ElementString(dynamic_cast<const CGs1128&>(barcode).Parsed().elements);
}

std::string ExpectedReading(SymbologyId id, const CBarcode& barcode) {
    return FactsOf(id).reading(barcode);
}
