#include "DesignProperties.h"

#include "Barcode.h"
#include "Symbologies.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Page { kBarcodePage, kTextPage, kShapePage };

// A spin box of lengths in the unit, committed when typing ends.
QDoubleSpinBox* LengthBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setKeyboardTracking(false);
    box->setRange(0, 1000);
    return box;
}

QDoubleSpinBox* PointBox(QWidget* parent, double least, double most, double step) {
    auto* box = new QDoubleSpinBox(parent);
    box->setKeyboardTracking(false);
    box->setRange(least, most);
    box->setSingleStep(step);
    box->setSuffix(QStringLiteral(" pt"));
    return box;
}

void AddRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* text = new QLabel(label, field->parentWidget());
    text->setBuddy(field);
    form->addRow(text, field);
}

} // namespace

CDesignProperties::CDesignProperties(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_none = new QLabel(tr("Click an object on the label, or add one from the Insert menu."), this);
    m_none->setWordWrap(true);
    layout->addWidget(m_none);
    m_group = new QGroupBox(tr("Object"), this);
    layout->addWidget(m_group);
    auto* groupLayout = new QVBoxLayout(m_group);
    auto* form = new QFormLayout;
    groupLayout->addLayout(form);
    m_ui.name = new QLineEdit(m_group);
    AddRow(form, tr("Na&me:"), m_ui.name);
    m_ui.x = LengthBox(m_group);
    m_ui.y = LengthBox(m_group);
    m_ui.width = LengthBox(m_group);
    m_ui.height = LengthBox(m_group);
    AddRow(form, tr("Left:"), m_ui.x);
    AddRow(form, tr("Top:"), m_ui.y);
    AddRow(form, tr("&Width:"), m_ui.width);
    AddRow(form, tr("Hei&ght:"), m_ui.height);
    m_pages = new QStackedWidget(m_group);
    m_pages->addWidget(MakeBarcodePage());
    m_pages->addWidget(MakeTextPage());
    m_pages->addWidget(MakeShapePage());
    groupLayout->addWidget(m_pages);
    // The fields a template may take: the data's columns, the number, the date.
    auto* fields = new QHBoxLayout;
    m_ui.field = new QComboBox(m_group);
    m_ui.field->setAccessibleName(tr("Field"));
    m_ui.insertField = new QPushButton(tr("Insert fiel&d"), m_group);
    fields->addWidget(m_ui.field, 1);
    fields->addWidget(m_ui.insertField);
    groupLayout->addLayout(fields);
    layout->addStretch(1);
    SetColumns({});
    Connect();
    SetObject(-1, nullptr, DesignUnit::Inch);
}

QWidget* CDesignProperties::MakeBarcodePage() {
    auto* page = new QWidget(m_pages);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_ui.symbology = new QComboBox(page);
    for (const SymbologyFacts& facts : Symbologies()) {
        m_ui.symbology->addItem(
            QString::fromLatin1(facts.name.data(), static_cast<qsizetype>(facts.name.size())));
    }
    AddRow(form, tr("S&ymbology:"), m_ui.symbology);
    m_ui.data = new QLineEdit(page);
    AddRow(form, tr("D&ata:"), m_ui.data);
    m_ui.fill = new QCheckBox(tr("Bars fill the box"), page);
    form->addRow(m_ui.fill);
    m_ui.barHeight = LengthBox(page);
    AddRow(form, tr("Bar height:"), m_ui.barHeight);
    m_ui.showText = new QCheckBox(tr("Show text"), page);
    form->addRow(m_ui.showText);
    m_ui.turn = new QComboBox(page);
    m_ui.turn->addItems({tr("None"), tr("90° left"), tr("180°"), tr("90° right")});
    AddRow(form, tr("Turn:"), m_ui.turn);
    m_ui.density = new QSpinBox(page);
    m_ui.density->setKeyboardTracking(false);
    m_ui.density->setRange(kMinDensity, kMaxDensity);
    m_ui.density->setSuffix(tr(" mil"));
    AddRow(form, tr("Narrow bar:"), m_ui.density);
    return page;
}

