// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/announcement.h"

#include "window/form1.h"

namespace numira {

namespace {

std::string decimalsText(int decimals) {
    return std::to_string(decimals) + (decimals == 1 ? " цифра" : " цифри") + " след запетаята";
}

}  // namespace

std::string resultAnnouncement(const Form1& form) {
    if (!form.failureShown.words.empty()) {
        return "Грешка. " + form.failureShown.words;
    }
    if (!form.L.visible || form.L.caption.empty()) {
        return {};
    }
    // A reader says "-" as a dash; the minus sign is read as "минус".
    std::string said = "Резултат ";
    for (const char c : std::string_view(form.L.caption).substr(form.L.caption.front() == '=')) {
        said += c == '-' ? std::string_view("\u2212") : std::string_view(&c, 1);
    }
    return said;
}

AnnouncedState announcedState(const Form1& form) {
    AnnouncedState s;
    s.unit = form.Gradusi.text;
    s.decimals = decimalsText(form.Izbor.listIndex < 0 ? kDefaultDecimals : form.Izbor.listIndex);
    // Label1 reads "M=42".
    const std::string& memory = form.Label1.caption;
    if (memory.size() > 2) {
        s.memory = "Памет " + memory.substr(2);
    }
    s.xEntry = form.keypad().enteringX();
    s.panels = form.F2.visible;
    s.evaluations = form.evaluations;
    s.result = resultAnnouncement(form);
    return s;
}

std::string announcement(const AnnouncedState& before, const AnnouncedState& after) {
    std::string out;
    const auto say = [&out](const std::string& sentence) {
        if (!sentence.empty()) {
            out += (out.empty() ? "" : ". ") + sentence;
        }
    };
    if (after.unit != before.unit) {
        say(after.unit);
    }
    if (after.decimals != before.decimals) {
        say(after.decimals);
    }
    if (after.memory != before.memory) {
        say(after.memory.empty() ? "Паметта е изчистена" : after.memory);
    }
    if (after.panels != before.panels) {
        say(after.panels ? "Допълнителните функции са показани"
                         : "Допълнителните функции са скрити");
    }
    if (after.xEntry && !before.xEntry) {
        say("Въвеждане на стойност на x");
    }
    if (after.evaluations != before.evaluations || after.result != before.result) {
        say(after.result);
    }
    return out;
}

}  // namespace numira
