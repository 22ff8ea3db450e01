// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

namespace numira {

// The C library's locale for both programs: everything from the environment (messages,
// character classes), numbers as in the C locale, so that no printf, strtod or library
// writing files through them meets a decimal comma. numira calls it once the application
// object has taken the environment's locale, numira-cli at its start.
void useProcessLocale();

}  // namespace numira
