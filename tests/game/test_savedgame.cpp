#include "gametestsupport.h"

#include <QSignalSpy>

#include <map>

using namespace pondrel;
using namespace pondrel::test;

namespace {

constexpr int kOpen = 2;
const QByteArray kMarker("marker");

std::string notesJson(const std::string &first, int count = kCellCount)
{
    std::string list = "[" + first;
    for (int n = 1; n < count; ++n) {
        list += ",0";
    }
    return list + "]";
}

// The JSON text of a record of kPuzzle with members replaced by raw JSON
// text, or left out where the replacement is empty.
QByteArray recordText(const std::map<std::string, std::string> &changes = {})
{
    const std::vector<std::pair<std::string, std::string>> members{{"version", "1"},
                                                                   {"difficulty", "\"Medium\""},
                                                                   {"givens", '"' + kPuzzle + '"'},
                                                                   {"values", '"' + kPuzzle + '"'},
                                                                   {"notes", notesJson("0")},
                                                                   {"elapsed", "5"},
                                                                   {"hintsUsed", "0"},
                                                                   {"hasStarted", "true"}};
    std::string text;
    for (const auto &[key, original] : members) {
        const auto change = changes.find(key);
        const std::string value = change == changes.end() ? original : change->second;
        if (!value.empty()) {
            text += (text.empty() ? "{\"" : ",\"") + key + "\":" + value;
        }
    }
    return QByteArray::fromStdString(text + "}");
}

std::string valuesJson(int cell, const std::string &replacement)
{
    std::string text = kPuzzle;
    text.replace(static_cast<std::size_t>(cell), 1, replacement);
    return '"' + text + '"';
}

} // namespace

using SaveAndRestore = GameTest;

TEST_F(SaveAndRestore, oneMoveIsWrittenOnceAtTheNextTurn)
{
    auto game = makeGame();
    nextTurn();
    // The game dealt at construction is written only after the first change.
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));

    // A task queued in the middle of the move notes what is stored and
    // writes a marker: a save queued by a later change of the same move
    // would run after it and overwrite the marker.
    QObject context;
    QByteArray beforeMarker;
    QObject::connect(game.get(), &SudokuGame::valuesChanged, &context, [&] {
        QMetaObject::invokeMethod(
            &context,
            [&] {
                beforeMarker = stored(kSavedSudokuKey).toByteArray();
                storeValue(kSavedSudokuKey, kMarker);
            },
            Qt::QueuedConnection);
    });
    type(*game, kOpen, 4);
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
    nextTurn();
    const auto saved = decodeSavedSudoku(beforeMarker.toStdString());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->values[kOpen], '4');
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), kMarker);
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), kMarker);
}

TEST_F(SaveAndRestore, theGameComesBackAfterARelaunch)
{
    auto game = makeGame();
    type(*game, kOpen, 4);
    game->setNotesMode(true);
    type(*game, 3, 6);
    type(*game, 3, 9);
    game->setNotesMode(false);
    game->tapCell(40);
    game->giveHint();
    game->setPlayActive(true);
    QSignalSpy ticks(game.get(), &SudokuGame::elapsedChanged);
    ASSERT_TRUE(ticks.wait(2000));
    game->setPlayActive(false);
    nextTurn();
    const SudokuPuzzle puzzle = game->puzzle();
    const Grid values = game->values();
    const Masks notes = game->notes();
    const qint64 elapsed = game->elapsed();
    game.reset();
    reopenStore();

    auto restored = makeGame();
    EXPECT_EQ(restored->puzzle(), puzzle);
    EXPECT_EQ(restored->values(), values);
    EXPECT_EQ(restored->notes(), notes);
    EXPECT_EQ(restored->elapsed(), elapsed);
    EXPECT_EQ(restored->hintsUsed(), 1);
    EXPECT_TRUE(restored->hasStartedCurrentGame());
    EXPECT_EQ(restored->selectedCell(), std::nullopt);
    EXPECT_TRUE(restored->history().empty());
    EXPECT_TRUE(restored->supply().state().played.empty());
}

TEST_F(SaveAndRestore, constructionLeavesAValidRecordUntouched)
{
    // Keys out of order and blanks: any rewrite would show.
    const QByteArray text = " { \"hasStarted\" : false ," + recordText({{"hasStarted", ""}}).mid(1);
    storeValue(kSavedSudokuKey, text);
    auto game = makeGame();
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->elapsed(), 5);
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), text);
}

TEST_F(SaveAndRestore, digitsOfOtherScriptsAreRead)
{
    // Arabic-Indic digits (U+0660 + d) throughout, with a 4 in an open cell.
    std::string text;
    for (const char c : kPuzzle) {
        text += "\xD9";
        text += static_cast<char>(0xA0 + (c - '0'));
    }
    text[2 * kOpen + 1] = '\xA4';
    storeValue(kSavedSudokuKey, recordText({{"values", '"' + text + '"'}}));
    auto game = makeGame();
    EXPECT_TRUE(game->supply().state().played.empty());
    EXPECT_EQ(game->values()[kOpen], 4);
    EXPECT_EQ(game->values()[0], 5);
}

