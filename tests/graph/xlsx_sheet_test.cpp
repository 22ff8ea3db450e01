// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/xlsx_sheet.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "engine/words.h"
#include "graph/command3.h"

namespace numira::graph {
namespace {

// One member of the .xlsx (a zip of XML files), read back with unzip.
// "-Z1" for the list of members.
std::string member(const std::string& file, const std::string& name) {
    const std::string command = name == "-Z1"
                                    ? "unzip -Z1 '" + file + "' 2>/dev/null"
                                    : "unzip -p '" + file + "' '" + name + "' 2>/dev/null";
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

// Every number between <v> and </v> (cells) or <c:v> and </c:v> (the chart's cache), in order.
std::vector<double> numbers(const std::string& xml, const std::string& open) {
    std::vector<double> out;
    const std::string close = "</" + open.substr(1);
    for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at)) {
        at += open.size();
        const std::size_t end = xml.find(close, at);
        double value = 0;
        const auto [ptr, ec] = std::from_chars(xml.data() + at, xml.data() + end, value);
        EXPECT_TRUE(ec == std::errc() && ptr == xml.data() + end) << xml.substr(at, end - at);
        out.push_back(value);
    }
    return out;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> folderList(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
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
        EXPECT_EQ(Command3_Click(sheet, request), GraphOutcome::Tabulated);
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

TEST_F(SavedFile, ChartsItsRowsWithTheirValuesAndTheValueAxisAtZero) {
    struct Case {
        const char* name;
        TableRange range;
        const char* last;
        const char* crossesAt;
    };
    const Case kCases[] = {
        {"DefaultFirstHundred", {}, "100", "50"},
        {"ChosenRangeWhole", {-20, 280, 1}, "301", "21"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string file = save({"x^2", false, c.range});
        const std::string chart = member(file, "xl/charts/chart1.xml");
        ASSERT_FALSE(chart.empty());
        const std::string kParts[] = {
            "<c:lineChart>",
            std::string("<c:cat><c:numRef><c:f>Sheet1!$A$1:$A$") + c.last + "</c:f>",
            std::string("<c:val><c:numRef><c:f>Sheet1!$B$1:$B$") + c.last + "</c:f>",
        };
        for (const std::string& part : kParts) {
            EXPECT_NE(chart.find(part), std::string::npos) << part;
        }
        // The cache holds the values themselves, as a viewer that trusts it draws them.
        const std::size_t values = chart.find("<c:val>");
        const std::vector<double> cached =
            numbers(chart.substr(values, chart.find("</c:val>") - values), "<c:v>");
        ASSERT_EQ(cached.size(), static_cast<std::size_t>(std::stoi(c.last)));
        for (std::size_t i = 0; i < cached.size(); ++i) {
            const double x = c.range.from + static_cast<double>(i);
            ASSERT_EQ(cached[i], x * x) << i;
        }
        // The value axis says where it crosses the category axis.
        const std::size_t valueAxis = chart.find("<c:valAx>");
        ASSERT_NE(valueAxis, std::string::npos);
        const std::string axis = chart.substr(valueAxis, chart.find("</c:valAx>") - valueAxis);
        EXPECT_NE(axis.find(std::string("<c:crossesAt val=\"") + c.crossesAt + "\"/>"),
                  std::string::npos)
            << axis;
        EXPECT_NE(member(file, "xl/drawings/drawing1.xml").find("chart"), std::string::npos);
    }
}

// The desktop's locale must not reach the file: each locale writes the same members (apart
// from the time stamps) and every number reads back with a decimal point.
TEST_F(SavedFile, NumbersDoNotDependOnTheLocale) {
    const TableRange range{-3, 3, 0.5};
    std::string first;
    for (const char* locale : {"C", "bg_BG.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << "the locale is missing: run scripts/setup.sh test";
        const std::string file = save({"x/3", false, range});
        std::setlocale(LC_ALL, "C");
        const std::vector<double> cells = numbers(member(file, "xl/worksheets/sheet1.xml"), "<v>");
        ASSERT_EQ(cells.size(), 26u);
        for (std::size_t i = 0; i < 13; ++i) {
            const double x = range.from + range.step * static_cast<double>(i);
            EXPECT_EQ(cells[2 * i], x);
            EXPECT_NEAR(cells[2 * i + 1], x / 3, 1e-14);
        }
        std::string all;
        const std::string list = member(file, "-Z1");
        ASSERT_NE(list.find("xl/charts/chart1.xml"), std::string::npos);
        for (std::size_t at = 0, end = 0; at < list.size(); at = end + 1) {
            end = list.find('\n', at);
            const std::string name = list.substr(at, end - at);
            if (name != "docProps/core.xml") {
                all += name + "\n" + member(file, name);
            }
        }
        EXPECT_EQ(all.find("0,"), std::string::npos);
        if (first.empty()) {
            first = all;
        } else {
            EXPECT_EQ(all, first);
        }
    }
}

// A save that fails leaves the folder as it was: the old file byte for byte, nothing else.
TEST(XlsxSheet, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "failed-saves";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "a-folder.xlsx");
    std::ofstream(folder / "old.xlsx") << "the old table";
    std::ofstream(folder / "plain-file") << "not a folder";
    const std::set<std::string> before = folderList(folder);
    struct Case {
        const char* name;
        std::filesystem::path path;
        Word reason;
    };
    const Case kCases[] = {
        {"NoSuchFolder", folder / "missing" / "t.xlsx", Word::FolderMissing},
        {"AFolderInTheWay", folder / "a-folder.xlsx", Word::FolderInTheWay},
        {"PathThroughAFile", folder / "plain-file" / "t.xlsx", Word::PathNotFolder},
        {"NameTooLong", folder / (std::string(300, 'n') + ".xlsx"), Word::NameTooLong},
        {"DiskFull", folder / "old.xlsx", Word::DiskFull},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string message;
        if (std::string_view(c.name) == "DiskFull") {
            // A child whose files may not grow past 64 KiB meets a full disk; its message
            // comes back through a pipe.
            int channel[2];
            ASSERT_EQ(pipe(channel), 0);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{64 * 1024, 64 * 1024};
                setrlimit(RLIMIT_FSIZE, &limit);
                XlsxSheet sheet(c.path.string());
                Command3_Click(sheet, GraphRequest{"x^2", false, {1, 9999, 1}});
                const std::string said = sheet.close().value_or("saved");
                (void)!write(channel[1], said.data(), said.size());
                _exit(0);
            }
            close(channel[1]);
            char buffer[1024];
            ssize_t n = 0;
            while ((n = read(channel[0], buffer, sizeof buffer)) > 0) {
                message.append(buffer, static_cast<std::size_t>(n));
            }
            close(channel[0]);
            waitpid(child, nullptr, 0);
        } else {
            XlsxSheet sheet(c.path.string());
            Command3_Click(sheet, GraphRequest{"x", false, {}});
            message = sheet.close().value_or("saved");
        }
        EXPECT_NE(message.find(word(c.reason)), std::string::npos) << message;
        EXPECT_EQ(folderList(folder), before);
        EXPECT_EQ(fileText(folder / "old.xlsx"), "the old table");
    }
}

// The writer prints its own messages in English on stderr (a full disk, for one); while a
// sheet lives they go nowhere, and what the program prints after it reaches stderr again.
TEST(XlsxSheet, TheWritersOwnMessagesStayOffStderr) {
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    ASSERT_NE(capture, nullptr);
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(capture), STDERR_FILENO);
    {
        const QuietStderr quiet;
        std::fprintf(stderr, "[ERROR] workbook_close(): No space left on device\n");
    }
    std::fprintf(stderr, "numira-cli: ours\n");
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(capture);
    char buffer[256] = {};
    const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, capture);
    std::fclose(capture);
    EXPECT_EQ(std::string(buffer, n), "numira-cli: ours\n");
}

// A save killed midway leaves its hidden new file; the next save into the folder removes
// those that no save holds, and nothing else.
TEST(XlsxSheet, ASaveRemovesTheNewFilesOfKilledSaves) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "killed";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / ".numira-folder.xlsx");
    struct Case {
        const char* name;
        bool held;  // a save is writing it now
        bool stays;
    };
    const Case kCases[] = {
        {".numira-a1B2c3.xlsx", false, false},    {".numira-x9y8z7.xlsx", true, true},
        {".numira-a1B2c3.xlsx.bak", false, true}, {"numira-a1B2c3.xlsx", false, true},
        {".numira-long-name.xlsx", false, true},  {".numira-folder.xlsx", false, true},
    };
    std::vector<int> held;
    for (const Case& c : kCases) {
        if (!std::filesystem::exists(folder / c.name)) {
            std::ofstream(folder / c.name) << "part of a table";
        }
        if (c.held) {
            held.push_back(::open((folder / c.name).c_str(), O_RDONLY));
            ASSERT_EQ(::flock(held.back(), LOCK_EX), 0);
        }
    }
    EXPECT_EQ(saveTable(GraphRequest{"x", false, {}}, (folder / "t.xlsx").string()), std::nullopt);
    for (const Case& c : kCases) {
        EXPECT_EQ(std::filesystem::exists(folder / c.name), c.stays) << c.name;
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "t.xlsx"));
    for (const int fd : held) {
        ::close(fd);
    }
}

