// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string>

namespace numira::graph {

// Whether a written .xlsx is whole: a zip whose every member inflates to its recorded size
// and checksum, and whose every XML member ends with the closing tag of its root element (a
// part the writer cut short on a full disk does not). Nothing for a whole file, otherwise
// what is wrong (for a log, not for the user).
std::optional<std::string> zipProblem(const std::string& path);

}  // namespace numira::graph
