#include "SheetLayout.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// A message in the user's language, as the layout's callers take it.
std::string Message(const QString& text) {
    return text.toStdString();
}

constexpr double kMilsPerInch = 1000.0;
constexpr double kMilsPerMillimetre = 1000.0 / 25.4;

enum class Unit { Inch, Millimetre };

double Mils(double length, Unit unit) {
    return length * (unit == Unit::Inch ? kMilsPerInch : kMilsPerMillimetre);
}

// One row of stock as its maker publishes it.
struct Stock {
    const char* name;
    Unit unit;
    double pageWidth, pageHeight;
    int columns, rows;
    double labelWidth, labelHeight;
    double top, left;
    double pitchX, pitchY;
};

// Sheets of labels (US Letter 8.5 x 11 in, A4 210 x 297 mm) and the single
// labels of roll printers, where the page is the label.
constexpr std::array<Stock, 10> kStock{{
    {"letter-3x10", Unit::Inch, 8.5, 11, 3, 10, 2.625, 1, 0.5, 0.1875, 2.75, 1},
    {"letter-2x10", Unit::Inch, 8.5, 11, 2, 10, 4, 1, 0.5, 0.15625, 4.1875, 1},
    {"letter-4x20", Unit::Inch, 8.5, 11, 4, 20, 1.75, 0.5, 0.5, 0.28125, 2.0625, 0.5},
    {"a4-3x8", Unit::Millimetre, 210, 297, 3, 8, 70, 37, 0.5, 0, 70, 37},
    {"a4-3x7", Unit::Millimetre, 210, 297, 3, 7, 70, 42.3, 0.45, 0, 70, 42.3},
    {"a4-4x10", Unit::Millimetre, 210, 297, 4, 10, 48.5, 25.4, 21.5, 8, 48.5, 25.4},
    {"a4-2x7", Unit::Millimetre, 210, 297, 2, 7, 99.1, 38.1, 15.15, 4.65, 101.6, 38.1},
    {"roll-2x1in", Unit::Inch, 2, 1, 1, 1, 2, 1, 0, 0, 2, 1},
    {"roll-4x6in", Unit::Inch, 4, 6, 1, 1, 4, 6, 0, 0, 4, 6},
    {"roll-57x32mm", Unit::Millimetre, 57, 32, 1, 1, 57, 32, 0, 0, 57, 32},
}};

SheetLayout LayoutOf(const Stock& stock) {
    const auto mils = [&stock](double length) { return Mils(length, stock.unit); };
    SheetLayout layout;
    layout.name = stock.name;
    layout.pageWidth = mils(stock.pageWidth);
    layout.pageHeight = mils(stock.pageHeight);
    layout.columns = stock.columns;
    layout.rows = stock.rows;
    layout.labelWidth = mils(stock.labelWidth);
    layout.labelHeight = mils(stock.labelHeight);
    layout.top = mils(stock.top);
    layout.left = mils(stock.left);
    layout.pitchX = mils(stock.pitchX);
    layout.pitchY = mils(stock.pitchY);
    return layout;
}

const std::vector<SheetLayout>& Sheets() {
    static const std::vector<SheetLayout> sheets = [] {
        std::vector<SheetLayout> all;
        all.reserve(kStock.size());
        for (const Stock& stock : kStock) {
            all.push_back(LayoutOf(stock));
        }
        return all;
    }();
    return sheets;
}

// The most columns or rows of one grid.
constexpr int kMostCount = 1000;

} // namespace

std::string SheetLayoutFault(const SheetLayout& layout, double slack) {
    if (layout.columns < 1 || layout.rows < 1) {
        return Message(QCoreApplication::translate(
            "SheetLayout", "a sheet needs at least one column and one row"));
    }
    if (!(layout.labelWidth > 0 && layout.labelHeight > 0)) {
        return Message(
            QCoreApplication::translate("SheetLayout", "a label needs a width and a height"));
    }
    // Labels of one column (or row) have no pitch across (or down) to keep.
    if ((layout.columns > 1 && layout.pitchX + slack < layout.labelWidth) ||
        (layout.rows > 1 && layout.pitchY + slack < layout.labelHeight)) {
        return Message(QCoreApplication::translate(
            "SheetLayout", "the pitch is smaller than the label: labels would overlap"));
    }
    // Each grid's first and last labels bound it.
    int first = 0;
    std::vector<SheetGrid> grids{
        {layout.columns, layout.rows, layout.top, layout.left, layout.pitchX, layout.pitchY}};
    grids.insert(grids.end(), layout.moreGrids.begin(), layout.moreGrids.end());
    for (const SheetGrid& grid : grids) {
        if (grid.columns < 1 || grid.rows < 1 || grid.columns > kMostCount ||
            grid.rows > kMostCount) {
            return Message(QCoreApplication::translate(
                "SheetLayout", "a sheet needs at least one column and one row"));
        }
        const LabelPlace corner = LabelAt(layout, first);
        first += grid.columns * grid.rows;
        const LabelPlace last = LabelAt(layout, first - 1);
        if (corner.x < -slack || corner.y < -slack ||
            last.x + last.width > layout.pageWidth + slack ||
            last.y + last.height > layout.pageHeight + slack) {
            return Message(
                QCoreApplication::translate("SheetLayout", "the labels do not fit the page"));
        }
    }
    return {};
}

