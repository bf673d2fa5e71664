#pragma once

#include "DeviceMapping.h"

#include <QImage>
#include <QString>

#include <memory>

class CBarcodeView;
class QPrinter;

// What leaves the program: the printed page (through the print dialog, at
// once, or in a preview), the bitmap on the clipboard and the bitmap file. All
// of it is drawn by the view's own draw routine from the panel's current values.
class CBarcodeOutput {
public:
    explicit CBarcodeOutput(CBarcodeView& view);
    ~CBarcodeOutput();
    CBarcodeOutput(const CBarcodeOutput&) = delete;
    CBarcodeOutput& operator=(const CBarcodeOutput&) = delete;

    // The printer that Print, Print direct and Print Preview use (shared with
    // Print Setup); not owned. Without one a printer of its own is made, at
    // the printer's resolution.
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }
    QPrinter& Printer();

    // Prints exactly one page: the barcode centred on the printable area at
    // its physical size times the zoom, or the area tiled from its top-left
    // corner with as many whole cells as fit. False, with error saying why
    // (when given), if the printer could not be opened or a tiled page would
    // not hold a single whole cell; then nothing is printed.
    bool PrintPage(QPrinter& printer, QString* error = nullptr);
    void Print();
    void PrintDirect();
    // The preview also shows what the printer's resolution makes of the
    // symbol's sizes.
    void PrintPreview();
    QString PrinterSizeText(const QPrinter& printer) const;

    // Renders the view off screen onto a white bitmap of the given size and
    // resolution, exactly as it would draw on screen (for copy and save).
    // A null image when the size or the resolution is unusable.
    QImage RenderToImage(int dpiX, int dpiY, const QSize& pixelSize);

    // The monochrome bitmap that Copy and Save take out of the program: the
    // barcode as the view draws it, at the screen's resolution times the zoom,
    // in a cell with the tile margins; for Copy in tile mode the whole client
    // area. Null when there is no symbol, or when it would be too large.
    QImage RenderBitmap(bool wholeViewInTileMode);
    // Writes the bitmap as a BMP file; the old file stays untouched unless the
    // whole new one was written. On failure, error says why.
    static bool SaveBitmap(const QImage& bitmap, const QString& path, QString* error);

    void Copy();
    void Save();

private:
    // Why a tiled page could not hold one whole cell; empty when it can, or
    // when the symbol is centred.
    QString TileMisfit(const DeviceMapping& page) const;
    // Prints the page, or says why it could not.
    void PrintAndSay(QPrinter& printer);

    CBarcodeView& m_view;
    QPrinter* m_pPrinter = nullptr;
    std::unique_ptr<QPrinter> m_pOwnPrinter; // made when no printer is shared
};
