<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Puzzel opgelost</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tijd: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Opnieuw spelen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notities (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Alle notities invullen (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Wissen (Delete)</translation>
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
        <translation>Nieuwe puzzel</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nieuwe puzzel (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Ongedaan maken (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Voorkeuren, statistieken, spelregels, info en afsluiten</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Speeltijd %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Dit spel opgeven?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Als je nu een nieuwe puzzel begint, wordt je winstreeks op nul gezet.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku openen</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku afsluiten</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokuspeelveld</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Nog %lld over</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Nog %lld over</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rij %lld, kolom %lld, %lld, gegeven</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rij %lld, kolom %lld, %lld, fout</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rij %lld, kolom %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rij %lld, kolom %lld, leeg, notities %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rij %lld, kolom %lld, leeg</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Welkom bij Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku woont in je systeemvak. Klik op het pictogram in je paneel om te spelen. Het ziet er zo uit:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Het pictogram van het spel, gemarkeerd in het paneel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Zie je het niet? Je paneel verbergt misschien sommige pictogrammen achter een pijltje.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Regels nodig? Open het menu van het spel en kies ‘Spelregels’.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Begrepen</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versie %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Beste tijd: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Verloren spellen</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Winstpercentage</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Huidige reeks</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Alle statistieken resetten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Alle statistieken resetten?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Hiermee worden je spellen, overwinningen, reeksen en beste tijden gewist. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Een andere moeilijkheidsgraad begint een nieuwe puzzel en zet je winstreeks op nul.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Pictogram in systeemvak</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Grootte speelveld</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Uitgeschakeld in de instellingen voor automatisch starten van je bureaublad.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Moeilijkheidsgraad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Fouten markeren</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Toont een getal in het rood zodra het de regels breekt of niet in dat vakje hoort.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Gelijke getallen markeren</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Kleurt elk vakje met hetzelfde getal als het geselecteerde vakje.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Notities automatisch wissen</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Een geplaatst getal wordt verwijderd uit de notities in zijn rij, kolom en blok.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>TOEPASSING</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>SPEL</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TOETSENBORD</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Woont in je systeemvak</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klik op het rasterpictogram in je paneel om het spel te openen. Klik ergens anders om het te verbergen; de klok pauzeert dan. Zie je het niet? Je paneel verbergt misschien sommige pictogrammen achter een pijltje.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Vul het raster</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Elke rij, elke kolom en elk 3×3-blok moet de getallen 1 tot en met 9 precies één keer bevatten.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Kies een vakje, dan een getal</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Klik op een leeg vakje en dan op een getal op de knoppen of je toetsenbord. Of kies eerst een getal om het overal op het speelveld te laten oplichten.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Gebruik notities</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Zet Notities aan om mogelijke getallen klein in een vakje te noteren. Auto vult alle notities voor je in, en Ongedaan maken draait dat terug.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Hulp nodig?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Tip vult één vakje voor je in. Een spel waarin een tip is gebruikt, telt niet mee voor de beste tijd.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Voltooide getallen worden vergrendeld</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Als alle negen exemplaren van een getal op de juiste plek staan, worden hun vakjes vergrendeld en kan het getal niet meer worden gekozen.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Ongedaan maken en nieuwe puzzels</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Ongedaan maken draait je laatste zet terug. Kies Makkelijk, Gemiddeld, Moeilijk of Expert in Voorkeuren.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Tussen vakjes wisselen</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Een getal invullen</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Notities aan- of uitzetten</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Alle notities invullen</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Een tip geven</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nieuwe puzzel</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Voorkeuren openen</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Gemaakt door het Pondrel-team</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Een eenvoudig sudokuspel voor je systeemvak.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ bezoeken</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Het Pondrel-team. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Stippen</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Raster met hoek</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Getal in vierkant</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Gevonden door wegstrepen</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Het enige getal dat de puzzel afmaakt</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Tips uitleggen</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Zegt na een tip in één zin waarom het getal daar hoort.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Puzzel kopiëren</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Puzzel plakken</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Puzzel gekopieerd</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Het klembord bevat geen puzzel</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Deze puzzel heeft geen oplossing</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Deze puzzel heeft meer dan één oplossing</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Opnieuw (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Volgende stap</translation>
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
        <translation>Bekijk rij %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Bekijk kolom %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Bekijk blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Bekijk rij %lld en kolom %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Bekijk rij %lld, kolom %lld en blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Bekijk de gemarkeerde vakjes</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Deze %lld hoort hier niet</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Geen stap gevonden. Tip (H) vult een vakje in</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: alleen de %lld ontbreekt nog in rij %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: alleen de %lld ontbreekt nog in kolom %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: alleen de %lld ontbreekt nog in blok %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: alleen de %lld past in dit vakje</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: de %lld heeft nog één plek in rij %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: de %lld heeft nog één plek in kolom %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: de %lld heeft nog één plek in blok %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: in blok %lld past de %lld alleen in rij %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: in blok %lld past de %lld alleen in kolom %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: in rij %lld past de %lld alleen in blok %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: in kolom %lld past de %lld alleen in blok %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: in rij %lld passen in deze vakjes alleen %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: in kolom %lld passen in deze vakjes alleen %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: in blok %lld passen in deze vakjes alleen %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ passen in rij %lld alleen in deze vakjes</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ passen in kolom %lld alleen in deze vakjes</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ passen in blok %lld alleen in deze vakjes</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: in deze rijen past de %lld alleen in deze kolommen</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: in deze kolommen past de %lld alleen in deze rijen</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Gevonden met %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ heeft geen kandidaat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>de %lld heeft geen plek in %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>de %lld twee keer in %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: als %@ een %lld was: %@ → %@, dus het is geen %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: als %@ een %lld was, volgde een tegenspraak, dus het is geen %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: elke plek van één cijfer in %@ leidt tot %@, dus dat geldt</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: elke kandidaat van %@ leidt tot %@, dus dat geldt</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ op %lld: de vis of vin %@ heeft hem; wat beide uitsluiten verliest hem</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: de sterke links zetten de %lld op %@ of %@; wat beide ziet verliest hem</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: de keten zet de %lld op %@ of %@; wat beide ziet verliest hem</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: spil %@ maakt %@ of %@ een %lld; wat beide ziet verliest hem</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: spil %@ of tang %@ of %@ is %lld; wat alle drie ziet verliest hem</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: sterke link %@ maakt %@ of %@ een %lld; wat beide ziet verliest hem</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ op %lld: één kleur is waar; wat beide kleuren ziet verliest hem</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ op %lld: %@ en %@ zien elkaar, dus hun kleur is onwaar</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ met alleen %@ gaf twee oplossingen, dus %@ valt af</translation>
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
