<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Sudoku risolto</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tempo: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Gioca ancora</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Note (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Inserisci tutte le note (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Cancella (Canc)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Suggerimento (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuovo sudoku</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nuovo sudoku (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Annulla (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferenze, statistiche, come giocare, informazioni ed esci</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Tempo di gioco %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abbandonare questa partita?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Se inizi ora un nuovo sudoku, la tua serie di vittorie verrà azzerata.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Apri Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Esci da Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Griglia del sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Ne resta %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Ne restano %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Ne restano %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Riga %lld, colonna %lld, %lld, iniziale</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Riga %lld, colonna %lld, %lld, errato</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Riga %lld, colonna %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Riga %lld, colonna %lld, vuota, note %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Riga %lld, colonna %lld, vuota</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Benvenuto in Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku vive nel vassoio di sistema. Fai clic sulla sua icona nel pannello per giocare. Ecco come appare:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>L'icona del gioco, evidenziata nel pannello</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Non la vedi? Il pannello potrebbe nascondere alcune icone del vassoio dietro una freccia.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Ti servono le regole? Apri il menu del gioco e scegli «Come giocare».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versione %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Miglior tempo: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Partite perse</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Serie attuale</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Serie migliore</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Azzera tutte le statistiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Azzerare tutte le statistiche?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Partite, vittorie, serie e tempi migliori verranno cancellati. L'operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Cambiare la difficoltà avvia un nuovo sudoku e azzera la tua serie di vittorie.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icona nel vassoio</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Dimensione griglia</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Avvia all'accesso</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Disattivato nelle impostazioni di avvio automatico del desktop.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Evidenzia errori</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Mostra un numero in rosso non appena viola le regole o non appartiene a quella casella.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Evidenzia numeri uguali</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Ombreggia ogni casella che contiene lo stesso numero di quella selezionata.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Cancella note automaticamente</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Inserire un numero lo rimuove dalle note della sua riga, colonna e riquadro.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come giocare</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APPLICAZIONE</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>GIOCO</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTIERA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Vive nel vassoio di sistema</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Fai clic sull'icona a griglia nel pannello per aprire il gioco. Fai clic altrove per nasconderlo; il cronometro si ferma. Non la vedi? Il pannello potrebbe nascondere alcune icone del vassoio dietro una freccia.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Riempi la griglia</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Ogni riga, ogni colonna e ogni riquadro 3×3 deve contenere i numeri da 1 a 9 una sola volta.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Scegli una casella, poi un numero</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Fai clic su una casella vuota, poi su un numero del tastierino o della tastiera. Oppure scegli prima un numero per evidenziarlo in tutta la griglia.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Usa le note</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Attiva Note per annotare in piccolo i numeri possibili in una casella. Auto inserisce tutte le note per te e Annulla le toglie.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Serve una mano?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Aiuto riempie una casella per te. Una partita in cui hai usato un suggerimento non registra il miglior tempo.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>I numeri completati si bloccano</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Quando tutti e nove gli esemplari di un numero sono al posto giusto, le loro caselle si bloccano e il numero non si può più usare.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Annulla e nuovi sudoku</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Annulla revoca la tua ultima mossa. Scegli Facile, Medio, Difficile o Esperto nelle Preferenze.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Spostarsi tra le caselle</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Inserire un numero</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Attivare o disattivare le note</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Inserire tutte le note</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Dare un suggerimento</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nuovo sudoku</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Aprire le Preferenze</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Realizzato dal team di Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un semplice gioco di sudoku per il vassoio di sistema.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visita %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Il team di Pondrel. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Griglia con angolo</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Numero nel quadrato</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Trovato per esclusione</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>L&apos;unico numero che completa il sudoku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Spiega i suggerimenti</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Dopo un suggerimento, spiega in una frase perché il numero va lì.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copia sudoku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Incolla sudoku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiato</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Gli appunti non contengono un sudoku</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Questo sudoku non ha soluzione</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Questo sudoku ha più di una soluzione</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Ripeti (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Passo successivo</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singolo nudo</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Singolo nascosto</translation>
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
        <translation>Coppia nuda</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Coppia nascosta</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Tripla nuda</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Tripla nascosta</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quadrupla nuda</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quadrupla nascosta</translation>
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
        <translation>Grattacielo</translation>
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
        <translation>Rettangolo unico</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Colorazione semplice</translation>
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
        <translation>Catena X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Catena XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Catena forzata</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Guarda la riga %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Guarda la colonna %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Guarda il riquadro %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Guarda la riga %lld e la colonna %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Guarda la riga %lld, la colonna %lld e il riquadro %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Guarda le caselle evidenziate</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Questo %lld non va qui</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nessun passo trovato. Aiuto (H) riempie una casella</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: manca solo il %lld nella riga %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: manca solo il %lld nella colonna %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: manca solo il %lld nel riquadro %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: in questa casella va solo il %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: il %lld ha un solo posto nella riga %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: il %lld ha un solo posto nella colonna %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: il %lld ha un solo posto nel riquadro %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: nel riquadro %lld, il %lld va solo nella riga %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: nel riquadro %lld, il %lld va solo nella colonna %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: nella riga %lld, il %lld va solo nel riquadro %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: nella colonna %lld, il %lld va solo nel riquadro %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: queste caselle della riga %lld ammettono solo %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: queste caselle della colonna %lld ammettono solo %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: queste caselle del riquadro %lld ammettono solo %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ vanno solo in queste caselle della riga %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ vanno solo in queste caselle della colonna %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ vanno solo in queste caselle del riquadro %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: in queste righe il %lld va solo in queste colonne</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: in queste colonne il %lld va solo in queste righe</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Trovato con %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ non ha candidati</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>il %lld non ha posto in %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>il %lld due volte in %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: se %@ fosse %lld: %@ → %@, quindi non è %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: se %@ fosse %lld ci sarebbe una contraddizione, quindi non è %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: ogni posto di una cifra in %@ porta a %@, quindi vale</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: ogni candidato di %@ porta a %@, quindi vale</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): pesce o pinna %@ lo ha; ciò che entrambi escludono lo perde</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: i legami forti mettono il %lld in %@ o %@; chi vede entrambe lo perde</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: la catena mette il %lld in %@ o %@; chi vede entrambe lo perde</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: il perno %@ rende %@ o %@ un %lld; chi vede entrambe lo perde</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: il perno %@ o la pinza %@ o %@ è %lld; chi vede tutte e tre lo perde</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: il legame forte %@ rende %@ o %@ un %lld; chi vede entrambe lo perde</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ sul %lld: un colore è vero; chi vede entrambi i colori lo perde</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ sul %lld: %@ e %@ si vedono, quindi il loro colore è falso</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ con solo %@ avrebbe due soluzioni, quindi %@ va tolto</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Rete forzata</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Catena annidata</translation>
    </message>
</context>
</TS>
