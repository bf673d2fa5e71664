#include "DesignFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray ExampleText(const char* name) {
    QFile file(QStringLiteral(QUILLMARK_EXAMPLES "/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A design with every kind of object and no value at its default.
LabelDesign EveryField() {
    LabelDesign design;
    design.stock = QStringLiteral("page=100x150mm,grid=1x1,label=100x150mm");
    design.unit = DesignUnit::Millimetre;
    design.sequence = {-40, 7, 5};
    DesignObject code;
    code.kind = ObjectKind::Barcode;
    code.name = QStringLiteral("code");
    code.box = {1.5, 2.25, 80.125, 40.0 / 3};
    code.symbology = SymbologyId::Gs1128;
    code.data = QStringLiteral("(00){sscc}");
    code.barHeight = 25.4;
    code.showText = false;
    code.turn = 3;
    code.density = 13;
    code.ratio = 2;
    DesignObject text;
    text.name = QStringLiteral("Straße «1»");
    text.box = {0, 0.1, 99.9, 12};
    text.text = QStringLiteral("{name}\n{{n}} = {n}, {date:dd.MM.yy}");
    text.font = QStringLiteral("DejaVu Serif");
    text.size = 14.5;
    text.minSize = 6.25;
    text.bold = text.italic = text.wrap = true;
    text.align = TextAlign::Right;
    DesignObject line;
    line.kind = ObjectKind::Line;
    line.box = {0, 50, 100, 0};
    line.stroke = 2;
    DesignObject box = line;
    box.kind = ObjectKind::Rectangle;
    box.box = {5, 5, 90, 140};
    box.fill = true;
    design.objects = {code, text, line, box};
    return design;
}

} // namespace

// A design written and read again is the same design, and the examples read
// as they are written.
TEST(DesignFile, RoundTripKeepsEveryValue) {
    const std::vector<std::pair<const char*, LabelDesign>> designs{
        {"every field", EveryField()},
        {"empty", LabelDesign{QStringLiteral("letter-3x10"), DesignUnit::Inch, {}, {}}}};
    for (const auto& [what, design] : designs) {
        SCOPED_TRACE(what);
        QString error;
        const std::optional<LabelDesign> read = ReadDesign(WriteDesign(design), &error);
        ASSERT_TRUE(read) << error.toStdString();
        EXPECT_EQ(*read, design);
    }
    for (const char* example : {"shelf-label.qmd", "shipping-label.qmd"}) {
        SCOPED_TRACE(example);
        QString error;
        const std::optional<LabelDesign> design = ReadDesign(ExampleText(example), &error);
        ASSERT_TRUE(design) << error.toStdString();
        EXPECT_FALSE(design->objects.empty());
        EXPECT_EQ(ReadDesign(WriteDesign(*design), &error), design);
    }
}

// Anything the format does not take is refused, and the message names the
// line or the key and what is wrong.
TEST(DesignFile, RefusalsNameTheKeyAndTheCause) {
    const auto object = [](const char* members) {
        return QByteArray(R"({"version": 1, "stock": "letter-3x10", "unit": "in", "objects": [)"
                          R"({"type": "text", "box": [0, 0, 1, 1], "text": "a"}, {)") +
               members + "}]}";
    };
    const std::vector<std::pair<QByteArray, const char*>> cases{
        {"{\"version\": 1,\n \"stock\": \"letter-3x10\",\n oops}", "line 3: "},
        {"[1]", "one JSON object"},
        {R"({"stock": "letter-3x10", "unit": "in", "objects": []})", "version: is missing"},
        {R"({"version": 2, "stock": "letter-3x10", "unit": "in", "objects": []})",
         "version: is 2: the file is from a newer version"},
        {R"({"version": 1, "stock": "letter-3x10", "unit": "in", "objects": [], "x": 1})",
         "x: is no key here"},
        {R"({"version": 1, "stock": "lettr-3x10", "unit": "in", "objects": []})", "stock: "},
        {R"({"version": 1, "stock": "letter-3x10", "unit": "ft", "objects": []})",
         "unit: takes in, mm, not \"ft\""},
        {R"({"version": 1, "stock": "letter-3x10", "unit": "in", "objects": {}})",
         "objects: takes a list"},
        {R"({"version": 1, "stock": "letter-3x10", "unit": "in", "sequence": {"step": 0.5},)"
         R"( "objects": []})",
         "sequence.step: takes a whole number"},
        {object(R"("type": "text", "box": [0, 0, 1, 1], "text": "b", "colour": "red")"),
         "objects[2].colour: is no key here"},
        {object(R"("type": "text", "box": [0, 0, 1], "text": "b")"), "objects[2].box: takes four"},
        {object(R"("type": "text", "box": [0, 0, 1, 1])"), "objects[2].text: is missing"},
        {object(R"("type": "text", "box": [0, 0, 1, 1], "text": "b", "size": "big")"),
         "objects[2].size: takes a number from 1 to 1000"},
        {object(R"("type": "text", "box": [0, 0, 1, 1], "text": "b", "size": 8, "shrink-to": 9)"),
         "objects[2].shrink-to: is larger than the size"},
        {object(R"("type": "barcode", "box": [0, 0, 1, 1], "symbology": "qr", "data": "1")"),
         "objects[2].symbology: \"qr\" is no symbology"},
        {object(R"("type": "barcode", "box": [0, 0, 1, 1], "symbology": "code128", "data": "1",)"
                R"( "turn": 4)"),
         "objects[2].turn: takes a number from 0 to 3"},
        {object(R"("type": "line", "box": [0, 0, 1, 1])"), "objects[2].box: a line runs"},
        {object(R"("type": "circle", "box": [0, 0, 1, 1])"),
         "objects[2].type: takes barcode, text, line, rectangle"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        QString error;
        EXPECT_FALSE(ReadDesign(text, &error));
        EXPECT_TRUE(error.contains(QLatin1String(expected))) << error.toStdString();
    }
}
