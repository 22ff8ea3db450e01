#include "window/history.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace numira {

namespace {

constexpr std::array<std::string_view, 10> kSuperscripts{"\u2070", "\u00B9", "\u00B2", "\u00B3",
                                                         "\u2074", "\u2075", "\u2076", "\u2077",
                                                         "\u2078", "\u2079"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The display text of the base line as paste reads it: "." is the decimal comma there.
std::string pasteSpelling(std::string_view display) {
    std::string out;
    for (const char c : display) {
        out += c == '.' ? '*' : c;
    }
    return out;
}

}  // namespace

bool History::add(HistoryEntry entry) {
    m_cursor.reset();
    if (!m_entries.empty() && m_entries.back() == entry) {
        return false;
    }
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > kCapacity) {
        m_entries.pop_front();
    }
    ++m_revision;
    return true;
}

void History::clear() {
    m_entries.clear();
    m_cursor.reset();
    ++m_revision;
}

void History::remove(std::size_t fromNewest) {
    if (fromNewest >= m_entries.size()) {
        return;
    }
    m_entries.erase(m_entries.end() - 1 - static_cast<std::ptrdiff_t>(fromNewest));
    m_cursor.reset();
    ++m_revision;
}

const HistoryEntry* History::fromNewest(std::size_t n) const {
    return n < m_entries.size() ? &m_entries[m_entries.size() - 1 - n] : nullptr;
}

std::optional<std::size_t> History::stepBack() {
    if (m_entries.empty()) {
        return std::nullopt;
    }
    m_cursor = m_cursor ? std::min(*m_cursor + 1, m_entries.size() - 1) : 0;
    return m_cursor;
}

std::optional<std::size_t> History::stepForward() {
    if (!m_cursor || *m_cursor == 0) {
        m_cursor.reset();
        return std::nullopt;
    }
    return --*m_cursor;
}

std::vector<bool> History::powerMarks(const HistoryEntry& entry) {
    std::vector<bool> marks(entry.t.size() + 1, false);
    std::size_t at = 0;
    for (const char c : entry.comp) {
        if (c != '^') {
            ++at;
        } else if (at < marks.size()) {
            marks[at] = true;
        }
    }
    if (at != entry.t.size()) {
        marks.assign(entry.t.size() + 1, false);
    }
    return marks;
}

std::string History::pasteText(const HistoryEntry& entry) {
    const auto raisedAt = [&](std::size_t i) {
        return i < entry.raised.size() && entry.raised[i] == '1';
    };
    const std::vector<bool> powers = powerMarks(entry);
    std::string out;
    std::size_t i = 0;
    while (i < entry.t.size()) {
        const bool raised = raisedAt(i);
        std::size_t end = i + 1;
        while (end < entry.t.size() && raisedAt(end) == raised && !(raised && powers[end])) {
            ++end;
        }
        const std::string_view run = std::string_view(entry.t).substr(i, end - i);
        if (!raised) {
            out += pasteSpelling(run);
        } else if (std::all_of(run.begin(), run.end(), isDigit) &&
                   (end == entry.t.size() || entry.t[end] != ')')) {
            // Not before ")": a paste types that at the level of the superscript.
            for (const char c : run) {
                out += kSuperscripts[static_cast<std::size_t>(c - '0')];
            }
        } else {
            out += '^' + pasteSpelling(run);
            if (run.back() != ')') {
                out += '^';
            }
        }
        i = end;
    }
    return out;
}

std::string History::resultText(const HistoryEntry& entry) {
    if (entry.failure) {
        return std::string(failureReasonBg(*entry.failure));
    }
    return entry.caption.starts_with('=') ? entry.caption.substr(1) : entry.caption;
}

std::string History::settingsText(const HistoryEntry& entry) {
    std::string out;
    if (entry.degrees) {
        out = *entry.degrees ? "Градуси" : "Радиани";
    }
    if (entry.x) {
        out += (out.empty() ? "" : ", ") + std::string("x = ") + *entry.x;
    }
    return out;
}

std::string History::copyText() const {
    std::string out;
    for (const HistoryEntry& entry : m_entries) {
        out += pasteText(entry) + " = " + resultText(entry) + "\n";
    }
    return out;
}

}  // namespace numira
