<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
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
        <translation>Sudoku resolt</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Temps: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Torna a jugar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notes (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Omple totes les notes (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Esborra</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Esborra (Supr)</translation>
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
        <translation>Sudoku nou</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Sudoku nou (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfés</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Desfés (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferències, estadístiques, com es juga, quant a i surt</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Temps de joc %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Voleu abandonar aquesta partida?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Si comenceu un sudoku nou ara, la vostra ratxa de victòries tornarà a zero.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Obre el Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Surt del Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Tauler de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>En queda %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>En queden %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>En queden %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Fila %lld, columna %lld, %lld, inicial</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Fila %lld, columna %lld, %lld, incorrecte</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Fila %lld, columna %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Fila %lld, columna %lld, buida, notes %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Fila %lld, columna %lld, buida</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Us donem la benvinguda al Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>El Pondrel Sudoku viu a la safata del sistema. Feu clic a la seva icona del plafó per a jugar. Té aquest aspecte:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>La icona del joc, ressaltada al plafó</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>No la veieu? Pot ser que el plafó amagui algunes icones de la safata darrere d'una fletxa.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Necessiteu les regles? Obriu el menú del joc i trieu «Com es juga».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entesos</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvinguda</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versió %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Millor temps: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partides jugades</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partides guanyades</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Partides perdudes</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Percentatge de victòries</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Ratxa actual</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Millor ratxa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicia</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Reinicia totes les estadístiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Voleu reiniciar totes les estadístiques?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>S'esborraran les vostres partides, victòries, ratxes i millors temps. No es pot desfer.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Canviar la dificultat comença un sudoku nou i posa a zero la vostra ratxa de victòries.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icona de la safata</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Mida del tauler</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Inicia en iniciar la sessió</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Desactivat a la configuració d'inici automàtic de l'escriptori.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultat</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Ressalta els errors</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Mostra un número en vermell tan bon punt incompleix les regles o no correspon a aquella casella.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Ressalta els números iguals</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Ombreja cada casella que conté el mateix número que la seleccionada.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Esborra les notes automàticament</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>En col·locar un número, se suprimeix de les notes de la seva fila, columna i bloc.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferències</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadístiques</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Com es juga</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLICACIÓ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JOC</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TECLAT</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Viu a la safata del sistema</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Feu clic a la icona de quadrícula del plafó per a obrir el joc. Feu clic a qualsevol altre lloc per a amagar-lo; el rellotge s'atura. No la veieu? Pot ser que el plafó amagui algunes icones de la safata darrere d'una fletxa.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Ompliu la quadrícula</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Cada fila, cada columna i cada bloc de 3×3 ha de contenir els números de l'1 al 9 exactament una vegada.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Trieu una casella i després un número</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Feu clic a una casella buida i després a un número dels botons o del teclat. O trieu primer un número per a ressaltar-lo a tot el tauler.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Feu servir les notes</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Activeu Notes per a anotar en petit els números possibles d'una casella. Auto us omple totes les notes, i Desfés les torna a treure.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Necessiteu un cop de mà?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Pista us omple una casella. Una partida en què s'ha fet servir una pista no compta per al millor temps.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Els números acabats es bloquegen</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Quan els nou exemplars d'un número són al lloc correcte, les seves caselles es bloquegen i el número ja no es pot fer servir.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Desfés i sudokus nous</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Desfés anul·la el vostre últim moviment. Trieu Fàcil, Mitjà, Difícil o Expert a les Preferències.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Moure's entre caselles</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Introduir un número</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Activar o desactivar les notes</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Omplir totes les notes</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Donar una pista</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Sudoku nou</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Obrir les Preferències</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Fet per l'equip del Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un joc de sudoku senzill per a la safata del sistema.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visiteu %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 L'equip del Pondrel. Tots els drets reservats.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mitjà</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estàndard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Quadrícula amb cantonada</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Número en quadrat</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Trobat per eliminació</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>L&apos;únic número que completa el sudoku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Explica les pistes</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Després d&apos;una pista, explica en una línia per què hi va el número.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copia el sudoku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Enganxa el sudoku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiat</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>El porta-retalls no conté cap sudoku</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Aquest sudoku no té solució</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Aquest sudoku té més d&apos;una solució</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Refés (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refés</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Pas següent</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton nu</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Singleton amagat</translation>
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
        <translation>Parella nua</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Parella amagada</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Trio nu</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Trio amagat</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quartet nu</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quartet amagat</translation>
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
        <translation>Gratacel</translation>
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
        <translation>Rectangle únic</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Coloració simple</translation>
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
        <translation>Cadena X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Cadena XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Cadena forçada</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Mireu la fila %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Mireu la columna %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Mireu el bloc %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Mireu la fila %lld i la columna %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Mireu la fila %lld, la columna %lld i el bloc %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Mireu les caselles ressaltades</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Aquest %lld no va aquí</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>No s&apos;ha trobat cap pas. Pista (H) omple una casella</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: només falta el %lld a la fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: només falta el %lld a la columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: només falta el %lld al bloc %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: en aquesta casella només hi cap el %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: el %lld només té un lloc a la fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: el %lld només té un lloc a la columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: el %lld només té un lloc al bloc %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: al bloc %lld, el %lld només pot anar a la fila %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: al bloc %lld, el %lld només pot anar a la columna %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: a la fila %lld, el %lld només pot anar al bloc %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: a la columna %lld, el %lld només pot anar al bloc %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: aquestes caselles de la fila %lld només admeten %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: aquestes caselles de la columna %lld només admeten %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: aquestes caselles del bloc %lld només admeten %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ només poden anar en aquestes caselles de la fila %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ només poden anar en aquestes caselles de la columna %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ només poden anar en aquestes caselles del bloc %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: en aquestes files, el %lld només pot anar en aquestes columnes</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: en aquestes columnes, el %lld només pot anar en aquestes files</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Trobat amb %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ no té candidats</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>el %lld no té lloc a %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>el %lld dues vegades a %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: si %@ fos %lld: %@ → %@, així que no és %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: si %@ fos %lld hi hauria una contradicció, així que no és %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: cada lloc d&apos;una xifra a %@ porta a %@, així que es compleix</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: cada candidat de %@ porta a %@, així que es compleix</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): peix o aleta %@ el té; el que tots dos exclouen el perd</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: els enllaços forts posen el %lld a %@ o %@; el que veu totes dues el perd</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: la cadena posa el %lld a %@ o %@; el que veu totes dues el perd</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: el pivot %@ fa que %@ o %@ sigui %lld; el que veu totes dues el perd</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: el pivot %@ o la pinça %@ o %@ és %lld; el que veu les tres el perd</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: l&apos;enllaç fort %@ fa que %@ o %@ sigui %lld; el que veu totes dues el perd</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ amb %lld: un color és cert; el que veu tots dos colors el perd</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ amb %lld: %@ i %@ es veuen, així que el seu color és fals</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ només amb %@ donaria dues solucions; es treu %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Xarxa forçada</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Cadena imbricada</translation>
    </message>
</context>
</TS>
