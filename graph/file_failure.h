// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>

namespace numira::graph {

// Why a file could not be written, in Bulgarian, from the C library's error number: a missing
// folder, no permission, a full disk, a folder in the file's place, a name too long, ... An
// unknown number is named by its number.
std::string fileFailureReason(int error);

// The sentence the user reads when a table is not saved: "Таблицата не е записана: " and why.
std::string saveFailureMessage(const std::string& reason);

}  // namespace numira::graph
