#include "DesignSequenceRow.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// A whole number within the sequence's bounds, with room for seven digits,
// not the thirteen the range could take: the panel keeps its width.
QDoubleSpinBox* NumberBox(QWidget* parent, const QString& name, const QString& spoken,
                          const QString& tip) {
    const auto limit = static_cast<double>(kMaxSequence);
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(0);
    box->setRange(-limit, limit);
    box->setObjectName(name);
    box->setAccessibleName(spoken);
    box->setToolTip(tip);
    box->setKeyboardTracking(false);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                         box->sizeHint().height());
    return box;
}

} // namespace

CDesignSequenceRow::CDesignSequenceRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_start = NumberBox(this, QStringLiteral("sequenceStart"), tr("Numbers start at"),
                        tr("The first label's number"));
    m_step = NumberBox(this, QStringLiteral("sequenceStep"), tr("Numbers step"),
                       tr("Added for each next label"));
    m_digits = new QSpinBox(this);
    m_digits->setRange(0, kMaxSequenceDigits);
    m_digits->setObjectName(QStringLiteral("sequenceDigits"));
    m_digits->setAccessibleName(tr("Numbers' digits"));
    m_digits->setToolTip(tr("Zeros pad the number to this many digits (0: none)"));
    m_digits->setKeyboardTracking(false);
    layout->addWidget(m_start, 2);
    layout->addWidget(new QLabel(tr("step"), this));
    layout->addWidget(m_step, 1);
    layout->addWidget(new QLabel(tr("digits"), this));
    layout->addWidget(m_digits, 1);
    const auto changed = [this] {
        emit Changed({static_cast<std::int64_t>(m_start->value()),
                      static_cast<std::int64_t>(m_step->value()), m_digits->value()});
    };
    connect(m_start, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_step, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_digits, &QSpinBox::valueChanged, this, changed);
}

void CDesignSequenceRow::Show(const DesignSequence& sequence) {
    const QSignalBlocker start(m_start);
    const QSignalBlocker step(m_step);
    const QSignalBlocker digits(m_digits);
    m_start->setValue(static_cast<double>(sequence.start));
    m_step->setValue(static_cast<double>(sequence.step));
    m_digits->setValue(sequence.digits);
}
