#pragma once

#include "InputValues.h"
#include "Notify.h"

#include <QWidget>

#include <map>

class CBitmapButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The strip of controls along the top of the main view, laid out from dialog
// template 30727. Each control's signal becomes one notification event
// (control id, code) sent to the panel itself, which is where the reflect hook
// hands it on to the barcode view. The draw reads its values through
// CInputValues.
class CInputPanel : public QWidget, public CInputValues {
    Q_OBJECT
public:
    explicit CInputPanel(QWidget* parent = nullptr);

    // The control with a template identifier, or null.
    QWidget* Control(int id) const;
    QLineEdit* HeightEdit() const { return m_pHeight; }
    QLineEdit* TextEdit() const { return m_pText; }
    QComboBox* SymbologyList() const { return m_pSymbology; }
    QCheckBox* ShowTextCheck() const { return m_pShowText; }
    QCheckBox* TileModeCheck() const { return m_pTileMode; }
    QLabel* WidthDisplay() const { return m_pWidth; }

    QString HeightText() const override;
    QString DataText() const override;
    QLineEdit* TextField() const override { return m_pText; }
    bool IsShowTextChecked() const override;
    void SetWidthText(const QString& text) override;
    int SelectedSymbology() const override;
    void SetStartValues(const QString& height, const QString& data, bool showText) override;
    void FillSymbologyList(const QStringList& names, int selected) override;

    // Wide enough for every control of the template, with the margin on the
    // right that the first control has on the left.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void LoadButtonImages();
    // Names and descriptions for screen readers: the fields by their labels'
    // words (without mnemonic and colon), the image buttons by their
    // commands.
    void DescribeControls();
    void Notify(int controlId, NotifyCode code);

    std::map<int, QWidget*> m_controls;
    QLineEdit* m_pHeight = nullptr;
    QLineEdit* m_pText = nullptr;
    QComboBox* m_pSymbology = nullptr;
    QCheckBox* m_pShowText = nullptr;
    QCheckBox* m_pTileMode = nullptr;
    QLabel* m_pWidth = nullptr;
};
