// Plays in a tight loop on the real preference store and supply folder (the
// XDG folders it is given), rewriting the supply file and the store in every
// iteration, and reports its progress on stdout (crashprotocol.h) so that a
// driver can kill it at any moment and check what survived.
//
//   pondrel_crash_writer [iterations]   loops forever without a count
//
// Each iteration n (n = games counted so far) deals a game (a difficulty
// change every fourth time), starts it, either solves it (odd n) or leaves it
// half played (even n), changes every setting, writes the saved game into the
// store and syncs the store. The event loop never runs, so nothing is written
// except at these points.

#include "crashprotocol.h"
#include "crashtestsupport.h"
#include "puzzlesupply.h"
#include "settingsstore.h"
#include "sudokugame.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <array>
#include <memory>

#include <unistd.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

void report(const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    // One write per line: the pipe keeps it whole (see crashprotocol.h).
    const ssize_t written = ::write(STDOUT_FILENO, bytes.constData(), std::size_t(bytes.size()));
    if (written != bytes.size()) {
        ::_exit(3);
    }
}

QString supplyText(const PuzzleSupply &supply)
{
    const std::vector<std::uint64_t> &played = supply.state().played;
    return QStringLiteral("%1 %2 %3")
        .arg(played.size())
        .arg(played.empty() ? 0 : played.back())
        .arg(playedHash(played));
}

void iterate(SudokuGame &game, QSettings &store)
{
    const qint64 n = game.gamesCount();
    report(QStringLiteral("S %1").arg(n));
    if (n % 4 == 3) {
        const auto next = static_cast<int>(game.difficulty()) + 1;
        game.setDifficulty(allDifficulties[std::size_t(next) % allDifficulties.size()]);
    } else {
        game.startNewGame();
    }
    report(QStringLiteral("s %1 %2").arg(n).arg(supplyText(game.supply())));

    const std::vector<int> open = openCells(game);
    if (n % 2 == 1) {
        for (const int cell : open) {
            type(game, cell, solutionAt(game, cell));
        }
    } else {
        type(game, open[0], solutionAt(game, open[0]));
        type(game, open[1], solutionAt(game, open[1]) % 9 + 1);
        game.setNotesMode(true);
        type(game, open[2], solutionAt(game, open[2]));
        type(game, open[3], solutionAt(game, open[3]));
        game.setNotesMode(false);
        game.undo();
    }

    game.setHighlightsMistakes(n % 2 == 0);
    game.setBoardSize(n % 3 == 0 ? BoardSize::large : BoardSize::standard);
    game.setMenuBarIcon(allMenuBarIconOptions[std::size_t(n) % allMenuBarIconOptions.size()]);
    game.setClearsNotesAutomatically(n % 5 != 0);
    game.setHighlightsMatchingNumbers(n % 7 != 0);
    game.setHasSeenWelcome(true);
    game.saveNow();

    report(QStringLiteral("C %1 %2").arg(n).arg(storeSummary(store)));
    store.sync();
    if (store.status() != QSettings::NoError) {
        report(QStringLiteral("error sync %1").arg(int(store.status())));
        ::_exit(4);
    }
    report(QStringLiteral("c %1").arg(n));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString name = QStringLiteral("pondrel-sudoku");
    QCoreApplication::setApplicationName(name);
    const QStringList arguments = QCoreApplication::arguments();
    const long long iterations = arguments.size() > 1 ? arguments[1].toLongLong() : -1;

    // The application's own folders; no background generation, so the supply
    // file is written only by the deals below.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder)) {
        return 2;
    }
    QSettings store(pondrel::storeFormat(), QSettings::UserScope, name, name);
    SudokuGame game(&store, std::make_unique<PuzzleSupply>(dataFolder, false), true);
    report(QStringLiteral("ready %1 %2").arg(supplyText(game.supply()), storeSummary(store)));

    for (long long i = 0; iterations < 0 || i < iterations; ++i) {
        iterate(game, store);
    }
    return 0;
}
