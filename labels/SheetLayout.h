#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The outline of a label: what the symbol must stay inside.
enum class LabelShape {
    Rectangle,
    Round,   // a circle as wide as the label
    Ellipse, // an ellipse touching the label's four sides
};

// A further grid of the same labels on a sheet, as stock with staggered or
// mixed rows gives it: its columns, rows, first label's corner and pitch.
struct SheetGrid {
    int columns = 1;
    int rows = 1;
    double top = 0;
    double left = 0;
    double pitchX = 0;
    double pitchY = 0;
};

// Label stock: a page with a grid of labels on it, or a roll printer's single
// label (the page is the label). Every length is in mils from the page's
// top-left corner, y downward as on the paper; millimetre stock gives lengths
// that are no whole mils, hence double.
struct SheetLayout {
    std::string name;
    double pageWidth = 0;
    double pageHeight = 0;
    int columns = 1;
    int rows = 1;
    double labelWidth = 0;
    double labelHeight = 0;
    double top = 0;    // the first row's top edge
    double left = 0;   // the first column's left edge
    double pitchX = 0; // from one column's left edge to the next one's
    double pitchY = 0; // from one row's top edge to the next one's
    LabelShape shape = LabelShape::Rectangle;
    double margin = 0;                // kept clear inside the label's edge all round
    std::vector<SheetGrid> moreGrids; // counted after the first grid's labels
    // A continuous roll: the page is one label as wide as the roll, and as
    // long as its content (ContinuousLength in LabelSheet.h sets it).
    bool continuous = false;

    int LabelsPerSheet() const {
        int count = columns * rows;
        for (const SheetGrid& grid : moreGrids) {
            count += grid.columns * grid.rows;
        }
        return count;
    }
};

// One label on its sheet.
struct LabelPlace {
    double x = 0; // left edge, mils from the page's left edge
    double y = 0; // top edge, mils from the page's top edge
    double width = 0;
    double height = 0;
};

// Label `index` of a sheet (0 is the top-left one, counted row by row); the
// index must be below LabelsPerSheet().
LabelPlace LabelAt(const SheetLayout& layout, int index);

// The built-in stock, from one table of published dimensions.
std::span<const SheetLayout> BuiltInSheets();

// A built-in sheet by its name (letter-3x10, a4-2x7, roll-57x32mm, ...); a
// continuous roll by its width ("continuous-62mm", "continuous-2in"); or a
// custom one:
//   page=8.5x11in,grid=3x10,label=2.625x1in,margins=0.5x0.1875in,pitch=2.75x1in
// ("margins" is top x left; every pair in "in" or "mm"; "margins" and
// "pitch" may be left out: no margins, a pitch of the label's size). Nothing,
// with *error saying what is wrong, for an unknown name, a malformed custom
// layout, or one whose labels overlap or leave the page.
std::optional<SheetLayout> ParseSheetLayout(std::string_view text, std::string* error);

// Why the labels do not fit their page or overlap, or empty: lengths are
// compared to `slack` mils (a hundredth of a mil unless given).
std::string SheetLayoutFault(const SheetLayout& layout, double slack = 0.01);

// The layout in words for a list, in the user's language (UTF-8): "3 x 10
// labels of 2.625 x 1 in (66.7 x 25.4 mm) on 8.5 x 11 in (215.9 x 279.4 mm)".
std::string DescribeSheet(const SheetLayout& layout);
