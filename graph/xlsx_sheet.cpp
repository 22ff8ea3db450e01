// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/xlsx_sheet.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "engine/words.h"
#include "graph/file_failure.h"
#include "graph/zip_check.h"

namespace numira::graph {
namespace {

lxw_row_t rowIndex(std::size_t row) {
    return static_cast<lxw_row_t>(row - 1);
}

lxw_col_t columnIndex(char column) {
    return static_cast<lxw_col_t>(column - 'a');
}

CellAddress cellOf(std::string_view cell) {
    const auto address = parseCell(cell);
    if (!address) {
        throw std::invalid_argument("not a cell address: " + std::string(cell));
    }
    return *address;
}

void check(lxw_error error) {
    if (error != LXW_NO_ERROR) {
        throw std::invalid_argument(lxw_strerror(error));
    }
}

// The writer prints numbers with printf, which follows the C library's locale: under
// bg_BG.UTF-8 it would write "0,5", which spreadsheets read as something else. While it
// lives, this thread prints numbers as the C locale does.
class CNumbers {
  public:
    CNumbers()
        : m_c(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))),
          m_previous(m_c != nullptr ? uselocale(m_c) : nullptr) {}
    ~CNumbers() {
        if (m_c != nullptr) {
            uselocale(m_previous);
            freelocale(m_c);
        }
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

  private:
    locale_t m_c;
    locale_t m_previous;
};

// errno of what stands in the way of writing `target` in `folder`, 0 for nothing.
int obstacle(const std::string& target, const std::string& folder) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return S_ISDIR(st.st_mode) ? EISDIR : 0;
    }
    if (errno != ENOENT) {
        return errno;
    }
    if (::stat(folder.c_str(), &st) != 0) {
        return errno;
    }
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// The mode a new file gets: that of the file it replaces, or what the umask allows.
mode_t modeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new files a save makes beside its target: ".numira-", six characters, ".xlsx".
constexpr std::string_view kTemporaryPrefix = ".numira-";
constexpr std::string_view kTemporarySuffix = ".xlsx";

bool isTemporaryName(std::string_view name) {
    return name.size() == kTemporaryPrefix.size() + 6 + kTemporarySuffix.size() &&
           name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

// Removes what saves killed midway left in the folder: new files of ours by name and owner
// that no save holds (each holds a lock on its own until it is done, and a killed one lets
// go). Anything it cannot open or lock stays.
void removeStaleTemporaries(const std::string& folder) {
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (!isTemporaryName(item.path().filename().string())) {
            continue;
        }
        const int fd = ::open(item.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(item.path().c_str());
        }
        ::close(fd);
    }
}

}  // namespace

QuietStderr::QuietStderr() {
    std::fflush(stderr);
    m_saved = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (m_saved >= 0 && null >= 0) {
        ::dup2(null, STDERR_FILENO);
    }
    if (null >= 0) {
        ::close(null);
    }
}

