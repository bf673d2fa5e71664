#pragma once

#include "LabelSheet.h"
#include "PrinterProfile.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Print to label printer: the labels of a Print Labels job sent to a thermal
// printer in its own language (ZPL II), each label's dots as the printer's
// dots, to a CUPS queue as a raw job, a printer's network port, or a file or
// device. The printer's settings are kept as its profile; a test label (the
// first label, outlined) shows where labels land before the run.
class CLabelPrinterDialog : public QDialog {
    Q_OBJECT
public:
    // Where the labels go: the destination's kind and its name, address or path.
    enum Destination { kQueue, kNetwork, kFile };

    CLabelPrinterDialog(const SheetJob& job, QWidget* parent);

    // The controls, for tests.
    QComboBox* DestinationKind() const { return m_kind; }
    QComboBox* Target() const { return m_target; }
    QComboBox* Resolution() const { return m_dpi; }
    QSpinBox* Darkness() const { return m_darkness; }
    QPushButton* TestButton() const { return m_test; }
    QPushButton* SendButton() const { return m_send; }
    // What the last send said went wrong; empty when it all went.
    const QString& LastError() const { return m_error; }

    // The profile the dialog's settings make, named after the destination.
    PrinterProfile Profile() const;

    // Sends every label of the job, or the test label; false, with LastError
    // saying why (and a message box while shown), when any could not be sent.
    // Once sent, the settings are kept as the printer's profile.
    bool Send(bool testLabel);

private:
    void ShowDestination();
    void ShowProfile(const PrinterProfile& profile);

    SheetJob m_job;
    QComboBox* m_kind = nullptr;
    QComboBox* m_target = nullptr; // editable: a queue, host[:port] or path
    QComboBox* m_dpi = nullptr;
    QSpinBox* m_darkness = nullptr; // -1: the printer's own
    QSpinBox* m_speed = nullptr;    // 0: the printer's own
    QComboBox* m_mode = nullptr;    // the printer's own, tear-off, peel, cutter
    QPushButton* m_test = nullptr;
    QPushButton* m_send = nullptr;
    QString m_error;
};