QWidget* CDesignProperties::MakeTextPage() {
    auto* page = new QWidget(m_pages);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_ui.text = new QLineEdit(page);
    AddRow(form, tr("Te&xt:"), m_ui.text);
    m_ui.font = new QFontComboBox(page);
    AddRow(form, tr("Font:"), m_ui.font);
    m_ui.size = PointBox(page, 1, 400, 0.5);
    AddRow(form, tr("Size:"), m_ui.size);
    m_ui.bold = new QCheckBox(tr("Bold"), page);
    m_ui.italic = new QCheckBox(tr("Italic"), page);
    auto* style = new QHBoxLayout;
    style->addWidget(m_ui.bold);
    style->addWidget(m_ui.italic);
    form->addRow(style);
    m_ui.align = new QComboBox(page);
    m_ui.align->addItems({tr("Left"), tr("Centre"), tr("Right")});
    AddRow(form, tr("Alignment:"), m_ui.align);
    m_ui.wrap = new QCheckBox(tr("Wrap lines"), page);
    form->addRow(m_ui.wrap);
    m_ui.shrink = new QCheckBox(tr("Shrink to fit, down to"), page);
    m_ui.minSize = PointBox(page, 1, 400, 0.5);
    m_ui.minSize->setAccessibleName(tr("Least size"));
    auto* shrink = new QHBoxLayout;
    shrink->addWidget(m_ui.shrink);
    shrink->addWidget(m_ui.minSize);
    form->addRow(shrink);
    return page;
}

QWidget* CDesignProperties::MakeShapePage() {
    auto* page = new QWidget(m_pages);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_ui.stroke = PointBox(page, 0.25, 72, 0.25);
    AddRow(form, tr("Thickness:"), m_ui.stroke);
    m_ui.shapeFill = new QCheckBox(tr("Filled"), page);
    form->addRow(m_ui.shapeFill);
    return page;
}

void CDesignProperties::Connect() {
    const auto take = [this] { Take(); };
    for (QLineEdit* edit : {m_ui.name, m_ui.data, m_ui.text}) {
        connect(edit, &QLineEdit::editingFinished, this, take);
    }
    for (QDoubleSpinBox* spin : {m_ui.x, m_ui.y, m_ui.width, m_ui.height, m_ui.barHeight, m_ui.size,
                                 m_ui.minSize, m_ui.stroke}) {
        connect(spin, &QDoubleSpinBox::valueChanged, this, take);
    }
    for (QCheckBox* check : {m_ui.fill, m_ui.showText, m_ui.bold, m_ui.italic, m_ui.wrap,
                             m_ui.shrink, m_ui.shapeFill}) {
        connect(check, &QCheckBox::toggled, this, take);
    }
    connect(m_ui.density, &QSpinBox::valueChanged, this, take);
    for (QComboBox* combo : {m_ui.symbology, m_ui.turn, m_ui.align}) {
        connect(combo, &QComboBox::currentIndexChanged, this, take);
    }
    connect(m_ui.font, &QFontComboBox::currentFontChanged, this, take);
    connect(m_ui.insertField, &QPushButton::clicked, this, &CDesignProperties::InsertField);
}

QSize CDesignProperties::minimumSizeHint() const {
    const QSize own = QWidget::minimumSizeHint();
    return {std::max(own.width(), m_group->minimumSizeHint().width()), own.height()};
}

void CDesignProperties::SetColumns(const QStringList& columns) {
    const QSignalBlocker blocker(m_ui.field);
    m_ui.field->clear();
    for (const QString& column : columns) {
        m_ui.field->addItem(u'{' + column + u'}');
    }
    m_ui.field->addItem(QStringLiteral("{n}"));
    m_ui.field->addItem(QStringLiteral("{date:yyyy-MM-dd}"));
}

