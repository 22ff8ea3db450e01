// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "window/process_locale.h"

int usageError(std::string_view problem) {
    if (!problem.empty()) {
        std::fprintf(stderr, "numira-cli: %.*s\n", static_cast<int>(problem.size()),
                     problem.data());
    }
    std::fputs(
        "usage: numira-cli --expr TEXT [--degrees] [--decimals N] [--x VALUE]\n"
        "       numira-cli --keys KEY...\n"
        "       numira-cli --table TEXT [--from A] [--to B] [--step S] [--degrees] [--xlsx FILE]\n"
        "                  [--points]\n",
        stderr);
    return 2;
}

int main(int argc, char** argv) {
    numira::useProcessLocale();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        return usageError("");
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--table") {
#if NUMIRA_CLI_KEYS
            return runTable(args);
#else
            return usageError("--table is not part of this build");
#endif
        }
        if (args[i] == "--keys") {
#if NUMIRA_CLI_KEYS
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
            return runKeys(args);
#else
            return usageError("--keys is not part of this build");
#endif
        }
    }
    return runExpr(args);
}
