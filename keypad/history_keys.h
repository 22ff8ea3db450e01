// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>

#include "window/form1.h"
#include "window/platform.h"

namespace numira {

// Reuse of the history (window/history.h) through the keys. Entries are counted from the
// newest (0). A number with no entry, or an entry that cannot be reused, leaves the window as
// it was and puts the reason in the window's message.

// Brings entry n's expression back into the box, replacing what is there, as if it had been
// typed: C, then the key of every part of the expression in order, with the power key where
// the expression starts or ends an exponent, so that the records, backspace and the exponent
// state are those of the typing. A number that MR typed in exponent form ("1,5E+20") is typed
// as MR types it.
bool recallHistory(Form1& f, Platform& platform, std::size_t n);

// Types entry n's result into the expression as MR types the memory, at the level the keys
// are at. An entry that failed has no result.
bool recallHistoryResult(Form1& f, Platform& platform, std::size_t n);

// Every entry as text on the clipboard, one line each (History::copyText).
void copyHistory(Form1& f, Platform& platform);

}  // namespace numira
