#include "PlannedGrade.h"

#include "Barcode.h"
#include "DeviceGrid.h"
#include "EanUpc.h"
#include "GradeText.h"
#include "ScanCheck.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

SymbolGrade GradePlannedPrint(const RenderRequest& request, double gainMils, double* apertureMils) {
    // The bars across the scan lines, without the text: the grade is the bars'.
    RenderRequest upright = request;
    upright.orientation = 0;
    upright.showText = false;
    const QImage dots = RenderForScan(upright);
    if (dots.isNull()) {
        return {};
    }
    const std::vector<std::uint8_t> grey = GreyPixels(dots);
    PrintModel model;
    model.dpi = request.dpiX;
    model.gainMils = gainMils;
    // The aperture follows the narrow element drawn, not one the gain has
    // narrowed past decoding.
    if (const auto barcode = CreateBarcode(request.symbology, request.text, request.widths)) {
        if (const Encoding encoding = barcode->Encode(); encoding.module > 0) {
            model.moduleMils = AchievedModuleMils(
                encoding.module, static_cast<double>(request.dpiX) * std::max(request.zoom, 1));
        }
    }
    model.eanUpc = IsEanUpc(request.symbology);
    SymbolGrade graded =
        GradePrint({dots.width(), dots.height(), grey.data(), dots.width()}, model);
    if (apertureMils != nullptr) {
        *apertureMils = graded.aperture * 1000.0 / (SamplesPerDot(model.dpi) * model.dpi);
    }
    return graded;
}

QString PlannedGradeText(const RenderRequest& request, double gainMils) {
    double aperture = 0;
    const SymbolGrade graded = GradePlannedPrint(request, gainMils, &aperture);
    if (!graded.found) {
        return QCoreApplication::translate(
                   "PlannedGrade", "planned print at %1 dpi: no bars to grade (none drawn, or too "
                                   "large a bitmap)")
            .arg(request.dpiX);
    }
    const QString spread =
        gainMils == 0  ? QCoreApplication::translate("PlannedGrade", "bars as drawn")
        : gainMils > 0 ? QCoreApplication::translate("PlannedGrade", "bars %1 mils wider")
                             .arg(QString::number(gainMils, 'g', 3))
                       : QCoreApplication::translate("PlannedGrade", "bars %1 mils narrower")
                             .arg(QString::number(-gainMils, 'g', 3));
    QString text = QCoreApplication::translate("PlannedGrade",
                                               "planned print at %1 dpi, %2, %3-mil aperture: %4")
                       .arg(request.dpiX)
                       .arg(spread, QString::number(std::round(aperture * 10) / 10, 'g', 3),
                            GradeVerdict(graded.grade));
    if (const QString fault = ParameterAtFault(graded); !fault.isEmpty()) {
        text += QCoreApplication::translate("PlannedGrade", ", held down by %1").arg(fault);
    }
    return text;
}