TEST_F(SaveAndRestore, restoringAnotherDifficultySwitchesTheSettingWithoutDealing)
{
    storeValue(GameSettings::kDifficultyKey, QStringLiteral("Medium"));
    storeValue(kSavedSudokuKey, recordText({{"difficulty", "\"Hard\""}}));
    auto game = makeGame();
    EXPECT_EQ(game->difficulty(), Difficulty::hard);
    EXPECT_EQ(game->puzzle().difficulty, Difficulty::hard);
    EXPECT_EQ(stored(GameSettings::kDifficultyKey).toString(), QStringLiteral("Hard"));
    EXPECT_TRUE(game->supply().state().played.empty());
}

TEST_F(SaveAndRestore, aModelThatDoesNotPersistNeverReadsOrWritesTheRecord)
{
    storeValue(kSavedSudokuKey, recordText());
    auto game = makeGame(false);
    EXPECT_FALSE(game->hasStartedCurrentGame());
    type(*game, kOpen, 4);
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), recordText());
    EXPECT_EQ(game->gamesCount(), 1); // statistics still count
}

TEST_F(SaveAndRestore, saveNowWritesTheQueuedSaveOnceAndAtOnce)
{
    auto game = makeGame();
    nextTurn();
    // Nothing queued: nothing written.
    game->saveNow();
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));

    type(*game, kOpen, 4);
    game->saveNow();
    const auto saved = decodeSavedSudoku(stored(kSavedSudokuKey).toByteArray().toStdString());
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->values[kOpen], '4');

    // The save that was queued has nothing left to write.
    storeValue(kSavedSudokuKey, kMarker);
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), kMarker);

    // A later move queues a save of its own again.
    type(*game, kOpen + 1, 6);
    nextTurn();
    EXPECT_NE(stored(kSavedSudokuKey).toByteArray(), kMarker);
}

TEST_F(SaveAndRestore, aSaveQueuedByADestroyedModelWritesNothing)
{
    auto game = makeGame();
    storeValue(kSavedSudokuKey, kMarker);
    type(*game, kOpen, 4);
    game.reset();
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), kMarker);
}

struct BadRecord
{
    const char *name;
    QVariant stored;
};

void PrintTo(const BadRecord &record, std::ostream *out)
{
    *out << record.name;
}

class RejectedRecords : public GameTest, public testing::WithParamInterface<BadRecord>
{
};

TEST_P(RejectedRecords, areRemovedAndANewGameIsDealt)
{
    storeValue(kSavedSudokuKey, GetParam().stored);
    auto game = makeGame();
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));
    EXPECT_EQ(game->supply().state().played.size(), 1u);
    EXPECT_EQ(game->elapsed(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    SaveAndRestore,
    RejectedRecords,
    testing::Values(
        BadRecord{"notJson", QByteArray("{\"version\":1,")},
        BadRecord{"notAnObject", QByteArray("[1]")},
        BadRecord{"textNotBytes", QString::fromLatin1(recordText())},
        BadRecord{"missingKey", recordText({{"hasStarted", ""}})},
        BadRecord{"versionAsText", recordText({{"version", "\"1\""}})},
        BadRecord{"versionAsFloat", recordText({{"version", "1.0"}})},
        BadRecord{"version2", recordText({{"version", "2"}})},
        BadRecord{"lowerCaseDifficulty", recordText({{"difficulty", "\"medium\""}})},
        BadRecord{"startedAsNumber", recordText({{"hasStarted", "1"}})},
        BadRecord{"elapsedAsFloat", recordText({{"elapsed", "1.5"}})},
        BadRecord{"negativeElapsed", recordText({{"elapsed", "-1"}})},
        BadRecord{"elapsedBeyond64Bits", recordText({{"elapsed", "9223372036854775808"}})},
        BadRecord{"elapsedBeyondWhatTheClockShows", recordText({{"elapsed", "9007199254740992"}})},
        BadRecord{"negativeHints", recordText({{"hintsUsed", "-1"}})},
        BadRecord{"noteWithBit0", recordText({{"notes", notesJson("1")}})},
        BadRecord{"noteWithBit10", recordText({{"notes", notesJson("1024")}})},
        BadRecord{"noteAbove16Bits", recordText({{"notes", notesJson("65536")}})},
        BadRecord{"negativeNote", recordText({{"notes", notesJson("-2")}})},
        BadRecord{"noteAsFloat", recordText({{"notes", notesJson("2.0")}})},
        BadRecord{"eightyNotes", recordText({{"notes", notesJson("0", 80)}})},
        BadRecord{"givensWithTwoSolutions", recordText({{"givens", '"' + kTwoSolutions + '"'}})},
        BadRecord{"eightyCharacterValues", recordText({{"values", valuesJson(80, "")}})},
        BadRecord{"dotInValues", recordText({{"values", valuesJson(kOpen, ".")}})},
        BadRecord{"romanTwelveInValues", recordText({{"values", valuesJson(kOpen, "\u216B")}})},
        BadRecord{"invalidUtf8InValues", recordText({{"values", valuesJson(kOpen, "\xFF")}})},
        BadRecord{"givenChangedInValues", recordText({{"values", valuesJson(0, "1")}})}),
    [](const testing::TestParamInfo<BadRecord> &info) { return std::string(info.param.name); });
