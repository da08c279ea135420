<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
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
        <translation>Pusslet är löst</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tid: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Spela igen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckna</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Anteckningar (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Fyll i alla anteckningar (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Radera (Delete)</translation>
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
        <translation>Nytt pussel</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nytt pussel (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Ångra (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Inställningar, Statistik, Så spelar du, Om och Avsluta</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Speltid %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Ge upp det här spelet?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Om du börjar ett nytt pussel nu nollställs din vinstsvit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Öppna Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Avsluta Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokuspelplan</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld kvar</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld kvar</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rad %lld, kolumn %lld, %lld, förifylld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rad %lld, kolumn %lld, %lld, fel</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rad %lld, kolumn %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rad %lld, kolumn %lld, tom, anteckningar %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rad %lld, kolumn %lld, tom</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Välkommen till Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku bor i systemfältet. Klicka på dess ikon i panelen för att spela. Den ser ut så här:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Spelets ikon, markerad i panelen</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Ser du den inte? Panelen kan dölja vissa ikoner i systemfältet bakom en pil.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Vill du veta reglerna? Öppna spelets meny och välj ”Så spelar du”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Uppfattat</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Välkommen</translation>
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
        <translation>Bästa tid: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Spelade spel</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Vunna spel</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Förlorade spel</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Vinstandel</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Nuvarande svit</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Bästa svit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nollställ</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Nollställ all statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nollställ all statistik?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Detta rensar dina spel, vinster, sviter och bästa tider. Det går inte att ångra.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Byter du svårighetsgrad delas ett nytt pussel ut och din vinstsvit nollställs.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon i systemfältet</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Spelplanens storlek</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Avstängt i skrivbordets inställningar för autostart.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Svårighetsgrad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Markera fel</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Visar en siffra i rött så snart den bryter mot reglerna eller inte hör hemma i den rutan.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Markera samma siffror</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Färgar varje ruta som innehåller samma siffra som den valda.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Rensa anteckningar automatiskt</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>En placerad siffra tas bort från anteckningarna i dess rad, kolumn och block.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Så spelar du</translation>
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
        <translation>SPEL</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TANGENTBORD</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Bor i systemfältet</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klicka på rutnätsikonen i panelen för att öppna spelet. Klicka någon annanstans för att dölja det; klockan pausas. Ser du den inte? Panelen kan dölja vissa ikoner i systemfältet bakom en pil.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Fyll spelplanen</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Varje rad, varje kolumn och varje 3×3-block måste innehålla siffrorna 1 till 9 exakt en gång.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Välj en ruta, sedan en siffra</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klicka på en tom ruta och sedan på en siffra på sifferknapparna eller tangentbordet. Eller välj en siffra först för att lysa upp alla dess förekomster på spelplanen.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Använd anteckningar</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Slå på ”Anteckna” för att skriva små möjliga siffror i en ruta. ”Auto” fyller i alla anteckningar åt dig, och ”Ångra” tar tillbaka det.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Behöver du hjälp?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>”Tips” fyller i en ruta åt dig. Ett spel där du har använt ett tips ger ingen bästa tid.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Färdiga siffror låses</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>När en siffra står på rätt plats alla nio gånger låses dess rutor och siffran kan inte användas igen.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Ångra och nya pussel</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>”Ångra” tar tillbaka ditt senaste drag. Välj Lätt, Medel, Svår eller Expert i Inställningar.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Flytta mellan rutor</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Skriv en siffra</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Slå på eller av anteckningar</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Fyll i alla anteckningar</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Ge ett tips</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nytt pussel</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Öppna Inställningar</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Skapat av Pondrel-teamet</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Ett enkelt sudokuspel för systemfältet.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Besök %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel-teamet. Alla rättigheter förbehållna.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
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
        <translation>Prickar</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Rutnät med hörn</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Sifferruta</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Hittad genom uteslutning</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Den enda siffran som fullbordar pusslet</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Förklara tips</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Förklarar efter ett tips i en mening varför siffran ska stå där.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiera pussel</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Klistra in pussel</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Pusslet har kopierats</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Urklippet innehåller inget pussel</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Det här pusslet har ingen lösning</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Det här pusslet har mer än en lösning</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Gör om (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nästa steg</translation>
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
        <translation>Titta på rad %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Titta på kolumn %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Titta på block %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Titta på rad %lld och kolumn %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Titta på rad %lld, kolumn %lld och block %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Titta på de markerade rutorna</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Den här %lld hör inte hit</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Inget steg hittades. Tips (H) fyller i en ruta</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: bara %lld saknas i rad %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: bara %lld saknas i kolumn %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: bara %lld saknas i block %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: bara %lld passar i den här rutan</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld har en plats kvar i rad %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld har en plats kvar i kolumn %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld har en plats kvar i block %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: i block %lld kan %lld bara stå i rad %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: i block %lld kan %lld bara stå i kolumn %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: i rad %lld kan %lld bara stå i block %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: i kolumn %lld kan %lld bara stå i block %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: de här rutorna i rad %lld rymmer bara %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: de här rutorna i kolumn %lld rymmer bara %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: de här rutorna i block %lld rymmer bara %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ kan bara stå i de här rutorna i rad %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ kan bara stå i de här rutorna i kolumn %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ kan bara stå i de här rutorna i block %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: i de här raderna kan %lld bara stå i de här kolumnerna</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: i de här kolumnerna kan %lld bara stå i de här raderna</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Hittad med %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ har ingen kandidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld har ingen plats i %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld två gånger i %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: om %@ vore %lld: %@ → %@, så den är inte %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: om %@ vore %lld följde en motsägelse, så den är inte %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: varje plats för en siffra i %@ leder till %@, så det gäller</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: varje kandidat i %@ leder till %@, så det gäller</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ på %lld: fisken eller fenan %@ har den; det båda utesluter förlorar den</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: de starka länkarna sätter %lld i %@ eller %@; rutor som ser båda förlorar den</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: kedjan sätter %lld i %@ eller %@; rutor som ser båda förlorar den</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ gör %@ eller %@ till %lld; rutor som ser båda förlorar den</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ eller tång %@ eller %@ är %lld; rutor som ser alla tre förlorar den</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: stark länk %@ gör %@ eller %@ till %lld; rutor som ser båda förlorar den</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ på %lld: en färg är sann; rutor som ser båda färgerna förlorar den</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ på %lld: %@ och %@ ser varandra, så deras färg är falsk</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ med bara %@ gav två lösningar, så %@ stryks</translation>
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
