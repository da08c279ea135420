<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
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
        <translation>Zagonetka riješena</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Vrijeme: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Igraj ponovno</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bilješke</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Bilješke (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Upiši sve bilješke (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Obriši (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Savjet</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Savjet (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nova zagonetka</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nova zagonetka (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Poništi (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Izbornik</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Postavke, statistika, kako igrati, o programu i izlaz</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Vrijeme igre %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Odustati od ove igre?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ako sada započnete novu zagonetku, vaš niz pobjeda počet će ispočetka.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Otvori Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Zatvori Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku ploča</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Preostala %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Preostale %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Preostalo %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Redak %lld, stupac %lld, %lld, zadano</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Redak %lld, stupac %lld, %lld, pogrešno</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Redak %lld, stupac %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Redak %lld, stupac %lld, prazno, bilješke %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Redak %lld, stupac %lld, prazno</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Dobro došli u Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku živi u području obavijesti. Za igru kliknite njegovu ikonu na ploči. Ovako izgleda:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikona igre, istaknuta na ploči</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Ne vidite je? Ploča možda skriva neke ikone iza strelice.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Trebate pravila? Otvorite izbornik igre i odaberite „Kako igrati”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Dobro došli</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Inačica %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Najbolje vrijeme: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Odigrane igre</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Pobjede</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Porazi</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Postotak pobjeda</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Trenutačni niz</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Najduži niz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Izbriši svu statistiku</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Izbrisati svu statistiku?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Brišu se vaše igre, pobjede, nizovi i najbolja vremena. To se ne može poništiti.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Promjena težine daje novu zagonetku i poništava vaš niz pobjeda.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikona u području obavijesti</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Veličina ploče</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Pokreni pri prijavi</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Isključeno u postavkama automatskog pokretanja vaše radne površine.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Težina</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Istakni pogreške</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Prikazuje broj crvenom bojom čim prekrši pravila ili ne pripada tom polju.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Istakni iste brojeve</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Zasjenjuje svako polje s istim brojem kao odabrano.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automatski briši bilješke</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Upisani broj uklanja se iz bilježaka u svom retku, stupcu i bloku.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Kako igrati</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>PROGRAM</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>IGRA</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TIPKOVNICA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Živi u području obavijesti</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Kliknite ikonu mreže na ploči da biste otvorili igru. Kliknite bilo gdje drugdje da je sakrijete; sat se zaustavlja. Ne vidite je? Ploča možda skriva neke ikone iza strelice.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Popunite mrežu</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Svaki redak, svaki stupac i svaki blok 3×3 mora sadržavati brojeve od 1 do 9 točno jednom.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Odaberite polje, zatim broj</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Dodirnite prazno polje, a zatim broj na brojčaniku ili tipkovnici. Ili najprije odaberite broj da biste ga istaknuli posvuda na ploči.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Koristite bilješke</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Uključite „Bilješke” da biste u polje sitno zapisali moguće brojeve. „Auto” upisuje sve bilješke za vas, a „Poništi” ih vraća.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Treba vam pomoć?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Savjet” popunjava jedno polje za vas. Igra u kojoj ste uzeli savjet ne postavlja najbolje vrijeme.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Dovršeni brojevi se zaključavaju</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kad je svih devet primjeraka nekog broja na pravom mjestu, njihova se polja zaključavaju i taj se broj više ne može koristiti.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Poništavanje i nove zagonetke</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Poništi” vraća vaš posljednji potez. Lako, Srednje, Teško ili Stručnjak birate u Postavkama.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Kretanje po poljima</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Upis broja</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Uključivanje ili isključivanje bilježaka</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Upis svih bilježaka</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Savjet</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nova zagonetka</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Otvaranje postavki</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Izradio tim Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Jednostavan sudoku za vaše područje obavijesti.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Posjetite %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Tim Pondrel. Sva prava pridržana.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lako</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Teško</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Stručnjak</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardna</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velika</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Točke</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Mreža s kutom</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Broj u kvadratu</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Pronađeno isključivanjem</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Jedini broj koji dovršava zagonetku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Objasni savjete</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Nakon savjeta u jednoj rečenici kaže zašto broj ide baš tamo.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiraj zagonetku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Zalijepi zagonetku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Zagonetka je kopirana</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>U međuspremniku nema zagonetke</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ova zagonetka nema rješenja</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ova zagonetka ima više od jednog rješenja</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Ponovi (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponovi</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Sljedeći korak</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Goli samac</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Skriveni samac</translation>
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
        <translation>Goli par</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Skriveni par</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Gola trojka</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Skrivena trojka</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Gola četvorka</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Skrivena četvorka</translation>
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
        <translation>Neboder</translation>
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
        <translation>Jedinstveni pravokutnik</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Jednostavno bojenje</translation>
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
        <translation>X-lanac</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-lanac</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Prisilni lanac</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Pogledajte redak %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Pogledajte stupac %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Pogledajte blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Pogledajte redak %lld i stupac %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Pogledajte redak %lld, stupac %lld i blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Pogledajte istaknuta polja</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Ovaj %lld ne pripada ovdje</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nema koraka. Savjet (H) popunjava jedno polje</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: u retku %3$lld nedostaje samo %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: u stupcu %3$lld nedostaje samo %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: u bloku %3$lld nedostaje samo %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: u ovo polje ide samo %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %2$lld ima još samo jedno mjesto u retku %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %2$lld ima još samo jedno mjesto u stupcu %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %2$lld ima još samo jedno mjesto u bloku %3$lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: u bloku %lld broj %lld može samo u redak %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: u bloku %lld broj %lld može samo u stupac %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: u retku %lld broj %lld može samo u blok %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: u stupcu %lld broj %lld može samo u blok %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: ova polja retka %lld mogu sadržavati samo %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: ova polja stupca %lld mogu sadržavati samo %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ova polja bloka %lld mogu sadržavati samo %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ mogu samo u ova polja retka %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ mogu samo u ova polja stupca %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ mogu samo u ova polja bloka %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: u ovim recima %lld može samo u ove stupce</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: u ovim stupcima %lld može samo u ove retke</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tehnika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nema kandidata</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld nema mjesta u %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld dvaput u %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: da je %@ %lld: %@ → %@, pa nije %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: da je %@ %lld, slijedilo bi proturječje, pa nije %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: svako mjesto jednog broja u %@ vodi do %@, pa to vrijedi</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: svaki kandidat polja %@ vodi do %@, pa to vrijedi</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): riba ili peraja %@ ga ima; što obje isključuju, gubi ga</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: jake veze stavljaju %lld u %@ ili %@; polja koja vide oba ga gube</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: lanac stavlja %lld u %@ ili %@; polja koja vide oba ga gube</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: zbog stožera %@ u %@ ili %@ je %lld; polja koja vide oba ga gube</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: stožer %@ ili krak %@ ili %@ je %lld; polja koja vide sva tri ga gube</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: zbog jake veze %@ u %@ ili %@ je %lld; polja koja vide oba ga gube</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): jedna je boja istinita; polja koja vide obje boje ga gube</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ i %@ se vide, pa je njihova boja lažna</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ samo kao %@ dalo bi dva rješenja, pa %@ otpada</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Prisilna mreža</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Ugniježđeni lanac</translation>
    </message>
</context>
</TS>