QuietStderr::~QuietStderr() {
    std::fflush(stderr);
    if (m_saved >= 0) {
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
}

XlsxSheet::XlsxSheet(const std::string& path) : m_target(path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    m_folder = parent.empty() ? std::string(".") : parent.string();
    m_failure = obstacle(m_target, m_folder);
    if (m_failure == 0) {
        removeStaleTemporaries(m_folder);
        std::string name = m_folder + "/" + std::string(kTemporaryPrefix) + "XXXXXX" +
                           std::string(kTemporarySuffix);
        const int fd = ::mkstemps(name.data(), static_cast<int>(kTemporarySuffix.size()));
        if (fd < 0) {
            m_failure = errno;
        } else {
            ::fchmod(fd, modeFor(m_target));
            ::flock(fd, LOCK_EX);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            m_lock = fd;
            m_temporary = name;
        }
    }
    // A workbook is made even when the file cannot be written, so that the calls go on as
    // they would; close() then reports the failure and writes nothing.
    lxw_workbook_options options{};
    options.tmpdir = m_failure == 0 ? m_folder.data() : nullptr;
    m_workbook =
        workbook_new_opt(m_temporary.empty() ? "unwritten.xlsx" : m_temporary.c_str(), &options);
    if (m_workbook == nullptr) {
        abandon();
        throw std::runtime_error("cannot start the spreadsheet file");
    }
    m_worksheet = workbook_add_worksheet(m_workbook, std::string(kSheetName).c_str());
}

XlsxSheet::~XlsxSheet() {
    abandon();
}

void XlsxSheet::abandon() {
    if (m_workbook != nullptr) {
        lxw_workbook_free(m_workbook);
        m_workbook = nullptr;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
}

// The writer caches only plain numbers for a chart, and a formula's value as 0: the values
// are put in the cache here, and the writer told to leave it as it is.
void XlsxSheet::cacheChartValues() {
    const TableSheet::Chart& c = m_chartCalls.chart();
    if (m_series == nullptr || !c.values || m_series->values == nullptr ||
        m_series->values->data_cache == nullptr) {
        return;
    }
    lxw_series_range* range = m_series->values;
    std::uint16_t count = 0;
    for (std::size_t row = c.values->first; row <= c.values->last; ++row) {
        auto* point =
            static_cast<lxw_series_data_point*>(std::calloc(1, sizeof(lxw_series_data_point)));
        if (point == nullptr) {
            return;
        }
        const std::optional<double> value =
            row - 1 < m_values.size() ? m_values[row - 1] : std::nullopt;
        point->number = value.value_or(0);
        point->no_data = value ? LXW_FALSE : LXW_TRUE;
        STAILQ_INSERT_TAIL(range->data_cache, point, list_pointers);
        ++count;
    }
    range->num_data_points = count;
    range->ignore_cache = LXW_TRUE;
}

std::optional<std::string> XlsxSheet::close() {
    if (m_workbook == nullptr) {
        return saveFailureMessage(std::string(word(Word::FileAlreadyClosed)));
    }
    if (m_failure != 0) {
        abandon();
        return saveFailureMessage(fileFailureReason(m_failure));
    }
    cacheChartValues();
    const CNumbers cNumbers;
    lxw_workbook* workbook = m_workbook;
    m_workbook = nullptr;
    errno = 0;
    const lxw_error error = workbook_close(workbook);
    const int written = errno;
    std::optional<std::string> reason;
    if (error != LXW_NO_ERROR) {
        reason = written != 0 ? fileFailureReason(written)
                              : word(Word::FileWriteError, {lxw_strerror(error)});
    } else if (const int fd = ::open(m_temporary.c_str(), O_RDONLY); fd < 0 || ::fsync(fd) != 0) {
        reason = fileFailureReason(errno);
        if (fd >= 0) {
            ::close(fd);
        }
    } else {
        ::close(fd);
        if (zipProblem(m_temporary)) {
            reason = word(Word::SavedFileIncomplete);
        } else if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            reason = fileFailureReason(errno);
        } else {
            m_temporary.clear();
        }
    }
    abandon();
    if (reason) {
        return saveFailureMessage(*reason);
    }
    return std::nullopt;
}

void XlsxSheet::setVisible(bool /*visible*/) {}

void XlsxSheet::setRangeValue(std::string_view cell, double value) {
    const CellAddress a = cellOf(cell);
    check(worksheet_write_number(m_worksheet, rowIndex(a.row), columnIndex(a.column), value,
                                 nullptr));
}

void XlsxSheet::setRangeFormula(std::string_view cell, std::string_view formula,
                                const CellResult& cached) {
    const CellAddress a = cellOf(cell);
    const std::string text(formula);
    const lxw_row_t row = rowIndex(a.row);
    const lxw_col_t col = columnIndex(a.column);
    if (m_values.size() < a.row) {
        m_values.resize(a.row);
    }
    m_values[a.row - 1] = cached.isFormula ? cached.value : std::nullopt;
    if (!cached.isFormula) {
        check(worksheet_write_string(m_worksheet, row, col, text.c_str(), nullptr));
    } else if (cached.value) {
        check(worksheet_write_formula_num(m_worksheet, row, col, text.c_str(), nullptr,
                                          *cached.value));
    } else {
        // The spreadsheet computes its own error value when it recalculates.
        check(worksheet_write_formula_str(m_worksheet, row, col, text.c_str(), nullptr, ""));
    }
}

void XlsxSheet::addKeyPoints(const KeyPoints& points) {
    lxw_worksheet* sheet =
        workbook_add_worksheet(m_workbook, std::string(word(Word::KeyPoints)).c_str());
    if (sheet == nullptr) {
        throw std::invalid_argument("cannot add the sheet of key points");
    }
    lxw_row_t row = 0;
    const auto put = [&](std::string_view kind, double x, std::optional<double> y) {
        check(worksheet_write_string(sheet, row, 0, std::string(kind).c_str(), nullptr));
        check(worksheet_write_number(sheet, row, 1, x, nullptr));
        if (y) {
            check(worksheet_write_number(sheet, row, 2, *y, nullptr));
        }
        ++row;
    };
    check(worksheet_write_string(sheet, row, 0, std::string(word(Word::KindColumn)).c_str(),
                                 nullptr));
    check(worksheet_write_string(sheet, row, 1, "x", nullptr));
    check(worksheet_write_string(sheet, row, 2, "y", nullptr));
    ++row;
    for (const double x : points.zeros) {
        put(word(Word::Zeros), x, 0.0);
    }
    for (const CurvePoint& p : points.minima) {
        put(word(Word::Minima), p.x, p.y);
    }
    for (const CurvePoint& p : points.maxima) {
        put(word(Word::Maxima), p.x, p.y);
    }
    for (const double x : points.breaks) {
        put(word(Word::Breaks), x, std::nullopt);
    }
}

void XlsxSheet::chartsAdd() {
    m_chartCalls.chartsAdd();
    m_placed = nullptr;
    m_series = nullptr;
}

void XlsxSheet::setChartType(std::int16_t chartType) {
    m_chartCalls.setChartType(chartType);
}

void XlsxSheet::setSourceData(std::string_view sheet, std::string_view range, std::int16_t plotBy) {
    m_chartCalls.setSourceData(sheet, range, plotBy);
}

void XlsxSheet::setSeriesXValues(std::int16_t series, std::string_view sheet,
                                 std::string_view range) {
    m_chartCalls.setSeriesXValues(series, sheet, range);
}

void XlsxSheet::location(std::int16_t where, std::string_view name) {
    m_chartCalls.location(where, name);
    const TableSheet::Chart& c = m_chartCalls.chart();
    if (!c.values || !c.categories) {
        throw std::invalid_argument("the chart has no data");
    }
    lxw_chart* chart = workbook_add_chart(m_workbook, LXW_CHART_LINE);
    if (chart == nullptr) {
        throw std::invalid_argument("cannot add a chart");
    }
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    m_series = series;
    const std::string sheet(kSheetName);
    chart_series_set_values(series, sheet.c_str(), rowIndex(c.values->first),
                            columnIndex(c.values->column), rowIndex(c.values->last),
                            columnIndex(c.values->column));
    chart_series_set_categories(series, sheet.c_str(), rowIndex(c.categories->first),
                                columnIndex(c.categories->column), rowIndex(c.categories->last),
                                columnIndex(c.categories->column));
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    check(worksheet_insert_chart(m_worksheet, 1, 3, chart));
    m_placed = chart;
}

void XlsxSheet::setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) {
    m_chartCalls.setAxisCrossesAt(axis, crossesAt);
    if (m_placed == nullptr) {
        throw std::invalid_argument("the chart is not in the sheet");
    }
    chart_axis_set_crossing(m_placed->x_axis, crossesAt);
}

std::optional<std::string> saveTable(const GraphRequest& request, const std::string& path) {
    return saveTable(tabulate(request), path);
}

std::optional<std::string> saveTable(const FunctionTable& table, const std::string& path) {
    try {
        XlsxSheet file(path);
        Engine engine;
        switch (Command3_Click(file, table)) {
            case GraphOutcome::Tabulated:
                file.addKeyPoints(findKeyPoints(table, engine));
                return file.close();
            case GraphOutcome::NothingToTabulate:
                return std::string(word(Word::NothingToTabulate));
            case GraphOutcome::BadRange:
                return std::string(*rangeProblem(table.request.range));
            case GraphOutcome::Refused:
                return std::string(failureReasonBg(*table.refused));
        }
    } catch (const std::exception& e) {
        return saveFailureMessage(e.what());
    }
    return std::nullopt;
}

}  // namespace numira::graph
