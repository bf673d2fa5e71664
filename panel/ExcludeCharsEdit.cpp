#include "ExcludeCharsEdit.h"

#include <algorithm>

CExcludeCharsBehavior::CExcludeCharsBehavior(CFilterEdit& edit, int maxLength, QString excluded)
    : CEditBehavior(edit), m_nMaxLength(std::max(maxLength, 0)),
      m_strExcluded(std::move(excluded)) {}

void CExcludeCharsBehavior::SetExcluded(const QString& excluded) {
    if (excluded == m_strExcluded) {
        return;
    }
    m_strExcluded = excluded;
    RequestRevalidate();
}

QString CExcludeCharsBehavior::ValidText(const QString& text) const {
    // Excluded characters go first, so that the limit keeps as many of the
    // accepted characters as fit rather than counting the refused ones.
    QString valid = text;
    valid.removeIf([this](QChar c) { return IsExcluded(c); });
    if (m_nMaxLength > 0 && valid.size() > m_nMaxLength) {
        valid.truncate(m_nMaxLength);
    }
    return valid;
}

void CExcludeCharsBehavior::OnChar(QChar c) {
    if (Edit().IsReadOnly()) {
        return;
    }
    if (IsExcluded(c)) {
        Edit().Beep();
        return;
    }
    if (m_nMaxLength > 0 && Edit().WindowText().size() >= m_nMaxLength && c.isPrint()) {
        TypeOver(c);
        return;
    }
    if (Edit().IsCharAllowed(c)) {
        Edit().DefaultChar(c);
    }
}

void CExcludeCharsBehavior::TypeOver(QChar c) {
    const CFilterEdit::Selection selection = Edit().GetSel();
    if (selection.start >= m_nMaxLength || !Edit().IsCharAllowed(c)) {
        return;
    }
    // A selection is replaced as a whole: one character in place of one or
    // more keeps the text within the limit.
    const int end = selection.end > selection.start ? selection.end : selection.start + 1;
    Edit().SetSel(selection.start, end);
    Edit().ReplaceSel(QString(c));
}

CExcludeCharsEdit::CExcludeCharsEdit(int maxLength, QString excluded)
    : m_behavior(*this, maxLength, std::move(excluded)) {}
