#pragma once

#include "FilterEdit.h"

// Refuses a set of characters, with a beep, and optionally limits the length;
// at the limit a typed character writes over the one after the caret.
class CExcludeCharsBehavior : public CEditBehavior {
public:
    // maxLength 0 (or less) means no limit; an empty set excludes nothing.
    CExcludeCharsBehavior(CFilterEdit& edit, int maxLength, QString excluded);

    int MaxLength() const { return m_nMaxLength; }
    const QString& Excluded() const { return m_strExcluded; }
    // A different set becomes the set and the text is revalidated at once.
    void SetExcluded(const QString& excluded);

    // Every excluded character removed, then cut to the maximum length.
    QString ValidText(const QString& text) const override;
    void OnChar(QChar c) override;

private:
    bool IsExcluded(QChar c) const { return m_strExcluded.contains(c); }
    // At the limit: the character replaces the selection, or the one character
    // after the caret; at the end of a full text it is dropped.
    void TypeOver(QChar c);

    int m_nMaxLength;
    QString m_strExcluded;
};

// A field filter for free text that refuses a set of characters.
class CExcludeCharsEdit : public CFilterEdit {
public:
    CExcludeCharsEdit(int maxLength, QString excluded);
    ~CExcludeCharsEdit() override { Detach(); } // before the behaviour goes

    int MaxLength() const { return m_behavior.MaxLength(); }
    const QString& Excluded() const { return m_behavior.Excluded(); }
    void SetExcluded(const QString& excluded) { m_behavior.SetExcluded(excluded); }

    QString GetValidText() const override { return m_behavior.GetValidText(); }

protected:
    void OnChar(QChar c) override { m_behavior.OnChar(c); }

private:
    CExcludeCharsBehavior m_behavior;
};
