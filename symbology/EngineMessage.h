#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a pattern for the translators' tools where it is written; the engine
// itself keeps it as written (English). The front ends look it up under its
// context when they show it. Spelt as Qt spells it, so that a file that
// includes both sees one definition.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// A text the engine gives its user, kept in parts so that a front end can
// show it in the user's language: an English pattern with %1 to %9 where its
// arguments go, each argument a text of its own (a pattern again, or a
// literal such as a number, a character or an AI). Patterns are marked with
// the context "Symbology".
struct EngineMessage {
    std::string_view pattern; // empty for a literal
    std::vector<EngineMessage> arguments{};
    std::string literal{}; // the 8-bit text itself where there is no pattern

    bool Empty() const { return pattern.empty() && literal.empty(); }
    // The text in English, as the engine's own callers read it.
    std::string English() const;
};

EngineMessage Literal(std::string text);

// The pattern with %1 to %9 replaced by the arguments, in one pass: a %
// sign inside an argument is left as it is.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments);
