#pragma once

class CSheetPreview;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

// The Print Labels dialog's controls, owned by the dialog; its parts and its
// tests reach them through this.
struct PrintLabelsControls {
    QLineEdit* findStock = nullptr; // words the stock listed must hold
    QComboBox* layout = nullptr;    // the built-in stock, the catalog's, then "Custom"
    QLineEdit* customLayout = nullptr;
    QDoubleSpinBox* barHeight = nullptr; // inches
    QRadioButton* fromText = nullptr;
    QRadioButton* fromSequence = nullptr;
    QRadioButton* fromFile = nullptr;
    QStackedWidget* sourcePages = nullptr;
    QLineEdit* prefix = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* step = nullptr;
    QSpinBox* count = nullptr;
    QSpinBox* digits = nullptr;
    QLineEdit* suffix = nullptr;
    QLineEdit* file = nullptr;
    QPushButton* browse = nullptr;
    QComboBox* textColumn = nullptr;
    QComboBox* captionColumn = nullptr; // "(none)" first
    QLineEdit* caption = nullptr;
    QSpinBox* startAt = nullptr;
    QSpinBox* copies = nullptr;
    QCheckBox* outlines = nullptr;
    QLabel* offsetPrinter = nullptr;
    QDoubleSpinBox* offsetX = nullptr;
    QDoubleSpinBox* offsetY = nullptr;
    QComboBox* offsetUnit = nullptr; // mm, in
    QPushButton* calibrate = nullptr;
    CSheetPreview* preview = nullptr;
    QLabel* summary = nullptr;
    QLabel* reason = nullptr;
    QListWidget* refused = nullptr;
    QPushButton* print = nullptr;
    QPushButton* printPreview = nullptr;
    QPushButton* alignment = nullptr;
    QPushButton* labelPrinter = nullptr; // to a thermal printer in its own language
    QPushButton* design = nullptr;       // goes on in the label designer
    QPushButton* close = nullptr;
};
