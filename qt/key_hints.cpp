// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/key_hints.h"

#include <QStringList>

#include "keypad/shortcuts.h"

namespace numira {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString keyToolTip(const KeyRow& row) {
    const QString name = toQString(row.hintName);
    const QString capitalised = name.left(1).toUpper() + name.mid(1);
    QStringList keys;
    if (!row.hintKeyboard.empty()) {
        keys << toQString(row.hintKeyboard);
    }
    if (const std::string_view shortcut = shortcutForKey(row.key); !shortcut.empty()) {
        keys << toQString(shortcut);
    }
    if (!keys.isEmpty()) {
        return QStringLiteral("%1 — клавиатура: %2").arg(capitalised, keys.join(" или "));
    }
    if (!row.hintPaste.empty()) {
        return QStringLiteral("%1 — при поставяне (Ctrl+V): %2")
            .arg(capitalised, toQString(row.hintPaste));
    }
    return QStringLiteral("%1 — без клавиш на клавиатурата").arg(capitalised);
}

}  // namespace numira
