#include "qtforms.h"

#include "grid.h"

namespace pondrel {

QList<int> digitsOf(std::uint16_t mask)
{
    QList<int> digits;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((mask & digitBit(digit)) != 0) {
            digits.append(digit);
        }
    }
    return digits;
}

QVariantMap toQml(const SudokuPuzzle &puzzle)
{
    return {{QStringLiteral("givens"), QVariant::fromValue(toIntList(puzzle.givens))},
            {QStringLiteral("solution"), QVariant::fromValue(toIntList(puzzle.solution))},
            {QStringLiteral("difficulty"), rawValueText(puzzle.difficulty)}};
}

QVariantMap toQml(const std::map<Difficulty, qint64> &bestTimes)
{
    QVariantMap times;
    for (const auto &[difficulty, seconds] : bestTimes) {
        times.insert(rawValueText(difficulty), seconds);
    }
    return times;
}

} // namespace pondrel
