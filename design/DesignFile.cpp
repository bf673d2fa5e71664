#include "DesignFile.h"

#include "Barcode.h"
#include "LabelCatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace {

// Limits that keep every length, size and number well inside what a page
// and the engine take: a mistyped value is refused, never drawn.
// The longest length in either unit: 200 inches in millimetres.
constexpr double kMaxLength = 200 * 25.4;
constexpr double kMaxPoints = 1000;
constexpr int kMaxTurn = 3;

constexpr std::array<std::pair<ObjectKind, const char*>, 4> kKinds{{
    {ObjectKind::Barcode, "barcode"},
    {ObjectKind::Text, "text"},
    {ObjectKind::Line, "line"},
    {ObjectKind::Rectangle, "rectangle"},
}};

constexpr std::array<std::pair<TextAlign, const char*>, 3> kAligns{{
    {TextAlign::Left, "left"},
    {TextAlign::Centre, "centre"},
    {TextAlign::Right, "right"},
}};

template <typename T, std::size_t N>
const char* WordOf(const std::array<std::pair<T, const char*>, N>& words, T value) {
    for (const auto& [v, word] : words) {
        if (v == value) {
            return word;
        }
    }
    return words[0].second;
}

// The keys each kind of object takes, besides "type", "name" and "box".
QStringList KeysOf(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Barcode:
        return {QStringLiteral("symbology"), QStringLiteral("data"), QStringLiteral("height"),
                QStringLiteral("show-text"), QStringLiteral("turn"), QStringLiteral("density"),
                QStringLiteral("ratio")};
    case ObjectKind::Text:
        return {QStringLiteral("text"),      QStringLiteral("font"), QStringLiteral("size"),
                QStringLiteral("shrink-to"), QStringLiteral("bold"), QStringLiteral("italic"),
                QStringLiteral("align"),     QStringLiteral("wrap")};
    case ObjectKind::Line:
        return {QStringLiteral("stroke")};
    case ObjectKind::Rectangle:
        return {QStringLiteral("stroke"), QStringLiteral("fill")};
    }
    return {};
}

// Reads one JSON object's keys, each checked for its kind and range; the
// first fault is kept with the key's path.
class Reader {
public:
    Reader(QJsonObject object, QString path, QString* error)
        : m_object(std::move(object)), m_path(std::move(path)), m_error(error) {}

    bool Ok() const { return m_ok; }
    bool Has(const char* key) const { return m_object.contains(QLatin1String(key)); }

    // Refuses every key not among `known`.
    void OnlyKeys(const QStringList& known) {
        for (const QString& key : m_object.keys()) {
            if (!known.contains(key)) {
                Fail(key, QCoreApplication::translate("DesignFile", "is no key here (%1 are)")
                              .arg(known.join(QStringLiteral(", "))));
                return;
            }
        }
    }

