<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>Pondrel</name>
    <message>
        <source>Pondrel Sudoku</source>
        <translation>Pondrel Sudoku</translation>
    </message>
    <message>
        <source>🎉</source>
        <translation>🎉</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Fumbo Limetatuliwa</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Muda: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Cheza Tena</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Madokezo</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Madokezo (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatiki</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Jaza madokezo yote (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Futa</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Futa (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Kidokezo</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Kidokezo (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Fumbo Jipya</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Fumbo Jipya (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Tendua</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Tendua (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menyu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Mapendeleo, Takwimu, Jinsi ya Kucheza, Kuhusu na Ondoka</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Muda wa kucheza %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Je, ungependa kuacha mchezo huu?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ukianza fumbo jipya sasa, mfululizo wako wa ushindi utaanza upya.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ghairi</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Fungua Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Funga Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Ubao wa sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Imebaki %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Zimebaki %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Safu mlalo %lld, safu wima %lld, %lld, imetolewa</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Safu mlalo %lld, safu wima %lld, %lld, si sahihi</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Safu mlalo %lld, safu wima %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Safu mlalo %lld, safu wima %lld, tupu, madokezo %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Safu mlalo %lld, safu wima %lld, tupu</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Karibu kwenye Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku inakaa kwenye trei ya mfumo. Bofya aikoni yake kwenye paneli ili kucheza. Inaonekana hivi:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Aikoni ya mchezo, ikiwa imeangaziwa kwenye paneli</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Huioni? Huenda paneli yako inaficha baadhi ya aikoni nyuma ya kishale.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Unahitaji sheria? Fungua menyu ya mchezo na uchague Jinsi ya Kucheza.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Nimeelewa</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Karibu</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Toleo %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Muda Bora: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Michezo Iliyochezwa</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Michezo Uliyoshinda</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Michezo Uliyopoteza</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Kiwango cha Ushindi</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Mfululizo wa Sasa</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Mfululizo Bora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Weka Upya</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Weka upya takwimu zote</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Funga</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Je, ungependa kuweka upya takwimu zote?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Hii itafuta michezo, ushindi, mifululizo na muda bora wako. Haiwezi kutenduliwa.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Kubadilisha kiwango cha ugumu huleta fumbo jipya na kuanzisha upya mfululizo wako wa ushindi.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Aikoni ya Trei</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Ukubwa wa Ubao</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Anzisha Unapoingia</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Imezimwa katika mipangilio ya kuanzisha kiotomatiki ya eneo-kazi lako.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Kiwango cha Ugumu</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Angazia Makosa</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Huonyesha namba kwa rangi nyekundu mara tu inapovunja sheria au haifai kwenye kisanduku hicho.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Angazia Namba Zinazolingana</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Hutia kivuli kila kisanduku chenye namba sawa na kilichochaguliwa.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Futa Madokezo Kiotomatiki</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Kuweka namba huiondoa kwenye madokezo ya safu mlalo, safu wima na mraba wake.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Mapendeleo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Takwimu</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jinsi ya Kucheza</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Kuhusu</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>PROGRAMU</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>UCHEZAJI</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KIBODI</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Inakaa kwenye trei ya mfumo</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Bofya aikoni ya gridi kwenye paneli yako ili kufungua mchezo. Bofya mahali pengine popote ili kuuficha; saa husimama. Huioni? Huenda paneli yako inaficha baadhi ya aikoni nyuma ya kishale.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Jaza gridi</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Kila safu mlalo, kila safu wima na kila mraba wa 3×3 lazima iwe na namba 1 hadi 9, kila moja mara moja tu.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Chagua kisanduku, kisha namba</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Gusa kisanduku kilicho tupu, kisha namba kwenye vitufe au kibodi yako. Au gusa namba kwanza ili kuiangazia kila mahali ilipo kwenye ubao.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Tumia madokezo</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Washa Madokezo ili kuandika kwa herufi ndogo namba zinazowezekana kwenye kisanduku. Otomatiki hujaza madokezo yote kwa ajili yako, na Tendua huyarudisha.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Unahitaji msaada?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Kidokezo hujaza kisanduku kimoja kwa ajili yako. Mchezo uliotumia kidokezo hauweki muda bora.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Namba zilizokamilika hufungwa</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Namba moja inapokuwa na nakala zake zote tisa mahali sahihi, visanduku vyake hufungwa na namba hiyo haiwezi kutumika tena.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Tendua na mafumbo mapya</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Tendua hurudisha hatua yako ya mwisho. Chagua Rahisi, Wastani, Ngumu au Mtaalamu katika Mapendeleo.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Hamia kati ya visanduku</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Weka namba</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Washa au zima Madokezo</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Jaza madokezo yote</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Toa kidokezo</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Fumbo jipya</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Fungua Mapendeleo</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Imetengenezwa na timu ya Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Mchezo rahisi wa sudoku kwa trei ya mfumo wako.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Tembelea %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Timu ya Pondrel. Haki zote zimehifadhiwa.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Rahisi</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Wastani</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ngumu</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mtaalamu</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Kawaida</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Kubwa</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Nukta</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Gridi ya Kona</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Namba Ndani ya Mraba</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Imepatikana kwa kuondoa uwezekano mwingine</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Namba pekee inayokamilisha fumbo</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Eleza Vidokezo</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Baada ya kidokezo, hueleza kwa mstari mmoja kwa nini namba yake inakaa hapo.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Nakili Fumbo</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Bandika Fumbo</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Fumbo limenakiliwa</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Ubao wa kunakili hauna fumbo</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Fumbo hili halina suluhisho</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Fumbo hili lina suluhisho zaidi ya moja</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Rudia (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rudia</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Hatua Inayofuata</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Naked Single</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Hidden Single</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointing</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Claiming</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Naked Pair</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Hidden Pair</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Naked Triple</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Hidden Triple</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Naked Quad</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Hidden Quad</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Skyscraper</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>2-String Kite</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Unique Rectangle</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Simple Colouring</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>Finned X-Wing</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>Finned Swordfish</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-Chain</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-Chain</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Forcing Chain</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Angalia safu mlalo %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Angalia safu wima %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Angalia mraba %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Angalia safu mlalo %lld na safu wima %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Angalia safu mlalo %lld, safu wima %lld na mraba %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Angalia visanduku vilivyoangaziwa</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>%lld hii haifai hapa</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Hakuna hatua iliyopatikana. Kidokezo (H) hujaza kisanduku</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %2$lld ndiyo namba pekee inayokosekana katika safu mlalo %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %2$lld ndiyo namba pekee inayokosekana katika safu wima %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %2$lld ndiyo namba pekee inayokosekana katika mraba %3$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: ni %lld pekee inayofaa kisanduku hiki</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld imebakiwa na nafasi moja katika safu mlalo %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld imebakiwa na nafasi moja katika safu wima %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld imebakiwa na nafasi moja katika mraba %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: katika mraba %lld, %lld inaweza kuwa katika safu mlalo %lld pekee</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: katika mraba %lld, %lld inaweza kuwa katika safu wima %lld pekee</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: katika safu mlalo %lld, %lld inaweza kuwa katika mraba %lld pekee</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: katika safu wima %lld, %lld inaweza kuwa katika mraba %lld pekee</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: visanduku hivi vya safu mlalo %lld vinaweza kuwa na %@ pekee</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: visanduku hivi vya safu wima %lld vinaweza kuwa na %@ pekee</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: visanduku hivi vya mraba %lld vinaweza kuwa na %@ pekee</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ zinafaa tu visanduku hivi vya safu mlalo %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ zinafaa tu visanduku hivi vya safu wima %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ zinafaa tu visanduku hivi vya mraba %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: katika safu mlalo hizi, %lld inaweza kuwa katika safu wima hizi pekee</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: katika safu wima hizi, %lld inaweza kuwa katika safu mlalo hizi pekee</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Imepatikana kwa %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ haina chaguo</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld haina nafasi katika %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld mara mbili katika %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: ikiwa %@ ni %lld: %@ → %@, hivyo si %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: ikiwa %@ ni %lld, kuna mkanganyiko, hivyo si %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: kila nafasi ya namba moja katika %@ inaleta %@, hivyo ni kweli</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: kila chaguo la %@ linaleta %@, hivyo ni kweli</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): iko kwenye samaki au pezi %@; ondoa pale vyote vinapoikataa</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: viungo imara: %3$@ au %4$@ = %2$lld; ondoa kwenye vinavyoona vyote viwili</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: mnyororo: %3$@ au %4$@ = %2$lld; ondoa kwenye vinavyoona vyote viwili</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: kitovu %@, hivyo %@ au %@ = %lld; ondoa kwenye vinavyoona vyote viwili</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: kitovu %@ au koleo %@/%@ = %lld; ondoa kwenye vinavyoona vyote vitatu</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: kiungo imara %@, hivyo %@ au %@ = %lld; ondoa kwenye vinavyoona vyote viwili</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): rangi moja ni kweli; ondoa kwenye vinavyoona rangi zote mbili</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ na %@ vinaonana, hivyo rangi yao si kweli</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ zikiwa na %@ pekee zingetoa suluhisho mbili, hivyo ondoa %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Forcing Net</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Nested Chain</translation>
    </message>
</context>
</TS>
