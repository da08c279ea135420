#pragma once

#include "gamesettings.h"
#include "gamestatistics.h"
#include "playhelpers.h"
#include "puzzlesupply.h"
#include "randomsource.h"
#include "savedsudoku.h"
#include "solver.h"
#include "sudokugame.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace pondrel::test {

// A well-known 30-clue puzzle with one solution; every test deals it.
inline const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Cells 0, 1, 27 and 28 of this finished grid emptied: their digits can swap.
inline const std::string kTwoSolutions =
    "003456789456789123789123456004365897365897214897214365531642978642978531978531642";

// A scripted random source: returns its values in turn, then the last one
// again. Note that uniformBelow() rejects small draws such as 0 (they would
// bias the result), so a script of zeros never ends; 1 picks index 0.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<std::uint64_t> values) : m_values(std::move(values)) {}
    std::uint64_t next() override
    {
        const std::uint64_t value = m_values.at(m_next);
        m_next = std::min(m_next + 1, m_values.size() - 1);
        return value;
    }

private:
    std::vector<std::uint64_t> m_values;
    std::size_t m_next = 0;
};

// A game on a temporary preference file and an in-memory supply whose
// built-in list holds kPuzzle for every difficulty, with background
// generation off.
class GameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile list(m_dir.filePath(QStringLiteral("Puzzles.txt")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        for (const char letter : {'E', 'M', 'H', 'X'}) {
            list.write(QByteArray(1, letter) + ' ' + QByteArray::fromStdString(kPuzzle) + '\n');
        }
        m_store = std::make_unique<QSettings>(settingsPath(), QSettings::NativeFormat);
    }

    QString settingsPath() const { return m_dir.filePath(QStringLiteral("settings.conf")); }
    QSettings &store() { return *m_store; }

    std::unique_ptr<SudokuGame> makeGame(bool persistsGame = true)
    {
        PuzzleSupply::Sources sources;
        sources.bundledListPath = m_dir.filePath(QStringLiteral("Puzzles.txt"));
        auto supply = std::make_unique<PuzzleSupply>(std::nullopt, false, std::move(sources));
        auto game = std::make_unique<SudokuGame>(m_store.get(), std::move(supply), persistsGame);
        game->setTickIntervalForTesting(std::chrono::milliseconds(2));
        return game;
    }

    // Writes the store to disk and reopens it, as the next launch would.
    void reopenStore()
    {
        m_store->sync();
        m_store = std::make_unique<QSettings>(settingsPath(), QSettings::NativeFormat);
    }

    QVariant stored(const char *key) const { return m_store->value(QLatin1String(key)); }
    void storeValue(const char *key, const QVariant &value)
    {
        m_store->setValue(QLatin1String(key), value);
    }

    void storeRecord(const SavedSudoku &record)
    {
        storeValue(kSavedSudokuKey, QByteArray::fromStdString(encodeSavedSudoku(record).value()));
    }

    // A record of kPuzzle with the values given (kPuzzle itself by default).
    static SavedSudoku record(const std::string &values = kPuzzle)
    {
        SavedSudoku saved;
        saved.difficulty = Difficulty::medium;
        saved.givens = kPuzzle;
        saved.values = values;
        saved.notes.assign(kCellCount, 0);
        saved.hasStarted = true;
        return saved;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_store;
};

// Lets queued work (the save) run.
inline void nextTurn()
{
    QCoreApplication::processEvents();
}

// A digit that is wrong for the cell.
inline int wrongDigit(const SudokuGame &game, int cell)
{
    return solutionAt(game, cell) % 9 + 1;
}

// Fills every open cell with its solution digit except the last `leave` ones.
// Needs no digit armed.
inline void solveAllBut(SudokuGame &game, std::size_t leave)
{
    const std::vector<int> cells = openCells(game);
    for (std::size_t i = 0; i + leave < cells.size(); ++i) {
        if (game.values()[cells[i]] != solutionAt(game, cells[i])) {
            type(game, cells[i], solutionAt(game, cells[i]));
        }
    }
}

} // namespace pondrel::test
