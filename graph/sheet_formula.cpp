// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/sheet_formula.h"

#include <algorithm>

#include "engine/function_names.h"
#include "engine/implied_exponent.h"
#include "engine/number_text.h"

namespace numira::graph {
namespace {

enum class Kind { Number, Open, Close, Constant, X, Operator, Bad };

struct Lexeme {
    Kind kind;
    std::string text;   // what the spreadsheet gets; Open: the opening text
    std::string close;  // Open: what its ")" becomes
};

std::vector<Lexeme> lex(std::string_view text, bool degrees) {
    std::vector<Lexeme> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        const char c = text[i];
        if (isDigit(c) || c == '.' || c == ',') {
            std::string number;
            while (i < text.size() && (isDigit(text[i]) || text[i] == '.' || text[i] == ',')) {
                number += text[i] == ',' ? '.' : text[i];
                ++i;
            }
            const auto points = std::count(number.begin(), number.end(), '.');
            if (points > 1 || number == ".") {
                out.push_back({Kind::Bad, number, {}});
                continue;
            }
            // Spreadsheets want a digit on both sides of the point.
            if (number.front() == '.') {
                number.insert(number.begin(), '0');
            }
            if (number.back() == '.') {
                number.pop_back();
            }
            out.push_back({Kind::Number, number, {}});
            continue;
        }
        if (const Function* f = functionAt(rest);
            f != nullptr && rest.substr(f->name.size()).starts_with('(')) {
            std::string open(f->sheetOpen);
            std::string close(f->sheetClose);
            if (degrees && f->angle == AngleAt::Argument) {
                open += "RADIANS(";
                close += ")";
            } else if (degrees && f->angle == AngleAt::Result) {
                open.insert(0, "DEGREES(");
                close += ")";
            }
            out.push_back({Kind::Open, std::move(open), std::move(close)});
            i += f->name.size() + 1;
            continue;
        }
        if (rest.starts_with("pi")) {
            out.push_back({Kind::Constant, "PI()", {}});
            i += 2;
            continue;
        }
        switch (c) {
            case 'e':
                out.push_back({Kind::Constant, "EXP(1)", {}});
                break;
            case 'x':
                out.push_back({Kind::X, {}, {}});
                break;
            case '(':
                out.push_back({Kind::Open, "(", ")"});
                break;
            case ')':
                out.push_back({Kind::Close, {}, {}});
                break;
            case '+':
            case '-':
            case '*':
            case '/':
            case '^':
                out.push_back({Kind::Operator, std::string(1, c), {}});
                break;
            default:
                out.push_back({Kind::Bad, std::string(1, c), {}});
                break;
        }
        ++i;
    }
    return out;
}

bool isOperand(Kind k) {
    return k == Kind::Number || k == Kind::Close || k == Kind::Constant || k == Kind::X;
}

}  // namespace

SheetFormula::SheetFormula(std::string_view expression, bool degreesMode) {
    // The power key can leave a "^" with nothing after it; the engine ignores it.
    while (!expression.empty() && expression.back() == '^') {
        expression.remove_suffix(1);
    }
    // The engine takes an implied product after "^" as the exponent; so must the sheet.
    const std::string grouped = groupImpliedExponents(expression);
    std::vector<Lexeme> lexemes = lex(grouped, degreesMode);
    // A "+" with nothing after it adds nothing in the engine; a spreadsheet refuses it.
    for (std::size_t i = lexemes.size(); i-- > 0;) {
        const bool lastInGroup = i + 1 == lexemes.size() || lexemes[i + 1].kind == Kind::Close;
        if (lexemes[i].kind == Kind::Operator && lexemes[i].text == "+" && lastInGroup) {
            lexemes.erase(lexemes.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    m_pieces.emplace_back();
    std::vector<std::string_view> closers;
    Kind prev = Kind::Operator;  // the start behaves as after an operator
    bool atStart = true;
    for (const Lexeme& l : lexemes) {
        std::string& piece = m_pieces.back();
        // Operands that meet multiply, as the engine makes them.
        const bool factorAfterOperand =
            isOperand(prev) && !atStart &&
            (l.kind == Kind::Open || l.kind == Kind::Constant || l.kind == Kind::X);
        const bool numberAfterValue =
            l.kind == Kind::Number && !atStart &&
            (prev == Kind::Close || prev == Kind::Constant || prev == Kind::X);
        if (factorAfterOperand || numberAfterValue) {
            piece += '*';
        }
        switch (l.kind) {
            case Kind::Bad:
                m_valid = false;
                piece += l.text;
                break;
            case Kind::Number:
            case Kind::Constant:
                piece += l.text;
                break;
            case Kind::X:
                m_pieces.emplace_back();
                break;
            case Kind::Open:
                piece += l.text;
                closers.push_back(l.close);
                break;
            case Kind::Close:
                if (prev == Kind::Open) {
                    piece += '0';  // "()" is 0 in the engine
                } else if (prev == Kind::Operator) {
                    m_valid = false;
                }
                if (closers.empty()) {
                    m_valid = false;
                    piece += ')';
                } else {
                    piece += closers.back();
                    closers.pop_back();
                }
                break;
            case Kind::Operator: {
                const bool sign = l.text == "-" || l.text == "+";
                if (!sign && (atStart || prev == Kind::Operator || prev == Kind::Open)) {
                    m_valid = false;
                }
                piece += l.text;
                break;
            }
        }
        prev = l.kind;
        atStart = false;
    }
    if (!closers.empty() || (prev == Kind::Operator && !atStart)) {
        m_valid = false;
    }
}

std::string SheetFormula::rowFormula(std::string_view xText) const {
    std::string out = "=";
    out += m_pieces.front();
    for (std::size_t i = 1; i < m_pieces.size(); ++i) {
        out.append("(").append(xText).append(")").append(m_pieces[i]);
    }
    return out;
}

}  // namespace numira::graph