    QJsonValue Value(const char* key, bool required) {
        QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined() && required) {
            Fail(QLatin1String(key), QCoreApplication::translate("DesignFile", "is missing"));
        }
        return value;
    }

    void String(const char* key, QString& target, bool required = false) {
        const QJsonValue value = Value(key, required);
        if (value.isString()) {
            target = value.toString();
        } else if (!value.isUndefined()) {
            Fail(QLatin1String(key),
                 QCoreApplication::translate("DesignFile", "takes a text in quotes"));
        }
    }

    void Bool(const char* key, bool& target) {
        const QJsonValue value = Value(key, false);
        if (value.isBool()) {
            target = value.toBool();
        } else if (!value.isUndefined()) {
            Fail(QLatin1String(key),
                 QCoreApplication::translate("DesignFile", "takes true or false"));
        }
    }

    void Number(const char* key, double& target, double low, double high, bool required = false) {
        const QJsonValue value = Value(key, required);
        if (value.isUndefined()) {
            return;
        }
        if (!value.isDouble() || !(value.toDouble() >= low && value.toDouble() <= high)) {
            Fail(QLatin1String(key),
                 QCoreApplication::translate("DesignFile", "takes a number from %1 to %2")
                     .arg(low)
                     .arg(high));
            return;
        }
        target = value.toDouble();
    }

    template <typename Int>
    void Whole(const char* key, Int& target, std::int64_t low, std::int64_t high) {
        double number = static_cast<double>(target);
        Number(key, number, static_cast<double>(low), static_cast<double>(high));
        if (m_ok && std::trunc(number) != number) {
            Fail(QLatin1String(key),
                 QCoreApplication::translate("DesignFile", "takes a whole number"));
        }
        target = static_cast<Int>(number);
    }

    template <typename T, std::size_t N>
    void Word(const char* key, const std::array<std::pair<T, const char*>, N>& words, T& target,
              bool required = false) {
        QString word;
        String(key, word, required);
        if (word.isEmpty() && !required) {
            return;
        }
        QStringList names;
        for (const auto& [value, name] : words) {
            names << QLatin1String(name);
            if (word == QLatin1String(name)) {
                target = value;
                return;
            }
        }
        Fail(QLatin1String(key), QCoreApplication::translate("DesignFile", "takes %1, not \"%2\"")
                                     .arg(names.join(QStringLiteral(", ")), word));
    }

    void Fail(const QString& key, const QString& why) {
        if (m_ok) {
            *m_error = QStringLiteral("%1%2: %3").arg(m_path, key, why);
            m_ok = false;
        }
    }

private:
    QJsonObject m_object;
    QString m_path; // "objects[2]." or ""
    QString* m_error;
    bool m_ok = true;
};

bool ReadBox(const QJsonValue& value, DesignBox& box, const QString& path, QString* error) {
    const QJsonArray array = value.toArray();
    const double limit = kMaxLength;
    bool ok = value.isArray() && array.size() == 4;
    for (qsizetype i = 0; ok && i < 4; ++i) {
        ok = array[i].isDouble() && array[i].toDouble() >= (i < 2 ? -limit : 0) &&
             array[i].toDouble() <= limit;
    }
    if (!ok) {
        *error =
            QStringLiteral("%1box: %2")
                .arg(path,
                     QCoreApplication::translate(
                         "DesignFile",
                         "takes four numbers [x, y, width, height] in the design's unit, the width "
                         "and height 0 or more"));
        return false;
    }
    box = {array[0].toDouble(), array[1].toDouble(), array[2].toDouble(), array[3].toDouble()};
    return true;
}

