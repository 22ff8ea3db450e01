// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

// Expressions in engine notation of the shapes the keypad can type, and a reference value
// for each, computed with 200-bit MPFR by a recursive-descent evaluator written from the
// calculator's stated conventions (not from the engine): powers chain from the left, a sign
// binds tighter than "^" unless it is a binary minus, what is raised together is one
// exponent, division goes before multiplication, a whole number of quarter turns is exact.
// Shared by the differential test and the fuzz target.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "engine/engine.h"

namespace numira::keyed {

// Where the generator's choices come from.
class Choices {
  public:
    virtual ~Choices() = default;
    // A number from 0 to n - 1.
    virtual unsigned below(unsigned n) = 0;
};

class SeededChoices : public Choices {
  public:
    explicit SeededChoices(std::uint64_t seed) : m_random(seed) {}
    unsigned below(unsigned n) override;

  private:
    std::mt19937_64 m_random;
};

// The fuzzer's bytes, one or two per choice; zeros once they run out.
class ByteChoices : public Choices {
  public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    unsigned below(unsigned n) override;

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

struct KeyedCase {
    std::string expr;  // engine notation, "." as the decimal point
    bool degrees = false;
    std::string xValue;  // empty when expr has no x
};

KeyedCase generate(Choices& choices);

enum class Verdict { Agree, Uncertain, Differ };

struct Comparison {
    Verdict verdict;
    std::string detail;           // what each side gave, when they differ
    bool captionDecided = false;  // the reference knows the caption to its last digit
};

// Evaluates the case with the engine and with the reference. Uncertain when the reference
// cannot tell the outcome within the rounding of the engine's decimals (a pole or a domain
// edge that rounding may cross). A value whose caption (five decimals) the reference knows
// must also show that caption.
Comparison compare(Engine& engine, const KeyedCase& c);

}  // namespace numira::keyed
