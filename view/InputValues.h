#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;

// The values the draw reads from the input panel, and the Width display it
// writes. The panel implements this; the view reads it afresh at every draw and
// never caches what it returns.
class CInputValues {
public:
    virtual ~CInputValues() = default;

    // The Height field: the bar length in inches, as typed.
    virtual QString HeightText() const = 0;
    // The Text field: the data text, as its input filter left it.
    virtual QString DataText() const = 0;
    // The Text field itself, for the filter that guards it; null if none.
    virtual QLineEdit* TextField() const = 0;
    // Whether the Show Text box is checked.
    virtual bool IsShowTextChecked() const = 0;
    // Shows the symbol length in the Width display.
    virtual void SetWidthText(const QString& text) = 0;
    // The Symbology list's selection: a SymbologyId, or -1 for none.
    virtual int SelectedSymbology() const = 0;

    // Start-up: the fields' first values, and the Symbology list filled with
    // the names in SymbologyId order with one position selected.
    virtual void SetStartValues(const QString& height, const QString& data, bool showText) = 0;
    virtual void FillSymbologyList(const QStringList& names, int selected) = 0;
};
