#pragma once

#include "LabelDesign.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

// The designer's side panel for the selected object: its name and box in
// the design's unit, and what its kind has (a barcode's symbology, data
// template, bar height or "fill the box", text shown and turn; a text's
// template, font, size, bold, italic, alignment, wrap and shrinking; a line's
// or rectangle's thickness). Every change is offered as the whole object.
class CDesignProperties : public QWidget {
    Q_OBJECT
public:
    explicit CDesignProperties(QWidget* parent = nullptr);

    // Shows the object (null: none selected) in the unit.
    void SetObject(int index, const DesignObject* object, DesignUnit unit);
    // The data's columns, offered as fields beside {n} and {date}.
    void SetColumns(const QStringList& columns);

    // The controls, for tests and for the designer's tab order.
    struct Controls {
        QLineEdit* name = nullptr;
        QDoubleSpinBox* x = nullptr;
        QDoubleSpinBox* y = nullptr;
        QDoubleSpinBox* width = nullptr;
        QDoubleSpinBox* height = nullptr;
        QComboBox* symbology = nullptr;
        QLineEdit* data = nullptr;
        QCheckBox* fill = nullptr;
        QDoubleSpinBox* barHeight = nullptr;
        QCheckBox* showText = nullptr;
        QComboBox* turn = nullptr;
        QSpinBox* density = nullptr; // the narrow bar in mils
        QLineEdit* text = nullptr;
        QFontComboBox* font = nullptr;
        QDoubleSpinBox* size = nullptr;
        QCheckBox* bold = nullptr;
        QCheckBox* italic = nullptr;
        QComboBox* align = nullptr;
        QCheckBox* wrap = nullptr;
        QCheckBox* shrink = nullptr;
        QDoubleSpinBox* minSize = nullptr;
        QDoubleSpinBox* stroke = nullptr;
        QCheckBox* shapeFill = nullptr;
        QComboBox* field = nullptr;
        QPushButton* insertField = nullptr;
    };
    const Controls& Widgets() const { return m_ui; }

    // As wide as the object's controls, shown or not: the panel keeps its
    // width as objects are selected.
    QSize minimumSizeHint() const override;

signals:
    void ObjectEdited(int index, const DesignObject& object);

private:
    QWidget* MakeBarcodePage();
    QWidget* MakeTextPage();
    QWidget* MakeShapePage();
    void Connect();
    // The object as the controls say; emits it when it differs.
    void Take();
    void InsertField();

    Controls m_ui;
    QLabel* m_none = nullptr;
    QGroupBox* m_group = nullptr;
    QStackedWidget* m_pages = nullptr;
    int m_index = -1;
    DesignObject m_object;
    DesignUnit m_unit = DesignUnit::Inch;
    QString m_shownFont;    // the family the font list showed for the object
    bool m_showing = false; // controls being set from the object
};
