// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QString>

#include "keypad/keys.h"

namespace numira {

// The tooltip of a key's button from its row's hint: "Плюс — клавиатура: +", or for a key
// without a keyboard equivalent, what to paste for it.
QString keyToolTip(const KeyRow& row);

}  // namespace numira
