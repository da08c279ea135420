<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
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
        <translation>Oppgaven er løst</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tid: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Spill igjen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notater</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notater (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Fyll inn alle notater (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Slett (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tips (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Ny oppgave</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Ny oppgave (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Angre (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Innstillinger, Statistikk, Slik spiller du, Om og Avslutt</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Spilletid %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Gi opp dette spillet?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Hvis du starter en ny oppgave nå, nullstilles seiersrekken din.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Åpne Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Avslutt Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokubrett</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld igjen</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld igjen</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rad %lld, kolonne %lld, %lld, gitt</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rad %lld, kolonne %lld, %lld, feil</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rad %lld, kolonne %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rad %lld, kolonne %lld, tom, notater %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rad %lld, kolonne %lld, tom</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Velkommen til Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku bor i systemkurven. Klikk på ikonet i panelet for å spille. Det ser slik ut:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Spillets ikon, uthevet i panelet</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Ser du det ikke? Panelet kan skjule noen ikoner i systemkurven bak en pil.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Vil du se reglene? Åpne spillets meny og velg «Slik spiller du».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Forstått</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versjon %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Beste tid: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Spilte spill</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Vunne spill</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Tapte spill</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Vinnerandel</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Nåværende rekke</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Beste rekke</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Nullstill all statistikk</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nullstille all statistikk?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Dette sletter spillene, seirene, rekkene og de beste tidene dine. Det kan ikke angres.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Når du bytter vanskelighetsgrad, begynner en ny oppgave, og seiersrekken din nullstilles.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon i systemkurven</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Brettstørrelse</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Start ved innlogging</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Slått av i skrivebordets innstillinger for autostart.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Vanskelighetsgrad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Uthev feil</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Viser et tall i rødt så snart det bryter reglene eller ikke hører hjemme i ruten.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Uthev like tall</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Fargelegger hver rute som inneholder samme tall som den valgte.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Fjern notater automatisk</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Et plassert tall fjernes fra notatene i raden, kolonnen og boksen sin.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistikk</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Slik spiller du</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>PROGRAM</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>SPILL</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATUR</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Bor i systemkurven</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klikk på rutenettikonet i panelet for å åpne spillet. Klikk et annet sted for å skjule det; klokken settes på pause. Ser du det ikke? Panelet kan skjule noen ikoner i systemkurven bak en pil.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Fyll brettet</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Hver rad, hver kolonne og hver 3×3-boks må inneholde tallene 1 til 9 nøyaktig én gang.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Velg en rute, så et tall</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klikk på en tom rute, og deretter på et tall på talltastaturet eller tastaturet ditt. Eller velg et tall først for å utheve det overalt på brettet.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Bruk notater</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Slå på «Notater» for å skrive mulige tall med små tegn i en rute. «Auto» fyller inn alle notater for deg, og «Angre» tar det tilbake.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Trenger du hjelp?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>«Tips» fyller inn én rute for deg. Et spill der du har brukt tips, gir ingen beste tid.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Ferdige tall låses</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Når alle ni av et tall står på riktig plass, låses rutene, og tallet kan ikke brukes igjen.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Angre og nye oppgaver</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>«Angre» tar tilbake det siste trekket ditt. Velg Lett, Middels, Vanskelig eller Ekspert i Innstillinger.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Flytt mellom ruter</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Skriv inn et tall</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Slå notater på eller av</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Fyll inn alle notater</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Gi et tips</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Ny oppgave</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Åpne Innstillinger</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Laget av Pondrel-teamet</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Et enkelt sudokuspill for systemkurven.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Besøk %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel-teamet. Med enerett.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lett</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vanskelig</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Prikker</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Rutenett med hjørne</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Tallrute</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Funnet ved utelukkelse</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Det eneste tallet som fullfører oppgaven</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Forklar tips</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Forteller etter et tips i én setning hvorfor tallet hører hjemme der.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopier oppgave</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Lim inn oppgave</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Oppgaven er kopiert</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Utklippstavlen inneholder ingen oppgave</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Denne oppgaven har ingen løsning</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Denne oppgaven har mer enn én løsning</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Gjør om (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gjør om</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Neste steg</translation>
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
        <translation>Se på rad %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Se på kolonne %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Se på boks %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Se på rad %lld og kolonne %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Se på rad %lld, kolonne %lld og boks %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Se på de markerte rutene</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Denne %lld hører ikke hjemme her</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Fant ikke noe steg. Tips (H) fyller ut en rute</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: bare %lld mangler i rad %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: bare %lld mangler i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: bare %lld mangler i boks %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: bare %lld passer i denne ruten</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld har én plass igjen i rad %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld har én plass igjen i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld har én plass igjen i boks %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: i boks %lld kan %lld bare stå i rad %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: i boks %lld kan %lld bare stå i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: i rad %lld kan %lld bare stå i boks %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: i kolonne %lld kan %lld bare stå i boks %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: disse rutene i rad %lld kan bare ha %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: disse rutene i kolonne %lld kan bare ha %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: disse rutene i boks %lld kan bare ha %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ kan bare stå i disse rutene i rad %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ kan bare stå i disse rutene i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ kan bare stå i disse rutene i boks %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: i disse radene kan %lld bare stå i disse kolonnene</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: i disse kolonnene kan %lld bare stå i disse radene</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Funnet med %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ har ingen kandidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld har ingen plass i %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld to ganger i %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: hvis %@ var %lld: %@ → %@, så det er ikke %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: hvis %@ var %lld, fulgte en motsigelse, så det er ikke %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: hver plass for ett siffer i %@ fører til %@, så det gjelder</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: hver kandidat i %@ fører til %@, så det gjelder</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ på %lld: fisken eller finnen %@ har det; det begge utelukker, mister det</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: de sterke lenkene setter %lld i %@ eller %@; ruter som ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: kjeden setter %lld i %@ eller %@; ruter som ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ gjør %@ eller %@ til %lld; ruter som ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ eller tang %@ eller %@ er %lld; ruter som ser alle tre, mister det</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: sterk lenke %@ gjør %@ eller %@ til %lld; ruter som ser begge, mister det</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ på %lld: én farge er sann; ruter som ser begge farger, mister det</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ på %lld: %@ og %@ ser hverandre, så fargen deres er usann</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ med bare %@ ga to løsninger, så %@ fjernes</translation>
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
