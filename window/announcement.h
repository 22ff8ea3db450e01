// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <string>

namespace numira {

class Form1;

// What the window says to a screen reader, in the words it is said in: "Резултат 56",
// "Грешка. Деление на нула", "Градуси", "2 цифри след запетаята", "Памет 42", … No colon:
// readers speak it as a word.
struct AnnouncedState {
    std::string unit;      // "Градуси" / "Радиани"
    std::string decimals;  // "2 цифри след запетаята"
    std::string memory;    // "Памет 42", "" while empty
    bool xEntry = false;
    bool panels = false;
    std::uint64_t evaluations = 0;
    std::string result;  // resultAnnouncement
    friend bool operator==(const AnnouncedState&, const AnnouncedState&) = default;
};
AnnouncedState announcedState(const Form1& form);

// The result after "=": "Резултат 5" for the result "=5", "Грешка. " and the reason while the
// last "=" failed, "" while no result is shown.
std::string resultAnnouncement(const Form1& form);

// What changed from `before` to `after`, sentences joined by ". ": a new unit, number of
// decimals, memory ("Паметта е изчистена" when emptied), x entry started, the extra panels,
// and the result of every "=" (said again when it repeats). "" when nothing is to be said.
std::string announcement(const AnnouncedState& before, const AnnouncedState& after);

}  // namespace numira
