<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
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
        <translation>Feladvány megoldva</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Idő: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Még egyet</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Jegyzet</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Jegyzetek (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Összes jegyzet kitöltése (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Törlés (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tipp (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Új feladvány</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Új feladvány (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Visszavonás</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Visszavonás (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Beállítások, Statisztika, A játék menete, Névjegy és Kilépés</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Játékidő: %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Feladod ezt a játékot?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ha most új feladványt kezdesz, a győzelmi sorozatod nullázódik.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku megnyitása</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku bezárása</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokutábla</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld maradt</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld maradt</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld. sor, %lld. oszlop, %lld, megadott</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld. sor, %lld. oszlop, %lld, hibás</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld. sor, %lld. oszlop, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld. sor, %lld. oszlop, üres, jegyzetek: %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld. sor, %lld. oszlop, üres</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Üdvözöl a Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>A Pondrel Sudoku az értesítési területen lakik. A játékhoz kattints az ikonjára a panelen. Így néz ki:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>A játék ikonja, kiemelve a panelen</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nem látod? A panel elrejthet néhány értesítési ikont egy nyíl mögé.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Kellenek a szabályok? Nyisd meg a játék menüjét, és válaszd „A játék menete” pontot.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Értem</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Üdvözlünk</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>%@ verzió</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Legjobb idő: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Lejátszott játékok</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Megnyert játékok</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Elvesztett játékok</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Győzelmi arány</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Jelenlegi sorozat</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Legjobb sorozat</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullázás</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Minden statisztika nullázása</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nullázod az összes statisztikát?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Ez törli a játékaidat, győzelmeidet, sorozataidat és legjobb ideidet. Nem vonható vissza.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>A nehézség megváltoztatása új feladványt oszt, és nullázza a győzelmi sorozatodat.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon az értesítési területen</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Táblaméret</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Indítás bejelentkezéskor</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Kikapcsolva az asztali környezet automatikus indítási beállításaiban.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nehézség</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Hibák kiemelése</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Pirossal jelöli a számot, amint megszegi a szabályokat, vagy nem abba a mezőbe való.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Egyező számok kiemelése</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Minden mezőt árnyékol, amely ugyanazt a számot tartalmazza, mint a kijelölt.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Jegyzetek automatikus törlése</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>A beírt szám eltűnik a sorában, oszlopában és blokkjában lévő jegyzetekből.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>A játék menete</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ALKALMAZÁS</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JÁTÉK</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>BILLENTYŰZET</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Az értesítési területen lakik</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>A játék megnyitásához kattints a rács ikonra a panelen. Máshová kattintva elrejted; ilyenkor az óra megáll. Nem látod? A panel elrejthet néhány értesítési ikont egy nyíl mögé.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Töltsd ki a táblát</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Minden sorban, minden oszlopban és minden 3×3-as blokkban az 1–9 számok mindegyikének pontosan egyszer kell szerepelnie.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Előbb egy mezőt, aztán egy számot</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Kattints egy üres mezőre, majd egy számra a számbillentyűzeten vagy a billentyűzeteden. Vagy válassz előbb egy számot, hogy mindenhol kiemelődjön a táblán.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Használj jegyzeteket</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Kapcsold be a „Jegyzet” gombot, hogy apró lehetséges számokat írhass egy mezőbe. Az „Auto” kitölti helyetted az összes jegyzetet, a „Visszavonás” pedig visszacsinálja.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Segítség kell?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>A „Tipp” kitölt helyetted egy mezőt. A tippel játszott játék nem számít bele a legjobb időbe.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>A kész számok zárolódnak</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Ha egy szám mind a kilenc példánya a helyén van, a mezői zárolódnak, és a szám többé nem használható.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Visszavonás és új feladványok</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>A „Visszavonás” visszavonja az utolsó lépésedet. A Könnyű, Közepes, Nehéz vagy Szakértő szintet a Beállításokban választhatod ki.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Mozgás a mezők között</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Szám beírása</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Jegyzetek be- vagy kikapcsolása</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Összes jegyzet kitöltése</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Tipp kérése</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Új feladvány</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Beállítások megnyitása</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Készítette: a Pondrel csapat</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Egyszerű sudokujáték az értesítési területre.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ megnyitása</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 A Pondrel csapat. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Szakértő</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Nagy</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pontok</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Rács sarokkal</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Szám négyzetben</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Kizárással meghatározva</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Az egyetlen szám, amely befejezi a feladványt</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Tippek magyarázata</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Tipp után egy mondatban elmondja, miért oda kerül a szám.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Feladvány másolása</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Feladvány beillesztése</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Feladvány másolva</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>A vágólapon nincs feladvány</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ennek a feladványnak nincs megoldása</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ennek a feladványnak több megoldása is van</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Mégis (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Mégis</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Következő lépés</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Csupasz egyes</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Rejtett egyes</translation>
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
        <translation>Csupasz pár</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Rejtett pár</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Csupasz hármas</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Rejtett hármas</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Csupasz négyes</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Rejtett négyes</translation>
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
        <translation>Felhőkarcoló</translation>
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
        <translation>Egyedi téglalap</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Egyszerű színezés</translation>
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
        <translation>X-lánc</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-lánc</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Kényszerlánc</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Nézd meg a(z) %lld. sort</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Nézd meg a(z) %lld. oszlopot</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Nézd meg a(z) %lld. blokkot</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Nézd meg a(z) %lld. sort és a(z) %lld. oszlopot</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Nézd meg a(z) %lld. sort, a(z) %lld. oszlopot és a(z) %lld. blokkot</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Nézd meg a kiemelt mezőket</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Ez a(z) %lld nem ide való</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nem található lépés. A Tipp (H) kitölt egy mezőt</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: a(z) %3$lld. sorból már csak a(z) %2$lld hiányzik</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: a(z) %3$lld. oszlopból már csak a(z) %2$lld hiányzik</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: a(z) %3$lld. blokkból már csak a(z) %2$lld hiányzik</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: ebbe a mezőbe csak a(z) %lld illik</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: a(z) %lld a(z) %lld. sorban már csak egy helyre kerülhet</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: a(z) %lld a(z) %lld. oszlopban már csak egy helyre kerülhet</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: a(z) %lld a(z) %lld. blokkban már csak egy helyre kerülhet</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: a(z) %lld. blokkban a(z) %lld csak a(z) %lld. sorba kerülhet</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: a(z) %lld. blokkban a(z) %lld csak a(z) %lld. oszlopba kerülhet</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: a(z) %lld. sorban a(z) %lld csak a(z) %lld. blokkba kerülhet</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: a(z) %lld. oszlopban a(z) %lld csak a(z) %lld. blokkba kerülhet</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: a(z) %lld. sor e mezőibe csak %@ kerülhet</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: a(z) %lld. oszlop e mezőibe csak %@ kerülhet</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: a(z) %lld. blokk e mezőibe csak %@ kerülhet</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ a(z) %lld. sorban csak ezekbe a mezőkbe kerülhet</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ a(z) %lld. oszlopban csak ezekbe a mezőkbe kerülhet</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ a(z) %lld. blokkban csak ezekbe a mezőkbe kerülhet</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: e sorokban a(z) %lld csak ezekbe az oszlopokba kerülhet</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: ez oszlopokban a(z) %lld csak ezekbe a sorokba kerülhet</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Módszer: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ jelölt nélkül maradt</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>a(z) %lld nem fér el itt: %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>a(z) %lld kétszer itt: %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: ha %@ értéke %lld lenne: %@ → %@, tehát nem %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: ha %@ értéke %lld lenne, ellentmondás adódna, tehát nem %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: egy számjegy minden helye (%@) ide vezet: %@, tehát igaz</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@ minden jelöltje ide vezet: %@, tehát igaz</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): hal vagy %@ uszony tartalmazza; amit mindkettő kizár, elveszti</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: erős kapcsolatok: %3$@ vagy %4$@ = %2$lld; ami mindkettőt látja, elveszti</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: lánc: %3$@ vagy %4$@ = %2$lld; ami mindkettőt látja, elveszti</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: a(z) %@ tengely miatt %@ vagy %@ értéke %lld; ami mindkettőt látja, elveszíti</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: a(z) %@ tengely, %@ vagy %@ értéke %lld; ami mindhármat látja, elveszíti</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: a(z) %@ erős kapcsolat miatt %@ vagy %@ értéke %lld; ami mindkettőt látja, elveszíti</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): az egyik szín igaz; ami mindkét színt látja, elveszíti</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ és %@ látják egymást, így a színük hamis</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ csak %@ értékekkel két megoldást adna, így %@ kiesik</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Kényszerháló</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Beágyazott lánc</translation>
    </message>
</context>
</TS>
