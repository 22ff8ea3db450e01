#pragma once

#include <span>
#include <string_view>

// numira-cli's two modes. Each returns the exit code: 0 done, 1 the expression could not be
// evaluated, 2 bad usage (with a usage line on stderr).
int runExpr(std::span<const std::string_view> args);
int runKeys(std::span<const std::string_view> args);

int usageError(std::string_view problem);
