// The print-quality grade of any grey image, and the reference decodes of any
// widths: grades stay within 0 to 4 and a decode's margins within 0 to 1.
#include "FuzzInput.h"

#include "GradeScale.h"
#include "PrintModel.h"
#include "SymbolGrade.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int width = input.Byte() + 1;
    // A printer of 100 to 2650 dpi whose bars spread or shrink by up to 10 mils.
    const PrintModel model{input.Byte() * 10 + 100, (input.Byte() - 128) / 12.8};
    const std::string_view rest = input.Rest();
    const int height = static_cast<int>(rest.size() / static_cast<std::size_t>(width));
    const GreyImage image{width, height, reinterpret_cast<const std::uint8_t*>(rest.data()), width};
    const SymbolGrade graded = GradeImage(image);
    FUZZ_CHECK(!graded.found || graded.profiles.size() == 10);
    FUZZ_CHECK(graded.grade >= 0.0 && graded.grade <= 4.0);
    FUZZ_CHECK(GradeLetter(graded.grade) != 0);

    // The same image as the printer's dots.
    const SymbolGrade printed = GradePrint(image, model);
    FUZZ_CHECK(printed.grade >= 0.0 && printed.grade <= 4.0);

    // The bytes as element widths, a quarter sample each.
    std::vector<double> widths;
    for (const char byte : rest) {
        widths.push_back((static_cast<unsigned char>(byte) + 1) / 4.0);
    }
    const ReferenceDecoded decoded = ReferenceDecode(widths);
    FUZZ_CHECK(!decoded.decoded || (decoded.decodability >= 0.0 && decoded.decodability <= 1.0 &&
                                    decoded.module > 0.0));
    return 0;
}
