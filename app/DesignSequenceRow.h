#pragma once

#include "LabelDesign.h"

#include <QWidget>

class QDoubleSpinBox;
class QSpinBox;

// The designer's row for what {n} counts from, by and pads to when its field
// sets none: the design's sequence.
class CDesignSequenceRow : public QWidget {
    Q_OBJECT
public:
    explicit CDesignSequenceRow(QWidget* parent = nullptr);

    // Shows a design's sequence without saying it changed.
    void Show(const DesignSequence& sequence);

signals:
    // The user set another start, step or padding.
    void Changed(const DesignSequence& sequence);

private:
    QDoubleSpinBox* m_start = nullptr;
    QDoubleSpinBox* m_step = nullptr;
    QSpinBox* m_digits = nullptr;
};
