#pragma once

#include "boardsize.h"
#include "difficulty.h"
#include "menubariconoption.h"
#include "storedvalue.h"

class QSettings;

namespace pondrel {

// The player's settings as the model holds them, each with its store key and
// its default for a key that is absent or holds something unrecognised.
// SudokuGame owns one and decides when each is announced and written; only
// loading happens here.
struct GameSettings
{
    static constexpr char kHasSeenWelcomeKey[] = "Pondrel_HasSeenWelcome";
    static constexpr char kHighlightsMistakesKey[] = "Pondrel_HighlightsMistakes";
    static constexpr char kHighlightsMatchesKey[] = "Pondrel_HighlightsMatches";
    static constexpr char kClearsNotesKey[] = "Pondrel_ClearsNotes";
    static constexpr char kDifficultyKey[] = "Pondrel_Difficulty";
    static constexpr char kBoardSizeKey[] = "Pondrel_BoardSize";
    static constexpr char kMenuBarIconKey[] = "Pondrel_MenuBarIcon";
    static constexpr char kExplainsHintsKey[] = "Pondrel_ExplainsHints";

    StoredValue<bool> highlightsMistakes{kHighlightsMistakesKey, false};
    StoredValue<bool> hasSeenWelcome{kHasSeenWelcomeKey, false};
    StoredValue<bool> highlightsMatchingNumbers{kHighlightsMatchesKey, true};
    StoredValue<bool> clearsNotesAutomatically{kClearsNotesKey, true};
    StoredValue<Difficulty> difficulty{kDifficultyKey, Difficulty::medium};
    StoredValue<BoardSize> boardSize{kBoardSizeKey, BoardSize::standard};
    StoredValue<MenuBarIconOption> menuBarIcon{kMenuBarIconKey, MenuBarIconOption::dots};
    StoredValue<bool> explainsHints{kExplainsHintsKey, true};

    // Reads every setting once; writes nothing back.
    void load(const QSettings &store);
};

} // namespace pondrel
