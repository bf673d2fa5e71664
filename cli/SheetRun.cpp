#include "SheetRun.h"

#include "FileCommit.h"
#include "InputRule.h"
#include "LabelSheet.h"
#include "OutputFormat.h"
#include "PrinterRun.h"
#include "SheetText.h"
#include "SheetVerify.h"

#include <QCoreApplication>
#include <QSet>

namespace {

const QString kPageField = QStringLiteral("{page}");

void Report(std::FILE* errors, const QString& message) {
    std::fputs(QStringLiteral("quillmark-render: %1\n").arg(message).toLocal8Bit().constData(),
               errors);
}

} // namespace

QString PagePath(const QString& pattern, int page, int pages) {
    QString path = pattern;
    return path.replace(kPageField,
                        QString::number(page + 1).rightJustified(
                            static_cast<int>(QString::number(pages).size()), QLatin1Char('0')));
}

int RunSheet(const RenderOptions& options, const BarWidths& widths, const LabelSource& labels,
             const QList<Entry>& entries, std::FILE* errors) {
    SheetJob job;
    job.layout = *options.sheet;
    job.symbol.symbology = options.symbology.value_or(SymbologyId::Code39);
    job.symbol.heightMils = options.heightMils;
    job.symbol.widths = widths;
    job.symbol.labels = labels;
    job.symbol.orientation = options.orientation;
    job.symbol.showText = options.showText;
    job.symbol.dpiX = options.dpi;
    job.symbol.dpiY = options.dpi;
    job.symbol.barReduction = options.barReduction;
    job.startAt = options.startAt;
    job.copies = options.copies;
    job.outlines = options.outlines;
    if (!options.symbology) {
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "a sheet takes one symbology: give --symbology"));
        return kExitUsage;
    }

    // Every line is checked before anything is drawn: a sheet is printed
    // whole or not at all.
    QStringList refused;
    bool otherColumns = false;
    for (const Entry& entry : entries) {
        otherColumns |=
            !entry.symbology.isEmpty() || !entry.height.isEmpty() || !entry.output.isEmpty();
        const QString caption = entry.caption.isEmpty() ? options.caption : entry.caption;
        CheckedText checked = entry.error.isEmpty()
                                  ? CheckText(job.symbol.symbology, entry.text, options.dropInvalid,
                                              widths.codeSets, options.zeroFill)
                                  : CheckedText{{}, TextRefusal{entry.error}};
        if (const QString fault = CaptionFault(caption); !checked.refusal && !fault.isEmpty()) {
            checked.refusal = TextRefusal{fault};
        }
        if (checked.refusal) {
            refused.append(entry.line > 0 ? QCoreApplication::translate("SheetRun", "line %1: %2")
                                                .arg(entry.line)
                                                .arg(checked.refusal->reason)
                                          : checked.refusal->reason);
            continue;
        }
        job.labels.push_back({entry.line > 0 ? entry.line : 1, checked.engineText, caption});
    }
    if (otherColumns) {
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "note: on a sheet every label takes the command line's "
                                       "symbology, height and output; those columns are not used"));
    }
    if (!refused.isEmpty()) {
        for (const QString& reason : std::as_const(refused)) {
            Report(errors, reason);
        }
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "%1 of %2 labels cannot be drawn; nothing was written")
                           .arg(refused.size())
                           .arg(entries.size()));
        return entries.size() == 1 ? kExitUsage : kExitSomeFailed;
    }
    if (const QString fault = SheetJobFault(job); !fault.isEmpty()) {
        Report(errors, fault);
        return kExitUsage;
    }
    FitContinuousLength(job);
    if (const QStringList tooLarge = LabelsThatDoNotFit(job); !tooLarge.isEmpty()) {
        // The first few lines say why; a long input that fails alike
        // throughout gets one count of the rest, not a line for each.
        constexpr qsizetype kShownLines = 10;
        for (const QString& reason : tooLarge.mid(0, kShownLines)) {
            Report(errors, reason);
        }
        if (tooLarge.size() > kShownLines) {
            Report(errors,
                   QCoreApplication::translate("SheetRun", "%1 more lines do not fit either")
                       .arg(tooLarge.size() - kShownLines));
        }
        const QString layout = QString::fromStdString(job.layout.name);
        Report(errors, tooLarge.size() == 1
                           ? QCoreApplication::translate(
                                 "SheetRun", "1 label does not fit %1; nothing was written")
                                 .arg(layout)
                           : QCoreApplication::translate(
                                 "SheetRun", "%1 labels do not fit %2; nothing was written")
                                 .arg(tooLarge.size())
                                 .arg(layout));
        return kExitSomeFailed;
    }

    const std::optional<OutputFormat> format =
        options.format ? options.format : FormatOfPath(options.output);
    const int pages = SheetPageCount(job);
    if (!format) {
        Report(errors, QCoreApplication::translate("RenderOptions",
                                                   "cannot tell the format of \"%1\"; name it "
                                                   "%2, or give --format")
                           .arg(options.output, FormatNameList(QStringLiteral("."))));
        return kExitUsage;
    }
    bool raster = false;
    switch (*format) {
    case OutputFormat::Bmp:
    case OutputFormat::Png:
        raster = true;
        break;
    case OutputFormat::Pdf:
        break;
    case OutputFormat::Zpl:
        return SendSheetToPrinter(job, options, errors);
    case OutputFormat::Svg:
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "a sheet is written as one PDF document, or as BMP or PNG "
                                       "pages: not as SVG"));
        return kExitUsage;
    }
    if (options.output.contains(QStringLiteral("{n}")) ||
        options.output.contains(QStringLiteral("{text}"))) {
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "a sheet's pages are named with {page}; {n} and {text} "
                                       "name the files of a batch"));
        return kExitUsage;
    }
    if (raster && pages > 1 && !options.output.contains(kPageField)) {
        Report(errors, QCoreApplication::translate(
                           "SheetRun", "the labels fill %1 pages: name the pages with {page} in "
                                       "--output")
                           .arg(pages));
        return kExitUsage;
    }

    CFileCommitter files;
    QString error;
    bool failed = false;
    for (int page = 0; page < (raster ? pages : 0); ++page) {
        const QImage image = RenderSheetPage(job, page, options.dpi, options.dpi);
        const QString path = PagePath(options.output, page, pages);
        const QByteArray bytes = image.isNull() ? QByteArray() : EncodeBitmap(image, *format);
        if (bytes.isEmpty()) {
            Report(errors, QCoreApplication::translate(
                               "SheetRun", "page %1 is too large for a bitmap at %2 dpi")
                               .arg(page + 1)
                               .arg(options.dpi));
            return kExitSomeFailed;
        }
        if (!files.Write(path, bytes, &error)) {
            Report(errors, error);
            return kExitSomeFailed;
        }
        if (options.verify) {
            for (const QString& fault : VerifySheetPage(job, page, image)) {
                Report(errors, fault);
                failed = true;
            }
        }
    }
    if (!raster) {
        const bool written = files.Write(
            options.output,
            [&job, &options](const ByteSink& put) { WriteSheetPdf(job, options.dpi, put); },
            &error);
        if (!written) {
            Report(errors, error);
            return kExitSomeFailed;
        }
        // The pages as a printer of --dpi draws them.
        for (int page = 0; options.verify && page < pages; ++page) {
            for (const QString& fault :
                 VerifySheetPage(job, page, RenderSheetPage(job, page, options.dpi, options.dpi))) {
                Report(errors, fault);
                failed = true;
            }
        }
    }
    if (!files.Sync(&error)) {
        Report(errors, error);
        return kExitSomeFailed;
    }
    return failed ? kExitSomeFailed : kExitSuccess;
}
