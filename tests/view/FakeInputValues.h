#pragma once

#include "InputValues.h"

#include <QLineEdit>

// The panel's values as plain fields, with the start-up values of the program.
struct FakeInputValues : CInputValues {
    QString height = "0.75";
    QString data = "21898623818";
    bool showText = true;
    QString width;
    int selected = 0;
    QStringList list;
    QLineEdit* textField = nullptr; // when set, the data text is its text

    QString HeightText() const override { return height; }
    QString DataText() const override { return textField != nullptr ? textField->text() : data; }
    QLineEdit* TextField() const override { return textField; }
    bool IsShowTextChecked() const override { return showText; }
    void SetWidthText(const QString& text) override { width = text; }
    int SelectedSymbology() const override { return selected; }
    void SetStartValues(const QString& h, const QString& d, bool show) override {
        height = h;
        data = d;
        if (textField != nullptr) {
            textField->setText(d);
        }
        showText = show;
    }
    void FillSymbologyList(const QStringList& names, int index) override {
        list = names;
        selected = index;
    }
};
