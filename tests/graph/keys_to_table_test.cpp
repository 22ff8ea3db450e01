// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// From the keys to the table: what comp holds after the keys is what the menu item tabulates.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "graph/command3.h"
#include "graph/table_sheet.h"
#include "keypad/keys.h"
#include "window/fake_platform.h"
#include "window/form1.h"

namespace numira::graph {
namespace {

struct Calculator {
    FakePlatform platform;
    Form1 form{platform};

    explicit Calculator(const std::vector<Key>& keys) {
        form.Form_Load();
        form.processKeystrokes();
        for (const Key k : keys) {
            press(form, platform, k);
        }
    }
    GraphRequest request() const { return {form.comp.text, form.degreesMode, {}}; }
};

TEST(KeysToTable, XPowerTwoIsAParabolaWhateverXEntryModeHolds) {
    struct Case {
        const char* name;
        std::vector<Key> keys;
    };
    const Case kCases[] = {
        {"Typed", {Key::X, Key::Power, Key::D2}},
        {"AfterEquals", {Key::X, Key::Power, Key::D2, Key::Equals}},
        {"AfterAValueOfX", {Key::X, Key::Power, Key::D2, Key::Equals, Key::D3, Key::Equals}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Calculator calc(c.keys);
        TableSheet sheet;
        ASSERT_EQ(Command3_Click(sheet, calc.request()), GraphOutcome::Tabulated);
        ASSERT_EQ(sheet.rows().size(), 200u);
        for (const TableSheet::Row& row : sheet.rows()) {
            ASSERT_TRUE(row.x && row.cached.value);
            EXPECT_EQ(*row.cached.value, *row.x * *row.x);
        }
        EXPECT_EQ(sheet.rows()[49].formula, "=(0)^2");
    }
}

TEST(KeysToTable, NothingToTabulateAfterStartOrClear) {
    Calculator calc({Key::X, Key::Power, Key::D2, Key::Clear});
    TableSheet sheet;
    EXPECT_EQ(Command3_Click(sheet, calc.request()), GraphOutcome::NothingToTabulate);
    EXPECT_TRUE(sheet.rows().empty());
    EXPECT_FALSE(sheet.visible());
}

TEST(KeysToTable, TheAngleUnitOfTheWindowIsUsed) {
    Calculator calc({Key::Degrees, Key::Sin, Key::X, Key::CloseParen});
    ASSERT_TRUE(calc.form.degreesMode);
    const FunctionTable table = tabulate(calc.request());
    ASSERT_EQ(table.rows.size(), 200u);
    EXPECT_EQ(table.rows[79].x, 30);
    ASSERT_TRUE(table.rows[79].value);
    EXPECT_NEAR(*table.rows[79].value, 0.5, 1e-15);
    EXPECT_EQ(table.rows[79].rowFormula, "=SIN(RADIANS((30)))");
}

}  // namespace
}  // namespace numira::graph
