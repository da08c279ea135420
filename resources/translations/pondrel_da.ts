<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
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
        <translation>Opgaven er løst</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tid: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Spil igen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noter</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Noter (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Udfyld alle noter (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Slet (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tip (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Ny opgave</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Ny opgave (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Fortryd (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Indstillinger, Statistik, Sådan spiller du, Om og Afslut</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Spilletid %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Opgiv dette spil?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Hvis du starter en ny opgave nu, nulstilles din sejrsstime.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Åbn Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Afslut Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku-spilleplade</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld tilbage</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld tilbage</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Række %lld, kolonne %lld, %lld, givet</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Række %lld, kolonne %lld, %lld, forkert</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Række %lld, kolonne %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Række %lld, kolonne %lld, tomt, noter %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Række %lld, kolonne %lld, tomt</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Velkommen til Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku bor i systembakken. Klik på dets ikon i panelet for at spille. Det ser sådan ud:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Spillets ikon, fremhævet i panelet</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Kan du ikke se det? Panelet skjuler måske nogle ikoner i systembakken bag en pil.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Vil du kende reglerne? Åbn spillets menu, og vælg “Sådan spiller du”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Forstået</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Bedste tid: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Spillede spil</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Vundne spil</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Tabte spil</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Vinderprocent</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Nuværende stime</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Bedste stime</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Nulstil al statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nulstil al statistik?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Dette sletter dine spil, sejre, stimer og bedste tider. Det kan ikke fortrydes.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Når du skifter sværhedsgrad, begynder en ny opgave, og din sejrsstime nulstilles.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon i systembakken</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Spillepladens størrelse</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Start ved login</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Slået fra i skrivebordets indstillinger for autostart.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Sværhedsgrad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Fremhæv fejl</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Viser et tal med rødt, så snart det bryder reglerne eller ikke hører hjemme i feltet.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Fremhæv ens tal</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Farver hvert felt, der indeholder samme tal som det valgte.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Ryd noter automatisk</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Et placeret tal fjernes fra noterne i dets række, kolonne og boks.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Sådan spiller du</translation>
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
        <translation>SPIL</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATUR</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Bor i systembakken</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klik på gitterikonet i panelet for at åbne spillet. Klik et andet sted for at skjule det; uret sættes på pause. Kan du ikke se det? Panelet skjuler måske nogle ikoner i systembakken bag en pil.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Udfyld spillepladen</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Hver række, hver kolonne og hver 3×3-boks skal indeholde tallene 1 til 9 præcis én gang.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Vælg et felt og derefter et tal</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klik på et tomt felt og derefter på et tal på taltastaturet eller dit tastatur. Eller vælg først et tal for at fremhæve det overalt på spillepladen.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Brug noter</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Slå “Noter” til for at skrive mulige tal med småt i et felt. “Auto” udfylder alle noter for dig, og “Fortryd” tager det tilbage.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Brug for hjælp?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>“Tip” udfylder et felt for dig. Et spil, hvor du har brugt et tip, giver ingen bedste tid.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Færdige tal låses</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Når alle ni af et tal står på de rigtige pladser, låses deres felter, og tallet kan ikke bruges igen.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Fortryd og nye opgaver</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>“Fortryd” tager dit seneste træk tilbage. Vælg Let, Middel, Svær eller Ekspert under Indstillinger.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Flyt mellem felter</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Indtast et tal</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Slå noter til eller fra</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Udfyld alle noter</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Giv et tip</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Ny opgave</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Åbn Indstillinger</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Lavet af Pondrel-holdet</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Et enkelt sudokuspil til systembakken.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Besøg %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel-holdet. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Let</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svær</translation>
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
        <translation>Gitter med hjørne</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Talfelt</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Fundet ved udelukkelse</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Det eneste tal, der fuldender opgaven</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Forklar tip</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Fortæller efter et tip med én sætning, hvorfor tallet skal stå der.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiér opgave</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Indsæt opgave</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Opgaven er kopieret</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Udklipsholderen indeholder ingen opgave</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Denne opgave har ingen løsning</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Denne opgave har mere end én løsning</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Omgør (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Omgør</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Næste trin</translation>
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
        <translation>Se på række %lld</translation>
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
        <translation>Se på række %lld og kolonne %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Se på række %lld, kolonne %lld og boks %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Se på de fremhævede felter</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Dette %lld hører ikke til her</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Intet trin fundet. Tip (H) udfylder et felt</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: kun %lld mangler i række %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: kun %lld mangler i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: kun %lld mangler i boks %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: kun %lld passer i dette felt</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld har én plads tilbage i række %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld har én plads tilbage i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld har én plads tilbage i boks %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: i boks %lld kan %lld kun stå i række %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: i boks %lld kan %lld kun stå i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: i række %lld kan %lld kun stå i boks %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: i kolonne %lld kan %lld kun stå i boks %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: disse felter i række %lld kan kun rumme %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: disse felter i kolonne %lld kan kun rumme %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: disse felter i boks %lld kan kun rumme %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ kan kun stå i disse felter i række %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ kan kun stå i disse felter i kolonne %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ kan kun stå i disse felter i boks %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: i disse rækker kan %lld kun stå i disse kolonner</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: i disse kolonner kan %lld kun stå i disse rækker</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Fundet med %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ har ingen kandidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld har ingen plads i %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld to gange i %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: hvis %@ var %lld: %@ → %@, så det er ikke %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: hvis %@ var %lld, fulgte en modstrid, så det er ikke %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: hver plads for ét ciffer i %@ fører til %@, så det gælder</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: hver kandidat i %@ fører til %@, så det gælder</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): fisk eller finne %@ har det; udelukket af begge mister det</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: stærke links giver %lld i %@ eller %@; det, der ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: kæden sætter %lld i %@ eller %@; felter, der ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ gør %@ eller %@ til %lld; felter, der ser begge, mister det</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ eller tang %@ eller %@ er %lld; felter, der ser alle tre, mister det</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: stærkt link %@ gør %@ eller %@ til %lld; felter, der ser begge, mister det</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ på %lld: én farve er sand; felter, der ser begge farver, mister det</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ på %lld: %@ og %@ ser hinanden, så deres farve er falsk</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ med kun %@ gav to løsninger, så %@ fjernes</translation>
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
