#include "qtforms.h"
#include "sudokugame.h"

// The forms QML reads: the game's records as Qt lists and maps, and the
// enumerations as their raw texts.

namespace pondrel {

QVariantMap SudokuGame::puzzleForQml() const
{
    return {{QStringLiteral("givens"), QVariant::fromValue(toIntList(m_puzzle.givens))},
            {QStringLiteral("solution"), QVariant::fromValue(toIntList(m_puzzle.solution))},
            {QStringLiteral("difficulty"), toQString(rawValue(m_puzzle.difficulty))}};
}

QList<int> SudokuGame::valuesForQml() const
{
    return toIntList(m_values);
}

QList<int> SudokuGame::notesForQml() const
{
    return toIntList(m_notes);
}

QVariantList SudokuGame::historyForQml() const
{
    QVariantList list;
    list.reserve(static_cast<qsizetype>(m_history.size()));
    for (const Snapshot &snapshot : m_history) {
        list.append(
            QVariantMap{{QStringLiteral("values"), QVariant::fromValue(toIntList(snapshot.values))},
                        {QStringLiteral("notes"), QVariant::fromValue(toIntList(snapshot.notes))}});
    }
    return list;
}

QVariantMap SudokuGame::stepLineForQml() const
{
    if (!m_shownStep) {
        return {};
    }
    return stepLine(*m_shownStep, m_values).toQml();
}

QString SudokuGame::menuBarIconText() const
{
    return toQString(rawValue(menuBarIcon()));
}

QString SudokuGame::boardSizeText() const
{
    return toQString(rawValue(boardSize()));
}

QString SudokuGame::difficultyText() const
{
    return toQString(rawValue(difficulty()));
}

QVariantMap SudokuGame::bestTimesForQml() const
{
    QVariantMap times;
    for (const auto &[difficulty, seconds] : bestTimes()) {
        times.insert(toQString(rawValue(difficulty)), seconds);
    }
    return times;
}

} // namespace pondrel
