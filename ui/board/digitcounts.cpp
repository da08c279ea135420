#include "digitcounts.h"

#include "sudokugame.h"

namespace pondrel {

DigitCounts::DigitCounts(QObject *parent) : QObject(parent) {}

void DigitCounts::setGame(SudokuGame *game)
{
    if (m_game == game) {
        return;
    }
    if (m_game) {
        disconnect(m_game, nullptr, this, nullptr);
    }
    m_game = game;
    if (m_game) {
        // Completion compares the entries with the solution.
        connect(m_game, &SudokuGame::valuesChanged, this, &DigitCounts::refresh);
        connect(m_game, &SudokuGame::puzzleChanged, this, &DigitCounts::refresh);
        connect(m_game, &QObject::destroyed, this, &DigitCounts::refresh);
    }
    refresh();
    emit gameChanged();
}

void DigitCounts::refresh()
{
    QList<int> remaining(9, 9);
    QList<int> complete;
    if (m_game) {
        for (int digit = 1; digit <= 9; ++digit) {
            remaining[digit - 1] = m_game->remainingCount(digit);
            if (m_game->isDigitComplete(digit)) {
                complete.append(digit);
            }
        }
    }
    if (remaining != m_remainingCounts) {
        m_remainingCounts = remaining;
        emit remainingCountsChanged();
    }
    if (complete != m_completeDigits) {
        m_completeDigits = complete;
        emit completeDigitsChanged();
    }
}

} // namespace pondrel