bool ReadObject(const QJsonValue& value, qsizetype index, DesignObject& object, QString* error) {
    const QString path = QStringLiteral("objects[%1].").arg(index + 1);
    if (!value.isObject()) {
        *error = QStringLiteral("objects[%1]: %2")
                     .arg(index + 1)
                     .arg(QCoreApplication::translate("DesignFile", "takes an object { }"));
        return false;
    }
    Reader reader(value.toObject(), path, error);
    reader.Word("type", kKinds, object.kind, true);
    reader.String("name", object.name);
    if (!reader.Ok()) {
        return false;
    }
    reader.OnlyKeys(KeysOf(object.kind) + QStringList{QStringLiteral("type"),
                                                      QStringLiteral("name"),
                                                      QStringLiteral("box")});
    if (!reader.Ok()) {
        return false;
    }
    if (!ReadBox(reader.Value("box", true), object.box, path, error)) {
        return false;
    }
    switch (object.kind) {
    case ObjectKind::Barcode: {
        QString symbology;
        reader.String("symbology", symbology, true);
        reader.String("data", object.data, true);
        if (reader.Ok()) {
            const std::optional<SymbologyId> id = FindSymbology(symbology.toStdString());
            if (!id) {
                reader.Fail(QStringLiteral("symbology"),
                            QCoreApplication::translate("DesignFile",
                                                        "\"%1\" is no symbology this program draws")
                                .arg(symbology));
            } else {
                object.symbology = *id;
            }
        }
        const QJsonValue height = reader.Value("height", false);
        if (height.isString() && height.toString() == QStringLiteral("fill")) {
            object.barHeight = 0;
        } else if (!height.isUndefined()) {
            reader.Number("height", object.barHeight, 0.001, kMaxLength);
        }
        reader.Bool("show-text", object.showText);
        reader.Whole("turn", object.turn, 0, kMaxTurn);
        reader.Whole("density", object.density, kMinDensity, kMaxDensity);
        reader.Whole("ratio", object.ratio, kMinRatio, kMaxRatio);
        break;
    }
    case ObjectKind::Text:
        reader.String("text", object.text, true);
        reader.String("font", object.font);
        reader.Number("size", object.size, 1, kMaxPoints);
        reader.Number("shrink-to", object.minSize, 1, kMaxPoints);
        reader.Bool("bold", object.bold);
        reader.Bool("italic", object.italic);
        reader.Word("align", kAligns, object.align);
        reader.Bool("wrap", object.wrap);
        if (reader.Ok() && object.minSize > object.size) {
            reader.Fail(QStringLiteral("shrink-to"),
                        QCoreApplication::translate("DesignFile", "is larger than the size, %1 pt")
                            .arg(object.size));
        }
        break;
    case ObjectKind::Line:
    case ObjectKind::Rectangle:
        reader.Number("stroke", object.stroke, 0, kMaxPoints);
        if (object.kind == ObjectKind::Rectangle) {
            reader.Bool("fill", object.fill);
        } else if (reader.Ok() && object.box.width != 0 && object.box.height != 0) {
            reader.Fail(QStringLiteral("box"),
                        QCoreApplication::translate("DesignFile",
                                                    "a line runs across or down: its width or "
                                                    "its height is 0"));
        }
        break;
    }
    return reader.Ok();
}

// The line of a position in the text, from 1.
int LineAt(const QByteArray& text, qsizetype offset) {
    return static_cast<int>(text.left(offset).count('\n')) + 1;
}

} // namespace

std::optional<LabelDesign> ReadDesign(const QByteArray& text, QString* error) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = QCoreApplication::translate("DesignFile", "line %1: %2")
                     .arg(LineAt(text, parse.offset))
                     .arg(parse.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error =
            QCoreApplication::translate("DesignFile", "line 1: a design is one JSON object { }");
        return std::nullopt;
    }
    LabelDesign design;
    Reader reader(document.object(), QString(), error);
    reader.OnlyKeys({QStringLiteral("version"), QStringLiteral("stock"), QStringLiteral("unit"),
                     QStringLiteral("sequence"), QStringLiteral("objects")});
    int version = 0;
    reader.Whole("version", version, 1, 1'000'000);
    if (reader.Ok() && !reader.Has("version")) {
        reader.Fail(QStringLiteral("version"),
                    QCoreApplication::translate("DesignFile", "is missing"));
    }
    if (reader.Ok() && version > kDesignFileVersion) {
        reader.Fail(QStringLiteral("version"),
                    QCoreApplication::translate(
                        "DesignFile",
                        "is %1: the file is from a newer version of the program, which reads "
                        "version %2")
                        .arg(version)
                        .arg(kDesignFileVersion));
    }
    reader.String("stock", design.stock, true);
    const std::array<std::pair<DesignUnit, const char*>, 2> units{
        {{DesignUnit::Inch, "in"}, {DesignUnit::Millimetre, "mm"}}};
    reader.Word("unit", units, design.unit, true);
    if (!reader.Ok()) {
        return std::nullopt;
    }
    std::string stockError;
    if (!ParseStock(design.stock.toStdString(), &stockError)) {
        reader.Fail(QStringLiteral("stock"), QString::fromStdString(stockError));
        return std::nullopt;
    }
    if (const QJsonValue sequence = reader.Value("sequence", false); !sequence.isUndefined()) {
        Reader numbers(sequence.toObject(), QStringLiteral("sequence."), error);
        if (!sequence.isObject()) {
            numbers.Fail(QString(),
                         QCoreApplication::translate("DesignFile", "takes an object { }"));
        }
        numbers.OnlyKeys(
            {QStringLiteral("start"), QStringLiteral("step"), QStringLiteral("digits")});
        numbers.Whole("start", design.sequence.start, -kMaxSequence, kMaxSequence);
        numbers.Whole("step", design.sequence.step, -kMaxSequence, kMaxSequence);
        numbers.Whole("digits", design.sequence.digits, 0, kMaxSequenceDigits);
        if (!numbers.Ok()) {
            return std::nullopt;
        }
    }
    const QJsonValue objects = reader.Value("objects", true);
    if (reader.Ok() && !objects.isArray()) {
        reader.Fail(QStringLiteral("objects"),
                    QCoreApplication::translate("DesignFile", "takes a list [ ] of objects"));
    }
    if (!reader.Ok()) {
        return std::nullopt;
    }
    const QJsonArray array = objects.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        DesignObject object;
        if (!ReadObject(array[i], i, object, error)) {
            return std::nullopt;
        }
        design.objects.push_back(object);
    }
    return design;
}

