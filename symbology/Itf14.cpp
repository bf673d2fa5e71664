#include "Itf14.h"

#include "Gs1.h"
#include "Interleaved25.h"

namespace {

constexpr std::size_t kDataDigits = 13;
constexpr std::size_t kAllDigits = 14;
constexpr std::int64_t kQuietZoneModules = 10;
// Bearer bars: 5 modules. Printers that use plates ask for about 4.8; a whole
// number of modules keeps the frame's edges on the device grid with the bars.
constexpr std::int64_t kBearerModules = 5;
// Interleaved 2 of 5: a digit is two wide and three narrow elements; start
// and stop are six narrow elements and one wide.
constexpr std::int64_t kWidePerDigit = 2;
constexpr std::int64_t kNarrowPerDigit = 3;
constexpr std::int64_t kStartStopNarrow = 6;

} // namespace

EngineMessage CItf14::RefusalMessage(std::string_view text) {
    if (!IsAllDigits(text) || (text.size() != kDataDigits && text.size() != kAllDigits)) {
        return {
            QT_TRANSLATE_NOOP("Symbology", "ITF-14 takes 13 digits, or 14 with the check digit")};
    }
    if (text.size() == kAllDigits) {
        const int right = Gs1CheckDigit(text.substr(0, kDataDigits));
        if (text.back() - '0' != right) {
            return {
                QT_TRANSLATE_NOOP("Symbology", "ITF-14 check digit %1 is wrong: it should be %2"),
                {Literal(std::string(1, text.back())), Literal(std::to_string(right))}};
        }
    }
    return {};
}

std::string CItf14::Refusal(std::string_view text) {
    return RefusalMessage(text).English();
}

CItf14::CItf14(std::string_view text, const BarWidths& widths)
    : CBarcode(std::string(text), widths) {
    m_valid = Refusal(m_strData).empty();
    if (m_valid && m_strData.size() == kDataDigits) {
        m_strData += static_cast<char>('0' + Gs1CheckDigit(m_strData));
    }
}

std::int32_t CItf14::BearerWidth() const {
    return ClampToInt32(kBearerModules * m_nDensity);
}

std::int32_t CItf14::TotalWidth() const {
    const std::int64_t ratio = m_nRatio;
    const std::int64_t digits = kAllDigits;
    const std::int64_t modules = (kWidePerDigit * ratio + kNarrowPerDigit) * digits + ratio +
                                 kStartStopNarrow + 2 * kQuietZoneModules;
    const std::int64_t frame = m_bearers == BearerBars::Frame ? 2 * BearerWidth() : 0;
    return ClampToInt32(modules * m_nDensity + frame);
}

Encoding CItf14::Encode() const {
    if (!m_valid) {
        return Unencodable();
    }
    const std::int32_t bearer = m_bearers == BearerBars::None ? 0 : BearerWidth();
    EncodingBuilder builder = Builder();
    const auto quiet = static_cast<std::int32_t>(kQuietZoneModules * m_nDensity);
    if (m_bearers == BearerBars::Frame) {
        builder.Bar(bearer);
    }
    builder.Space(quiet);
    // The data bars stand between the bearer bars: shorter by both.
    const std::int32_t shorter = -2 * bearer;
    const auto elements = [&](std::string_view pattern) {
        bool bar = true;
        for (const char element : pattern) {
            const std::int32_t width = element == 'w' ? m_nRatio * m_nDensity : m_nDensity;
            if (bar) {
                builder.Bar(width, shorter, bearer);
            } else {
                builder.Space(width);
            }
            bar = !bar;
        }
    };
    elements("nnnn");
    for (std::size_t i = 0; i + 1 < m_strData.size(); i += 2) {
        elements(CInterleaved25::PairPattern(m_strData[i], m_strData[i + 1]));
    }
    elements("wnn");
    builder.Space(quiet);
    if (m_bearers == BearerBars::Frame) {
        builder.Bar(bearer);
    }
    const std::int32_t totalWidth = TotalWidth();
    CentredLabel(builder, m_strData);
    Encoding encoding = builder.Finish(totalWidth);
    encoding.bearer = bearer;
    return encoding;
}
