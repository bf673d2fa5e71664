// A design file as the tool reads it: any bytes are refused with a reason or
// read into a design that is written and read back as the same design, and
// every template of it expands for a record without fault.
#include "FuzzInput.h"

#include "DesignFile.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<LabelDesign> design = ReadDesign(text, &error);
    FUZZ_CHECK(design.has_value() == error.isEmpty());
    if (!design) {
        return 0;
    }
    QString again;
    FUZZ_CHECK(ReadDesign(WriteDesign(*design), &again) == design);
    const QStringList columns{QStringLiteral("name"), QStringLiteral("sku")};
    const DesignRecord record{3, 4, {QStringLiteral("a"), QStringLiteral("b")}};
    for (const DesignObject& object : design->objects) {
        std::optional<FieldTemplate> fields = ParseTemplate(object.text + object.data, &error);
        if (fields && BindTemplate(*fields, columns, &error)) {
            (void)ExpandTemplate(*fields, record, design->sequence, QDate(2026, 12, 9));
        }
    }
    return 0;
}