TEST(XlsxSheet, ASaveReplacesTheOldFileWhole) {
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "over.xlsx";
    std::ofstream(path) << "the old table";
    XlsxSheet sheet(path.string());
    Command3_Click(sheet, GraphRequest{"x", false, {}});
    EXPECT_EQ(sheet.close(), std::nullopt);
    EXPECT_NE(member(path.string(), "xl/worksheets/sheet1.xml").find("<c r=\"A200\">"),
              std::string::npos);
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
    // The cached value is the engine's: the sine of 30 degrees is exactly 0.5.
    EXPECT_EQ(cellXml(sheet, "B80"), "<c r=\"B80\"><f>SIN(RADIANS((30)))</f><v>0.5</v></c>");
}

TEST_F(SavedFile, AnExpressionWithNoValueAtAnyXSavesNothingAndSaysWhy) {
    const std::string path =
        (std::filesystem::path(::testing::TempDir()) / "refused.xlsx").string();
    EXPECT_EQ(saveTable(GraphRequest{"(x))", false, {}}, path), word(Word::InvalidExpression));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// The second sheet lists the key points as numbers, each row under its list's title.
TEST(XlsxSheet, KeyPointsHaveASheetOfTheirOwn) {
    const std::string file = (std::filesystem::path(::testing::TempDir()) / "points.xlsx").string();
    ASSERT_EQ(saveTable(GraphRequest{"x^2-2", false, {-3, 3, 0.5}}, file), std::nullopt);
    EXPECT_NE(member(file, "xl/workbook.xml")
                  .find("<sheet name=\"" + std::string(word(Word::KeyPoints)) + "\""),
              std::string::npos);
    const std::string sheet = member(file, "xl/worksheets/sheet2.xml");
    const std::string words = member(file, "xl/sharedStrings.xml");
    struct Case {
        const char* cell;
        double value;
    };
    const Case kCells[] = {
        {"B2", -std::sqrt(2.0)}, {"C2", 0}, {"B3", std::sqrt(2.0)}, {"B4", 0}, {"C4", -2}};
    for (const Case& c : kCells) {
        SCOPED_TRACE(c.cell);
        const std::vector<double> v = numbers(cellXml(sheet, c.cell), "<v>");
        ASSERT_EQ(v.size(), 1u);
        EXPECT_NEAR(v[0], c.value, 1e-12);
    }
    EXPECT_EQ(cellXml(sheet, "A5"), "");
    for (const std::string_view title : {word(Word::Zeros), word(Word::Minima)}) {
        EXPECT_NE(words.find(title), std::string::npos) << title;
    }
}

}  // namespace
}  // namespace numira::graph
