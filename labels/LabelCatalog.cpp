#include "LabelCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr double kMilsPerInch = 1000.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerPica = 12.0;
// Published layouts are rounded: labels that pass the page's edge or their
// neighbours by up to a millimetre are taken as the maker gives them.
constexpr double kCatalogSlack = kMilsPerInch / kMillimetresPerInch;
// The largest length taken, as a custom sheet's: 200 inches.
constexpr double kMostMils = 200 * kMilsPerInch;

QString Tr(const char* text) {
    return QCoreApplication::translate("LabelCatalog", text);
}

// A length as the catalog writes it: a number and a unit (pt, in, mm, cm or
// pc; points when none is given), as mils; none for anything else.
std::optional<double> Length(QStringView text) {
    static const std::pair<QStringView, double> units[] = {
        {u"pt", kMilsPerInch / kPointsPerInch},
        {u"in", kMilsPerInch},
        {u"mm", kMilsPerInch / kMillimetresPerInch},
        {u"cm", 10 * kMilsPerInch / kMillimetresPerInch},
        {u"pc", kPointsPerPica * kMilsPerInch / kPointsPerInch},
    };
    text = text.trimmed();
    double scale = kMilsPerInch / kPointsPerInch;
    for (const auto& [unit, mils] : units) {
        if (text.endsWith(unit)) {
            text.chop(unit.size());
            scale = mils;
            break;
        }
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value * scale) > kMostMils) {
        return std::nullopt;
    }
    return value * scale;
}

QString Key(const QString& brand, const QString& part) {
    return brand.toCaseFolded() + u'\n' + part.toCaseFolded();
}

using PaperSizes = QHash<QString, std::pair<double, double>>;

void ReadPaperSizes(const QString& path, PaperSizes& sizes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Paper-size") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const std::optional<double> width = Length(attributes.value(QLatin1String("width")));
            const std::optional<double> height = Length(attributes.value(QLatin1String("height")));
            if (width && height) {
                sizes.insert(attributes.value(QLatin1String("id")).toString(), {*width, *height});
            }
        }
    }
}

// One template as read, before its equivalent (if any) is looked up.
struct ReadTemplate {
    CatalogStock stock;
    QString equivalent; // the part whose geometry this one shares
};

// Reads one Template element; the first fault found is kept and the rest of
// the template is left unread.
class TemplateReader {
public:
    TemplateReader(QXmlStreamReader& xml, const PaperSizes& sizes) : m_xml(xml), m_sizes(sizes) {}

    // The template at the reader, or none (a disc label, or a fault); the
    // reader is left at the template's end either way.
    std::optional<ReadTemplate> Read();
    const QString& Fault() const { return m_fault; }

private:
    void Fail(const QString& why) {
        if (m_fault.isEmpty()) {
            m_fault = why;
        }
    }
    double LengthOf(const QXmlStreamAttributes& attributes, const char* name,
                    bool required = true) {
        const QStringView text = attributes.value(QLatin1String(name));
        if (text.isEmpty() && !required) {
            return 0;
        }
        const std::optional<double> length = Length(text);
        if (!length) {
            Fail(Tr("%1=\"%2\" is no length").arg(QLatin1String(name), text));
        }
        return length.value_or(0);
    }
    int CountOf(const QXmlStreamAttributes& attributes, const char* name) {
        constexpr int kMostCount = 1000;
        bool ok = false;
        const QStringView text = attributes.value(QLatin1String(name));
        const int count = text.toInt(&ok);
        if (!ok || count < 1 || count > kMostCount) {
            Fail(Tr("%1=\"%2\" is no count of labels").arg(QLatin1String(name), text));
            return 1;
        }
        return count;
    }
    void ReadLabel(SheetLayout& layout);
    void ToTemplateEnd() {
        while (!m_xml.atEnd() && !(m_xml.isEndElement() && m_xml.name() == u"Template")) {
            m_xml.readNext();
        }
    }

    QXmlStreamReader& m_xml;
    const PaperSizes& m_sizes;
    QString m_fault;
};

