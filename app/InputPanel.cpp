#include "InputPanel.h"

#include "BitmapButton.h"
#include "DialogUnits.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The images of the four bitmap buttons: normal and pressed, each at its size.
struct ButtonImages {
    int control;
    const char* normal;
    QSize normalSize;
    const char* pressed;
    QSize pressedSize;
};
const std::array<ButtonImages, 4> kButtonImages{{
    {ids::kZoomInButton, ":/images/zoomin.svg", {24, 24}, ":/images/zoomin_down.svg", {21, 22}},
    {ids::kZoomOutButton, ":/images/zoomout.svg", {24, 24}, ":/images/zoomout_down.svg", {21, 22}},
    {ids::kTurnLeftButton,
     ":/images/turnleft.svg",
     {24, 24},
     ":/images/turnleft_down.svg",
     {24, 24}},
    {ids::kTurnRightButton,
     ":/images/turnright.svg",
     {24, 24},
     ":/images/turnright_down.svg",
     {24, 24}},
}};

// Height of one edit line, in dialog units.
constexpr int kEditLineHeight = 13;

bool TakesFocus(res::ControlKind kind) {
    return kind == res::ControlKind::Edit || kind == res::ControlKind::ComboBox ||
           kind == res::ControlKind::CheckBox;
}

} // namespace

CInputPanel::CInputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("InputPanel%1").arg(ids::kInputPanelTemplate));
    setAutoFillBackground(true);
    CreateControls();
    LoadButtonImages();
    DescribeControls();
}

void CInputPanel::DescribeControls() {
    struct Description {
        int control;
        const char* name;
        const char* description;
    };
    static constexpr std::array kDescriptions{
        Description{
            ids::kHeightEdit, QT_TRANSLATE_NOOP("CInputPanel", "Height"),
            QT_TRANSLATE_NOOP("CInputPanel", "The bars' height in inches; Enter draws the symbol")},
        Description{
            ids::kWidthDisplay, QT_TRANSLATE_NOOP("CInputPanel", "Width"),
            QT_TRANSLATE_NOOP("CInputPanel", "The symbol's length in inches, first bar to last")},
        Description{ids::kSymbologyList, QT_TRANSLATE_NOOP("CInputPanel", "Symbology"),
                    QT_TRANSLATE_NOOP("CInputPanel",
                                      "The kind of barcode; it decides which characters the "
                                      "Text field takes")},
        Description{ids::kTextEdit, QT_TRANSLATE_NOOP("CInputPanel", "Text"),
                    QT_TRANSLATE_NOOP("CInputPanel",
                                      "The data the barcode carries; Enter draws the symbol")},
        Description{ids::kShowTextCheck, nullptr,
                    QT_TRANSLATE_NOOP("CInputPanel", "Prints the text under the bars")},
        Description{ids::kTileModeCheck, nullptr,
                    QT_TRANSLATE_NOOP("CInputPanel", "Fills the view with copies of the symbol")},
    };
    for (const Description& row : kDescriptions) {
        if (QWidget* control = Control(row.control); control != nullptr) {
            if (row.name != nullptr) {
                control->setAccessibleName(tr(row.name));
            }
            control->setAccessibleDescription(tr(row.description));
        }
    }
    // The image buttons do what the View menu's commands do: their names and
    // prompts.
    for (const auto& [button, command] : {std::pair{ids::kZoomInButton, ids::kZoomIn},
                                          std::pair{ids::kZoomOutButton, ids::kZoomOut},
                                          std::pair{ids::kTurnLeftButton, ids::kTurnLeft},
                                          std::pair{ids::kTurnRightButton, ids::kTurnRight}}) {
        if (QWidget* control = Control(button); control != nullptr) {
            control->setAccessibleName(res::Text(res::Tooltip(command)));
            control->setAccessibleDescription(res::Text(res::Prompt(command)));
        }
    }
}

QSize CInputPanel::minimumSizeHint() const {
    const QRect controls = childrenRect();
    return {controls.right() + 1 + std::max(0, controls.left()), controls.bottom() + 1};
}