QByteArray WriteDesign(const LabelDesign& design) {
    QJsonArray objects;
    for (const DesignObject& o : design.objects) {
        QJsonObject json{
            {QStringLiteral("type"), QLatin1String(WordOf(kKinds, o.kind))},
            {QStringLiteral("box"), QJsonArray{o.box.x, o.box.y, o.box.width, o.box.height}}};
        if (!o.name.isEmpty()) {
            json[QStringLiteral("name")] = o.name;
        }
        switch (o.kind) {
        case ObjectKind::Barcode:
            json[QStringLiteral("symbology")] =
                QString::fromLatin1(FactsOf(o.symbology).alias.data(),
                                    static_cast<qsizetype>(FactsOf(o.symbology).alias.size()));
            json[QStringLiteral("data")] = o.data;
            json[QStringLiteral("height")] =
                o.barHeight > 0 ? QJsonValue(o.barHeight) : QJsonValue(QStringLiteral("fill"));
            json[QStringLiteral("show-text")] = o.showText;
            json[QStringLiteral("turn")] = o.turn;
            json[QStringLiteral("density")] = o.density;
            json[QStringLiteral("ratio")] = o.ratio;
            break;
        case ObjectKind::Text:
            json[QStringLiteral("text")] = o.text;
            json[QStringLiteral("font")] = o.font;
            json[QStringLiteral("size")] = o.size;
            if (o.minSize > 0) {
                json[QStringLiteral("shrink-to")] = o.minSize;
            }
            json[QStringLiteral("bold")] = o.bold;
            json[QStringLiteral("italic")] = o.italic;
            json[QStringLiteral("align")] = QLatin1String(WordOf(kAligns, o.align));
            json[QStringLiteral("wrap")] = o.wrap;
            break;
        case ObjectKind::Rectangle:
            json[QStringLiteral("fill")] = o.fill;
            [[fallthrough]];
        case ObjectKind::Line:
            json[QStringLiteral("stroke")] = o.stroke;
            break;
        }
        objects.append(json);
    }
    const QJsonObject root{
        {QStringLiteral("version"), kDesignFileVersion},
        {QStringLiteral("stock"), design.stock},
        {QStringLiteral("unit"),
         design.unit == DesignUnit::Inch ? QStringLiteral("in") : QStringLiteral("mm")},
        {QStringLiteral("sequence"),
         QJsonObject{{QStringLiteral("start"), static_cast<double>(design.sequence.start)},
                     {QStringLiteral("step"), static_cast<double>(design.sequence.step)},
                     {QStringLiteral("digits"), design.sequence.digits}}},
        {QStringLiteral("objects"), objects}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<LabelDesign> LoadDesignFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("DesignFile", "cannot read the design \"%1\": %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    QString fault;
    std::optional<LabelDesign> design = ReadDesign(file.readAll(), &fault);
    if (!design) {
        *error =
            QCoreApplication::translate("DesignFile", "the design \"%1\": %2").arg(path, fault);
    }
    return design;
}
