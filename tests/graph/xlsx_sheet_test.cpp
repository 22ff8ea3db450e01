#include "graph/xlsx_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "graph/command3.h"

namespace numira::graph {
namespace {

// One member of the .xlsx (a zip of XML files), read back with unzip.
std::string member(const std::string& file, const std::string& name) {
    const std::string command = "unzip -p '" + file + "' '" + name + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        text.append(buffer, n);
    }
    pclose(pipe);
    return text;
}

// The XML of one cell: from <c r="B50" to its </c>.
std::string cellXml(const std::string& sheet, const std::string& cell) {
    const std::size_t start = sheet.find("<c r=\"" + cell + "\"");
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = sheet.find("</c>", start);
    return sheet.substr(start, end + 4 - start);
}

class SavedFile : public ::testing::Test {
  protected:
    std::string save(const GraphRequest& request) {
        const std::string path =
            (std::filesystem::path(::testing::TempDir()) /
             (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
              ".xlsx"))
                .string();
        XlsxSheet sheet(path);
        GraphVars vars;
        EXPECT_EQ(Command3_Click(sheet, request, vars), GraphOutcome::Tabulated);
        EXPECT_EQ(sheet.close(), std::nullopt);
        return path;
    }
};

TEST_F(SavedFile, HoldsXTheFormulasAndTheirValues) {
    const std::string file = save({"x^2", false, {}});
    const std::string sheet = member(file, "xl/worksheets/sheet1.xml");
    struct Case {
        const char* cell;
        const char* xml;
    };
    constexpr Case kCells[] = {
        {"A1", "<c r=\"A1\"><v>-49</v></c>"},
        {"B1", "<c r=\"B1\"><f>(-49)^2</f><v>2401</v></c>"},
        {"A50", "<c r=\"A50\"><v>0</v></c>"},
        {"B50", "<c r=\"B50\"><f>(0)^2</f><v>0</v></c>"},
        {"B101", "<c r=\"B101\"><f>(51)^2</f><v>2601</v></c>"},
        {"A200", "<c r=\"A200\"><v>150</v></c>"},
        {"B200", "<c r=\"B200\"><f>(150)^2</f><v>22500</v></c>"},
        {"A201", ""},
        {"C1", ""},
    };
    for (const Case& c : kCells) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(cellXml(sheet, c.cell), c.xml);
    }
    EXPECT_NE(member(file, "xl/workbook.xml").find("<sheet name=\"Sheet1\""), std::string::npos);
}

TEST_F(SavedFile, ChartsTheFirstHundredRowsWithTheValueAxisAtZero) {
    const std::string file = save({"x^2", false, {}});
    const std::string chart = member(file, "xl/charts/chart1.xml");
    ASSERT_FALSE(chart.empty());
    constexpr const char* kParts[] = {
        "<c:lineChart>",
        "<c:cat><c:numRef><c:f>Sheet1!$A$1:$A$100</c:f>",
        "<c:val><c:numRef><c:f>Sheet1!$B$1:$B$100</c:f>",
    };
    for (const char* part : kParts) {
        EXPECT_NE(chart.find(part), std::string::npos) << part;
    }
    // The value axis says where it crosses the category axis.
    const std::size_t valueAxis = chart.find("<c:valAx>");
    ASSERT_NE(valueAxis, std::string::npos);
    const std::string axis = chart.substr(valueAxis, chart.find("</c:valAx>") - valueAxis);
    EXPECT_NE(axis.find("<c:crossesAt val=\"50\"/>"), std::string::npos) << axis;
    EXPECT_NE(member(file, "xl/drawings/drawing1.xml").find("chart"), std::string::npos);
}

TEST_F(SavedFile, RowsWithNoValueCacheNoNumber) {
    const std::string file = save({"1/x", false, {}});
    const std::string sheet = member(file, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(cellXml(sheet, "B50"), "<c r=\"B50\" t=\"str\"><f>1/(0)</f><v></v></c>");
    EXPECT_EQ(cellXml(sheet, "B51"), "<c r=\"B51\"><f>1/(1)</f><v>1</v></c>");
}

TEST_F(SavedFile, DegreesGoThroughRadians) {
    const std::string file = save({"SIN(x)", true, {}});
    const std::string sheet = member(file, "xl/worksheets/sheet1.xml");
    // The cached value is the engine's double, sin(pi/6) one unit below 0.5.
    EXPECT_EQ(cellXml(sheet, "B80"),
              "<c r=\"B80\"><f>SIN(RADIANS((30)))</f><v>0.4999999999999999</v></c>");
}

TEST_F(SavedFile, TextThatIsNoExpressionIsStoredAsText) {
    const std::string file = save({"(x", false, {}});
    const std::string sheet = member(file, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(sheet.find("<f>"), std::string::npos);
    EXPECT_NE(cellXml(sheet, "B1").find("t=\"s\""), std::string::npos);
    EXPECT_NE(member(file, "xl/sharedStrings.xml").find("=((-49)"), std::string::npos);
}

TEST(XlsxSheet, AFileThatCannotBeWrittenSaysWhy) {
    XlsxSheet sheet("/nonexistent-folder/table.xlsx");
    GraphVars vars;
    Command3_Click(sheet, GraphRequest{"x", false, {}}, vars);
    const auto problem = sheet.close();
    ASSERT_TRUE(problem);
    EXPECT_FALSE(problem->empty());
}

}  // namespace
}  // namespace numira::graph
