#include "boardcellmodel.h"

#include "grid.h"
#include "qtforms.h"
#include "sudokugame.h"

#include <algorithm>

namespace pondrel {

BoardCellModel::BoardCellModel(QObject *parent) : QAbstractListModel(parent) {}

void BoardCellModel::setGame(SudokuGame *game)
{
    if (m_game == game) {
        return;
    }
    if (m_game) {
        disconnect(m_game, nullptr, this, nullptr);
    }
    m_game = game;
    if (m_game) {
        // Everything a role is made of.
        for (const auto signal : {&SudokuGame::puzzleChanged,
                                  &SudokuGame::valuesChanged,
                                  &SudokuGame::notesChanged,
                                  &SudokuGame::selectedCellChanged,
                                  &SudokuGame::armedDigitChanged,
                                  &SudokuGame::hasWonChanged,
                                  &SudokuGame::highlightsMistakesChanged,
                                  &SudokuGame::highlightsMatchingNumbersChanged,
                                  &SudokuGame::hintExplanationChanged,
                                  &SudokuGame::shownStepChanged}) {
            connect(m_game, signal, this, &BoardCellModel::refresh);
        }
        // A game destroyed under the model leaves an empty board.
        connect(m_game, &QObject::destroyed, this, &BoardCellModel::refresh);
    }
    refresh();
    emit gameChanged();
}

int BoardCellModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

QVariant BoardCellModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Cell &cell = m_cells[static_cast<std::size_t>(index.row())];
    switch (role) {
    case ValueRole:
        return cell.value;
    case GivenRole:
        return cell.given;
    case MistakeRole:
        return cell.mistake;
    case SelectedRole:
        return cell.selected;
    case NoteDigitsRole:
        return QVariant::fromValue(digitsOf(cell.notes));
    case RemovedNoteDigitsRole:
        return QVariant::fromValue(digitsOf(cell.removedNotes));
    case HighlightRole:
        return cell.highlight;
    default:
        return {};
    }
}

QHash<int, QByteArray> BoardCellModel::roleNames() const
{
    return {{ValueRole, "value"},
            {GivenRole, "given"},
            {MistakeRole, "mistake"},
            {SelectedRole, "selected"},
            {NoteDigitsRole, "noteDigits"},
            {HighlightRole, "highlight"},
            {RemovedNoteDigitsRole, "removedNoteDigits"}};
}

std::array<BoardCellModel::Cell, 81> BoardCellModel::currentCells() const
{
    std::array<Cell, 81> cells{};
    if (!m_game) {
        return cells;
    }
    const SudokuGame &game = *m_game;
    const Grid &values = game.values();
    const std::optional<int> selected = game.selectedCell();
    const std::optional<int> armed = game.hasWon() ? std::nullopt : game.armedDigit();
    const int selectedValue = selected ? values[static_cast<std::size_t>(*selected)] : 0;
    const bool matchesSelection = game.highlightsMatchingNumbers() && selectedValue != 0;

    std::array<bool, kCellCount> showsHintReason{};
    if (const auto &hint = game.explainedHint()) {
        for (const int index : hint->explanation.cells) {
            showsHintReason[static_cast<std::size_t>(index)] = true;
        }
    }

    const StepMarks step = game.shownStep() ? stepMarks(*game.shownStep(), values) : StepMarks{};

    std::array<bool, kCellCount> isPeerOfSelection{};
    if (selected) {
        for (const std::uint8_t peer : peers[static_cast<std::size_t>(*selected)]) {
            isPeerOfSelection[peer] = true;
        }
    }

    for (int index = 0; index < kCellCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        Cell &cell = cells[i];
        cell.value = values[i];
        cell.given = game.puzzle().givens[i] != 0;
        // Mistakes are not looked up while they are not shown.
        cell.mistake = game.highlightsMistakes() && game.isMistake(index);
        cell.selected = selected == index;
        cell.notes = cell.value == 0 ? game.notes()[i] : 0;
        cell.removedNotes = cell.value == 0 ? step.removed[i] : 0;
        if (step.pattern[i]) {
            cell.highlight = StepPattern;
        } else if (armed && cell.value == *armed) {
            cell.highlight = ArmedDigit;
        } else if (cell.selected) {
            cell.highlight = Selected;
        } else if (step.area[i]) {
            cell.highlight = StepArea;
        } else if (armed) {
            cell.highlight = game.isBlocked(index, *armed) ? Blocked : None;
        } else if (showsHintReason[i]) {
            cell.highlight = HintReason;
        } else if (!selected) {
            cell.highlight = None;
        } else if (matchesSelection && cell.value == selectedValue) {
            cell.highlight = SameDigit;
        } else if (isPeerOfSelection[i]) {
            cell.highlight = Peer;
        } else {
            cell.highlight = None;
        }
    }
    return cells;
}

void BoardCellModel::refresh()
{
    const std::array<Cell, 81> cells = currentCells();
    // One dataChanged per run of changed cells: a move changes a few cells,
    // a new selection a few rows and columns.
    int first = 0;
    while (first < kCellCount) {
        if (cells[static_cast<std::size_t>(first)] == m_cells[static_cast<std::size_t>(first)]) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < kCellCount && cells[static_cast<std::size_t>(last + 1)] !=
                                            m_cells[static_cast<std::size_t>(last + 1)]) {
            ++last;
        }
        std::copy(cells.begin() + first, cells.begin() + last + 1, m_cells.begin() + first);
        emit dataChanged(index(first), index(last));
        first = last + 1;
    }
}

} // namespace pondrel
