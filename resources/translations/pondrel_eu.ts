<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
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
        <translation>Sudokua ebatzita</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Denbora: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jokatu berriro</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Oharrak</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Oharrak (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Bete ohar guztiak (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Ezabatu (Supr)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Pista (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Sudoku berria</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Sudoku berria (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desegin</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Desegin (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menua</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Hobespenak, estatistikak, nola jokatu, honi buruz eta irten</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Jokoaren denbora: %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Partida hau utzi?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Orain sudoku berri bat hasten baduzu, zure garaipen-segida zerora itzuliko da.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Ireki Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Irten Pondrel Sudokutik</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku-taula</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld geratzen da</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld geratzen dira</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld. errenkada, %lld. zutabea, %lld, emana</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld. errenkada, %lld. zutabea, %lld, okerra</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld. errenkada, %lld. zutabea, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld. errenkada, %lld. zutabea, hutsik, oharrak: %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld. errenkada, %lld. zutabea, hutsik</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Ongi etorri Pondrel Sudokura</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku sistemaren erretiluan bizi da. Jokatzeko, egin klik panelean duen ikonoan. Honela ikusten da:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Jokoaren ikonoa, panelean nabarmenduta</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Ez duzu ikusten? Baliteke zure panelak ikono batzuk gezi baten atzean ezkutatzea.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Arauak behar dituzu? Ireki jokoaren menua eta aukeratu «Nola jokatu».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ulertuta</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Ongi etorri</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>%@ bertsioa</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%% %.1f</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Denbora onena: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Jokatutako partidak</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Irabazitako partidak</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Galdutako partidak</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Garaipen-tasa</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Uneko segida</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Segidarik onena</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Berrezarri estatistika guztiak</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Estatistika guztiak berrezarri?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Zure partidak, garaipenak, segidak eta denbora onenak ezabatuko dira. Ezin da desegin.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Zailtasuna aldatzean sudoku berri bat hasten da eta zure garaipen-segida zerora itzultzen da.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Erretiluko ikonoa</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Taularen tamaina</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abiarazi saioa hastean</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Zure mahaigainaren abio automatikoaren ezarpenetan desaktibatuta.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Zailtasuna</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Nabarmendu akatsak</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Zenbaki bat gorriz erakusten du arauak hausten dituen bezain laster edo gelaxka horretakoa ez bada.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Nabarmendu zenbaki berdinak</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Hautatutakoaren zenbaki bera duen gelaxka oro itzaleztatzen du.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Garbitu oharrak automatikoki</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Zenbaki bat jartzean, haren errenkadako, zutabeko eta blokeko oharretatik kentzen da.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Hobespenak</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatistikak</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Nola jokatu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Honi buruz</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKAZIOA</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JOKOA</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TEKLATUA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Sistemaren erretiluan bizi da</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Egin klik paneleko sareta-ikonoan jokoa irekitzeko. Egin klik beste edozein tokitan ezkutatzeko; erlojua gelditu egiten da. Ez duzu ikusten? Baliteke zure panelak ikono batzuk gezi baten atzean ezkutatzea.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Bete sareta</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Errenkada, zutabe eta 3×3 bloke bakoitzean 1etik 9rako zenbakiek behin bakarrik egon behar dute.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Aukeratu gelaxka, gero zenbakia</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Sakatu gelaxka huts bat, eta gero zenbaki bat teklatuan edo zenbaki-botoietan. Edo aukeratu lehenik zenbaki bat, taula osoan nabarmentzeko.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Erabili oharrak</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Aktibatu «Oharrak» gelaxka batean zenbaki posibleak txiki idazteko. «Auto» botoiak ohar guztiak betetzen ditu zuretzat, eta «Desegin» botoiak kendu egiten ditu.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Laguntza behar duzu?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>«Pista» botoiak gelaxka bat betetzen du zuretzat. Pista erabili den partida batek ez du denbora onenik ezartzen.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Osatutako zenbakiak blokeatu egiten dira</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Zenbaki baten bederatzi aleak leku egokian daudenean, haren gelaxkak blokeatu egiten dira eta zenbaki hori ezin da gehiago erabili.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Desegin eta sudoku berriak</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>«Desegin» botoiak zure azken mugimendua desegiten du. Aukeratu Erraza, Ertaina, Zaila edo Aditua hobespenetan.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Mugitu gelaxken artean</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Idatzi zenbaki bat</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Aktibatu edo desaktibatu oharrak</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Bete ohar guztiak</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Eman pista bat</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Sudoku berria</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Ireki hobespenak</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Pondrel taldeak egina</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Sudoku joko sinple bat sistemaren erretilurako.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Bisitatu %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel taldea. Eskubide guztiak erreserbatuta.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Erraza</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Ertaina</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zaila</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Aditua</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estandarra</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Handia</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntuak</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Sareta izkinarekin</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Zenbakia laukian</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Baztertuz aurkitua</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Sudokua osatzen duen zenbaki bakarra</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Azaldu pistak</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Pista baten ondoren, lerro batean esaten du zergatik doan zenbakia hor.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiatu sudokua</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Itsatsi sudokua</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudokua kopiatuta</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Arbelean ez dago sudokurik</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Sudoku honek ez du soluziorik</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Sudoku honek soluzio bat baino gehiago ditu</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Berregin (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Berregin</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Hurrengo urratsa</translation>
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
        <translation>Begiratu %lld. errenkadari</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Begiratu %lld. zutabeari</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Begiratu %lld. blokeari</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Begiratu %lld. errenkadari eta %lld. zutabeari</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Begiratu %lld. errenkadari, %lld. zutabeari eta %lld. blokeari</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Begiratu nabarmendutako gelaxkei</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>%lld hau ez dagokio hemen</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Ez da urratsik aurkitu. Pistak (H) gelaxka bat betetzen du</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %3$lld. errenkadan %2$lld bakarrik falta da</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %3$lld. zutabean %2$lld bakarrik falta da</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %3$lld. blokean %2$lld bakarrik falta da</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: gelaxka honetan %lld bakarrik sartzen da</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %3$lld. errenkadan %2$lld zenbakiak leku bakarra du</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %3$lld. zutabean %2$lld zenbakiak leku bakarra du</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %3$lld. blokean %2$lld zenbakiak leku bakarra du</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: %lld. blokean, %lld %lld. errenkadan bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: %lld. blokean, %lld %lld. zutabean bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. errenkadan, %lld %lld. blokean bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. zutabean, %lld %lld. blokean bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: %lld. errenkadako gelaxka hauetan %@ bakarrik egon daitezke</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: %lld. zutabeko gelaxka hauetan %@ bakarrik egon daitezke</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: %lld. blokeko gelaxka hauetan %@ bakarrik egon daitezke</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: %2$@ %3$lld. errenkadako gelaxka hauetan bakarrik joan daitezke</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: %2$@ %3$lld. zutabeko gelaxka hauetan bakarrik joan daitezke</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: %2$@ %3$lld. blokeko gelaxka hauetan bakarrik joan daitezke</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: errenkada hauetan, %lld zutabe hauetan bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: zutabe hauetan, %lld errenkada hauetan bakarrik joan daiteke</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Teknika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ hautagairik gabe</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld zenbakiak ez du tokirik %@ barruan</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld bi aldiz %@ barruan</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: %@ %lld balitz: %@ → %@; beraz, ez da %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: %@ %lld balitz, kontraesana legoke; beraz, ez da %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: %@ barruan zenbaki baten leku guztiek %@ dakarte; beraz, betetzen da</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@ gelaxkaren hautagai guztiek %@ dakarte; beraz, betetzen da</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): arrainean edo %@ hegatsean dago; biek baztertuek galtzen dute</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: lotura sendoak: %3$@ edo %4$@ da %2$lld; biak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: katearen arabera %3$@ edo %4$@ da %2$lld; biak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: %@ ardatzagatik, %@ edo %@ da %lld; biak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: %@ ardatza edo %@/%@ pintza da %lld; hirurak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: %@ lotura sendoagatik, %@ edo %@ da %lld; biak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): kolore bat egia da; bi koloreak ikusten dituenak galtzen du</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ eta %@ elkar ikusten dute; beraz, haien kolorea faltsua da</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ soilik %@ izanda bi soluzio leudeke; %@ kentzen da</translation>
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
