#include "BarcodeView.h"

#include "AchievedSize.h"
#include "DeviceGrid.h"
#include "FieldValues.h"
#include "FocusFrame.h"
#include "InputValues.h"
#include "Placement.h"
#include "ResourceTables.h"
#include "StandardsAdvice.h"
#include "SymbolPainter.h"

#include <QPaintEvent>
#include <QPainter>

#include <utility>

CBarcodeView::CBarcodeView(QWidget* parent)
    : QWidget(parent), m_pOwnDoc(std::make_unique<CSymbolDocument>()) {
    SetDocument(m_pOwnDoc.get());
    setAttribute(Qt::WA_OpaquePaintEvent); // the draw paints the whole area
    // A click takes the focus, as in any document view: a panel field being
    // edited is left, and leaving it redraws.
    setFocusPolicy(Qt::StrongFocus);
    UpdateAccessibleName();
}

CBarcodeView::~CBarcodeView() = default;

void CBarcodeView::SetDocument(CSymbolDocument* document) {
    if (m_pDoc != nullptr) {
        disconnect(m_pDoc, nullptr, this, nullptr);
        document->SetInputValues(m_pDoc->InputValues());
    }
    m_pDoc = document != nullptr ? document : m_pOwnDoc.get();
    connect(m_pDoc, &CSymbolDocument::Changed, this, &CBarcodeView::Redraw);
}

void CBarcodeView::SetInputValues(CInputValues* panel) {
    m_pDoc->SetInputValues(panel);
}

void CBarcodeView::SetSymbology(int symbologyId) {
    m_pDoc->SetSymbology(SymbologyAt(symbologyId));
}

int CBarcodeView::Symbology() const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    return id ? static_cast<int>(*id) : -1;
}

void CBarcodeView::OnInitialUpdate() {
    m_pDoc->SetSymbology(SymbologyId::Code39);
    m_pDoc->SetZoom(kMinZoom);
    if (CInputValues* panel = m_pDoc->InputValues(); panel != nullptr) {
        panel->SetStartValues(QString::fromLatin1(kStartHeight), QString::fromLatin1(kStartData),
                              true);
        m_filters.AttachStartUp(panel->TextField());
        QStringList names;
        for (const SymbologyFacts& facts : Symbologies()) {
            names << res::Text(facts.name);
        }
        panel->FillSymbologyList(names, Symbology());
    }
    Redraw();
}

namespace {
// The refusal's text keeps this many pixels from the view's edges.
constexpr int kRefusalMargin = 8;
} // namespace

QString CBarcodeView::StatusText() const {
    if (!m_symbolRefusal.isEmpty()) {
        return tr("Not drawn: %1").arg(m_symbolRefusal);
    }
    if (!m_heightRefusal.isEmpty()) {
        return m_heightRefusal;
    }
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    return id ? res::Text(FactsOf(*id).ruleText) : QString();
}

DeviceMapping CBarcodeView::OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const {
    return PrepareMapping(Zoom(), device, outputRect);
}

QString CBarcodeView::StandardsAdviceOf(const DeviceMapping& mapping) const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    // The symbol as the size field describes it: its X on this device's grid.
    const Encoding& encoding = m_pDoc->Encoded();
    if (!Barcode() || !id || PublishedRange(*id) == nullptr || encoding.module <= 0 ||
        mapping.dpiX <= 0) {
        return {};
    }
    const double achieved =
        AchievedModuleMils(encoding.module, static_cast<double>(mapping.dpiX) * mapping.zoom);
    return StandardsAdvice({*id, achieved, static_cast<double>(m_pDoc->DrawBarLength()),
                            CellMarginAlong(encoding) * achieved / encoding.module});
}

std::optional<RenderRequest> CBarcodeView::RequestOf(OutputFormat format, int dpiX, int dpiY,
                                                     bool asDrawn) const {
    if (!asDrawn) {
        m_pDoc->Update();
    }
    return m_pDoc->Request(format, dpiX, dpiY);
}

void CBarcodeView::OnDraw(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::Overhang);
}

void CBarcodeView::OnPrint(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::WholeCells);
}

void CBarcodeView::DrawSymbol(QPainter& painter, const DeviceMapping& mapping, TileEdge edge) {
    m_pDoc->Update();
    CInputValues* panel = m_pDoc->InputValues();
    if (panel == nullptr || !Barcode()) {
        return; // no symbology selected: nothing drawn, Width left as it was
    }
    if (const QString& refusal = m_pDoc->Refusal(); !refusal.isEmpty()) {
        // Nothing the symbology refuses is drawn, and no length is shown.
        panel->SetWidthText(QString());
        const QRect area = painter.viewport().adjusted(kRefusalMargin, kRefusalMargin,
                                                       -kRefusalMargin, -kRefusalMargin);
        painter.save();
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Not drawn: %1").arg(refusal));
        painter.restore();
        m_drawnCell = {};
        return;
    }
    SymbolScene scene = m_pDoc->Scene();
    // The length a ruler measures on the drawn bars.
    panel->SetWidthText(WidthText(ClampToInt32(scene.encoding.SymbolLength())));
    scene.tileEdge = edge;
    // Whole cells only is the printed page, where the printer's ink spreads.
    scene.barReduction = edge == TileEdge::WholeCells ? BarReduction() : 0;
    PaintSymbol(painter, mapping, scene);
    m_drawnCell = SymbolCellSize(mapping, scene);
}

void CBarcodeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const DeviceMapping mapping = OnPrepareDC(*this, rect());
    OnDraw(painter, mapping);
    if (hasFocus()) {
        DrawFocusFrame(painter, *this);
    }
    if (m_pDoc->InputValues() != nullptr) {
        QString refusal = HeightRefusal(m_pDoc->Value().height);
        if (refusal != m_heightRefusal || m_pDoc->Refusal() != m_symbolRefusal) {
            m_heightRefusal = std::move(refusal);
            m_symbolRefusal = m_pDoc->Refusal();
            emit StatusTextChanged(StatusText());
        }
    }
    if (Barcode() != nullptr) {
        emit AchievedSizeChanged(AchievedSizeText(*Barcode(), mapping, QStringLiteral("px")),
                                 StandardsAdviceOf(mapping));
    }
    emit SymbolDrawn(m_drawnCell / mapping.devicePixelRatio); // in the widget's own units

    UpdateAccessibleName();
}

QString CBarcodeView::AccessibleNameOfDrawn() const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    if (!Barcode() || !id) {
        return tr("Barcode: none");
    }
    const QString name = res::Text(FactsOf(*id).name);
    const QString width = WidthText(ClampToInt32(m_pDoc->Encoded().SymbolLength()));
    const std::string& text = m_pDoc->Value().text;
    if (text.empty()) {
        return tr("Barcode: %1, no text, %2 inches").arg(name, width);
    }
    return tr("Barcode: %1, %2, %3 inches")
        .arg(name, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), width);
}

void CBarcodeView::UpdateAccessibleName() {
    if (const QString name = AccessibleNameOfDrawn(); name != accessibleName()) {
        setAccessibleName(name);
    }
    if (accessibleDescription().isEmpty()) {
        setAccessibleDescription(tr("The symbol at its true size times the zoom. Copy, Print "
                                    "and Save take it out of the program; its menu holds them."));
    }
}
