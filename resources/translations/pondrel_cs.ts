<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
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
        <translation>Úloha vyřešena</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Čas: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Hrát znovu</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Tužka</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Poznámky tužkou (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Vyplnit všechny poznámky (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Smazat (Delete)</translation>
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
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Zpět (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Nabídka</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Předvolby, Statistiky, Jak hrát, O aplikaci a Ukončit</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Herní čas %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Vzdát tuto hru?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Když teď začnete novou úlohu, vaše série výher se vynuluje.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Otevřít Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Ukončit Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Mřížka sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Zbývá %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Zbývají %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Zbývá %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Řádek %lld, sloupec %lld, %lld, zadané</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Řádek %lld, sloupec %lld, %lld, chybné</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Řádek %lld, sloupec %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Řádek %lld, sloupec %lld, prázdné, poznámky %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Řádek %lld, sloupec %lld, prázdné</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Vítejte v Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku sídlí v oznamovací oblasti. Hrát začnete kliknutím na jeho ikonu v panelu. Vypadá takto:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikona hry zvýrazněná v panelu</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nevidíte ji? Panel může některé ikony oznamovací oblasti skrývat za šipkou.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Potřebujete pravidla? Otevřete nabídku hry a zvolte „Jak hrát“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumím</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Vítejte</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Verze %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Nejlepší čas: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Odehrané hry</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Vyhrané hry</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Prohrané hry</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Podíl výher</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Aktuální série</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Nejlepší série</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vynulovat</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Vynulovat všechny statistiky</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Vynulovat všechny statistiky?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Tím se smažou vaše hry, výhry, série i nejlepší časy. Tuto akci nelze vrátit zpět.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Změna obtížnosti rozdá novou úlohu a vynuluje vaši sérii výher.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikona v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Velikost mřížky</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Spustit po přihlášení</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Vypnuto v nastavení automatického spouštění vašeho prostředí.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Obtížnost</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Zvýraznit chyby</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Zobrazí číslo červeně, jakmile poruší pravidla nebo do daného políčka nepatří.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Zvýraznit stejná čísla</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Podbarví každé políčko se stejným číslem, jaké je ve vybraném políčku.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automaticky mazat poznámky</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Vložené číslo zmizí z poznámek ve svém řádku, sloupci a bloku.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKACE</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>HRA</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLÁVESNICE</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Sídlí v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Hru otevřete kliknutím na ikonu mřížky v panelu. Kliknutím kamkoli jinam ji skryjete; čas se přitom zastaví. Nevidíte ji? Panel může některé ikony oznamovací oblasti skrývat za šipkou.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Vyplňte mřížku</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Každý řádek, každý sloupec a každý blok 3×3 musí obsahovat čísla 1 až 9, každé právě jednou.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Vyberte políčko, pak číslo</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klikněte na prázdné políčko a pak na číslo na číselníku nebo na klávesnici. Nebo nejprve zvolte číslo a to se zvýrazní všude na mřížce.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Používejte poznámky</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Zapněte „Tužku“ a můžete do políčka psát drobná možná čísla. „Auto“ za vás vyplní všechny poznámky a „Zpět“ to zase vrátí.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Potřebujete pomoc?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Rada“ za vás vyplní jedno políčko. Hra, ve které jste použili radu, se do nejlepšího času nepočítá.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Hotová čísla se zamknou</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Když je všech devět výskytů čísla na správných místech, jejich políčka se zamknou a číslo už nelze použít.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Zpět a nové úlohy</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Zpět“ vrátí váš poslední tah. Obtížnost Snadná, Střední, Těžká nebo Expertní zvolíte v Předvolbách.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Pohyb mezi políčky</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Zadat číslo</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Zapnout či vypnout poznámky</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Vyplnit všechny poznámky</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Poradit</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nová úloha</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Otevřít předvolby</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Vytvořil tým Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Jednoduchá hra sudoku pro oznamovací oblast.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Navštívit %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Tým Pondrel. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Snadná</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expertní</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velká</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Tečky</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Mřížka s rohem</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Čtverec s číslem</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Nalezeno vylučováním</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Jediné číslo, které dokončí úlohu</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Vysvětlovat rady</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Po radě jednou větou vysvětlí, proč tam číslo patří.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopírovat úlohu</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Vložit úlohu</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Úloha zkopírována</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Ve schránce není žádná úloha</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Tato úloha nemá řešení</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Tato úloha má více než jedno řešení</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Znovu (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Další krok</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nahý singl</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Skrytý singl</translation>
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
        <translation>Nahá dvojice</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Skrytá dvojice</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nahá trojice</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Skrytá trojice</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nahá čtveřice</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Skrytá čtveřice</translation>
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
        <translation>Unikátní obdélník</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Jednoduché barvení</translation>
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
        <translation>X-řetězec</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-řetězec</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Forcing Chain</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Podívejte se na řádek %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Podívejte se na sloupec %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Podívejte se na blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Podívejte se na řádek %lld a sloupec %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Podívejte se na řádek %lld, sloupec %lld a blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Podívejte se na zvýrazněná políčka</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Tato %lld sem nepatří</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Žádný krok se nenašel. Rada (H) vyplní jedno políčko</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: už jen %lld chybí v řádku %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: už jen %lld chybí ve sloupci %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: už jen %lld chybí v bloku %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: do tohoto políčka patří jen %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: číslo %lld má v řádku %lld jediné místo</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: číslo %lld má ve sloupci %lld jediné místo</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: číslo %lld má v bloku %lld jediné místo</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: v bloku %lld může %lld jen do řádku %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: v bloku %lld může %lld jen do sloupce %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: v řádku %lld může %lld jen do bloku %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: ve sloupci %lld může %lld jen do bloku %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: tato políčka řádku %lld pojmou jen %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: tato políčka sloupce %lld pojmou jen %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: tato políčka bloku %lld pojmou jen %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ mohou v řádku %lld jen do těchto políček</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ mohou ve sloupci %lld jen do těchto políček</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ mohou v bloku %lld jen do těchto políček</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: v těchto řádcích může %lld jen do těchto sloupců</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: v těchto sloupcích může %lld jen do těchto řádků</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Nalezeno technikou %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nemá kandidáta</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>číslo %lld nemá místo v %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>číslo %lld dvakrát v %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: kdyby %@ bylo %lld: %@ → %@, takže to není %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: kdyby %@ bylo %lld, vznikl by spor, takže to není %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: každé místo jedné číslice v %@ vede k %@, takže to platí</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: každý kandidát %@ vede k %@, takže to platí</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ryba či ploutev %@ ho má; co oba vylučují, ho ztrácí</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: silné vazby dávají %lld do %@ nebo %@; pole vidící obě ho ztrácejí</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: řetězec dává %lld do %@ nebo %@; pole vidící obě ho ztrácejí</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ udělá z %@ nebo %@ %lld; pole vidící obě ho ztrácejí</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ nebo klešť %@ nebo %@ je %lld; pole vidící všechny tři ho ztrácejí</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: silná vazba %@ udělá z %@ nebo %@ %lld; pole vidící obě ho ztrácejí</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): jedna barva je pravdivá; pole vidící obě barvy ho ztrácejí</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ a %@ se vidí, takže jejich barva je nepravdivá</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ jen s %@ by dalo dvě řešení, takže %@ odpadá</translation>
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
