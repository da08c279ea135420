#include "testgames.h"

#include "nextstep.h"
#include "puzzlesupply.h"
#include "steplinks.h"
#include "sudokugame.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>

#include <chrono>
#include <memory>
#include <set>
#include <utility>

namespace pondrel::test {

namespace {

// A well-known 30-clue puzzle with one solution.
constexpr char kPuzzle[] =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr char kSolution[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

constexpr char kListFileName[] = "Puzzles.txt";

} // namespace

TestGames::TestGames(QObject *parent) : QObject(parent)
{
    QFile list(m_dir.filePath(QString::fromLatin1(kListFileName)));
    if (list.open(QIODevice::WriteOnly)) {
        for (const char letter : {'E', 'M', 'H', 'X'}) {
            list.write(QByteArray(1, letter) + ' ' + kPuzzle + '\n');
        }
    }
}

void TestGames::registerType()
{
    qmlRegisterSingletonType<TestGames>(
        "Pondrel.Testing", 1, 0, "TestGames", [](QQmlEngine *, QJSEngine *) -> QObject * {
            return new TestGames;
        });
}

QString TestGames::puzzle() const
{
    return QString::fromLatin1(kPuzzle);
}

QString TestGames::solution() const
{
    return QString::fromLatin1(kSolution);
}

SudokuGame *TestGames::makeGame(int tickMilliseconds, const QVariantMap &stored)
{
    ++m_gamesMade;
    auto *store = new QSettings(m_dir.filePath(QStringLiteral("settings-%1.conf").arg(m_gamesMade)),
                                QSettings::NativeFormat,
                                this);
    for (auto entry = stored.cbegin(); entry != stored.cend(); ++entry) {
        store->setValue(entry.key(), entry.value());
    }
    PuzzleSupply::Sources sources;
    sources.bundledListPath = m_dir.filePath(QString::fromLatin1(kListFileName));
    auto supply = std::make_unique<PuzzleSupply>(std::nullopt, false, std::move(sources));
    auto *game = new SudokuGame(store, std::move(supply), /*persistsGame=*/false, this);
    // The store outlives the game's own destructor, which may still write.
    store->setParent(game);
    game->setTickIntervalForTesting(std::chrono::milliseconds(tickMilliseconds));
    return game;
}

QVariantList TestGames::stepLineSamples()
{
    // The last row, column and box, each with a partner unit for pointing
    // and claiming; cell 80 and digit 9 throughout, and every part of a
    // pattern filled with far cells (two-digit numbers read longest).
    constexpr int kRow = 8;
    constexpr int kColumn = 17;
    constexpr int kBox = 26;
    const std::pair<int, int> unitPairs[] = {
        {kRow, kBox}, {kColumn, kBox}, {kBox, kRow}, {kBox, kColumn}};
    Grid values{};
    values[80] = 9;
    // A 1 in cell 80's box alone: a naked single's nudge names the box too.
    Grid boxed = values;
    boxed[60] = 1;
    QVariantList samples;
    std::set<std::pair<QString, QString>> seen;
    const auto addLine = [&](const StepLine &line) {
        if (seen.insert({line.key, line.technique}).second) {
            samples.append(line.toQml());
        }
    };
    const auto add = [&](const ShownStep &shown) {
        for (const Grid *board : {&values, &boxed}) {
            addLine(stepLine(shown, *board));
        }
    };
    add(ShownStep{ShownStep::Stage::nudge, 80, {}});
    ShownStep stuck;
    stuck.isStuck = true;
    add(stuck);
    // A chain of seven links over far cells, ending in a strong link.
    std::vector<ChainLink> chain;
    for (int i = 0; i < 7; ++i) {
        chain.push_back({{60 + 2 * i, 8}, {61 + 2 * i, 9}, i % 2 == 0});
    }
    const Contradiction contradictions[] = {{Contradiction::Kind::noCandidate, 79, -1, 0},
                                            {Contradiction::Kind::noPlace, -1, kColumn, 9},
                                            {Contradiction::Kind::twice, -1, kBox, 9}};
    for (int technique = 0; technique < int(kTechniqueCount); ++technique) {
        for (const auto &[first, second] : unitPairs) {
            ShownStep shown;
            Step &step = shown.step;
            step.technique = static_cast<Technique>(technique);
            // A quad's four digits; a rectangle removes one or two.
            step.digits = step.technique == Technique::uniqueRectangle
                              ? digitBit(8) | digitBit(9)
                              : digitBit(6) | digitBit(7) | digitBit(8) | digitBit(9);
            step.units = {first, second};
            step.cells = {60, 62, 78, 80};
            step.eliminations = {{80, 9}, {80, 8}};
            step.pivot = 70;
            step.pincers = {62, 78};
            step.fins = {70, 71};
            step.pairDigits = digitBit(7) | digitBit(8);
            step.links = chain;
            for (const auto stage : {ShownStep::Stage::nudge, ShownStep::Stage::reason}) {
                shown.stage = stage;
                add(shown);
            }
            // The other shapes of a pattern: a colouring's wrap, a chain of
            // three or five links, a verity on one cell.
            step.colours = {std::vector<int>{80, 79}, std::vector<int>{62}};
            step.units = {};
            step.links.resize(
                step.technique == Technique::wWing || step.technique == Technique::xyWing ? 5 : 3);
            addLine(reasonLine(step));
            step.cells = {80};
            step.eliminations = {{80, 9}};
            addLine(reasonLine(step));
            step.links = chain;
            for (const Contradiction &contradiction : contradictions) {
                step.assumption = Candidate{80, 9};
                step.contradiction = contradiction;
                addLine(reasonLine(step));
            }
        }
    }
    // The hint's lines.
    using Kind = HintExplanation::Kind;
    for (const Kind kind : {Kind::nakedSingle,
                            Kind::hiddenSingleInRow,
                            Kind::hiddenSingleInColumn,
                            Kind::hiddenSingleInBox,
                            Kind::elimination,
                            Kind::onlyCompletion}) {
        addLine(hintLine({kind, 8, {}, std::nullopt}, 9));
        for (int technique = 0; technique < int(kTechniqueCount); ++technique) {
            addLine(hintLine({kind, 8, {}, static_cast<Technique>(technique)}, 9));
        }
    }
    return samples;
}

QVariantList TestGames::chainLinksSample()
{
    ShownStep shown;
    shown.stage = ShownStep::Stage::reason;
    shown.step.technique = Technique::xyChain;
    // r1c3: 1 = 4; 4 of row 1 past r1c4's 4 to r1c6; down to r3c6; along
    // row 3 to r3c4; up to r1c4.
    shown.step.links = {{{2, 1}, {2, 4}, true},
                        {{2, 4}, {5, 4}, false},
                        {{5, 4}, {23, 4}, true},
                        {{23, 4}, {21, 4}, false},
                        {{21, 4}, {3, 4}, true}};
    shown.step.eliminations = {{22, 4}};
    return shownLinks(shown);
}

void TestGames::discard(SudokuGame *game)
{
    if (game != nullptr && game->parent() == this) {
        game->deleteLater();
    }
}

void TestGames::sendKey(
    QQuickItem *item, int key, int modifiers, const QString &text, bool autoRepeat)
{
    if (item == nullptr || item->window() == nullptr) {
        return;
    }
    QQuickWindow *window = item->window();
    const auto mods = Qt::KeyboardModifiers::fromInt(modifiers);
    QKeyEvent press(QEvent::KeyPress, key, mods, text, autoRepeat);
    QCoreApplication::sendEvent(window, &press);
    if (!autoRepeat) {
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QCoreApplication::sendEvent(window, &release);
    }
}

} // namespace pondrel::test
