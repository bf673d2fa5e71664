// The engine with any field text for every symbology: construction with any
// stored Density and Ratio, TotalWidth, Encode, and Draw in every orientation
// onto a surface that checks each call against the encoding.
//
// Input: symbology (1 byte), Show Text (1 byte), bar length, stored Density,
// stored Ratio (4 bytes each, little-endian), then the data text.
#include "FuzzInput.h"

#include "Profile.h"
#include "Symbologies.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The values the settings store holds for this input, whatever they are.
std::int32_t g_storedDensity = kDefaultDensity;
std::int32_t g_storedRatio = kDefaultRatio;

// Reading direction per orientation, as the engine turns the frame.
constexpr std::array<std::int64_t, 4> kReadX{1, 0, -1, 0};
constexpr std::array<std::int64_t, 4> kReadY{0, 1, 0, -1};

// Checks that every line is a bar across the reading direction (or a bearer
// bar of the encoding's bearer width along it) lying within the symbol's
// length, and records the calls so two draws can be compared.
class CheckingSurface : public Surface {
public:
    CheckingSurface(int orientation, std::int64_t length, std::int32_t bearer)
        : m_orientation(static_cast<std::size_t>(orientation)), m_length(length), m_bearer(bearer) {
    }

    void Line(Point from, Point to, std::int32_t penWidth) override {
        FUZZ_CHECK(penWidth > 0);
        // A bar runs across the reading direction: one coordinate is fixed.
        const bool across = kReadX[m_orientation] != 0 ? from.x == to.x : from.y == to.y;
        FUZZ_CHECK(across || (m_bearer > 0 && penWidth == m_bearer));
        FUZZ_CHECK(Along(from) >= 0 && Along(from) <= m_length);
        FUZZ_CHECK(Along(to) >= 0 && Along(to) <= m_length);
        m_calls.insert(m_calls.end(), {from.x, from.y, to.x, to.y, penWidth});
    }
    Extent MeasureText(const Font& font, std::string_view text) override {
        // A fixed pitch: wide enough that long labels reach the 32-bit edge.
        constexpr std::int64_t kPitch = 67;
        return {ClampToInt32(kPitch * static_cast<std::int64_t>(text.size())), font.height};
    }
    void DrawText(const Font& font, Point topLeft, std::string_view text) override {
        // The label font, or a smaller one for a line that must fit above
        // the bars (a book number).
        FUZZ_CHECK(font.height > 0 && font.height <= kLabelFontHeight);
        m_calls.insert(m_calls.end(), {topLeft.x, topLeft.y, static_cast<int>(text.size())});
    }

    const std::vector<std::int64_t>& Calls() const { return m_calls; }

private:
    std::int64_t Along(Point p) const {
        return p.x * kReadX[m_orientation] + p.y * kReadY[m_orientation];
    }

    std::size_t m_orientation;
    std::int64_t m_length;
    std::int32_t m_bearer;
    std::vector<std::int64_t> m_calls;
};

void CheckEncoding(const Encoding& encoding, const CBarcode& barcode) {
    if (encoding.Empty()) {
        return;
    }
    FUZZ_CHECK(encoding.totalWidth == barcode.TotalWidth());
    for (std::size_t i = 0; i < encoding.elements.size(); ++i) {
        const Element& element = encoding.elements[i];
        FUZZ_CHECK(element.width > 0);
        // Neighbours of one colour are one element.
        FUZZ_CHECK(i == 0 || encoding.elements[i - 1].bar != element.bar ||
                   encoding.elements[i - 1].length != element.length ||
                   encoding.elements[i - 1].lift != element.lift);
        FUZZ_CHECK(encoding.module == 0 || element.width % encoding.module == 0 ||
                   element.width == INT32_MAX);
    }
    for (const LabelPiece& piece : encoding.label) {
        FUZZ_CHECK(piece.afterElements <= encoding.elements.size());
    }
}

void DrawEveryWay(const CBarcode& barcode, const Encoding& encoding, std::int32_t barLength,
                  bool showText) {
    const std::int64_t along = encoding.DrawnWidth() + (showText ? encoding.leadSpace : 0);
    for (int orientation = 0; orientation < 4; ++orientation) {
        const auto o = static_cast<std::size_t>(orientation);
        std::vector<std::int64_t> first;
        for (int pass = 0; pass < 2; ++pass) {
            CheckingSurface surface(orientation, along, encoding.bearer);
            Point origin{0, 0};
            barcode.Draw(surface, origin, barLength, showText, orientation);
            if (encoding.Empty()) {
                FUZZ_CHECK(surface.Calls().empty());
                FUZZ_CHECK(origin == Point{});
                continue;
            }
            // The origin ends where the symbol does.
            FUZZ_CHECK(origin.x == ClampToInt32(along * kReadX[o]));
            FUZZ_CHECK(origin.y == ClampToInt32(along * kReadY[o]));
            // The symbol never changes after construction.
            if (pass == 0) {
                first = surface.Calls();
            } else {
                FUZZ_CHECK(surface.Calls() == first);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    SetProfileReader([](std::string_view, std::string_view key, int defaultValue) {
        return key == "Density" ? g_storedDensity : key == "Ratio" ? g_storedRatio : defaultValue;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto id = static_cast<SymbologyId>(input.Byte() % kSymbologyCount);
    const bool showText = (input.Byte() & 1) != 0;
    // As the Height field gives it: 1 mil to the 32-bit limit.
    const std::int32_t barLength =
        BarLengthOf(id, 1 + static_cast<std::int32_t>(static_cast<std::uint32_t>(input.Int32()) %
                                                      static_cast<std::uint32_t>(INT32_MAX)));
    g_storedDensity = input.Int32();
    g_storedRatio = input.Int32();

    const std::unique_ptr<CBarcode> barcode = CreateBarcode(id, input.Rest());
    FUZZ_CHECK(barcode != nullptr);
    // A stored value outside its range reads as the default.
    FUZZ_CHECK(barcode->Density() >= kMinDensity && barcode->Density() <= kMaxDensity);
    FUZZ_CHECK(barcode->Ratio() >= kMinRatio && barcode->Ratio() <= kMaxRatio);
    const bool densityInRange = g_storedDensity >= kMinDensity && g_storedDensity <= kMaxDensity;
    FUZZ_CHECK(barcode->Density() == (densityInRange ? g_storedDensity : kDefaultDensity));

    const Encoding encoding = barcode->Encode();
    CheckEncoding(encoding, *barcode);
    DrawEveryWay(*barcode, encoding, barLength, showText);
    return 0;
}