void CDesignProperties::SetObject(int index, const DesignObject* object, DesignUnit unit) {
    m_index = object != nullptr ? index : -1;
    m_none->setVisible(object == nullptr);
    m_group->setVisible(object != nullptr);
    if (object == nullptr) {
        return;
    }
    m_object = *object;
    m_unit = unit;
    m_showing = true;
    const QString suffix = unit == DesignUnit::Inch ? tr(" in") : tr(" mm");
    const int decimals = unit == DesignUnit::Inch ? 3 : 2;
    const double step = unit == DesignUnit::Inch ? 0.01 : 0.1;
    const DesignObject& o = *object;
    const double values[] = {o.box.x, o.box.y, o.box.width, o.box.height, o.barHeight};
    QDoubleSpinBox* boxes[] = {m_ui.x, m_ui.y, m_ui.width, m_ui.height, m_ui.barHeight};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        boxes[i]->setDecimals(decimals);
        boxes[i]->setSingleStep(step);
        boxes[i]->setSuffix(suffix);
        boxes[i]->setMinimum(i < 2 ? -1000 : 0);
        boxes[i]->setValue(values[i]);
    }
    m_ui.name->setText(o.name);
    m_ui.symbology->setCurrentIndex(static_cast<int>(o.symbology));
    m_ui.data->setText(o.data);
    m_ui.fill->setChecked(o.barHeight <= 0);
    m_ui.barHeight->setEnabled(o.barHeight > 0);
    m_ui.showText->setChecked(o.showText);
    m_ui.turn->setCurrentIndex(((o.turn % 4) + 4) % 4);
    m_ui.density->setValue(o.density);
    m_ui.text->setText(o.text);
    m_ui.font->setCurrentFont(QFont(o.font));
    m_shownFont = m_ui.font->currentFont().family();
    m_ui.size->setValue(o.size);
    m_ui.bold->setChecked(o.bold);
    m_ui.italic->setChecked(o.italic);
    m_ui.align->setCurrentIndex(static_cast<int>(o.align));
    m_ui.wrap->setChecked(o.wrap);
    m_ui.shrink->setChecked(o.minSize > 0);
    m_ui.minSize->setEnabled(o.minSize > 0);
    m_ui.minSize->setValue(o.minSize > 0 ? o.minSize : o.size / 2);
    m_ui.stroke->setValue(o.stroke);
    m_ui.shapeFill->setChecked(o.fill);
    m_ui.shapeFill->setVisible(o.kind == ObjectKind::Rectangle);
    const bool templated = o.kind == ObjectKind::Barcode || o.kind == ObjectKind::Text;
    m_ui.field->setVisible(templated);
    m_ui.insertField->setVisible(templated);
    m_pages->setCurrentIndex(o.kind == ObjectKind::Barcode ? kBarcodePage
                             : o.kind == ObjectKind::Text  ? kTextPage
                                                           : kShapePage);
    m_showing = false;
}

void CDesignProperties::Take() {
    if (m_showing || m_index < 0) {
        return;
    }
    DesignObject o = m_object;
    o.name = m_ui.name->text();
    o.box = {m_ui.x->value(), m_ui.y->value(), m_ui.width->value(), m_ui.height->value()};
    if (o.kind == ObjectKind::Barcode) {
        o.symbology = static_cast<SymbologyId>(m_ui.symbology->currentIndex());
        o.data = m_ui.data->text();
        // Unticking "fill" gives the bars the box's height to start from.
        o.barHeight = m_ui.fill->isChecked()
                          ? 0
                          : (m_ui.barHeight->value() > 0 ? m_ui.barHeight->value() : o.box.height);
        o.showText = m_ui.showText->isChecked();
        o.turn = m_ui.turn->currentIndex();
        o.density = m_ui.density->value();
    } else if (o.kind == ObjectKind::Text) {
        o.text = m_ui.text->text();
        // A family the system lacks stays as the design names it until
        // another is chosen.
        if (m_ui.font->currentFont().family() != m_shownFont) {
            o.font = m_ui.font->currentFont().family();
        }
        o.size = m_ui.size->value();
        o.bold = m_ui.bold->isChecked();
        o.italic = m_ui.italic->isChecked();
        o.align = static_cast<TextAlign>(m_ui.align->currentIndex());
        o.wrap = m_ui.wrap->isChecked();
        o.minSize = m_ui.shrink->isChecked() ? std::min(m_ui.minSize->value(), o.size) : 0;
    } else {
        o.stroke = m_ui.stroke->value();
        o.fill = o.kind == ObjectKind::Rectangle && m_ui.shapeFill->isChecked();
    }
    if (!(o == m_object)) {
        const int index = m_index;
        m_object = o;
        emit ObjectEdited(index, o);
    }
}

void CDesignProperties::InsertField() {
    QLineEdit* edit = m_object.kind == ObjectKind::Barcode ? m_ui.data : m_ui.text;
    edit->insert(m_ui.field->currentText());
    Take();
}
