// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "window/controls.h"

namespace numira {

// One "=" of the session: the expression as the box showed it and what came of it.
struct HistoryEntry {
    std::string t;        // the display notation, as in the expression box
    std::string raised;   // one character per character of t: '1' raised, '0' not
    std::string comp;     // the engine notation
    std::string caption;  // the result label ("=5"); empty when it failed
    std::optional<Failure> failure;
    std::optional<bool> degrees;   // the angle unit, only when comp has a trigonometric function
    std::optional<std::string> x;  // the value of x, only when comp has x
    // The exponent state at "=" (1 while an exponent was open) and the one recorded for every
    // typed position (index 0 unused): how each exponent ended, which t does not show.
    int exponentMode = 0;
    std::vector<int> exponentModeAt;
    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

// The calculations of the session, oldest first, at most kCapacity of them; nothing is kept
// between runs. It also walks back through the expressions as a shell does with its lines.
class History {
  public:
    static constexpr std::size_t kCapacity = 1000;

    // Adds an entry unless it repeats the newest one exactly (the same expression with the same
    // settings gives the same entry). The oldest entry goes when the history is full. Ends a
    // walk. Returns whether it was added.
    bool add(HistoryEntry entry);
    // Empties the history; restore() brings the entries back until the next add.
    void clear();
    bool canRestore() const { return m_entries.empty() && !m_cleared.empty(); }
    void restore();
    // Removes the entry counted from the newest (0); nothing past the oldest. Ends a walk.
    void remove(std::size_t fromNewest);

    const std::deque<HistoryEntry>& entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }
    // Counted from the newest (0); null past the oldest.
    const HistoryEntry* fromNewest(std::size_t n) const;
    // Grows by one with every change of the entries, so a view can tell when to redraw.
    std::uint64_t revision() const { return m_revision; }
    // Grows by one with every entry added. While it has grown as much as the revision, the
    // entries changed only by adds (each dropping the oldest when full), and a view can append
    // those rows instead of drawing all of them again.
    std::uint64_t added() const { return m_added; }

    // The walk: a step back gives the next older entry (from the newest; it stays at the
    // oldest), a step forward the next newer one, or nothing once it passes the newest, which
    // ends the walk. Both give nothing in an empty history.
    std::optional<std::size_t> stepBack();
    std::optional<std::size_t> stepForward();
    bool walking() const { return m_cursor.has_value(); }

    // Where the power key started an exponent: exponentStarts (window/copy_notation.h), all
    // false when t and comp do not line up.
    static std::vector<bool> powerMarks(const HistoryEntry& entry);
    // The expression as "Копиране на екрана" copies it (copyNotation), which paste reads back.
    static std::string pasteText(const HistoryEntry& entry);
    // What "=" showed: the caption without its "=", or the reason it failed, in Bulgarian.
    static std::string resultText(const HistoryEntry& entry);
    // The settings it was computed with: "Градуси", "Радиани", "x = 2", or both, or "".
    static std::string settingsText(const HistoryEntry& entry);
    // One entry as the history's copy writes it: pasteText, " = ", resultText, and the
    // settings it depends on after three spaces in brackets, in lower case:
    // "sin(30) = 0,5   [градуси]", "x^2+1 = 5   [x = 2]", "[радиани, x = 1]". A paste of the
    // line types its expression alone.
    static std::string copyLine(const HistoryEntry& entry);
    // Every entry's copyLine on its own line, oldest first.
    std::string copyText() const;

  private:
    std::deque<HistoryEntry> m_entries;
    std::deque<HistoryEntry> m_cleared;  // what the last clear took, for restore
    std::optional<std::size_t> m_cursor;
    std::uint64_t m_revision = 0;
    std::uint64_t m_added = 0;
};

// Where the history panel sits: below the keypad, and below the extra panels when they show.
struct HistoryPanel {
    bool visible = false;
    Geometry geometry{240, 0, 3255, 2400};
};

}  // namespace numira
