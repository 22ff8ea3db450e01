// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/shortcuts.h"

#include <vector>

namespace numira {

std::span<const Shortcut> shortcuts() {
    static const std::vector<Shortcut> list = [] {
        std::vector<Shortcut> out;
        for (const KeyRow& row : keyTable()) {
            if (!row.shortcut.empty()) {
                out.push_back({row.shortcut, row.shortcutMeaning});
            }
        }
        return out;
    }();
    return list;
}

std::optional<Key> keyForShortcut(const Form1& form, std::string_view sequence) {
    for (const KeyRow& row : keyTable()) {
        if (row.shortcut.empty() || row.shortcut != sequence) {
            continue;
        }
        if (row.key == Key::Degrees && form.Gradusi.listIndex == 1) {
            return Key::Radians;
        }
        return row.key;
    }
    return std::nullopt;
}

Key keyForEscape(const Form1& form) {
    if (form.Izbor.visible && form.Izbor.listIndex >= 0 && form.Izbor.listIndex <= 7) {
        return static_cast<Key>(static_cast<int>(Key::Round0) + form.Izbor.listIndex);
    }
    return Key::Clear;
}

std::string_view shortcutForKey(Key key) {
    return keyRow(key == Key::Radians ? Key::Degrees : key).shortcut;
}

}  // namespace numira
