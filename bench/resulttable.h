#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pondrel::bench {

// A plain text table: section headings, rows of cells, and full-width note
// lines (histograms, skipped benchmarks). Columns size themselves to their
// widest cell; widths count UTF-8 characters, so "µs" and "×" line up.
class ResultTable
{
public:
    enum class Align { left, right };

    struct Column
    {
        std::string heading;
        Align align = Align::left;
    };

    explicit ResultTable(std::vector<Column> columns);

    void addSection(std::string title);
    void addRow(std::vector<std::string> cells);
    // Printed under the rows so far, indented to the second column.
    void addNote(std::string text);

    void print(std::FILE *stream) const;

private:
    enum class Kind { section, row, note };
    struct Line
    {
        Kind kind;
        std::vector<std::string> cells;
    };

    std::vector<Column> m_columns;
    std::vector<Line> m_lines;
};

} // namespace pondrel::bench
