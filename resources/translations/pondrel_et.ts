<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
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
        <translation>Mõistatus lahendatud</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Aeg: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Mängi uuesti</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Märkmed</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Märkmed (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Täida kõik märkmed (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Kustuta (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Vihje (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Uus mõistatus</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Uus mõistatus (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Võta tagasi</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Võta tagasi (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menüü</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Sätted, statistika, mängujuhend, teave ja väljumine</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Mänguaeg %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Kas loobud sellest mängust?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Kui alustad nüüd uut mõistatust, algab sinu võiduseeria otsast peale.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Ava Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Välju Pondrel Sudokust</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokuväli</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Alles %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Alles %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rida %lld, veerg %lld, %lld, antud</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rida %lld, veerg %lld, %lld, vale</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rida %lld, veerg %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rida %lld, veerg %lld, tühi, märkmed %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rida %lld, veerg %lld, tühi</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Tere tulemast Pondrel Sudokusse</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku elab süsteemisalves. Mängimiseks klõpsa paneelil selle ikooni. See näeb välja selline:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Mängu ikoon, paneelil esile tõstetud</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Ei näe seda? Paneel võib mõne salve ikooni noole taha peita.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Vajad reegleid? Ava mängu menüü ja vali „Mängujuhend“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Selge</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Tere tulemast</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versioon %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Parim aeg: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Mänge mängitud</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Mänge võidetud</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Mänge kaotatud</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Võiduprotsent</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Praegune seeria</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Parim seeria</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Lähtesta kogu statistika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Kas lähtestada kogu statistika?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>See kustutab sinu mängud, võidud, seeriad ja parimad ajad. Seda ei saa tagasi võtta.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Raskuse muutmine toob uue mõistatuse ja lähtestab sinu võiduseeria.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Süsteemisalve ikoon</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Välja suurus</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Käivita sisselogimisel</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Välja lülitatud sinu töölaua automaatkäivituse sätetes.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Raskus</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Tõsta vead esile</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Näitab numbrit punasena niipea, kui see rikub reegleid või ei kuulu sellesse lahtrisse.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Tõsta samad numbrid esile</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Varjutab kõik lahtrid, milles on sama number kui valitud lahtris.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Puhasta märkmed automaatselt</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Paigutatud number eemaldatakse märkmetest oma reas, veerus ja ruudus.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Sätted</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Mängujuhend</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Teave</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>RAKENDUS</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>MÄNG</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLAVIATUUR</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Elab süsteemisalves</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Mängu avamiseks klõpsa paneelil ruudustiku ikooni. Peitmiseks klõpsa mujal; taimer peatub. Ei näe seda? Paneel võib mõne salve ikooni noole taha peita.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Täida ruudustik</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Igas reas, igas veerus ja igas 3×3 ruudus peavad olema numbrid 1 kuni 9 täpselt üks kord.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Vali lahter, siis number</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Puuduta tühja lahtrit ja seejärel numbrit numbriplokil või klaviatuuril. Või vali enne number, et see kogu väljal esile tõsta.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Kasuta märkmeid</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Lülita sisse „Märkmed“, et kirjutada lahtrisse väikselt võimalikke numbreid. „Auto“ täidab kõik märkmed sinu eest ja „Võta tagasi“ võtab need tagasi.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Vajad abi?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Vihje“ täidab ühe lahtri sinu eest. Vihjega mäng parimat aega ei püstita.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Valmis numbrid lukustuvad</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kui kõik üheksa sama numbrit on õigel kohal, lukustuvad nende lahtrid ja seda numbrit ei saa enam kasutada.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Tagasivõtmine ja uued mõistatused</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Võta tagasi“ tühistab sinu viimase käigu. Lihtsa, keskmise, raske või eksperdi taseme saad valida sätetes.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Liigu lahtrite vahel</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Sisesta number</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Lülita märkmed sisse või välja</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Täida kõik märkmed</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Anna vihje</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Uus mõistatus</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Ava sätted</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Autor: Pondreli meeskond</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Lihtne sudoku sinu süsteemisalve jaoks.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Ava %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondreli meeskond. Kõik õigused kaitstud.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lihtne</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskmine</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Raske</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Tavaline</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suur</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punktid</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Nurgaga ruudustik</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Number ruudus</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Leitud välistamise teel</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Ainus number, mis mõistatuse lõpetab</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Selgita vihjeid</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Ütleb pärast vihjet ühe lausega, miks number sinna käib.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopeeri mõistatus</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Aseta mõistatus</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Mõistatus kopeeritud</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Lõikelaual pole mõistatust</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Sellel mõistatusel pole lahendust</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Sellel mõistatusel on rohkem kui üks lahendus</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Tee uuesti (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uuesti</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Järgmine samm</translation>
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
        <translation>Vaata rida %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Vaata veergu %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Vaata ruutu %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Vaata rida %lld ja veergu %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Vaata rida %lld, veergu %lld ja ruutu %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Vaata esile tõstetud lahtreid</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>See %lld ei kuulu siia</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Sammu ei leitud. Vihje (H) täidab lahtri</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: reast %3$lld puudub ainult %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: veerust %3$lld puudub ainult %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: ruudust %3$lld puudub ainult %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: sellesse lahtrisse sobib ainult %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: numbril %2$lld on reas %3$lld üks koht jäänud</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: numbril %2$lld on veerus %3$lld üks koht jäänud</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: numbril %2$lld on ruudus %3$lld üks koht jäänud</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: ruudus %lld saab %lld olla ainult reas %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: ruudus %lld saab %lld olla ainult veerus %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: reas %lld saab %lld olla ainult ruudus %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: veerus %lld saab %lld olla ainult ruudus %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: rea %lld nendes lahtrites saab olla ainult %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: veeru %lld nendes lahtrites saab olla ainult %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ruudu %lld nendes lahtrites saab olla ainult %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ saavad olla ainult rea %lld nendes lahtrites</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ saavad olla ainult veeru %lld nendes lahtrites</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ saavad olla ainult ruudu %lld nendes lahtrites</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: nendes ridades saab %lld olla ainult nendes veergudes</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: nendes veergudes saab %lld olla ainult nendes ridades</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tehnika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ ilma kandidaadita</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>numbril %lld pole kohta %@ sees</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld kaks korda %@ sees</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: kui %@ oleks %lld: %@ → %@, seega pole see %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: kui %@ oleks %lld, tekiks vastuolu, seega pole see %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: numbri iga koht %@ sees viib tulemuseni %@, seega see kehtib</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: lahtri %@ iga kandidaat viib tulemuseni %@, seega see kehtib</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): see on kalas või uimes %@; mõlema välistatud lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: tugevad lingid: %lld on %@ või %@; mõlemat nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: ahel paneb %lld lahtrisse %@ või %@; mõlemat nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: telje %2$@ tõttu on %5$lld lahtris %3$@ või %4$@; mõlemat nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: telg %@ või haar %@/%@ on %lld; kõiki kolme nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: tugeva lingi %2$@ tõttu on %5$lld lahtris %3$@ või %4$@; mõlemat nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): üks värv on tõene; mõlemat värvi nägevad lahtrid kaotavad selle</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ ja %@ näevad teineteist, seega on nende värv väär</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ ainult numbritega %@ annaks kaks lahendust, seega %@ kaob</translation>
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
