// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <span>
#include <string_view>

// numira-cli's modes. Each returns the exit code: 0 done, 1 the expression could not be
// evaluated or the table not written (the reason on stderr), 2 bad usage (with a usage line
// on stderr).
int runExpr(std::span<const std::string_view> args);
int runKeys(std::span<const std::string_view> args);
// The function table of the chart window: printed as tab-separated text, or saved as .xlsx.
int runTable(std::span<const std::string_view> args);

int usageError(std::string_view problem);
