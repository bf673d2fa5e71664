#include "PrintSetup.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

std::unique_ptr<QPrintDialog> MakePrintSetupDialog(QPrinter& printer, QWidget* parent) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QCoreApplication::translate("PrintSetup", "Print Setup"));
    // Only the choices that outlast one print: the printer and its page. Which
    // pages to print is asked by Print itself (there is only ever one).
    dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog sets up; it does not print, so its button must not say so.
    for (auto* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok); ok != nullptr) {
            ok->setText(QCoreApplication::translate("PrintSetup", "OK"));
        }
    }
    return dialog;
}