namespace {

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "WxH" with a unit after the second number ("in" or "mm"), as mils; or
// "CxR" of whole numbers when unit is false.
struct Pair {
    double first = 0;
    double second = 0;
};
std::optional<Pair> ParsePair(std::string_view text, bool lengths) {
    const std::size_t times = text.find('x');
    if (times == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view second = text.substr(times + 1);
    double scale = 1;
    if (lengths) {
        if (second.ends_with("in")) {
            scale = kMilsPerInch;
        } else if (second.ends_with("mm")) {
            scale = kMilsPerMillimetre;
        } else {
            return std::nullopt;
        }
        second.remove_suffix(2);
    }
    const std::optional<double> a = Number(text.substr(0, times));
    const std::optional<double> b = Number(second);
    if (!a || !b || (!lengths && (*a != std::floor(*a) || *b != std::floor(*b)))) {
        return std::nullopt;
    }
    return Pair{*a * scale, *b * scale};
}

// The largest page a PDF reader takes, as symbols are held to it: 200 inches.
constexpr double kMostMils = 200 * kMilsPerInch;
// The most columns or rows of one sheet.
constexpr double kMostLabels = 1000;

// Every length is finite and within the largest page, every count within
// the most labels, before any sum or product of them is formed: none
// overflows, and no count is cast from a number an int cannot hold.
bool WithinLimits(const Pair& pair, bool lengths) {
    const double most = lengths ? kMostMils : kMostLabels;
    return std::abs(pair.first) <= most && std::abs(pair.second) <= most;
}

constexpr std::string_view kContinuous = "continuous-";
// Before a continuous label's content sets its length: an inch.
constexpr double kProvisionalLength = kMilsPerInch;

// "continuous-62mm", "continuous-2in": a roll as wide as that, one label a page.
std::optional<SheetLayout> ParseContinuous(std::string_view text, std::string* error) {
    std::string_view width = text.substr(kContinuous.size());
    const double scale = width.ends_with("in")   ? kMilsPerInch
                         : width.ends_with("mm") ? kMilsPerMillimetre
                                                 : 0;
    if (scale > 0) {
        width.remove_suffix(2);
    }
    const std::optional<double> value = Number(width);
    if (scale == 0 || !value || !(*value > 0) || *value * scale > kMostMils) {
        *error =
            Message(QCoreApplication::translate(
                        "SheetLayout", "\"%1\": a continuous roll is named by its width, such as "
                                       "continuous-62mm or continuous-2in (at most 200 inches)")
                        .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
        return std::nullopt;
    }
    SheetLayout layout;
    layout.name = std::string(text);
    layout.pageWidth = layout.labelWidth = layout.pitchX = *value * scale;
    layout.pageHeight = layout.labelHeight = layout.pitchY = kProvisionalLength;
    layout.continuous = true;
    return layout;
}

std::optional<SheetLayout> ParseCustom(std::string_view text, std::string* error) {
    SheetLayout layout;
    layout.name = std::string(text);
    bool page = false;
    bool grid = false;
    bool label = false;
    bool pitch = false;
    std::vector<std::string_view> seen;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view field = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t equals = field.find('=');
        const std::string_view key = field.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : field.substr(equals + 1);
        if (key != "page" && key != "grid" && key != "label" && key != "margins" &&
            key != "pitch") {
            *error = Message(
                QCoreApplication::translate(
                    "SheetLayout",
                    "unknown field \"%1\" (page, grid, label, margins and pitch are known)")
                    .arg(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()))));
            return std::nullopt;
        }
        const std::optional<Pair> pair = ParsePair(value, key != "grid");
        if (!pair) {
            *error = Message(
                (key == "grid"
                     ? QCoreApplication::translate("SheetLayout", "\"%1\" is no columns x rows")
                     : QCoreApplication::translate("SheetLayout",
                                                   "\"%1\" is no width x height in in or mm"))
                    .arg(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))));
            return std::nullopt;
        }
        if (!WithinLimits(*pair, key != "grid")) {
            *error = Message(
                (key == "grid"
                     ? QCoreApplication::translate("SheetLayout",
                                                   "\"%1\": a sheet has at most 1000 columns "
                                                   "and 1000 rows")
                     : QCoreApplication::translate("SheetLayout",
                                                   "\"%1\": a length passes the largest page, "
                                                   "200 inches (5080 mm)"))
                    .arg(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))));
            return std::nullopt;
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            *error = Message(
                QCoreApplication::translate("SheetLayout", "\"%1\" is given twice")
                    .arg(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()))));
            return std::nullopt;
        }
        seen.push_back(key);
        if (key == "page") {
            layout.pageWidth = pair->first;
            layout.pageHeight = pair->second;
            page = true;
        } else if (key == "grid") {
            layout.columns = static_cast<int>(pair->first);
            layout.rows = static_cast<int>(pair->second);
            grid = true;
        } else if (key == "label") {
            layout.labelWidth = pair->first;
            layout.labelHeight = pair->second;
            label = true;
        } else if (key == "margins") {
            layout.top = pair->first;
            layout.left = pair->second;
        } else { // pitch
            layout.pitchX = pair->first;
            layout.pitchY = pair->second;
            pitch = true;
        }
    }
    if (!page || !grid || !label) {
        *error = Message(QCoreApplication::translate(
            "SheetLayout", "a custom sheet needs page=, grid= and label="));
        return std::nullopt;
    }
    if (!pitch) {
        layout.pitchX = layout.labelWidth;
        layout.pitchY = layout.labelHeight;
    }
    return layout;
}

} // namespace

