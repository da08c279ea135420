#include "puzzlesupply.h"

#include "generationpool.h"
#include "generator.h"
#include "randomsource.h"
#include "regularfile.h"
#include "solver.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

#include <algorithm>
#include <numeric>
#include <span>

namespace pondrel {

namespace {

std::string keyOf(Difficulty difficulty)
{
    return std::string(rawValue(difficulty));
}

// The fingerprint of a text of 81 ASCII digits without solving it, so that
// texts already dealt are passed over for the price of a hash. Other texts
// (other scripts' digits, junk) go through fromText() first.
std::optional<std::uint64_t> plainTextFingerprint(std::string_view text)
{
    if (text.size() != kCellCount) {
        return std::nullopt;
    }
    Grid grid{};
    for (int i = 0; i < kCellCount; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        grid[i] = static_cast<std::uint8_t>(text[i] - '0');
    }
    return fingerprint(grid);
}

std::optional<SudokuPuzzle>
defaultGenerate(Difficulty difficulty, int attempts, const std::atomic<bool> *stop)
{
    return generate(difficulty, attempts, stop);
}

} // namespace

PuzzleSupply::PuzzleSupply(std::optional<QString> directory,
                           bool generatesInBackground,
                           QObject *parent)
    : PuzzleSupply(std::move(directory), generatesInBackground, Sources{}, parent)
{}

PuzzleSupply::PuzzleSupply(std::optional<QString> directory,
                           bool generatesInBackground,
                           Sources sources,
                           QObject *parent)
    : QObject(parent), m_generatesInBackground(generatesInBackground),
      m_generate(sources.generate ? std::move(sources.generate) : GenerateFunction(defaultGenerate))
{
    if (directory) {
        m_filePath = QDir(*directory).filePath(QString::fromLatin1(kSupplyFileName));
    }
    m_bundled = loadBundledList(sources.bundledListPath);
    if (m_filePath) {
        if (std::optional<SavedState> saved = readSupplyFile(*m_filePath)) {
            m_state = std::move(*saved);
        } else if (QFileInfo::exists(*m_filePath)) {
            // The first save replaces the file; the player keeps a copy of
            // what could not be read.
            keepDamagedCopy(*m_filePath);
        }
    }
}

PuzzleSupply::~PuzzleSupply()
{
    m_stop->store(true);
}

std::unique_ptr<PuzzleSupply> PuzzleSupply::makeDefault()
{
    std::optional<QString> directory;
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // mkpath() succeeds when the path exists, but it might exist as a file.
    if (!location.isEmpty() && QDir().mkpath(location) && QFileInfo(location).isDir()) {
        directory = location;
    }
    return std::make_unique<PuzzleSupply>(std::move(directory), true);
}

std::optional<SudokuPuzzle> PuzzleSupply::takeReady(Difficulty difficulty)
{
    const auto queue = m_state.ready.find(keyOf(difficulty));
    if (queue != m_state.ready.end()) {
        std::vector<std::string> &texts = queue->second;
        // Queues hold a handful of texts, so erasing at the front is cheap.
        while (!texts.empty()) {
            const std::string text = std::move(texts.front());
            texts.erase(texts.begin());
            if (const std::optional<std::uint64_t> print = plainTextFingerprint(text);
                print && isPlayed(*print)) {
                continue;
            }
            std::optional<SudokuPuzzle> puzzle = fromText(text, difficulty);
            if (puzzle && !isPlayed(fingerprint(puzzle->givens))) {
                return puzzle;
            }
        }
    }
    return takeFromBundled(difficulty, true);
}

std::optional<SudokuPuzzle> PuzzleSupply::takeBundled(Difficulty difficulty)
{
    return takeFromBundled(difficulty, false);
}

SudokuPuzzle PuzzleSupply::deal(Difficulty difficulty)
{
    if (std::optional<SudokuPuzzle> puzzle = takeReady(difficulty)) {
        return *puzzle;
    }
    if (std::optional<SudokuPuzzle> puzzle = takeBundled(difficulty)) {
        return *puzzle;
    }
    // The engine's generator, not the substitutable one of the sources:
    // that one runs on the pool and may be told to stop, while a deal must
    // end with a puzzle.
    for (;;) {
        if (std::optional<SudokuPuzzle> puzzle = generate(difficulty, generationAttempts)) {
            return *puzzle;
        }
    }
}

std::optional<SudokuPuzzle> PuzzleSupply::takeFromBundled(Difficulty difficulty,
                                                          bool skipPlayed) const
{
    const auto list = m_bundled.find(difficulty);
    if (list == m_bundled.end()) {
        return std::nullopt;
    }
    const std::vector<std::string> &texts = list->second;
    // Shuffling positions instead of a copy of the texts gives the same
    // order for the same draws, without copying the whole list per deal.
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    shuffle(std::span<std::size_t>(order), threadRandomSource());
    for (const std::size_t index : order) {
        const std::string &text = texts[index];
        if (skipPlayed) {
            if (const std::optional<std::uint64_t> print = plainTextFingerprint(text);
                print && isPlayed(*print)) {
                continue;
            }
        }
        std::optional<SudokuPuzzle> puzzle = fromText(text, difficulty);
        if (puzzle && !(skipPlayed && isPlayed(fingerprint(puzzle->givens)))) {
            return puzzle;
        }
    }
    return std::nullopt;
}

void PuzzleSupply::markPlayed(const SudokuPuzzle &puzzle)
{
    std::vector<std::uint64_t> &played = m_state.played;
    played.push_back(fingerprint(puzzle.givens));
    if (played.size() > playedLimit) {
        played.erase(played.begin(), played.end() - static_cast<std::ptrdiff_t>(playedLimit));
    }
    save();
}

void PuzzleSupply::refill()
{
    if (!m_generatesInBackground) {
        return;
    }
    for (const Difficulty difficulty : allDifficulties) {
        const auto queue = m_state.ready.find(keyOf(difficulty));
        if (queue != m_state.ready.end() && queue->second.size() >= readyTarget) {
            continue;
        }
        if (m_generating.contains(difficulty)) {
            continue;
        }
        m_generating.insert(difficulty);
        startGeneration(difficulty);
    }
}

void PuzzleSupply::startGeneration(Difficulty difficulty)
{
    // The task shares nothing with the supply but the stop flag; it reaches
    // the supply again only through a guarded pointer, on the owner's thread.
    detail::startGeneration(
        m_stop,
        [stop = m_stop, generate = m_generate, owner = QPointer<PuzzleSupply>(this), difficulty] {
            std::optional<SudokuPuzzle> puzzle;
            try {
                while (!puzzle && !stop->load()) {
                    puzzle = generate(difficulty, generationAttempts, stop.get());
                }
            } catch (...) {
                // Out of memory, most likely. Free the slot rather than
                // lose the difficulty's refills for good.
                puzzle.reset();
            }
            if (stop->load()) {
                return; // the supply is gone, or the process is ending
            }
            detail::postToOwnerThread([owner, difficulty, puzzle] {
                if (!owner) {
                    return;
                }
                if (puzzle) {
                    owner->storeGenerated(*puzzle, difficulty);
                } else {
                    owner->abandonGeneration(difficulty);
                }
            });
        });
}

void PuzzleSupply::abandonGeneration(Difficulty difficulty)
{
    m_generating.erase(difficulty);
}

void PuzzleSupply::storeGenerated(const SudokuPuzzle &puzzle, Difficulty difficulty)
{
    m_generating.erase(difficulty);
    m_state.ready[keyOf(difficulty)].push_back(gridText(puzzle.givens));
    save();
    refill();
}

void PuzzleSupply::save()
{
    if (m_filePath) {
        writeSupplyFile(m_state, *m_filePath);
    }
}

bool PuzzleSupply::isPlayed(std::uint64_t print) const
{
    // 4000 entries: a linear scan is a few microseconds, and the list must
    // keep its order anyway.
    return std::find(m_state.played.begin(), m_state.played.end(), print) != m_state.played.end();
}

} // namespace pondrel
