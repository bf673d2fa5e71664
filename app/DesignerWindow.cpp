#include "DesignerWindow.h"

#include "DesignCanvas.h"
#include "DesignDataPanel.h"
#include "DesignEdit.h"
#include "DesignFile.h"
#include "DesignProperties.h"
#include "DesignSequenceRow.h"
#include "DesignerPrinting.h"
#include "LabelCatalog.h"
#include "RecentDesigns.h"
#include "SheetPreview.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The first sheet is drawn this fine beside the label.
constexpr int kSheetDpi = 60;
// A new object's share of the label, across and down.
constexpr double kNewShare = 0.6;

QString FileFilter() {
    return QCoreApplication::translate("CDesignerWindow", "Label designs (*.qmd);;All files (*)");
}

} // namespace

CDesignerWindow::CDesignerWindow(const DesignerStart& start, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_design(start.design), m_path(start.path),
      m_unsavedStart(start.path.isEmpty() && !start.design.objects.empty()) {
    setObjectName(QStringLiteral("labelDesigner"));
    if (m_design.stock.isEmpty()) {
        m_design.stock = QStringLiteral("letter-3x10");
    }
    m_canvas = new CDesignCanvas(this);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_canvas);
    splitter->addWidget(CreateSidePanel());
    // The first sheet beside the panel: a page is taller than it is wide.
    m_sheet = new CSheetPreview(splitter);
    m_sheet->setMinimumWidth(180);
    m_sheet->setAccessibleName(tr("First sheet"));
    splitter->addWidget(m_sheet);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(2, 1);
    splitter->setSizes({560, 360, 280});
    setCentralWidget(splitter);
    CreateMenus();
    m_data->SetSource(start.source, start.dataFile, start.count);

    connect(m_canvas, &CDesignCanvas::SelectionChanged, this, [this](int index) {
        m_properties->SetObject(
            index, index >= 0 ? &m_design.objects[static_cast<std::size_t>(index)] : nullptr,
            m_design.unit);
    });
    connect(m_canvas, &CDesignCanvas::BoxEdited, this,
            [this](int index, const DesignBox& box, CDesignCanvas::BoxEdit how) {
                LabelDesign after = m_design;
                after.objects[static_cast<std::size_t>(index)].box = box;
                Edit(how == CDesignCanvas::BoxEdit::Resize ? tr("Resize") : tr("Move"), after,
                     index, how == CDesignCanvas::BoxEdit::Key);
            });
    connect(m_properties, &CDesignProperties::ObjectEdited, this,
            [this](int index, const DesignObject& object) {
                LabelDesign after = m_design;
                after.objects[static_cast<std::size_t>(index)] = object;
                Edit(tr("Change %1").arg(ObjectName(object, static_cast<std::size_t>(index))),
                     after, index);
            });
    connect(m_stock, &QLineEdit::editingFinished, this, [this] {
        const QString stock = m_stock->text().trimmed();
        if (stock == m_design.stock) {
            return;
        }
        // A design file takes only stock that can be read: another is refused here.
        std::string error;
        if (!ParseStock(stock.toStdString(), &error)) {
            m_stock->setText(m_design.stock);
            Warn(tr("The stock \"%1\" cannot be used: %2")
                     .arg(stock, QString::fromStdString(error)));
            return;
        }
        LabelDesign after = m_design;
        after.stock = stock;
        Edit(tr("Change Stock"), after, m_canvas->Selected());
    });
    connect(m_sequence, &CDesignSequenceRow::Changed, this, [this](const DesignSequence& sequence) {
        if (sequence != m_design.sequence) {
            LabelDesign after = m_design;
            after.sequence = sequence;
            Edit(tr("Change Numbers"), after, m_canvas->Selected());
        }
    });
    connect(m_unit, &QComboBox::activated, this,
            [this](int index) { SetUnit(index == 0 ? DesignUnit::Inch : DesignUnit::Millimetre); });
    connect(m_data, &CDesignDataPanel::DataChanged, this, &CDesignerWindow::Refresh);
    connect(m_data, &CDesignDataPanel::RecordChanged, this, &CDesignerWindow::Refresh);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &CDesignerWindow::ShowTitle);
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    resize(1200, 700);
    Refresh();
}

