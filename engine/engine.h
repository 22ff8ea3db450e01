// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/decimal128.h"
#include "engine/failure.h"

namespace numira {

struct Function;

// What the window tells the engine about an evaluation.
struct EngineSettings {
    bool degreesMode = false;  // angles of the trigonometric functions in degrees
    bool xEntryMode = false;   // x stands for xValue; otherwise an x cannot be evaluated
    std::string_view xValue;   // the value of x as typed: digits, "," and "pi" ("2pi", "1,5")
};

// The outcome of one "=": nothing (an empty expression), a value, or the reason it failed.
struct Evaluation {
    bool evaluated = false;          // false when the expression was empty
    std::optional<Failure> failure;  // set when evaluated and it could not be computed
    std::string numberText;          // the exact value as engine number text
                                     // ("0.3333333333333333333333333333333333")

    bool ok() const { return evaluated && !failure; }
};

// One position of the token row: nothing, a slice of the scanned text (a number, a lone
// "-", an operator, a function code or any other character), a number slice with a "-" that
// signs before it folded into (NegatedText), a value a pass computed, or the neutral "+" the
// power pass leaves behind.
struct Token {
    enum class Kind : std::uint8_t { Empty, Text, NegatedText, Value, Plus };
    Kind kind = Kind::Empty;
    char last = 0;             // Text: the slice's last character ("+" for Plus)
    std::uint32_t begin = 0;   // Text: where the slice starts in innerExpr
    std::uint32_t length = 0;  // 1 for Plus, 0 for Empty and Value
    Decimal128 value;          // Value
};

// The expression engine. It evaluates engine notation ("2*(3+1)^2-SQRT(16)") by rewriting
// text: innermost parentheses first, and inside each flat segment the functions, then
// powers, division, multiplication and the sum of signed terms, writing every intermediate
// value back as number text. The procedures are public so that each can be tested alone;
// the state they share is the engine's own and lives only as long as one evaluation needs it,
// but for the rewriting of the last expression with x.
class Engine {
  public:
    // The "=" request: evaluates the text of the plain box (engine notation). What Presmetni
    // gives for it; an expression with x evaluated again at another x reuses its rewriting.
    Evaluation evaluate(std::string_view expression, const EngineSettings& settings);

    // The evaluation routine over workExpr ("=" followed by the expression). Throws nothing.
    Evaluation Presmetni(const EngineSettings& settings);

    // Rewrites workExpr into plain arithmetic: the value of x, pi and e as parenthesised
    // numbers, implied multiplications made explicit, decimal commas turned into points.
    // Throws EvalError (XHasNoValue) for an x without a value.
    void Preobrazi(const EngineSettings& settings);

    // The scan of innerExpr into tokens (positions 1 on; position 0 is never used).
    void Smasiv();
    // Joins tokens back into innerExpr, dropping a "+" before a negative number, then empties
    // the row.
    void Obedini() { merge(false); }

    // Operator passes over the token row (they throw EvalError on failure).
    void Stepenn();
    void Delene();
    void Umnovenie();
    void IzvadiSyberi();  // writes the sum into innerExpr

    // Replaces each code of `f` and the number after it by the function's value.
    void applyFunction(const Function& f, bool degrees);

    // The text a token stands for (the number text of a value).
    std::string tokenText(const Token& token) const;

    std::string workExpr;       // "=" and the expression, then reduced in place
    std::string innerExpr;      // the flat segment under reduction
    std::vector<Token> tokens;  // sized to the segment; tokens[0] is never used

  private:
    void rewrite(const EngineSettings& settings);
    Evaluation reduceAll(const EngineSettings& settings, bool rewriteFirst);
    Decimal128 reduceSegment(const EngineSettings& settings);
    void merge(bool keepValues);
    struct RowShape {
        bool plain = false;       // numbers, operators and codes, which compact can join
        bool codesApart = false;  // and every function code stands right before a number
    };
    RowShape shapeOfRow();
    bool operandsAdjacent(char op) const;
    bool onlyNumbersAndPluses() const;
    template <typename F>
    void forEachChar(char c, F&& visit);
    void compact();
    std::string_view slice(const Token& token) const;
    Decimal128 sum();
    void putValue(std::string& text, Decimal128 value, bool keepValue);
    void clearTokens();
    Decimal128 operand(std::size_t position) const;
    bool isEmpty(std::size_t position) const;
    bool isChar(std::size_t position, char c) const;
    void setValue(std::size_t position, Decimal128 value);
    void setEmpty(std::size_t position);
    template <typename F>
    void binaryPass(char op, bool overEmpty, F&& f);
    void multiply(bool overEmpty);

    std::string m_buffer;              // Obedini and the rewriting build here, then swap
    std::string m_reduced;             // the text reduced so far, its open groups at the end
    std::vector<std::size_t> m_opens;  // where each "(" still open stands in m_reduced
    std::size_t m_used = 0;            // one past the last position the scan filled
    std::vector<Token> m_spare;        // compact builds the next row here, then swaps
    std::size_t m_spareUsed = 0;       // how much of m_spare still holds an earlier row
    // Where the single characters of a plain row stand, so that a pass visits its own and
    // not every position; valid until the row is scanned or joined through the text.
    std::vector<std::uint32_t> m_singles;
    bool m_singlesValid = false;
    // During an evaluation a value between passes, or of a closed group, stays a value: the
    // text holds a mark in its place, and the values stand here in the order of their marks.
    // An expression that itself holds the mark character is evaluated without marks.
    bool m_marking = false;
    std::vector<Decimal128> m_values;
    std::size_t m_firstValue = 0;  // the first value of the segment under reduction
    // The last expression with x evaluated by evaluate, rewritten, with a stand-in for x's
    // value: the chart evaluates one expression at many x.
    std::string m_rewrittenFrom;
    std::optional<std::string> m_rewritten;
    bool m_rewrittenMarking = false;
};

// A failure inside the engine's procedures; Presmetni turns it into the Evaluation.
struct EvalError {
    Failure failure;
};

}  // namespace numira
