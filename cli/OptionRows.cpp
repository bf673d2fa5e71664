#include "OptionRows.h"

#include "GradeRun.h"
#include "OutputFormat.h"

#include <QCoreApplication>

QList<QCommandLineOption> SymbolOptionRows() {
    return {
        {{QStringLiteral("s"), QStringLiteral("symbology")},
         QCoreApplication::translate("RenderOptions", "The symbology (name or alias, any case)."),
         QStringLiteral("name")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QCoreApplication::translate(
             "RenderOptions", "The output file (- for standard output, with --format), or for a "
                              "batch a pattern with {n} or {text}."),
         QStringLiteral("file")},
        {QStringLiteral("batch"),
         QCoreApplication::translate(
             "RenderOptions", "Draws one symbol per line of the file (- for standard input)."),
         QStringLiteral("file")},
        {QStringLiteral("csv"),
         QCoreApplication::translate(
             "RenderOptions", "Draws one symbol per row of a CSV file whose header names columns "
                              "among symbology, text, height and output (- for standard input)."),
         QStringLiteral("file")},
        {QStringLiteral("output-paths"),
         QCoreApplication::translate(
             "RenderOptions", "CSV output column: below (paths below the current folder only) "
                              "or any (absolute paths and .. too) (default below)."),
         QStringLiteral("choice")},
        {QStringLiteral("format"),
         QCoreApplication::translate("RenderOptions", "%1 (default: from the output's extension).")
             .arg(FormatNameList()),
         QStringLiteral("format")},
        {QStringLiteral("density"),
         QCoreApplication::translate(
             "RenderOptions", "The narrow element in mils (default: the program's setting)."),
         QStringLiteral("mils")},
        {QStringLiteral("ratio"),
         QCoreApplication::translate(
             "RenderOptions", "Wide element = ratio x narrow (default: the program's setting)."),
         QStringLiteral("n")},
        {QStringLiteral("code-sets"),
         QCoreApplication::translate(
             "RenderOptions", "Code 128: typed (the code sets the text's code-change characters "
                              "give, upper case) or auto (the fewest symbol characters, lower case "
                              "kept) (default: the program's setting)."),
         QStringLiteral("choice")},
        {QStringLiteral("bearer-bars"),
         QCoreApplication::translate(
             "RenderOptions",
             "ITF-14: frame, top-bottom or none (default: the program's setting)."),
         QStringLiteral("choice")},
        {QStringLiteral("height"),
         QCoreApplication::translate("RenderOptions", "The bar height in inches (default 0.75)."),
         QStringLiteral("inches")},
        {QStringLiteral("zoom"),
         QCoreApplication::translate("RenderOptions",
                                     "Scales the whole symbol, 1 to 8 (default 1)."),
         QStringLiteral("n")},
        {QStringLiteral("turn"),
         QCoreApplication::translate("RenderOptions",
                                     "Quarter turns counter-clockwise, 0 to 3 (default 0)."),
         QStringLiteral("n")},
        {QStringLiteral("no-text"),
         QCoreApplication::translate("RenderOptions", "Leaves out the human-readable text.")},
        {QStringLiteral("dpi"),
         QCoreApplication::translate("RenderOptions",
                                     "Resolution of BMP and PNG output (default %1).")
             .arg(kDefaultDpi),
         QStringLiteral("dpi")},
        {QStringLiteral("bar-reduction"),
         QCoreApplication::translate(
             "RenderOptions",
             "Makes every bar of BMP and PNG output (and of the pages --verify reads) "
             "this many dots narrower and every space as much wider, for printers "
             "that spread ink, 0 to %1 (default 0).")
             .arg(kMaxBarReductionDots),
         QStringLiteral("dots")},
        {QStringLiteral("quiet-zone-marks"),
         QCoreApplication::translate(
             "RenderOptions", "EAN-13 and EAN-8 get their quiet zone marks (> and <): on or off "
                              "(default: the program's setting)."),
         QStringLiteral("on|off")},
        {QStringLiteral("addon-gap"),
         QCoreApplication::translate("RenderOptions",
                                     "EAN and UPC add-ons: the modules between the symbol and its "
                                     "add-on, 7 to 12 (default: the program's setting, 9)."),
         QStringLiteral("modules")},
        {QStringLiteral("drop-invalid"),
         QCoreApplication::translate("RenderOptions",
                                     "Drops characters the symbology refuses instead of failing.")},
        {QStringLiteral("zero-fill"),
         QCoreApplication::translate("RenderOptions",
                                     "Fills a short EAN or UPC number with zeros on the right "
                                     "instead of refusing it.")},
        {QStringLiteral("verify"),
         QCoreApplication::translate(
             "RenderOptions", "Reads every output back as a scanner would (at --dpi) and fails the "
                              "entry that does not scan as its label.")},
        {QStringLiteral("jobs"),
         QCoreApplication::translate("RenderOptions",
                                     "Symbols drawn at once, 1 to %1 (default: one per core).")
             .arg(kMaxJobs),
         QStringLiteral("n")},
        {QStringLiteral("sheet"),
         QCoreApplication::translate(
             "RenderOptions",
             "Draws the symbols as labels on a sheet: a name --list-sheets shows (the "
             "system's label catalog by brand and part, \"Avery 5160\"), a continuous roll "
             "by its width (continuous-62mm), or "
             "page=WxH,grid=CxR,label=WxH[,margins=TOPxLEFT][,pitch=XxY] with "
             "lengths in in or mm (8.5x11in)."),
         QStringLiteral("layout")},
        {QStringLiteral("list-sheets"),
         QCoreApplication::translate(
             "RenderOptions",
             "Lists the built-in label stock and the system's label catalog; with words "
             "after it, only the stock whose name and description hold them all (5160, "
             "address).")},
        GradeOption(),
        GradePrintOption(),
        {QStringLiteral("start-at"),
         QCoreApplication::translate(
             "RenderOptions", "The first label used on the first sheet, from 1 (default 1)."),
         QStringLiteral("n")},
        {QStringLiteral("copies"),
         QCoreApplication::translate("RenderOptions",
                                     "Labels of each text, one after another (default 1)."),
         QStringLiteral("n")},
        {QStringLiteral("caption"),
         QCoreApplication::translate(
             "RenderOptions", "A line of text above every label's symbol (a CSV caption column "
                              "gives each its own)."),
         QStringLiteral("text")},
        {QStringLiteral("outlines"),
         QCoreApplication::translate("RenderOptions", "Draws each label's outline on the sheet.")},
    };
}