CDesignerWindow::~CDesignerWindow() = default;

CDesignerWindow* CDesignerWindow::Open(const DesignerStart& start, QWidget* parent) {
    auto* window = new CDesignerWindow(start, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->activateWindow();
    return window;
}

QWidget* CDesignerWindow::CreateSidePanel() {
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(tr("Object and data"));
    auto* panel = new QWidget(scroll);
    auto* layout = new QVBoxLayout(panel);
    auto* stockForm = new QFormLayout;
    m_stock = new QLineEdit(panel);
    m_stock->setObjectName(QStringLiteral("stock"));
    m_stock->setToolTip(tr("A stock name such as letter-3x10 or roll-4x6in, or a custom layout"));
    auto* stockLabel = new QLabel(tr("Stoc&k:"), panel);
    stockLabel->setBuddy(m_stock);
    stockForm->addRow(stockLabel, m_stock);
    m_unit = new QComboBox(panel);
    m_unit->addItems({tr("inches"), tr("millimetres")});
    stockForm->addRow(tr("Unit:"), m_unit);
    m_sequence = new CDesignSequenceRow(panel);
    stockForm->addRow(tr("{n} from:"), m_sequence);
    layout->addLayout(stockForm);
    m_properties = new CDesignProperties(panel);
    layout->addWidget(m_properties);
    m_data = new CDesignDataPanel(panel);
    layout->addWidget(m_data);
    m_faultText = new QLabel(panel);
    m_faultText->setWordWrap(true);
    m_faultText->setTextFormat(Qt::PlainText);
    m_faultText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_faultText);
    layout->addStretch(1);
    scroll->setWidget(panel);
    // As wide as the panel's longest row in the language shown: it scrolls
    // down, never across.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(panel->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width() +
                            2 * scroll->frameWidth());
    return scroll;
}

void CDesignerWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this,
                    [this] { Open(DesignerStart{}, parentWidget()); });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open Label Design"),
                                                          QFileInfo(m_path).path(), FileFilter());
        if (!path.isEmpty()) {
            OpenFile(path);
        }
    });
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { Save(); });
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &CDesignerWindow::SaveAs);
    file->addSeparator();
    file->addAction(tr("&Export PDF..."), this, [this] { ExportPdf(); });
    file->addAction(tr("Print Pre&view..."), this, &CDesignerWindow::PrintPreview);
    file->addAction(tr("&Print..."), QKeySequence::Print, this, &CDesignerWindow::Print);
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_undo.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo.createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* remove = edit->addAction(tr("&Delete"), this, &CDesignerWindow::DeleteSelected);
    remove->setShortcut(QKeySequence::Delete);
    // From the keyboard alone: each object in turn, then the arrow keys move it.
    edit->addAction(tr("Select &Next Object"), this, [this] {
        const auto count = static_cast<int>(m_design.objects.size());
        m_canvas->Select(count == 0 ? -1 : (m_canvas->Selected() + 1) % count);
        m_canvas->setFocus(Qt::OtherFocusReason);
    });

    QMenu* insert = menuBar()->addMenu(tr("&Insert"));
    QToolBar* tools = addToolBar(tr("Objects"));
    tools->setObjectName(QStringLiteral("designerTools"));
    const std::pair<ObjectKind, QString> kinds[] = {
        {ObjectKind::Barcode, tr("&Barcode")},
        {ObjectKind::Text, tr("&Text")},
        {ObjectKind::Line, tr("&Line")},
        {ObjectKind::Rectangle, tr("&Rectangle")},
    };
    for (const auto& entry : kinds) {
        const ObjectKind kind = entry.first;
        QAction* action = insert->addAction(entry.second, this, [this, kind] { AddObject(kind); });
        tools->addAction(action);
    }
    tools->addSeparator();
    tools->addAction(undo);
    tools->addAction(redo);
}

DesignJob CDesignerWindow::Job() const {
    DesignJob job;
    if (!m_run || !m_run->Fault().isEmpty()) {
        return job;
    }
    job.run = m_run.get();
    job.records = &m_data->Data().records;
    job.pages.stock = m_run->Stock();
    job.pages.labels = static_cast<std::int64_t>(job.records->size());
    return job;
}