// The label element and its children: shape, size, margin and grids.
void TemplateReader::ReadLabel(SheetLayout& layout) {
    const QXmlStreamAttributes attributes = m_xml.attributes();
    if (m_xml.name() == u"Label-rectangle") {
        layout.labelWidth = LengthOf(attributes, "width");
        layout.labelHeight = LengthOf(attributes, "height");
    } else if (m_xml.name() == u"Label-round") {
        layout.shape = LabelShape::Round;
        layout.labelWidth = layout.labelHeight = 2 * LengthOf(attributes, "radius");
    } else { // Label-ellipse
        layout.shape = LabelShape::Ellipse;
        layout.labelWidth = LengthOf(attributes, "width");
        layout.labelHeight = LengthOf(attributes, "height");
    }
    bool firstGrid = true;
    while (m_fault.isEmpty() && m_xml.readNextStartElement()) {
        const QXmlStreamAttributes child = m_xml.attributes();
        if (m_xml.name() == u"Markup-margin") {
            layout.margin = LengthOf(child, "size");
        } else if (m_xml.name() == u"Layout") {
            const SheetGrid grid{CountOf(child, "nx"),         CountOf(child, "ny"),
                                 LengthOf(child, "y0"),        LengthOf(child, "x0"),
                                 LengthOf(child, "dx", false), LengthOf(child, "dy", false)};
            if (firstGrid) {
                layout.columns = grid.columns;
                layout.rows = grid.rows;
                layout.top = grid.top;
                layout.left = grid.left;
                layout.pitchX = grid.pitchX;
                layout.pitchY = grid.pitchY;
                firstGrid = false;
            } else {
                layout.moreGrids.push_back(grid);
            }
        }
        m_xml.skipCurrentElement(); // markup lines and circles are drawing aids only
    }
    if (firstGrid) {
        Fail(Tr("the label has no layout"));
    }
}

std::optional<ReadTemplate> TemplateReader::Read() {
    const QXmlStreamAttributes attributes = m_xml.attributes();
    ReadTemplate read;
    read.stock.brand = attributes.value(QLatin1String("brand")).toString().simplified();
    read.stock.part = attributes.value(QLatin1String("part")).toString().simplified();
    read.stock.description = attributes.value(QLatin1String("_description")).toString();
    if (read.stock.description.isEmpty()) {
        read.stock.description = attributes.value(QLatin1String("description")).toString();
    }
    read.equivalent = attributes.value(QLatin1String("equiv")).toString().simplified();
    if (read.stock.brand.isEmpty() || read.stock.part.isEmpty()) {
        Fail(Tr("a template without a brand and a part number"));
    }
    SheetLayout& layout = read.stock.layout;
    layout.name = (read.stock.brand + u' ' + read.stock.part).toStdString();
    const QString size = attributes.value(QLatin1String("size")).toString();
    if (size == u"Other") {
        layout.pageWidth = LengthOf(attributes, "width");
        layout.pageHeight = LengthOf(attributes, "height");
    } else if (const auto paper = m_sizes.constFind(size); paper != m_sizes.constEnd()) {
        layout.pageWidth = paper->first;
        layout.pageHeight = paper->second;
    } else if (read.equivalent.isEmpty()) {
        Fail(Tr("unknown paper size \"%1\"").arg(size));
    }
    bool shaped = false;
    bool disc = false;
    while (m_fault.isEmpty() && m_xml.readNextStartElement()) {
        const QStringView name = m_xml.name();
        if (name == u"Label-rectangle" || name == u"Label-round" || name == u"Label-ellipse") {
            if (shaped) {
                Fail(Tr("more than one label shape"));
            }
            ReadLabel(layout);
            shaped = true;
        } else if (name == u"Label-cd") {
            disc = true; // its hole leaves no rectangle a symbol can keep to
            m_xml.skipCurrentElement();
        } else if (name == u"Meta") {
            m_xml.skipCurrentElement();
        } else {
            Fail(Tr("unknown element <%1>").arg(name));
        }
    }
    ToTemplateEnd();
    if (!shaped && !disc && read.equivalent.isEmpty()) {
        Fail(Tr("the template has no label"));
    }
    if (m_fault.isEmpty() && shaped) {
        if (std::string fault = SheetLayoutFault(layout, kCatalogSlack); !fault.empty()) {
            Fail(QString::fromStdString(fault));
        }
    }
    if (!m_fault.isEmpty() || disc) {
        return std::nullopt;
    }
    return read;
}

// Every template of one file; a damaged file keeps what came before the damage.
void ReadFile(const QString& path, const PaperSizes& sizes, std::vector<ReadTemplate>& out,
              QStringList& notes, QHash<QString, bool>& leftOut) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        notes << Tr("%1: %2").arg(path, file.errorString());
        return;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates") {
        return; // not a template file (paper sizes, vendors, categories)
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Template") {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 line = xml.lineNumber();
        const QString key =
            Key(xml.attributes().value(QLatin1String("brand")).toString().simplified(),
                xml.attributes().value(QLatin1String("part")).toString().simplified());
        TemplateReader reader(xml, sizes);
        if (std::optional<ReadTemplate> read = reader.Read()) {
            out.push_back(std::move(*read));
            continue;
        }
        leftOut.insert(key, true);
        if (!reader.Fault().isEmpty() && !xml.hasError()) {
            notes << Tr("%1: line %2: %3").arg(path).arg(line).arg(reader.Fault());
        }
    }
    if (xml.hasError()) {
        notes << Tr("%1: line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    }
}

} // namespace

