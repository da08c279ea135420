<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
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
        <translation>Tehtävä ratkaistu</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Aika: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Pelaa uudelleen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Merkintä</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Merkinnät (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Täytä</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Täytä kaikki merkinnät (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Pyyhi</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Pyyhi (Delete)</translation>
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
        <translation>Uusi tehtävä</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Uusi tehtävä (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Kumoa (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Valikko</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Asetukset, Tilastot, Peliohjeet, Tietoja ja Lopeta</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Peliaika %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Luovutetaanko tämä peli?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Jos aloitat uuden tehtävän nyt, voittoputkesi nollautuu.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Avaa Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Lopeta Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudokuruudukko</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld jäljellä</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld jäljellä</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Rivi %lld, sarake %lld, %lld, annettu</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Rivi %lld, sarake %lld, %lld, väärin</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Rivi %lld, sarake %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Rivi %lld, sarake %lld, tyhjä, merkinnät %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Rivi %lld, sarake %lld, tyhjä</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Tervetuloa Pondrel Sudokuun</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku asuu ilmoitusalueella. Pelaa napsauttamalla sen kuvaketta paneelissa. Se näyttää tältä:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Pelin kuvake korostettuna paneelissa</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Etkö näe sitä? Paneeli saattaa piilottaa osan ilmoitusalueen kuvakkeista nuolen taakse.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Tarvitsetko säännöt? Avaa pelin valikko ja valitse ”Peliohjeet”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Selvä</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Tervetuloa</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versio %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Paras aika: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Pelatut pelit</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Voitetut pelit</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Hävityt pelit</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Voittoprosentti</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Nykyinen putki</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Paras putki</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Nollaa kaikki tilastot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nollataanko kaikki tilastot?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Tämä tyhjentää pelisi, voittosi, putkesi ja parhaat aikasi. Toimintoa ei voi kumota.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Vaikeustason vaihtaminen aloittaa uuden tehtävän ja nollaa voittoputkesi.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ilmoitusalueen kuvake</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Ruudukon koko</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Käynnistä kirjautuessa</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Poistettu käytöstä työpöydän automaattisen käynnistyksen asetuksissa.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Vaikeustaso</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Korosta virheet</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Näyttää numeron punaisena heti, kun se rikkoo sääntöjä tai ei kuulu kyseiseen ruutuun.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Korosta samat numerot</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Varjostaa jokaisen ruudun, jossa on sama numero kuin valitussa ruudussa.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Poista merkinnät automaattisesti</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Asetettu numero poistetaan oman rivinsä, sarakkeensa ja laatikkonsa merkinnöistä.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Tilastot</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Peliohjeet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>SOVELLUS</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>PELI</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>NÄPPÄIMISTÖ</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Asuu ilmoitusalueella</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Avaa peli napsauttamalla ruudukkokuvaketta paneelissa. Piilota se napsauttamalla muualle; kello pysähtyy. Etkö näe sitä? Paneeli saattaa piilottaa osan ilmoitusalueen kuvakkeista nuolen taakse.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Täytä ruudukko</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Jokaisella rivillä, jokaisessa sarakkeessa ja jokaisessa 3×3-laatikossa on oltava numerot 1–9 täsmälleen kerran.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Valitse ruutu ja sitten numero</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Napsauta tyhjää ruutua ja sitten numeroa numeronäppäimistöstä tai näppäimistöltä. Tai valitse ensin numero, niin se korostuu kaikkialla ruudukossa.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Käytä merkintöjä</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Kytke ”Merkintä” päälle, niin voit kirjoittaa ruutuun pienellä mahdollisia numeroita. ”Täytä” lisää kaikki merkinnät puolestasi, ja ”Kumoa” peruu sen.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Tarvitsetko apua?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>”Vihje” täyttää yhden ruudun puolestasi. Peli, jossa on käytetty vihjettä, ei kelpaa parhaaksi ajaksi.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Valmiit numerot lukittuvat</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kun numeron kaikki yhdeksän kappaletta ovat oikeilla paikoillaan, sen ruudut lukittuvat eikä numeroa voi enää käyttää.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Kumoaminen ja uudet tehtävät</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>”Kumoa” peruu viimeisimmän siirtosi. Valitse Helppo, Keskitaso, Vaikea tai Mestari kohdasta Asetukset.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Siirry ruudusta toiseen</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Syötä numero</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Merkinnät päälle tai pois</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Täytä kaikki merkinnät</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Anna vihje</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Uusi tehtävä</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Avaa asetukset</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Tekijä: Pondrel-tiimi</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Yksinkertainen sudokupeli ilmoitusalueelle.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Käy sivulla %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel-tiimi. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Helppo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskitaso</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vaikea</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mestari</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suuri</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Ruudukko ja kulma</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Numeroruutu</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Löytyi poissulkemalla</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Ainoa numero, jolla tehtävä ratkeaa</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Selitä vihjeet</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Kertoo vihjeen jälkeen yhdellä lauseella, miksi numero kuuluu siihen.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopioi tehtävä</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Liitä tehtävä</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Tehtävä kopioitu</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Leikepöydällä ei ole tehtävää</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Tällä tehtävällä ei ole ratkaisua</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Tällä tehtävällä on useita ratkaisuja</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Tee uudelleen (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Seuraava vaihe</translation>
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
        <translation>Katso riviä %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Katso saraketta %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Katso laatikkoa %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Katso riviä %lld ja saraketta %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Katso riviä %lld, saraketta %lld ja laatikkoa %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Katso korostettuja ruutuja</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Tämä %lld ei kuulu tähän</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Vaihetta ei löytynyt. Vihje (H) täyttää yhden ruudun</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: vain %lld puuttuu riviltä %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: vain %lld puuttuu sarakkeesta %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: vain %lld puuttuu laatikosta %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: tähän ruutuun sopii vain %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld sopii rivillä %lld enää yhteen paikkaan</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld sopii sarakkeessa %lld enää yhteen paikkaan</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld sopii laatikossa %lld enää yhteen paikkaan</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: laatikossa %lld numero %lld sopii vain riville %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: laatikossa %lld numero %lld sopii vain sarakkeeseen %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: rivillä %lld numero %lld sopii vain laatikkoon %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: sarakkeessa %lld numero %lld sopii vain laatikkoon %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: näihin rivin %lld ruutuihin sopivat vain %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: näihin sarakkeen %lld ruutuihin sopivat vain %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: näihin laatikon %lld ruutuihin sopivat vain %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ sopivat rivillä %lld vain näihin ruutuihin</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ sopivat sarakkeessa %lld vain näihin ruutuihin</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ sopivat laatikossa %lld vain näihin ruutuihin</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: näillä riveillä %lld sopii vain näihin sarakkeisiin</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: näissä sarakkeissa %lld sopii vain näille riveille</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tekniikka: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ ilman ehdokasta</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld ei mahdu kohteeseen %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld kahdesti kohteessa %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: jos %@ olisi %lld: %@ → %@, joten ei %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: jos %@ olisi %lld, seuraisi ristiriita, joten se ei ole %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: numeron kaikki paikat (%@) johtavat: %@, joten se pätee</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: ruudun %@ kaikki ehdokkaat johtavat: %@, joten se pätee</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): kala tai evä %@ saa sen; molempien sulkemat menettävät sen</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: vahvat linkit: %3$@ tai %4$@ on %2$lld; molemmat näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: ketju: %3$@ tai %4$@ on %2$lld; molemmat näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: nivel %@: %@ tai %@ on %lld; molemmat näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: nivel %@ tai pihti %@ tai %@ on %lld; kaikki kolme näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: vahva linkki %@: %@ tai %@ on %lld; molemmat näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): yksi väri on tosi; molemmat värit näkevät menettävät sen</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ ja %@ näkevät toisensa, joten niiden väri on epätosi</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ pelkillä %@ antaisi kaksi ratkaisua, joten %@ poistuu</translation>
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