void CDesignerWindow::Edit(const QString& what, const LabelDesign& edited, int selected,
                           bool keyMove) {
    const LabelDesign after = Writable(edited, m_design);
    if (after == m_design) {
        m_properties->SetObject(
            selected,
            selected >= 0 ? &m_design.objects[static_cast<std::size_t>(selected)] : nullptr,
            m_design.unit); // the panel shows what was kept
        return;
    }
    m_undo.push(new CDesignEdit(
        what, m_design, after, selected,
        [this](const LabelDesign& design, int shown) { Apply(design, shown); },
        keyMove ? CDesignEdit::Kind::KeyMove : CDesignEdit::Kind::Other));
}

void CDesignerWindow::Apply(const LabelDesign& design, int selected) {
    m_design = design;
    Refresh();
    m_canvas->Select(selected);
    m_properties->SetObject(
        selected, selected >= 0 ? &m_design.objects[static_cast<std::size_t>(selected)] : nullptr,
        m_design.unit);
}

void CDesignerWindow::AddObject(ObjectKind kind) {
    const SheetLayout stock = m_run ? m_run->Stock() : SheetLayout{};
    const double per = MilsPer(m_design.unit);
    const double labelWidth = stock.labelWidth > 0 ? stock.labelWidth / per : 1;
    const double labelHeight = stock.labelHeight > 0 ? stock.labelHeight / per : 1;
    DesignObject object;
    object.kind = kind;
    const double share = kind == ObjectKind::Barcode || kind == ObjectKind::Rectangle ? 0.4 : 0.2;
    const double height = kind == ObjectKind::Line ? 0 : labelHeight * share;
    object.box = {labelWidth * (1 - kNewShare) / 2, (labelHeight - height) / 2,
                  labelWidth * kNewShare, height};
    const QStringList& columns = m_data->Data().columns;
    const QString field = columns.isEmpty() ? QStringLiteral("{n}") : u'{' + columns.first() + u'}';
    if (kind == ObjectKind::Barcode) {
        object.data = field;
    } else if (kind == ObjectKind::Text) {
        object.text = field;
    }
    LabelDesign after = m_design;
    after.objects.push_back(object);
    Edit(tr("Add %1").arg(ObjectName(object, after.objects.size() - 1)), after,
         static_cast<int>(after.objects.size()) - 1);
}

void CDesignerWindow::DeleteSelected() {
    const int selected = m_canvas->Selected();
    if (selected < 0) {
        return;
    }
    LabelDesign after = m_design;
    const auto index = static_cast<std::size_t>(selected);
    const QString name = ObjectName(after.objects[index], index);
    after.objects.erase(after.objects.begin() + selected);
    Edit(tr("Delete %1").arg(name), after, -1);
}

void CDesignerWindow::SetUnit(DesignUnit unit) {
    if (unit != m_design.unit) {
        Edit(tr("Change Unit"), InUnit(m_design, unit), m_canvas->Selected());
    }
}

void CDesignerWindow::Refresh() {
    const DesignData& data = m_data->Data();
    m_run = std::make_unique<CDesignRun>(m_design, data.columns, QDate::currentDate());
    m_faults.clear();
    std::optional<LabelLayout> layout;
    if (!m_run->Fault().isEmpty()) {
        m_faults << m_run->Fault();
    } else {
        const DesignRecord record = data.records.empty()
                                        ? DesignRecord{0, 0, {}}
                                        : data.records[static_cast<std::size_t>(m_data->Record())];
        layout = m_run->LayOut(record, &m_faults);
        if (!layout) {
            // Every object that can be laid out alone is still shown.
            layout.emplace();
            for (const DesignObject& object : m_design.objects) {
                LabelDesign one = m_design;
                one.objects = {object};
                const CDesignRun alone(one, data.columns, QDate::currentDate(), m_run->Stock());
                QStringList ignored;
                if (const auto placed = alone.LayOut(record, &ignored)) {
                    layout->objects.insert(layout->objects.end(), placed->objects.begin(),
                                           placed->objects.end());
                }
            }
        }
    }
    if (!data.error.isEmpty()) {
        m_faults.prepend(data.error);
    }
    m_canvas->Show(m_design, m_run->Stock(), std::move(layout));
    m_properties->SetColumns(data.columns);
    m_stock->setText(m_design.stock);
    m_unit->setCurrentIndex(m_design.unit == DesignUnit::Inch ? 0 : 1);
    m_sequence->Show(m_design.sequence);
    // What keeps the record from printing, or that it prints; then what is
    // said although it prints (a font the system lacks, and the one used).
    const QStringList said =
        (m_faults.isEmpty() ? QStringList{tr("This record prints as designed.")} : m_faults) +
        m_run->Notes();
    m_faultText->setText(said.join(u'\n'));
    ShowSheet();
    ShowTitle();
}

