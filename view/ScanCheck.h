#pragma once

#include "Encoding.h"
#include "Symbologies.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CBarcode;

// The scan check: the symbol rendered at an output's resolution and read back
// as a scanner would (ZXing for the bar-and-space symbologies, the bar-height
// reader for Postnet), compared with what its label says.

// One symbol on one output, everything the check needs and nothing that
// lives on the user-interface thread.
struct ScanJob {
    SymbologyId symbology = SymbologyId::Code39;
    Encoding encoding;
    std::int32_t barLength = 0;
    bool showText = true;
    int orientation = 0;
    int zoom = 1;
    int dpiX = 0;
    int dpiY = 0;
    std::string expected;     // what a scanner should report (ExpectedReading)
    std::int32_t density = 0; // the module the encoding was built with
};

// A job for a symbol as the view draws it on an output of the resolution.
ScanJob MakeScanJob(SymbologyId id, const CBarcode& barcode, std::int32_t barLength, bool showText,
                    int orientation, int zoom, int dpiX, int dpiY);

enum class ScanVerdict {
    NotChecked,  // nothing drawn, or too large to render for the check
    Scans,       // reads as the label says
    ScansAs,     // reads, but as something else
    DoesNotScan, // no reading at all
};

struct ScanResult {
    ScanVerdict verdict = ScanVerdict::NotChecked;
    std::string read;     // what the reader returned
    std::string expected; // what the label says
    // When the symbol does not scan: the smallest larger zoom, else the
    // smallest larger Density, at which it does (0: none found).
    int scansAtZoom = 0;
    std::int32_t scansAtDensity = 0;

    friend bool operator==(const ScanResult&, const ScanResult&) = default;
};

// The symbol alone, centred on a white field with a quiet zone around its
// cell, at the job's resolution and the given zoom; monochrome, as the
// bitmaps are. Null when the job draws nothing or the image would be too large.
QImage RenderForScan(const ScanJob& job, int zoom);

// Reads a monochrome image with the symbology's reader; nothing when it finds
// no symbol. Code 39 Extended is read in full-ASCII mode.
std::optional<std::string> ReadSymbol(const QImage& image, SymbologyId id);

// Renders, reads and compares; when the symbol does not scan, tries the larger
// zooms at the same resolution and then larger Densities. cancelled is asked
// between the steps; a cancelled check returns NotChecked.
ScanResult CheckScan(const ScanJob& job, const std::function<bool()>& cancelled = {});

// The status field's text for a result.
QString ScanStatusText(const ScanResult& result);

// Runs one check at a time off the user-interface thread. Every Start makes
// the checks before it stale: a running one is told to stop, and a result
// that arrives after a newer Start or a Cancel is dropped, so only the newest
// check ever reaches Checked.
class CScanCheckRunner : public QObject {
    Q_OBJECT
public:
    explicit CScanCheckRunner(QObject* parent = nullptr);
    ~CScanCheckRunner() override;

    // Starts a check of the job and returns true; false, starting nothing,
    // when the job is the one under way or the one whose result came last
    // with no other check started since (a repaint of the same symbol).
    bool Start(const ScanJob& job);
    // Makes the check under way stale without starting another: its result
    // will not be delivered.
    void Cancel();
    // Cancel, and forget the last result too: the field no longer shows it.
    void Reset();
    std::uint64_t Generation() const { return m_generation; }
    // Waits until no check is running, without delivering results.
    void WaitForChecks();

signals:
    // The newest check's result, on the thread the runner lives on.
    void Checked(const ScanResult& result, const QString& text);

private:
    void Deliver(std::uint64_t generation, const ScanResult& result);

    QThreadPool m_pool;
    std::uint64_t m_generation = 0;
    std::shared_ptr<std::atomic<std::uint64_t>> m_newest =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    std::optional<ScanJob> m_pending;   // the check under way
    std::optional<ScanJob> m_delivered; // the check whose result came last
};