void CInputPanel::CreateControls() {
    const res::DialogTemplate* layout = res::Dialog(ids::kInputPanelTemplate);
    if (layout == nullptr) {
        return;
    }
    setFont(DialogUnits::TemplateFont(*layout));
    const DialogUnits units(font());

    std::vector<QLabel*> pendingBuddies; // labels waiting for the next focusable control
    for (const res::DialogItem& item : layout->items) {
        QWidget* control = nullptr;
        const QString text = res::Text(item.text);
        switch (item.kind) {
        case res::ControlKind::Static: {
            auto* label = new QLabel(text, this);
            if (item.rightAligned) {
                label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            }
            if (text.contains(QLatin1Char('&'))) {
                pendingBuddies.push_back(label);
            }
            if (item.id == ids::kWidthDisplay) {
                m_pWidth = label;
            }
            control = label;
            break;
        }
        case res::ControlKind::EtchedFrame: {
            auto* frame = new QFrame(this);
            frame->setFrameShape(QFrame::VLine);
            frame->setFrameShadow(QFrame::Sunken);
            control = frame;
            break;
        }
        case res::ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->installEventFilter(this);
            const int id = item.id;
            connect(edit, &QLineEdit::returnPressed, this,
                    [this, id] { Notify(id, NotifyCode::EnterPressed); });
            (item.id == ids::kHeightEdit ? m_pHeight : m_pText) = edit;
            control = edit;
            break;
        }
        case res::ControlKind::ComboBox: {
            m_pSymbology = new QComboBox(this);
            const int id = item.id;
            connect(m_pSymbology, &QComboBox::activated, this,
                    [this, id] { Notify(id, NotifyCode::SelectionChanged); });
            control = m_pSymbology;
            break;
        }
        case res::ControlKind::Button: {
            auto* button = new CBitmapButton(this);
            button->setText(text);
            button->setFocusPolicy(Qt::NoFocus);
            // The button's string: its status-bar prompt and its tooltip.
            button->setStatusTip(res::Text(res::Prompt(item.id)));
            button->setToolTip(res::Text(res::Tooltip(item.id)));
            const int id = item.id;
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { Notify(id, NotifyCode::Clicked); });
            control = button;
            break;
        }
        case res::ControlKind::Icon:
        case res::ControlKind::DefaultButton:
            continue; // not used by the panel's template
        case res::ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, this);
            (item.id == ids::kShowTextCheck ? m_pShowText : m_pTileMode) = check;
            const int id = item.id;
            connect(check, &QAbstractButton::clicked, this,
                    [this, id] { Notify(id, NotifyCode::Clicked); });
            control = check;
            break;
        }
        }
        // A drop-down list's template height is that of its open list; closed,
        // it keeps the height of its edit line.
        QRect geometry = units.ToPixels(item.x, item.y, item.cx, item.cy);
        if (item.kind == res::ControlKind::ComboBox) {
            geometry.setHeight(units.ToPixels(0, 0, 0, kEditLineHeight).height());
        }
        // A right-aligned label ends at its control; a translation longer
        // than the template's text grows into the free room before it.
        if (item.kind == res::ControlKind::Static && item.rightAligned) {
            const int overflow = control->sizeHint().width() - geometry.width();
            geometry.setLeft(std::max(0, geometry.left() - std::max(0, overflow)));
        }
        control->setGeometry(geometry);
        if (TakesFocus(item.kind)) {
            for (QLabel* label : pendingBuddies) {
                label->setBuddy(control);
            }
            pendingBuddies.clear();
        }
        if (item.id >= 0) {
            control->setObjectName(QString::number(item.id));
            m_controls[item.id] = control;
        }
    }
}

void CInputPanel::LoadButtonImages() {
    for (const ButtonImages& images : kButtonImages) {
        auto* button = qobject_cast<CBitmapButton*>(Control(images.control));
        if (button == nullptr) {
            continue;
        }
        button->LoadBitmaps(res::RenderImage(images.normal, images.normalSize),
                            res::RenderImage(images.pressed, images.pressedSize));
        button->SizeToContent();
    }
}

QWidget* CInputPanel::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CInputPanel::Notify(int controlId, NotifyCode code) {
    CNotifyEvent notification(controlId, code);
    QCoreApplication::sendEvent(this, &notification);
}

bool CInputPanel::event(QEvent* event) {
    if (event->type() == CNotifyEvent::EventType()) {
        return true; // the panel itself has nothing more to do with it
    }
    return QWidget::event(event);
}

bool CInputPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == m_pHeight || watched == m_pText)) {
        Notify(watched == m_pHeight ? ids::kHeightEdit : ids::kTextEdit, NotifyCode::FocusLost);
    }
    return QWidget::eventFilter(watched, event);
}

QString CInputPanel::HeightText() const {
    return m_pHeight != nullptr ? m_pHeight->text() : QString();
}
QString CInputPanel::DataText() const {
    return m_pText != nullptr ? m_pText->text() : QString();
}
bool CInputPanel::IsShowTextChecked() const {
    return m_pShowText != nullptr && m_pShowText->isChecked();
}
void CInputPanel::SetWidthText(const QString& text) {
    if (m_pWidth != nullptr) {
        m_pWidth->setText(text);
        // The name a screen reader says carries the value the label shows.
        m_pWidth->setAccessibleName(tr("Width: %1 inches").arg(text));
    }
}

int CInputPanel::SelectedSymbology() const {
    return m_pSymbology != nullptr ? m_pSymbology->currentIndex() : -1;
}

void CInputPanel::SetStartValues(const QString& height, const QString& data, bool showText) {
    m_pHeight->setText(height);
    m_pText->setText(data);
    m_pShowText->setChecked(showText);
}

void CInputPanel::FillSymbologyList(const QStringList& names, int selected) {
    m_pSymbology->clear();
    m_pSymbology->addItems(names);
    m_pSymbology->setCurrentIndex(selected);
}
