#pragma once

#include "FilterEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <string>

// A field state written as text with the selection marked: "12[34]5" selects
// "34", "12|345" puts the caret after "12"; no mark means the caret at the end.
struct FieldState {
    QString text;
    int start = 0;
    int end = 0;
};

inline FieldState ParseState(const QString& marked) {
    FieldState state;
    for (const QChar c : marked) {
        if (c == u'|') {
            state.start = state.end = static_cast<int>(state.text.size());
        } else if (c == u'[') {
            state.start = static_cast<int>(state.text.size());
        } else if (c == u']') {
            state.end = static_cast<int>(state.text.size());
        } else {
            state.text += c;
        }
    }
    if (!marked.contains(u'|') && !marked.contains(u'[')) {
        state.start = state.end = static_cast<int>(state.text.size());
    }
    return state;
}

// Writes the field's state in the same notation.
inline QString MarkedState(const QLineEdit& field) {
    QString marked = field.text();
    if (field.hasSelectedText()) {
        marked.insert(field.selectionEnd(), u']');
        marked.insert(field.selectionStart(), u'[');
    } else if (field.cursorPosition() != field.text().size()) {
        marked.insert(field.cursorPosition(), u'|');
    }
    return marked;
}

// Puts a state into a plain field, before a filter is attached.
inline void SetState(QLineEdit& field, const QString& marked) {
    const FieldState state = ParseState(marked);
    field.setText(state.text);
    if (state.start == state.end) {
        field.setCursorPosition(state.start);
    } else {
        field.setSelection(state.start, state.end - state.start);
    }
}

// Types a text key by key, as the keyboard would.
inline void Type(QLineEdit& field, const QString& keys) {
    QTest::keyClicks(&field, keys);
}

inline std::string Str(const QString& text) {
    return text.toStdString();
}
