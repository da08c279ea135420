#include "resulttable.h"

#include <algorithm>

namespace pondrel::bench {

namespace {

constexpr std::size_t kColumnGap = 2;

// Characters, not bytes: continuation bytes of UTF-8 do not take a column.
std::size_t displayWidth(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string &text, std::size_t width, ResultTable::Align align)
{
    const std::size_t fill = width - std::min(width, displayWidth(text));
    return align == ResultTable::Align::left ? text + std::string(fill, ' ')
                                             : std::string(fill, ' ') + text;
}

} // namespace

ResultTable::ResultTable(std::vector<Column> columns) : m_columns(std::move(columns)) {}

void ResultTable::addSection(std::string title)
{
    m_lines.push_back({Kind::section, {std::move(title)}});
}

void ResultTable::addRow(std::vector<std::string> cells)
{
    cells.resize(m_columns.size());
    m_lines.push_back({Kind::row, std::move(cells)});
}

void ResultTable::addNote(std::string text)
{
    m_lines.push_back({Kind::note, {std::move(text)}});
}

void ResultTable::print(std::FILE *stream) const
{
    std::vector<std::size_t> widths;
    for (const Column &column : m_columns) {
        widths.push_back(displayWidth(column.heading));
    }
    for (const Line &line : m_lines) {
        if (line.kind != Kind::row) {
            continue;
        }
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            widths[i] = std::max(widths[i], displayWidth(line.cells[i]));
        }
    }
    std::size_t totalWidth = 0;
    for (const std::size_t width : widths) {
        totalWidth += width + kColumnGap;
    }
    totalWidth -= kColumnGap;

    auto printCells = [&](const std::vector<std::string> &cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                text += std::string(kColumnGap, ' ');
            }
            text += padded(cells[i], widths[i], m_columns[i].align);
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        std::fprintf(stream, "%s\n", text.c_str());
    };

    std::vector<std::string> headings;
    for (const Column &column : m_columns) {
        headings.push_back(column.heading);
    }
    printCells(headings);
    const std::string rule(totalWidth, '=');
    std::fprintf(stream, "%s\n", rule.c_str());

    const std::string noteIndent(widths.empty() ? 0 : widths[0] + kColumnGap, ' ');
    bool first = true;
    for (const Line &line : m_lines) {
        switch (line.kind) {
        case Kind::section:
            if (!first) {
                std::fprintf(stream, "\n");
            }
            std::fprintf(stream, "%s\n", line.cells[0].c_str());
            break;
        case Kind::row:
            printCells(line.cells);
            break;
        case Kind::note:
            std::fprintf(stream, "%s%s\n", noteIndent.c_str(), line.cells[0].c_str());
            break;
        }
        first = false;
    }
}

} // namespace pondrel::bench
