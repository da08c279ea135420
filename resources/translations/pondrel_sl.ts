<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
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
        <translation>Uganka je rešena</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Čas: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Igraj znova</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Opombe</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Opombe (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Vpiši vse opombe (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Izbriši (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Namig</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Namig (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nova uganka</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nova uganka (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Razveljavi</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Razveljavi (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Nastavitve, statistika, kako igrati, o programu in izhod</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Čas igre %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Želite opustiti to igro?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Če zdaj začnete novo uganko, se vaš niz zmag ponastavi.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Odpri Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Končaj Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Plošča sudokuja</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Ostala je %lld</translation>
    </message>
    <message>
        <source>%lld left|two</source>
        <translation>Ostali sta %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Ostale so %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Ostalo je %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Vrstica %lld, stolpec %lld, %lld, podano</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Vrstica %lld, stolpec %lld, %lld, napačno</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Vrstica %lld, stolpec %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Vrstica %lld, stolpec %lld, prazno, opombe %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Vrstica %lld, stolpec %lld, prazno</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Dobrodošli v Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku živi v sistemski vrstici. Za igro kliknite njegovo ikono na pultu. Takole je videti:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikona igre, poudarjena na pultu</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Je ne vidite? Pult morda skrije nekatere ikone za puščico.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Potrebujete pravila? Odprite meni igre in izberite »Kako igrati«.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Razumem</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Dobrodošli</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Različica %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Najboljši čas: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Odigrane igre</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Zmage</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Porazi</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Delež zmag</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Trenutni niz</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Najdaljši niz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponastavi</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Ponastavi vso statistiko</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Želite ponastaviti vso statistiko?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Izbrisane bodo vaše igre, zmage, nizi in najboljši časi. Tega ni mogoče razveljaviti.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Sprememba težavnosti prinese novo uganko in ponastavi vaš niz zmag.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikona v sistemski vrstici</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Velikost plošče</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Zaženi ob prijavi</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Izklopljeno v nastavitvah samodejnega zagona vašega namizja.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Težavnost</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Poudari napake</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Število obarva rdeče, takoj ko krši pravila ali ne spada v to polje.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Poudari enaka števila</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Osenči vsako polje z enakim številom, kot ga ima izbrano.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Samodejno počisti opombe</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Vpisano število se odstrani iz opomb v svoji vrstici, stolpcu in kvadratu.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Nastavitve</translation>
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
        <translation>Živi v sistemski vrstici</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Kliknite ikono mreže na pultu, da odprete igro. Kliknite kamor koli drugam, da jo skrijete; ura se ustavi. Je ne vidite? Pult morda skrije nekatere ikone za puščico.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Izpolnite mrežo</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Vsaka vrstica, vsak stolpec in vsak kvadrat 3×3 mora vsebovati števila od 1 do 9 natanko enkrat.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Najprej polje, nato število</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Tapnite prazno polje in nato število na številčnici ali tipkovnici. Lahko pa najprej izberete število, da se osvetli povsod na plošči.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Uporabljajte opombe</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Vklopite »Opombe«, da v polje drobno zapišete možna števila. »Auto« vpiše vse opombe namesto vas, »Razveljavi« pa jih umakne.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Potrebujete pomoč?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>»Namig« izpolni eno polje namesto vas. Igra z namigom ne šteje za najboljši čas.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Dokončana števila se zaklenejo</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Ko je vseh devet primerkov števila na pravem mestu, se njihova polja zaklenejo in števila ni več mogoče uporabiti.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Razveljavitev in nove uganke</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>»Razveljavi« umakne vašo zadnjo potezo. Lahko, Srednje, Težko ali Strokovnjak izberete v Nastavitvah.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Premikanje med polji</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Vnos števila</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Vklop ali izklop opomb</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Vpis vseh opomb</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Prikaz namiga</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nova uganka</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Odpiranje nastavitev</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Izdelala ekipa Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Preprost sudoku za vašo sistemsko vrstico.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Obiščite %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Ekipa Pondrel. Vse pravice pridržane.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lahko</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Težko</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Strokovnjak</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Običajna</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velika</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pike</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Mreža s kotom</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Število v kvadratu</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Najdeno z izločanjem</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Edino število, ki dokonča uganko</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Pojasni namige</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Po namigu v enem stavku pove, zakaj število spada tja.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiraj uganko</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Prilepi uganko</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Uganka je kopirana</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>V odložišču ni uganke</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ta uganka nima rešitve</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ta uganka ima več kot eno rešitev</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Uveljavi (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Naslednji korak</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Goli samec</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Skriti samec</translation>
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
        <translation>Skriti par</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Gola trojka</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Skrita trojka</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Gola četverka</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Skrita četverka</translation>
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
        <translation>Nebotičnik</translation>
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
        <translation>Edinstveni pravokotnik</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Preprosto barvanje</translation>
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
        <translation>X-veriga</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-veriga</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Prisilna veriga</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Poglejte vrstico %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Poglejte stolpec %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Poglejte kvadrat %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Poglejte vrstico %lld in stolpec %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Poglejte vrstico %lld, stolpec %lld in kvadrat %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Poglejte poudarjena polja</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Ta %lld ne spada sem</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Korak ni najden. Namig (H) izpolni polje</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: v vrstici %3$lld manjka le še %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: v stolpcu %3$lld manjka le še %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: v kvadratu %3$lld manjka le še %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: v to polje spada le %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %2$lld ima v vrstici %3$lld le še eno mesto</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %2$lld ima v stolpcu %3$lld le še eno mesto</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %2$lld ima v kvadratu %3$lld le še eno mesto</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: v kvadratu %lld gre %lld lahko le v vrstico %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: v kvadratu %lld gre %lld lahko le v stolpec %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: v vrstici %lld gre %lld lahko le v kvadrat %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: v stolpcu %lld gre %lld lahko le v kvadrat %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: ta polja vrstice %lld lahko vsebujejo le %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: ta polja stolpca %lld lahko vsebujejo le %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ta polja kvadrata %lld lahko vsebujejo le %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ gredo lahko le v ta polja vrstice %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ gredo lahko le v ta polja stolpca %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ gredo lahko le v ta polja kvadrata %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: v teh vrsticah gre %lld lahko le v te stolpce</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: v teh stolpcih gre %lld lahko le v te vrstice</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tehnika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nima kandidata</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld nima mesta v %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld dvakrat v %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: če bi bilo %@ %lld: %@ → %@, torej ni %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: če bi bilo %@ %lld, bi sledilo protislovje, torej ni %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: vsako mesto ene števke v %@ vodi do %@, torej velja</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: vsak kandidat polja %@ vodi do %@, torej velja</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): riba ali plavut %@ jo ima; kar izključita obe, jo izgubi</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: močne povezave dajo %lld v %@ ali %@; polja, ki vidijo obe, jo izgubijo</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: veriga da %lld v %@ ali %@; polja, ki vidijo obe, jo izgubijo</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: zaradi osi %2$@ je %5$lld v %3$@ ali %4$@; polja, ki vidijo obe, jo izgubijo</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: os %@ ali krak %@ ali %@ je %lld; polja, ki vidijo vse tri, jo izgubijo</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: zaradi močne povezave %2$@ je %5$lld v %3$@ ali %4$@; polja, ki vidijo obe, jo izgubijo</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): ena barva je prava; polja, ki vidijo obe barvi, jo izgubijo</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ in %@ se vidita, zato je njuna barva napačna</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ le kot %@ bi dalo dve rešitvi, zato %@ odpade</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Prisilna mreža</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Gnezdena veriga</translation>
    </message>
</context>
</TS>
