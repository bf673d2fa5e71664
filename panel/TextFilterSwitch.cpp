#include "TextFilterSwitch.h"

#include "EanUpc.h"

#include <QLineEdit>

CTextFilterSwitch::CTextFilterSwitch()
    : m_editAlnum(0, QString::fromUtf16(kStartUpExcluded.data(),
                                        static_cast<qsizetype>(kStartUpExcluded.size()))) {}

void CTextFilterSwitch::AttachStartUp(QLineEdit* field) {
    if (field == nullptr) {
        return;
    }
    m_editDigits.Detach();
    m_editAlnum.Attach(field);
}

void CTextFilterSwitch::Apply(const SymbologyFacts& facts, QLineEdit* field) {
    if (field == nullptr) {
        return;
    }
    QString text = field->text();
    // The chosen filter takes its setting before it sees the text: a filter
    // swapped in under its old, shorter limit would drop digits that the new
    // limit allows (the eleven-digit sample going to UPC A).
    if (facts.filter == TextFilter::Digits) {
        // EAN and UPC: an add-on of up to 5 digits after a space; it stays
        // behind when a symbology without one is chosen. Free text brings
        // no add-on: its blanks are dropped.
        constexpr int kAddOnDigits = 5;
        const bool addOn = IsEanUpc(facts.id);
        const QLatin1Char space(' ');
        if (m_editDigits.Field() != field) {
            text.remove(space);
        } else if (!addOn && text.contains(space)) {
            m_editDigits.SetWindowText(text.section(space, 0, 0));
        }
        m_editDigits.SetFraction(addOn ? kAddOnDigits : 0, addOn ? QChar(u' ') : QChar());
        m_editDigits.SetDigitLimit(-facts.digitLimit); // negative: the sign is refused
        Attach(m_editDigits, m_editAlnum, field, text);
    } else {
        m_editAlnum.SetExcluded(QString::fromLatin1(facts.excluded.data(),
                                                    static_cast<qsizetype>(facts.excluded.size())));
        Attach(m_editAlnum, m_editDigits, field, text);
    }
}

void CTextFilterSwitch::Attach(CFilterEdit& chosen, CFilterEdit& other, QLineEdit* field,
                               const QString& text) {
    if (chosen.Field() == field) {
        return;
    }
    other.Detach();
    chosen.Attach(field);
    chosen.SetWindowText(text); // at once reduced to what the filter accepts
}
