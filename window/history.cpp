// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/history.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/words.h"
#include "window/copy_notation.h"

namespace numira {

bool History::add(HistoryEntry entry) {
    m_cursor.reset();
    if (!m_entries.empty() && m_entries.back() == entry) {
        return false;
    }
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > kCapacity) {
        m_entries.pop_front();
    }
    m_cleared.clear();
    ++m_revision;
    ++m_added;
    return true;
}

void History::clear() {
    if (!m_entries.empty()) {
        m_cleared = std::exchange(m_entries, {});
    }
    m_cursor.reset();
    ++m_revision;
}

void History::restore() {
    if (canRestore()) {
        m_entries = std::exchange(m_cleared, {});
        ++m_revision;
    }
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
    std::vector<bool> marks = exponentStarts(entry.t, entry.comp);
    if (marks.empty()) {
        marks.assign(entry.t.size() + 1, false);
    }
    return marks;
}

std::string History::pasteText(const HistoryEntry& entry) {
    return copyNotation(entry.t, entry.raised, entry.comp).text;
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
        out = word(*entry.degrees ? Word::Degrees : Word::Radians);
    }
    if (entry.x) {
        out += (out.empty() ? "" : ", ") + std::string("x = ") + *entry.x;
    }
    return out;
}

std::string History::copyLine(const HistoryEntry& entry) {
    std::string settings;
    if (entry.degrees) {
        settings = word(*entry.degrees ? Word::DegreesInCopy : Word::RadiansInCopy);
    }
    if (entry.x) {
        settings += (settings.empty() ? "" : ", ") + std::string("x = ") + *entry.x;
    }
    return pasteText(entry) + " = " + resultText(entry) +
           (settings.empty() ? "" : "   [" + settings + "]");
}

std::string History::copyText() const {
    std::string out;
    for (const HistoryEntry& entry : m_entries) {
        out += copyLine(entry) + "\n";
    }
    return out;
}

}  // namespace numira
