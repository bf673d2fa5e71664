#pragma once

#include "DesignData.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The designer's data box: where the records come from (a sequence of a
// count, the lines of a file or a CSV file) and the record stepper
// |< < N/M > >| choosing the record the label is shown with.
class CDesignDataPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CDesignDataPanel(QWidget* parent = nullptr);

    void SetSource(DesignSourceKind kind, const QString& file, int count);
    // The records as the fields give them, read again.
    const DesignData& Data() const { return m_data; }
    // The record shown, from 0 (0 when there are none).
    int Record() const { return m_record; }
    void SetRecord(int record);

    struct Controls {
        QComboBox* kind = nullptr;
        QLineEdit* file = nullptr;
        QPushButton* browse = nullptr;
        QSpinBox* count = nullptr;
        QToolButton* first = nullptr;
        QToolButton* previous = nullptr;
        QLabel* position = nullptr;
        QToolButton* next = nullptr;
        QToolButton* last = nullptr;
    };
    const Controls& Widgets() const { return m_ui; }

signals:
    // The records were read again (their columns may have changed).
    void DataChanged();
    void RecordChanged(int record);

private:
    void Reload();
    void Browse();
    void ShowPosition();

    Controls m_ui;
    DesignData m_data;
    int m_record = 0;
};