LabelCatalog ReadLabelCatalog(const QStringList& folders) {
    PaperSizes sizes;
    for (const QString& folder : folders) {
        ReadPaperSizes(QDir(folder).filePath(QStringLiteral("paper-sizes.xml")), sizes);
    }
    LabelCatalog catalog;
    std::vector<ReadTemplate> read;
    QHash<QString, bool> leftOut; // discs and damaged templates, by name
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name)) {
            ReadFile(dir.filePath(name), sizes, read, catalog.notes, leftOut);
        }
    }
    // Equivalents share their original's geometry and, where they give none,
    // its description. One whose original was left out (a disc, a damaged
    // template, noted already) goes with it; the first of a name is kept.
    QHash<QString, std::size_t> byName;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i].equivalent.isEmpty()) {
            byName.insert(Key(read[i].stock.brand, read[i].stock.part), i);
        }
    }
    std::vector<bool> usable(read.size(), true);
    for (std::size_t i = 0; i < read.size(); ++i) {
        ReadTemplate& one = read[i];
        if (one.equivalent.isEmpty()) {
            continue;
        }
        const QString key = Key(one.stock.brand, one.equivalent);
        const auto original = byName.constFind(key);
        if (original == byName.constEnd()) {
            if (!leftOut.contains(key)) {
                catalog.notes << Tr("%1 %2: its equivalent %3 is not in the catalog")
                                     .arg(one.stock.brand, one.stock.part, one.equivalent);
            }
            usable[i] = false;
            continue;
        }
        const CatalogStock& from = read[*original].stock;
        const std::string name = one.stock.layout.name;
        one.stock.layout = from.layout;
        one.stock.layout.name = name;
        if (one.stock.description.isEmpty()) {
            one.stock.description = from.description;
        }
    }
    QHash<QString, bool> listed;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const QString key = Key(read[i].stock.brand, read[i].stock.part);
        if (usable[i] && !listed.contains(key)) {
            listed.insert(key, true);
            catalog.stock.push_back(std::move(read[i].stock));
        }
    }
    return catalog;
}

QStringList CatalogFolders() {
    QStringList folders;
    // The user's own templates come first: a part of the same name is theirs.
    folders << QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                   .filePath(QStringLiteral("libglabels/templates"));
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(data).filePath(QStringLiteral("libglabels-3.0/templates"));
    }
    return folders;
}

const LabelCatalog& SystemLabelCatalog() {
    static const LabelCatalog catalog = ReadLabelCatalog(CatalogFolders());
    return catalog;
}

std::vector<const CatalogStock*> FindStock(const LabelCatalog& catalog, const QStringList& words) {
    std::vector<const CatalogStock*> found;
    for (const CatalogStock& stock : catalog.stock) {
        const QString text = stock.brand + u' ' + stock.part + u' ' + stock.description;
        bool all = true;
        for (const QString& word : words) {
            all = all && text.contains(word, Qt::CaseInsensitive);
        }
        if (all) {
            found.push_back(&stock);
        }
    }
    return found;
}

const CatalogStock* StockNamed(const LabelCatalog& catalog, const QString& name) {
    const QString wanted = name.simplified();
    for (const CatalogStock& stock : catalog.stock) {
        if (QString::compare(stock.brand + u' ' + stock.part, wanted, Qt::CaseInsensitive) == 0) {
            return &stock;
        }
    }
    return nullptr;
}

std::optional<SheetLayout> ParseStock(std::string_view text, std::string* error) {
    std::string parseError;
    if (std::optional<SheetLayout> layout = ParseSheetLayout(text, &parseError)) {
        return layout;
    }
    // A catalog name never holds '=' and never starts like a continuous roll,
    // so the parser's own message stands for those.
    const CatalogStock* stock =
        text.find('=') == std::string_view::npos
            ? StockNamed(SystemLabelCatalog(),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
            : nullptr;
    if (stock == nullptr) {
        *error = std::move(parseError);
        return std::nullopt;
    }
    if (std::string fault = SheetLayoutFault(stock->layout); !fault.empty()) {
        *error = std::move(fault);
        return std::nullopt;
    }
    return stock->layout;
}
