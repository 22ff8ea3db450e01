// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/decimal128.h"

namespace numira {

// The evaluators that need the engine's own helpers, defined in engine.cpp. Each throws
// EvalError where it has no value inside its domain.
Decimal128 SSIN(Decimal128 a, bool degrees);
Decimal128 CCOS(Decimal128 a, bool degrees);
Decimal128 TTAN(Decimal128 a, bool degrees);
Decimal128 CCOTAN(Decimal128 a, bool degrees);
Decimal128 ATTAN(Decimal128 a, bool degrees);
Decimal128 ASSIN(Decimal128 a, bool degrees);
Decimal128 ACCOS(Decimal128 a, bool degrees);

// An evaluator that is one function of the engine's number (engine/decimal128.h), with no
// angle: plain<sqrt>.
template <Decimal128 (*f)(Decimal128)>
Decimal128 plain(Decimal128 a, bool /*degrees*/) {
    return f(a);
}

// The arguments a function has a value for; outside them "=" fails as outside the domain,
// before the evaluator runs.
enum class Domain {
    All,
    NotNegative,
    Positive,
    UpToOne,  // -1 to 1
};

// Where a spreadsheet's radians meet the angle: its argument, its result, or nowhere.
enum class AngleAt { Nowhere, Argument, Result };

// One calculator function: everything the engine, the spreadsheet formula and the keys know
// of it. The rows are in the order the names are coded, which matters only where names
// overlap: "COTAN" comes before "TAN", so that it is replaced first.
struct Function {
    std::string_view name;  // engine notation, written before its "("
    char code;              // what the scan sees in the name's place
    int pass;               // its turn among the function passes of a segment
    Decimal128 (*evaluate)(Decimal128 argument, bool degrees);
    Domain domain;
    std::string_view sheetOpen;   // the spreadsheet's spelling in radians, for "NAME("
    std::string_view sheetClose;  // and for its ")"
    AngleAt angle;
};
inline constexpr Function kFunctions[] = {
    {"SQRT", 'K', 7, plain<sqrt>, Domain::NotNegative, "SQRT(", ")", AngleAt::Nowhere},
    {"COTAN", 'G', 3, CCOTAN, Domain::All, "(1/TAN(", "))", AngleAt::Argument},
    {"SIN", 'S', 0, SSIN, Domain::All, "SIN(", ")", AngleAt::Argument},
    {"COS", 'C', 1, CCOS, Domain::All, "COS(", ")", AngleAt::Argument},
    {"TAN", 'T', 2, TTAN, Domain::All, "TAN(", ")", AngleAt::Argument},
    {"Atan", 'N', 4, ATTAN, Domain::All, "ATAN(", ")", AngleAt::Result},
    {"Asin", 'A', 5, ASSIN, Domain::UpToOne, "ASIN(", ")", AngleAt::Result},
    {"Acos", 'B', 6, ACCOS, Domain::UpToOne, "ACOS(", ")", AngleAt::Result},
};
inline constexpr std::size_t kFunctionCount = std::size(kFunctions);

// The rows in the order of their passes.
inline constexpr std::array<const Function*, kFunctionCount> kFunctionPasses = [] {
    std::array<const Function*, kFunctionCount> order{};
    for (const Function& f : kFunctions) {
        order[static_cast<std::size_t>(f.pass)] = &f;
    }
    return order;
}();
// Counted, not read through kFunctionPasses: the sanitizers' build cannot compare its
// pointers at compile time.
static_assert(
    [] {
        std::array<int, kFunctionCount> owners{};
        for (const Function& f : kFunctions) {
            if (f.pass < 0 || f.pass >= static_cast<int>(kFunctionCount)) {
                return false;
            }
            ++owners[static_cast<std::size_t>(f.pass)];
        }
        for (const int count : owners) {
            if (count != 1) {
                return false;
            }
        }
        return true;
    }(),
    "each pass from 0 on belongs to one function");

// The first letters of the names: a quick test before looking a name up.
inline constexpr std::array<bool, 256> kFunctionInitials = [] {
    std::array<bool, 256> initials{};
    for (const Function& f : kFunctions) {
        initials[static_cast<unsigned char>(f.name.front())] = true;
    }
    return initials;
}();

constexpr bool isFunctionInitial(char c) {
    return kFunctionInitials[static_cast<unsigned char>(c)];
}

// starts_with without the library's call, for the short names looked up at every letter.
constexpr bool startsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The function whose name `text` starts with, or nullptr.
constexpr const Function* functionAt(std::string_view text) {
    for (const Function& f : kFunctions) {
        if (startsWith(text, f.name)) {
            return &f;
        }
    }
    return nullptr;
}

// The length of the function name that `text` starts with, or 0.
constexpr std::size_t functionNameAt(std::string_view text) {
    const Function* f = functionAt(text);
    return f != nullptr ? f->name.size() : 0;
}

}  // namespace numira
