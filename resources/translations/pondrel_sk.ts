<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
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
        <translation>Úloha vyriešená</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Čas: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Hrať znova</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Ceruzka</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Poznámky ceruzkou (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Vyplniť všetky poznámky (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Vymazať (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Rada (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nová úloha</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nová úloha (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Späť (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Ponuka</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Nastavenia, Štatistiky, Ako hrať, O aplikácii a Ukončiť</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Herný čas %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Vzdať túto hru?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ak teraz začnete novú úlohu, vaša séria výhier sa vynuluje.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Otvoriť Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Ukončiť Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Mriežka sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Zostáva %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Zostávajú %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Zostáva %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Riadok %lld, stĺpec %lld, %lld, zadané</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Riadok %lld, stĺpec %lld, %lld, chybné</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Riadok %lld, stĺpec %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Riadok %lld, stĺpec %lld, prázdne, poznámky %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Riadok %lld, stĺpec %lld, prázdne</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Vitajte v Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku sídli v oznamovacej oblasti. Hrať začnete kliknutím na jeho ikonu na paneli. Vyzerá takto:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikona hry zvýraznená na paneli</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nevidíte ju? Panel môže niektoré ikony oznamovacej oblasti skrývať za šípkou.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Potrebujete pravidlá? Otvorte ponuku hry a vyberte „Ako hrať“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Vitajte</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Verzia %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Najlepší čas: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Odohrané hry</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Vyhrané hry</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Prehrané hry</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Podiel výhier</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Aktuálna séria</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Najlepšia séria</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vynulovať</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Vynulovať všetky štatistiky</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Vynulovať všetky štatistiky?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Vymažú sa tým vaše hry, výhry, série aj najlepšie časy. Túto akciu nie je možné vrátiť späť.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Zmena obťažnosti rozdá novú úlohu a vynuluje vašu sériu výhier.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikona v oznamovacej oblasti</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Veľkosť mriežky</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Spustiť po prihlásení</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Vypnuté v nastaveniach automatického spúšťania vášho prostredia.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Obťažnosť</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Zvýrazniť chyby</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Zobrazí číslo načerveno, hneď ako poruší pravidlá alebo do daného políčka nepatrí.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Zvýrazniť rovnaké čísla</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Podfarbí každé políčko s rovnakým číslom, aké je vo vybranom políčku.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automaticky mazať poznámky</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Vložené číslo zmizne z poznámok vo svojom riadku, stĺpci a bloku.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Štatistiky</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Ako hrať</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKÁCIA</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>HRA</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLÁVESNICA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Sídli v oznamovacej oblasti</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Hru otvoríte kliknutím na ikonu mriežky na paneli. Kliknutím kamkoľvek inam ju skryjete; čas sa pritom zastaví. Nevidíte ju? Panel môže niektoré ikony oznamovacej oblasti skrývať za šípkou.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Vyplňte mriežku</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Každý riadok, každý stĺpec a každý blok 3×3 musí obsahovať čísla 1 až 9, každé práve raz.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Vyberte políčko, potom číslo</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Kliknite na prázdne políčko a potom na číslo na číselníku alebo na klávesnici. Alebo najprv vyberte číslo a to sa zvýrazní všade na mriežke.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Používajte poznámky</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Zapnite „Ceruzku“ a môžete do políčka písať drobné možné čísla. „Auto“ za vás vyplní všetky poznámky a „Späť“ to zase vráti.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Potrebujete pomoc?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Rada“ za vás vyplní jedno políčko. Hra, v ktorej ste použili radu, sa do najlepšieho času nepočíta.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Hotové čísla sa zamknú</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Keď je všetkých deväť výskytov čísla na správnych miestach, ich políčka sa zamknú a číslo už nemožno použiť.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Späť a nové úlohy</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Späť“ vráti váš posledný ťah. Obťažnosť Ľahká, Stredná, Ťažká alebo Expertná vyberiete v Nastaveniach.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Pohyb medzi políčkami</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Zadať číslo</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Zapnúť alebo vypnúť poznámky</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Vyplniť všetky poznámky</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Poradiť</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nová úloha</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Otvoriť nastavenia</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Vytvoril tím Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Jednoduchá hra sudoku pre oznamovaciu oblasť.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Navštíviť %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Tím Pondrel. Všetky práva vyhradené.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ľahká</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Stredná</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ťažká</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expertná</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Štandardná</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Veľká</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Bodky</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Mriežka s rohom</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Štvorec s číslom</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Nájdené vylučovaním</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Jediné číslo, ktoré dokončí úlohu</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Vysvetľovať rady</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Po rade jednou vetou vysvetlí, prečo tam číslo patrí.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopírovať úlohu</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Vložiť úlohu</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Úloha skopírovaná</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Schránka neobsahuje žiadnu úlohu</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Táto úloha nemá riešenie</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Táto úloha má viac ako jedno riešenie</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Znova (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znova</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Ďalší krok</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nahý singel</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Skrytý singel</translation>
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
        <translation>Nahá dvojica</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Skrytá dvojica</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nahá trojica</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Skrytá trojica</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nahá štvorica</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Skrytá štvorica</translation>
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
        <translation>Mrakodrap</translation>
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
        <translation>Unikátny obdĺžnik</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Jednoduché farbenie</translation>
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
        <translation>X-reťazec</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-reťazec</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Forcing Chain</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Pozrite sa na riadok %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Pozrite sa na stĺpec %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Pozrite sa na blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Pozrite sa na riadok %lld a stĺpec %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Pozrite sa na riadok %lld, stĺpec %lld a blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Pozrite sa na zvýraznené políčka</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Táto %lld sem nepatrí</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nenašiel sa žiadny krok. Rada (H) vyplní jedno políčko</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: už len %lld chýba v riadku %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: už len %lld chýba v stĺpci %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: už len %lld chýba v bloku %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: do tohto políčka patrí iba %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: číslo %lld má v riadku %lld jediné miesto</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: číslo %lld má v stĺpci %lld jediné miesto</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: číslo %lld má v bloku %lld jediné miesto</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: v bloku %lld môže %lld iba do riadka %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: v bloku %lld môže %lld iba do stĺpca %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: v riadku %lld môže %lld iba do bloku %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: v stĺpci %lld môže %lld iba do bloku %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: tieto políčka riadka %lld pojmú iba %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: tieto políčka stĺpca %lld pojmú iba %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: tieto políčka bloku %lld pojmú iba %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ môžu v riadku %lld iba do týchto políčok</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ môžu v stĺpci %lld iba do týchto políčok</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ môžu v bloku %lld iba do týchto políčok</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: v týchto riadkoch môže %lld iba do týchto stĺpcov</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: v týchto stĺpcoch môže %lld iba do týchto riadkov</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Nájdené technikou %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nemá kandidáta</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>číslo %lld nemá miesto v %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>číslo %lld dvakrát v %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: keby %@ bolo %lld: %@ → %@, takže to nie je %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: keby %@ bolo %lld, vznikol by spor, takže to nie je %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: každé miesto jednej číslice v %@ vedie k %@, takže to platí</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: každý kandidát %@ vedie k %@, takže to platí</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ryba alebo plutva %@ ho má; polia vylúčené oboma ho strácajú</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: silné väzby dávajú %lld do %@ alebo %@; polia vidiace obe ho strácajú</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: reťazec dáva %lld do %@ alebo %@; polia vidiace obe ho strácajú</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ urobí z %@ alebo %@ %lld; polia vidiace obe ho strácajú</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ alebo kliešť %@ alebo %@ je %lld; polia vidiace všetky tri ho strácajú</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: silná väzba %@ urobí z %@ alebo %@ %lld; polia vidiace obe ho strácajú</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): jedna farba je pravdivá; polia vidiace obe farby ho strácajú</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ a %@ sa vidia, takže ich farba je nepravdivá</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ len s %@ by dalo dve riešenia, takže %@ odpadá</translation>
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
