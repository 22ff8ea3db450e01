// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QString>

namespace numira {

// `caption` with an access letter ("&Опции"): its first letter not in `used`, which then
// holds it as well; the caption as it is when every letter is taken. A "&" of the caption
// itself stays a character.
QString withAccessLetter(const QString& caption, QString& used);

// The text of a menu item: the caption with its access letter and, after a tab, the
// shortcut the menu shows beside it ("" for none).
QString menuItemText(const QString& caption, QString& used, const QString& shortcut);

// The caption back from a menu text: without the access letter's "&" and the shortcut.
QString captionOf(const QString& menuText);

}  // namespace numira
