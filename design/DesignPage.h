#pragma once

#include "DesignLayout.h"
#include "SheetLayout.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Pages of designed labels: each label's objects drawn in its place on the
// stock, as a 1-bit page on a device's grid of dots or as PDF pages whose
// texts are real text in embedded fonts.

// Where a run's labels go: the first place used on the first page (from 1),
// copies of each label one after another, the printer's offset in mils.
struct DesignPages {
    SheetLayout stock;
    std::int64_t labels = 0;
    int startAt = 1;
    int copies = 1;
    bool outlines = false;
    double offsetX = 0;
    double offsetY = 0;
    // Dots taken off every bar of a bitmap page, for printers that spread ink.
    int barReduction = 0;
};

std::int64_t DesignPageCount(const DesignPages& pages);

// The label (from 0) drawn in a place of a page, or -1 for a place left empty.
std::int64_t DesignLabelAt(const DesignPages& pages, std::int64_t page, int place);

// One page as a printer gets it (Format_Mono, colour 1 black) at the
// resolution: `labels` holds the layout of each place of the page (null: the
// place is left empty). Null when the page cannot be allocated.
QImage RenderDesignPage(const DesignPages& pages, const std::vector<const LabelLayout*>& labels,
                        int dpiX, int dpiY);

// Reads every barcode of a page drawn by RenderDesignPage back as a scanner
// would, each alone on white, and compares it with what its label says: one
// message per barcode that does not scan as it should, naming its record
// (`names`, one per place), page, place and object.
QStringList VerifyDesignPage(const DesignPages& pages,
                             const std::vector<const LabelLayout*>& labels,
                             const QStringList& names, const LabelDesign& design, std::int64_t page,
                             const QImage& image);

// A PDF document of the stock's pages at true size, handed to `write` a page
// at a time; each barcode's first bar edge on the grid of `gridDpi` dots per
// inch. A false from `write` stops the document.
class CDesignPdf {
public:
    CDesignPdf(const DesignPages& pages, int gridDpi,
               const std::function<bool(const QByteArray&)>& write);
    ~CDesignPdf();
    CDesignPdf(const CDesignPdf&) = delete;
    CDesignPdf& operator=(const CDesignPdf&) = delete;

    // Adds the next page; false once writing has failed.
    bool AddPage(const std::vector<const LabelLayout*>& labels);
    // Ends the document; false when it could not be written whole.
    bool Finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
