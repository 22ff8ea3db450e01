// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace numira {

// How many ")" close every "(" still open at the end of an engine-notation text, as "="
// types them before it evaluates. Nothing when a ")" has no "(" to close: that mistake is
// the user's to see, and closing the rest would not mend it.
std::optional<std::size_t> missingCloseParens(std::string_view text);

}  // namespace numira