LabelPlace LabelAt(const SheetLayout& layout, int index) {
    SheetGrid grid{layout.columns, layout.rows,   layout.top,
                   layout.left,    layout.pitchX, layout.pitchY};
    for (const SheetGrid& more : layout.moreGrids) {
        if (index < grid.columns * grid.rows) {
            break;
        }
        index -= grid.columns * grid.rows;
        grid = more;
    }
    const int columns = grid.columns > 0 ? grid.columns : 1;
    const int column = index % columns;
    const int row = index / columns;
    return {grid.left + column * grid.pitchX, grid.top + row * grid.pitchY, layout.labelWidth,
            layout.labelHeight};
}

std::span<const SheetLayout> BuiltInSheets() {
    return Sheets();
}

std::optional<SheetLayout> ParseSheetLayout(std::string_view text, std::string* error) {
    std::optional<SheetLayout> layout;
    if (text.find('=') == std::string_view::npos) {
        for (const SheetLayout& sheet : Sheets()) {
            if (sheet.name == text) {
                layout = sheet;
            }
        }
        if (!layout && text.starts_with(kContinuous)) {
            layout = ParseContinuous(text, error);
            if (!layout) {
                return std::nullopt;
            }
        }
        if (!layout) {
            *error = Message(
                QCoreApplication::translate("SheetLayout", "unknown sheet \"%1\"")
                    .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
            return std::nullopt;
        }
    } else {
        layout = ParseCustom(text, error);
        if (!layout) {
            return std::nullopt;
        }
    }
    if (std::string fault = SheetLayoutFault(*layout); !fault.empty()) {
        *error = std::move(fault);
        return std::nullopt;
    }
    return layout;
}

std::string DescribeSheet(const SheetLayout& layout) {
    const auto size = [](double width, double height) {
        const auto number = [](double value, int decimals) {
            char text[32];
            std::snprintf(text, sizeof text, "%.*f", decimals, value);
            std::string out(text);
            while (out.find('.') != std::string::npos && (out.back() == '0' || out.back() == '.')) {
                const bool point = out.back() == '.';
                out.pop_back();
                if (point) {
                    break;
                }
            }
            return out;
        };
        return number(width / kMilsPerInch, 3) + " x " + number(height / kMilsPerInch, 3) +
               " in (" + number(width / kMilsPerMillimetre, 1) + " x " +
               number(height / kMilsPerMillimetre, 1) + " mm)";
    };
    return Message(QCoreApplication::translate("SheetLayout", "%1 x %2 labels of %3 on %4")
                       .arg(layout.columns)
                       .arg(layout.rows)
                       .arg(QString::fromStdString(size(layout.labelWidth, layout.labelHeight)),
                            QString::fromStdString(size(layout.pageWidth, layout.pageHeight))));
}