void CDesignerWindow::ShowSheet() {
    const DesignJob job = Job();
    if (job.run == nullptr) {
        m_sheet->SetSheet(QImage(), {});
        return;
    }
    QList<QRect> labels;
    for (int place = 0; place < job.pages.stock.LabelsPerSheet(); ++place) {
        const LabelPlace at = LabelAt(job.pages.stock, place);
        const double k = kSheetDpi / 1000.0;
        labels << QRectF(at.x * k, at.y * k, at.width * k, at.height * k).toRect();
    }
    m_sheet->SetSheet(DesignJobPage(job, 0, kSheetDpi), labels);
}

void CDesignerWindow::ShowTitle() {
    const QString name = m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
    setWindowTitle(tr("%1[*] - Label Designer").arg(name));
    setWindowModified(Modified());
}

void CDesignerWindow::Warn(const QString& message) {
    QMessageBox::warning(this, tr("Label Designer"), message);
}

bool CDesignerWindow::Save(const QString& path) {
    const QString target = path.isEmpty() ? m_path : path;
    if (target.isEmpty()) {
        return SaveAs();
    }
    // Never a file that does not open again: what it holds is read back first.
    const QByteArray text = WriteDesign(m_design);
    QString why;
    if (!ReadDesign(text, &why)) {
        Warn(tr("The design cannot be saved as it is: %1").arg(why));
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0 || !file.commit()) {
        Warn(tr("The design could not be saved in %1: %2").arg(target, file.errorString()));
        return false;
    }
    m_path = target;
    m_undo.setClean();
    m_unsavedStart = false;
    NoteRecentDesign(target);
    ShowTitle();
    return true;
}

bool CDesignerWindow::SaveAs() {
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save Label Design"), m_path, FileFilter());
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".qmd");
    }
    return Save(path);
}

bool CDesignerWindow::OpenFile(const QString& path) {
    if (!MaybeSave()) {
        return false;
    }
    QString error;
    const std::optional<LabelDesign> design = LoadDesignFile(path, &error);
    if (!design) {
        Warn(error);
        return false;
    }
    m_path = path;
    m_undo.clear();
    m_unsavedStart = false;
    NoteRecentDesign(path);
    Apply(*design, -1);
    return true;
}

bool CDesignerWindow::MaybeSave() {
    if (!Modified()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, tr("Label Designer"), tr("Save the changes to the design before closing it?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return Save();
    }
    return answer == QMessageBox::Discard;
}

void CDesignerWindow::closeEvent(QCloseEvent* event) {
    if (MaybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CDesignerWindow::Print() {
    QString why;
    const std::optional<DesignJob> job =
        PrintableDesignJob(Job(), m_faults, m_data->Data().error, &why);
    if (!job || !PrintDesignJob(m_printer, *job, this, &why)) {
        Warn(why);
    }
}

void CDesignerWindow::PrintPreview() {
    QString why;
    if (const auto job = PrintableDesignJob(Job(), m_faults, m_data->Data().error, &why)) {
        PreviewDesignJob(m_printer, *job, this);
    } else {
        Warn(why);
    }
}

bool CDesignerWindow::ExportPdf(const QString& path) {
    QString why;
    const std::optional<DesignJob> job =
        PrintableDesignJob(Job(), m_faults, m_data->Data().error, &why);
    const QString target = !job || !path.isEmpty() ? path : AskPdfPath(this, m_path);
    if (job && target.isEmpty()) {
        return false; // cancelled
    }
    if (!job || !ExportDesignPdf(*job, target, &why)) {
        Warn(why);
        return false;
    }
    return true;
}
