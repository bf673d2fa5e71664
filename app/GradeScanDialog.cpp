#include "GradeScanDialog.h"

#include "GradeScale.h"
#include "GradeText.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

// One scan line's reflectance (0 to 100 %) against its position across the
// symbol, with the global threshold the edges are found by.
class CProfileChart : public QWidget {
public:
    explicit CProfileChart(QWidget* parent) : QWidget(parent) { setMinimumSize(480, 160); }

    void Show(const std::vector<double>& line, double threshold) {
        m_line = line;
        m_threshold = threshold;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        const QRectF area = QRectF(rect()).adjusted(36, 8, -8, -8);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(area);
        const auto y = [&](double r) { return area.bottom() - area.height() * r / 100.0; };
        painter.setPen(palette().color(QPalette::Text));
        for (const int r : {0, 50, 100}) {
            painter.drawText(QRectF(0, y(r) - 8, 32, 16), Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("%1").arg(r));
        }
        if (m_line.size() < 2) {
            return;
        }
        QPainterPath path;
        const double step = area.width() / static_cast<double>(m_line.size() - 1);
        for (std::size_t i = 0; i < m_line.size(); ++i) {
            const QPointF point(area.left() + step * static_cast<double>(i),
                                y(std::clamp(m_line[i], 0.0, 100.0)));
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Text), 1.0));
        painter.drawPath(path);
        painter.setPen(QPen(QColor(200, 40, 40), 1.0, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), y(m_threshold)),
                         QPointF(area.right(), y(m_threshold)));
    }

private:
    std::vector<double> m_line;
    double m_threshold = 0;
};

namespace {

QString Cell(double value, double grade) {
    return QStringLiteral("%1 % (%2)").arg(QString::number(value, 'f', 1), GradeNumber(grade));
}

} // namespace

