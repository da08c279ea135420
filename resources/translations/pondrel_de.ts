<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Rätsel gelöst</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Zeit: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notizen (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Alle Notizen eintragen (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Löschen (Entf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tipp (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Neues Rätsel (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Rückgängig (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Einstellungen, Statistik, Spielanleitung, Info &amp; Beenden</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Spielzeit %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Dieses Spiel aufgeben?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Wenn du jetzt ein neues Rätsel beginnst, wird deine Siegesserie zurückgesetzt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku öffnen</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku beenden</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku-Spielfeld</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Noch %lld übrig</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Noch %lld übrig</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Zeile %lld, Spalte %lld, %lld, vorgegeben</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Zeile %lld, Spalte %lld, %lld, falsch</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Zeile %lld, Spalte %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Zeile %lld, Spalte %lld, leer, Notizen %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Zeile %lld, Spalte %lld, leer</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Willkommen bei Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku wohnt im Systembereich. Klicke zum Spielen auf sein Symbol in deiner Leiste. So sieht es aus:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Das Symbol des Spiels, hervorgehoben in der Leiste</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nicht zu sehen? Manche Leisten verstecken Symbole hinter einem Pfeil.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Du suchst die Regeln? Öffne das Menü des Spiels und wähle „Spielanleitung“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
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
        <translation>Bestzeit: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Verlorene Spiele</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Alle Statistiken zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Alle Statistiken zurücksetzen?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Deine Spiele, Siege, Serien und Bestzeiten werden gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Ein anderer Schwierigkeitsgrad beginnt ein neues Rätsel und setzt deine Siegesserie zurück.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Symbol im Systembereich</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Spielfeldgröße</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>In den Autostart-Einstellungen deiner Arbeitsumgebung ausgeschaltet.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Fehler hervorheben</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Zeigt eine Zahl rot an, sobald sie gegen die Regeln verstößt oder nicht in dieses Feld gehört.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Gleiche Zahlen hervorheben</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Hinterlegt jedes Feld, das dieselbe Zahl enthält wie das ausgewählte.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Notizen automatisch entfernen</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Eine gesetzte Zahl wird aus den Notizen ihrer Zeile, ihrer Spalte und ihres Blocks entfernt.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATUR</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Zu Hause im Systembereich</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klicke auf das Gittersymbol in deiner Leiste, um das Spiel zu öffnen. Ein Klick woanders blendet es aus; die Uhr hält dann an. Nicht zu sehen? Manche Leisten verstecken Symbole hinter einem Pfeil.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Fülle das Spielfeld</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Jede Zeile, jede Spalte und jeder 3×3-Block muss die Zahlen 1 bis 9 genau einmal enthalten.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Erst ein Feld, dann eine Zahl</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klicke auf ein leeres Feld und dann auf eine Zahl im Ziffernblock oder auf der Tastatur. Oder wähle zuerst eine Zahl, um sie überall auf dem Spielfeld hervorzuheben.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Notizen nutzen</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Schalte „Notizen“ ein, um mögliche Zahlen klein in ein Feld zu schreiben. „Auto“ trägt alle Notizen für dich ein, „Rückgängig“ nimmt das wieder zurück.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Brauchst du Hilfe?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Tipp“ füllt ein Feld für dich aus. Ein Spiel mit Tipp zählt nicht für die Bestzeit.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Fertige Zahlen werden gesperrt</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Stehen alle neun Exemplare einer Zahl an der richtigen Stelle, werden ihre Felder gesperrt und die Zahl ist nicht mehr wählbar.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Rückgängig und neue Rätsel</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Rückgängig“ nimmt deinen letzten Zug zurück. Leicht, Mittel, Schwer oder Experte wählst du in den Einstellungen.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Zwischen Feldern wechseln</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Zahl eintragen</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Notizen ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Alle Notizen eintragen</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Tipp geben</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Vom Pondrel-Team</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Ein schlichtes Sudoku für deinen Systembereich.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ besuchen</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Das Pondrel-Team. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Gitter mit Ecke</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Zahlenquadrat</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Durch Ausschluss gefunden</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Die einzige Zahl, die das Rätsel löst</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Tipps erklären</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Erklärt nach einem Tipp in einem Satz, warum die Zahl dorthin gehört.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Rätsel kopiert</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Die Zwischenablage enthält kein Rätsel</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Dieses Rätsel hat keine Lösung</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Dieses Rätsel hat mehr als eine Lösung</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Wiederholen (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nackter Einer</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Versteckter Einer</translation>
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
        <translation>Nacktes Paar</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Verstecktes Paar</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nackter Dreier</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Versteckter Dreier</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nackter Vierer</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Versteckter Vierer</translation>
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
        <translation>Einfaches Färben</translation>
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
        <translation>X-Kette</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-Kette</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Erzwingende Kette</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Sieh dir Zeile %lld an</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Sieh dir Spalte %lld an</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Sieh dir Block %lld an</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Sieh dir Zeile %lld und Spalte %lld an</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Sieh dir Zeile %lld, Spalte %lld und Block %lld an</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Sieh dir die markierten Felder an</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Diese %lld gehört nicht hierher</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Kein Schritt gefunden. Tipp (H) füllt ein Feld aus</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: Nur die %lld fehlt noch in Zeile %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: Nur die %lld fehlt noch in Spalte %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: Nur die %lld fehlt noch in Block %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: Nur die %lld passt in dieses Feld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: Die %lld hat in Zeile %lld nur noch einen Platz</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: Die %lld hat in Spalte %lld nur noch einen Platz</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: Die %lld hat in Block %lld nur noch einen Platz</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: In Block %lld passt die %lld nur in Zeile %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: In Block %lld passt die %lld nur in Spalte %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: In Zeile %lld passt die %lld nur in Block %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: In Spalte %lld passt die %lld nur in Block %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: In Zeile %lld passen in diese Felder nur %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: In Spalte %lld passen in diese Felder nur %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: In Block %lld passen in diese Felder nur %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ passen in Zeile %lld nur in diese Felder</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ passen in Spalte %lld nur in diese Felder</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ passen in Block %lld nur in diese Felder</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: Die %lld passt in diesen Zeilen nur in diese Spalten</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: Die %lld passt in diesen Spalten nur in diese Zeilen</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Technik: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ ohne Kandidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld hat in %@ keinen Platz</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld doppelt in %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: Wäre %@ eine %lld: %@ → %@, also keine %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: Wäre %@ eine %lld, folgte ein Widerspruch, also ist es keine %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: Jeder Platz einer Ziffer in %@ führt zu %@, also gilt es</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: Jeder Kandidat von %@ führt zu %@, also gilt es</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): Fisch oder Flosse %@ hat sie; was beide ausschließen, entfällt</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: Starke Links: %3$@ oder %4$@ ist %2$lld; wer beide sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: Die Kette setzt die %lld nach %@ oder %@; wer beide sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: Pivot %@ macht %@ oder %@ zur %lld; wer beide sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: Pivot %@ oder Zange %@/%@ ist %lld; wer alle sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: Starker Link %@ macht %@ oder %@ zur %lld; wer beide sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ mit %lld: Eine Farbe stimmt; wer beide Farben sieht, verliert sie</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ mit %lld: %@ und %@ sehen sich, also ist ihre Farbe falsch</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ nur mit %@ ergäbe zwei Lösungen, also entfällt %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Erzwingendes Netz</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Verschachtelte Kette</translation>
    </message>
</context>
</TS>
