#pragma once

#include "puzzlesupply.h"
#include "solver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <array>
#include <chrono>
#include <mutex>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace pondrel::test {

inline constexpr std::string_view kSolvedText =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// The solved grid with the given cells emptied; with at most one empty cell
// per row it still has exactly one solution.
inline std::string solvedWithout(std::initializer_list<int> cells)
{
    std::string text(kSolvedText);
    for (const int cell : cells) {
        text[cell] = '0';
    }
    return text;
}

inline SudokuPuzzle puzzleOf(const std::string &text)
{
    return fromText(text, Difficulty::easy).value();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs the event loop until the condition holds or the time is up.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    const QDeadlineTimer deadline(timeout);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return condition();
}

// A stand-in generator whose calls wait until the test opens the gate (or,
// if it honours it, the stop flag is raised), and which records its calls.
// The record is shared with the calls, which may outlive the test object.
struct GateGenerator
{
    struct Record
    {
        std::array<int, 4> calls{};
        std::array<int, 4> mostRunning{};
        int finished = 0;
        bool sawStop = false;
        bool badArguments = false;
        bool onMainThread = false;
        int lowestNiceness = 100;
    };
    struct Shared
    {
        std::mutex mutex;
        bool gateOpen = false;
        bool honoursStop = true;
        int failuresFirst = 0; // per difficulty, before one call succeeds
        std::array<int, 4> running{};
        Record record;
    };

    ~GateGenerator() { open(); }
    void open()
    {
        const std::lock_guard lock(shared->mutex);
        shared->gateOpen = true;
    }
    Record record() const
    {
        const std::lock_guard lock(shared->mutex);
        return shared->record;
    }

    PuzzleSupply::GenerateFunction function() const
    {
        return [shared = shared,
                result = result](Difficulty d,
                                 int attempts,
                                 const std::atomic<bool> *stop) -> std::optional<SudokuPuzzle> {
            const int niceness = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
            std::unique_lock lock(shared->mutex);
            Record &r = shared->record;
            const int i = static_cast<int>(d);
            ++r.calls[i];
            r.mostRunning[i] = std::max(r.mostRunning[i], ++shared->running[i]);
            r.badArguments |= attempts != PuzzleSupply::generationAttempts || !stop;
            r.onMainThread |= QThread::currentThread() == QCoreApplication::instance()->thread();
            r.lowestNiceness = std::min(r.lowestNiceness, niceness);
            const auto stopped = [&] { return shared->honoursStop && stop && stop->load(); };
            while (!shared->gateOpen && !stopped()) {
                lock.unlock();
                QThread::msleep(1);
                lock.lock();
            }
            r.sawStop |= stopped();
            --shared->running[i];
            ++r.finished;
            if (stopped() || r.calls[i] <= shared->failuresFirst) {
                return std::nullopt;
            }
            return result;
        };
    }

    std::shared_ptr<Shared> shared = std::make_shared<Shared>();
    SudokuPuzzle result = puzzleOf(solvedWithout({30, 41}));
};

} // namespace pondrel::test
