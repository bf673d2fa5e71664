#pragma once

#include "DeviceMapping.h"
#include "OutputFormat.h"
#include "SymbolRender.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class CBarcodeView;
class QFileDialog;
class QPrinter;

// Where Save writes, and in which format.
struct SaveTarget {
    QString path;
    OutputFormat format = OutputFormat::Bmp;
};
// The file for the name given in the Save dialog, whose chosen filter is of
// the format chosen: a name whose extension the program writes is saved in
// that format; any other name (no extension, or one the program does not
// write, such as ".jpg") gets the chosen format's extension appended, so that
// no file holds one format under another format's extension.
SaveTarget SaveTargetOf(const QString& typed, OutputFormat chosen);

// What the program tells Save: the folder the dialog opens in and the name
// it suggests, without an extension (either may be empty: the dialog's own).
struct SavePlace {
    QString folder;
    QString baseName;
};

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
    // The program's part in Save: place gives the folder and the name for the
    // symbol about to be saved; saved is told of each file written whole.
    void SetSavePlace(std::function<SavePlace(const RenderRequest&)> place,
                      std::function<void(const QString& path)> saved) {
        m_savePlace = std::move(place);
        m_saved = std::move(saved);
    }

private:
    // Why a tiled page could not hold one whole cell; empty when it can, or
    // when the symbol is centred.
    QString TileMisfit(const DeviceMapping& page) const;
    // "Not drawn: ..." for a text the symbology refuses, read from the fields
    // now; empty when the symbol can be taken out.
    QString RefusalNow() const;
    // Prints the page, or says why it could not.
    void PrintAndSay(QPrinter& printer);
    // Opens the dialog where the program's place says, with its name and the
    // extension of the first filter.
    void SuggestPlace(QFileDialog& dialog, const RenderRequest& request,
                      const QString& extension) const;
    // Whether a file that the dialog did not ask about may be replaced: true
    // when there is none, else the user's answer.
    bool MayReplace(const QString& path) const;

    CBarcodeView& m_view;
    QPrinter* m_pPrinter = nullptr;
    std::unique_ptr<QPrinter> m_pOwnPrinter; // made when no printer is shared
    std::function<SavePlace(const RenderRequest&)> m_savePlace;
    std::function<void(const QString&)> m_saved;
};
