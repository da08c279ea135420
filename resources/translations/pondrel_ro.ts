<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
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
        <translation>Sudoku rezolvat</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Timp: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Joacă din nou</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notițe</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notițe (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Completează toate notițele (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Șterge (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indiciu</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Indiciu (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Sudoku nou</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Sudoku nou (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Anulează (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meniu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferințe, statistici, cum se joacă, despre și ieșire</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Timp de joc %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonezi acest joc?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Dacă începi acum un sudoku nou, seria ta de victorii va fi resetată.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Deschide Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Ieși din Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Tablă de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Mai rămâne %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Mai rămân %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Mai rămân %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rândul %lld, coloana %lld, %lld, inițial</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rândul %lld, coloana %lld, %lld, greșit</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rândul %lld, coloana %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rândul %lld, coloana %lld, goală, notițe %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rândul %lld, coloana %lld, goală</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Bun venit în Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku locuiește în tava de sistem. Dă clic pe pictograma lui din panou ca să joci. Arată așa:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Pictograma jocului, evidențiată în panou</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nu o vezi? Panoul poate ascunde unele pictograme din tavă în spatele unei săgeți.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Ai nevoie de reguli? Deschide meniul jocului și alege „Cum se joacă”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Am înțeles</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bun venit</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versiunea %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Cel mai bun timp: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Jocuri jucate</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Jocuri câștigate</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Jocuri pierdute</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Rată de câștig</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Seria curentă</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Cea mai lungă serie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Resetează toate statisticile</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Resetezi toate statisticile?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Se vor șterge jocurile, victoriile, seriile și cele mai bune timpuri. Acțiunea nu poate fi anulată.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Schimbarea dificultății începe un sudoku nou și îți resetează seria de victorii.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Pictogramă în tavă</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Mărimea tablei</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Dezactivat în setările de pornire automată ale mediului desktop.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultate</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Evidențiază greșelile</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Afișează un număr cu roșu imediat ce încalcă regulile sau nu își are locul în acea căsuță.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Evidențiază numerele identice</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Umbrește fiecare căsuță care conține același număr ca cea selectată.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Șterge automat notițele</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Plasarea unui număr îl elimină din notițele de pe rândul, coloana și blocul său.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistici</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cum se joacă</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLICAȚIE</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JOC</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATURĂ</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Locuiește în tava de sistem</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Dă clic pe pictograma cu grilă din panou ca să deschizi jocul. Dă clic oriunde altundeva ca să-l ascunzi; cronometrul se oprește. Nu o vezi? Panoul poate ascunde unele pictograme din tavă în spatele unei săgeți.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Completează grila</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Fiecare rând, fiecare coloană și fiecare bloc 3×3 trebuie să conțină numerele de la 1 la 9 exact o dată.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Alege o căsuță, apoi un număr</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Dă clic pe o căsuță goală, apoi pe un număr de pe butoane sau de la tastatură. Sau alege întâi un număr ca să-l evidențiezi peste tot pe tablă.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Folosește notițele</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Activează Notițe ca să scrii mic numerele posibile într-o căsuță. Auto completează toate notițele pentru tine, iar Anulează le retrage.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Ai nevoie de ajutor?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Indiciu completează o căsuță pentru tine. Un joc în care ai folosit un indiciu nu contează pentru cel mai bun timp.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Numerele terminate se blochează</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Când toate cele nouă apariții ale unui număr sunt la locul lor, căsuțele lui se blochează și numărul nu mai poate fi folosit.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Anulare și sudoku-uri noi</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Anulează retrage ultima ta mutare. Alege Ușor, Mediu, Greu sau Expert în Preferințe.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Deplasează-te între căsuțe</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Introdu un număr</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Activează sau dezactivează notițele</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Completează toate notițele</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Oferă un indiciu</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Sudoku nou</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Deschide preferințele</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Creat de echipa Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un joc de sudoku simplu pentru tava de sistem.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Vizitează %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Echipa Pondrel. Toate drepturile rezervate.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ușor</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Greu</translation>
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
        <translation>Mare</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puncte</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grilă cu colț</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Număr în pătrat</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Găsit prin eliminare</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Singurul număr care completează sudoku-ul</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Explică indiciile</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>După un indiciu, explică într-o frază de ce numărul merge acolo.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiază sudoku-ul</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Lipește sudoku-ul</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiat</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Clipboardul nu conține niciun sudoku</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Acest sudoku nu are soluție</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Acest sudoku are mai multe soluții</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Refă (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refă</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Pasul următor</translation>
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
        <translation>Uită-te la rândul %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Uită-te la coloana %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Uită-te la blocul %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Uită-te la rândul %lld și coloana %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Uită-te la rândul %lld, coloana %lld și blocul %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Uită-te la căsuțele evidențiate</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Acest %lld nu își are locul aici</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nu s-a găsit niciun pas. Indiciul (H) completează o căsuță</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: doar %lld lipsește de pe rândul %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: doar %lld lipsește din coloana %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: doar %lld lipsește din blocul %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: în această căsuță se potrivește doar %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld mai are un singur loc pe rândul %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld mai are un singur loc în coloana %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld mai are un singur loc în blocul %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: în blocul %lld, %lld poate sta doar pe rândul %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: în blocul %lld, %lld poate sta doar în coloana %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: pe rândul %lld, %lld poate sta doar în blocul %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: în coloana %lld, %lld poate sta doar în blocul %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: aceste căsuțe ale rândului %lld pot conține doar %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: aceste căsuțe ale coloanei %lld pot conține doar %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: aceste căsuțe ale blocului %lld pot conține doar %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ pot sta doar în aceste căsuțe ale rândului %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ pot sta doar în aceste căsuțe ale coloanei %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ pot sta doar în aceste căsuțe ale blocului %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: pe aceste rânduri, %lld poate sta doar în aceste coloane</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: în aceste coloane, %lld poate sta doar pe aceste rânduri</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Găsit cu %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nu are candidați</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld nu are loc în %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld de două ori în %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: dacă %@ ar fi %lld: %@ → %@, deci nu e %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: dacă %@ ar fi %lld, ar rezulta o contradicție, deci nu e %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: fiecare loc al unei cifre în %@ duce la %@, deci e adevărat</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: fiecare candidat din %@ duce la %@, deci e adevărat</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ pe %lld: peștele sau aripioara %@ îl conține; ce exclud ambele îl pierde</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: legăturile tari pun %lld în %@ sau %@; ce le vede pe amândouă îl pierde</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: lanțul pune %lld în %@ sau %@; ce le vede pe amândouă îl pierde</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivotul %@ face din %@ sau %@ un %lld; ce le vede pe amândouă îl pierde</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivotul %@ sau cleștele %@ sau %@ e %lld; ce le vede pe toate trei îl pierde</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: legătura tare %@ face din %@ sau %@ un %lld; ce le vede pe amândouă îl pierde</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ pe %lld: o culoare e adevărată; ce vede ambele culori îl pierde</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ pe %lld: %@ și %@ se văd, deci culoarea lor e falsă</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ doar cu %@ ar da două soluții, deci %@ iese</translation>
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