CGradeScanDialog::CGradeScanDialog(const SymbolGrade& graded, const QString& path, QWidget* parent)
    : QDialog(parent), m_graded(graded) {
    setWindowTitle(tr("Grade of a Scan"));
    auto* layout = new QVBoxLayout(this);
    const QString fault = ParameterAtFault(graded);
    m_heading = fault.isEmpty() ? GradeVerdict(graded.grade)
                                : tr("%1, held down by %2").arg(GradeVerdict(graded.grade), fault);
    auto* heading = new QLabel(QStringLiteral("<b>%1</b><br>%2<br>%3")
                                   .arg(tr("Estimated %1").arg(m_heading).toHtmlEscaped(),
                                        SymbolLine(graded).toHtmlEscaped(), path.toHtmlEscaped()),
                               this);
    heading->setObjectName(QStringLiteral("heading"));
    layout->addWidget(heading);
    auto* estimate = new QLabel(
        tr("An estimate: a scanner is not a calibrated verifier. Its light, its optics and "
           "its reflectance scale are not a verifier's, so the grade of a scan may differ "
           "from a verifier's grade of the same label."),
        this);
    estimate->setWordWrap(true);
    layout->addWidget(estimate);

    const QStringList columns{tr("Row"),           tr("Symbol contrast"), tr("Rmin / Rmax"),
                              tr("Edge contrast"), tr("Modulation"),      tr("Defects"),
                              tr("Decode"),        tr("Quiet zones"),     tr("Decodability"),
                              tr("Grade")};
    m_pTable = new QTableWidget(static_cast<int>(graded.profiles.size()),
                                static_cast<int>(columns.size()), this);
    m_pTable->setHorizontalHeaderLabels(columns);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const ProfileGrade& g = graded.profiles[static_cast<std::size_t>(row)];
        const ProfileMeasures& m = g.measures;
        const QString decode = !g.decodeGrade ? tr("not graded")
                               : !g.decode.decoded
                                   ? tr("fails (0.0)")
                                   : tr("passes (%1)").arg(GradeNumber(*g.decodeGrade));
        const QString decodability =
            g.decodabilityGrade
                ? QStringLiteral("%1 (%2)").arg(QString::number(g.decode.decodability, 'f', 2),
                                                GradeNumber(*g.decodabilityGrade))
                : tr("not graded");
        QString grade = GradeNumber(g.grade);
        if (g.grade < 4.0) {
            grade += QStringLiteral(" (%1)").arg(ParameterName(g.worst));
        }
        const QStringList cells{QString::number(graded.rows[static_cast<std::size_t>(row)]),
                                Cell(m.symbolContrast, g.contrastGrade),
                                QStringLiteral("%1 / %2").arg(QString::number(m.rmin, 'f', 1),
                                                              Cell(m.rmax, g.rminGrade)),
                                Cell(m.edgeContrastMin, g.edgeContrastGrade),
                                Cell(m.modulation, g.modulationGrade),
                                Cell(m.defects, g.defectsGrade),
                                decode,
                                QuietZones(g),
                                decodability,
                                grade};
        for (int column = 0; column < cells.size(); ++column) {
            m_pTable->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    m_pTable->resizeColumnsToContents();
    layout->addWidget(m_pTable);

    auto* chartTitle = new QLabel(this);
    layout->addWidget(chartTitle);
    m_pChart = new CProfileChart(this);
    layout->addWidget(m_pChart, 1);
    connect(m_pTable, &QTableWidget::currentCellChanged, this, [this, chartTitle](int row) {
        if (row < 0 || static_cast<std::size_t>(row) >= m_graded.lines.size()) {
            return;
        }
        chartTitle->setText(tr("Reflectance in percent along the scan line at row %1, the "
                               "global threshold dashed")
                                .arg(m_graded.rows[static_cast<std::size_t>(row)]));
        m_pChart->Show(m_graded.lines[static_cast<std::size_t>(row)],
                       m_graded.profiles[static_cast<std::size_t>(row)].measures.threshold);
    });
    m_pTable->setCurrentCell(m_pTable->rowCount() / 2, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for every column of the table, within the screen.
    const int tableWidth =
        m_pTable->verticalHeader()->width() + m_pTable->horizontalHeader()->length() +
        m_pTable->verticalScrollBar()->sizeHint().width() + 2 * m_pTable->frameWidth() +
        layout->contentsMargins().left() + layout->contentsMargins().right();
    const QRect screen = this->screen() != nullptr ? this->screen()->availableGeometry() : QRect();
    resize(screen.isEmpty() ? std::max(760, tableWidth)
                            : std::clamp(tableWidth, 760, screen.width()),
           560);
}

QString CGradeScanDialog::QuietZones(const ProfileGrade& g) {
    // The light each side in modules, against what the symbology asks once decoded.
    const auto modules = [](double value) { return QString::number(value, 'f', 1); };
    const QString found =
        QStringLiteral("%1 / %2").arg(modules(g.quietLeft), modules(g.quietRight));
    return g.decode.decoded && (g.decode.quietLeft > 0 || g.decode.quietRight > 0)
               ? tr("%1 of %2 / %3")
                     .arg(found, modules(g.decode.quietLeft), modules(g.decode.quietRight))
               : found;
}

QString CGradeScanDialog::Heading() const {
    return m_heading;
}

void CGradeScanDialog::GradeAScan(QWidget* parent) {
    const QString path = QFileDialog::getOpenFileName(parent, tr("Grade a Scan"), QString(),
                                                      tr("Images (*.png *.bmp);;All files (*)"));
    if (!path.isEmpty()) {
        GradeFile(parent, path);
    }
}

void CGradeScanDialog::GradeFile(QWidget* parent, const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        QMessageBox::warning(parent, tr("Grade a Scan"),
                             tr("Cannot read the image \"%1\": %2")
                                 .arg(QDir::toNativeSeparators(path), reader.errorString()));
        return;
    }
    const std::vector<std::uint8_t> grey = GreyPixels(image);
    const SymbolGrade graded =
        GradeImage({image.width(), image.height(), grey.data(), image.width()});
    if (!graded.found) {
        QMessageBox::warning(parent, tr("Grade a Scan"),
                             tr("No bars found in \"%1\" to grade: the image should show the "
                                "symbol with its bars upright, a module at least 3 pixels wide.")
                                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    CGradeScanDialog dialog(graded, path, parent);
    dialog.exec();
}

void CGradeScanDialog::AddToMenuBar(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    const QList<QAction*> menus = bar->actions();
    auto* tools = new QMenu(tr("T&ools"), bar);
    tools->setObjectName(QStringLiteral("toolsMenu"));
    QAction* grade = tools->addAction(tr("&Grade a Scan..."));
    grade->setObjectName(QStringLiteral("gradeScan"));
    grade->setStatusTip(
        tr("Grades the print quality of a barcode in a scanned image (an estimate)"));
    connect(grade, &QAction::triggered, window, [window] { GradeAScan(window); });
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.back(), tools);
}
