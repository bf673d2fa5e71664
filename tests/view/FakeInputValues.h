#pragma once

#include "InputValues.h"

// The panel's values as plain fields, with the start-up values of the program.
struct FakeInputValues : CInputValues {
    QString height = "0.75";
    QString data = "21898623818";
    bool showText = true;
    QString width;

    QString HeightText() const override { return height; }
    QString DataText() const override { return data; }
    bool IsShowTextChecked() const override { return showText; }
    void SetWidthText(const QString& text) override { width = text; }
};
