<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
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
        <translation>Galvosūkis išspręstas</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Laikas: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Žaisti dar kartą</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Pastabos</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Pastabos (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Įrašyti visas pastabas (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Ištrinti</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Ištrinti (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Užuomina</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Užuomina (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Naujas galvosūkis</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Naujas galvosūkis (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Atšaukti (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meniu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Nuostatos, statistika, kaip žaisti, apie ir išėjimas</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Žaidimo laikas %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Nutraukti šį žaidimą?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Jei dabar pradėsite naują galvosūkį, jūsų pergalių serija nutrūks.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Atverti Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Išeiti iš Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku lenta</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Liko %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Liko %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Liko %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld eilutė, %lld stulpelis, %lld, duotas</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld eilutė, %lld stulpelis, %lld, klaidingas</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld eilutė, %lld stulpelis, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld eilutė, %lld stulpelis, tuščias, pastabos %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld eilutė, %lld stulpelis, tuščias</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Sveiki atvykę į Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku gyvena sistemos dėkle. Norėdami žaisti, spustelėkite jo piktogramą skydelyje. Ji atrodo taip:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Žaidimo piktograma, paryškinta skydelyje</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nematote? Skydelis gali slėpti kai kurias piktogramas už rodyklės.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Reikia taisyklių? Atverkite žaidimo meniu ir pasirinkite „Kaip žaisti“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Supratau</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Sveiki</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versija %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Geriausias laikas: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Sužaista</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Laimėta</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Pralaimėta</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Pergalių dalis</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Dabartinė serija</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Ilgiausia serija</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Išvalyti</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Išvalyti visą statistiką</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Užverti</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Išvalyti visą statistiką?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Bus ištrinti jūsų žaidimai, pergalės, serijos ir geriausi laikai. Šio veiksmo atšaukti negalima.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Pakeitus sunkumą pateikiamas naujas galvosūkis, o jūsų pergalių serija nutrūksta.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Piktograma sistemos dėkle</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Lentos dydis</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Paleisti prisijungus</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Išjungta darbalaukio automatinės paleisties nuostatose.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Sunkumas</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Paryškinti klaidas</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Skaičius parodomas raudonai, vos tik jis pažeidžia taisykles arba netinka tam langeliui.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Paryškinti vienodus skaičius</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Nuspalvina kiekvieną langelį, kuriame yra toks pat skaičius kaip pasirinktame.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automatiškai valyti pastabas</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Įrašytas skaičius pašalinamas iš jo eilutės, stulpelio ir kvadrato pastabų.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Nuostatos</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Kaip žaisti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Apie</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>PROGRAMA</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ŽAIDIMAS</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLAVIATŪRA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Gyvena sistemos dėkle</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Spustelėkite tinklelio piktogramą skydelyje, kad atvertumėte žaidimą. Spustelėkite bet kur kitur, kad jį paslėptumėte; laikmatis sustoja. Nematote? Skydelis gali slėpti kai kurias piktogramas už rodyklės.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Užpildykite tinklelį</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Kiekvienoje eilutėje, stulpelyje ir 3×3 kvadrate skaičiai nuo 1 iki 9 turi būti po lygiai vieną kartą.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Pirma langelis, tada skaičius</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Bakstelėkite tuščią langelį, tada skaičių klaviatūrėlėje arba klaviatūroje. Arba pirma pasirinkite skaičių, kad jis būtų paryškintas visoje lentoje.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Naudokite pastabas</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Įjunkite „Pastabos“, kad smulkiai užsirašytumėte galimus skaičius langelyje. „Auto“ įrašo visas pastabas už jus, o „Atšaukti“ jas pašalina.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Reikia pagalbos?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Užuomina“ užpildo vieną langelį už jus. Žaidimas su užuomina nenustato geriausio laiko.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Baigti skaičiai užrakinami</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kai visi devyni to paties skaičiaus egzemplioriai yra savo vietose, jų langeliai užrakinami ir skaičiaus nebegalima naudoti.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Atšaukimas ir nauji galvosūkiai</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Atšaukti“ atšaukia paskutinį ėjimą. Lengvą, vidutinį, sunkų ar eksperto lygį pasirinkite nuostatose.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Judėti tarp langelių</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Įvesti skaičių</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Įjungti ar išjungti pastabas</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Įrašyti visas pastabas</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Gauti užuominą</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Naujas galvosūkis</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Atverti nuostatas</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Sukūrė Pondrel komanda</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Paprastas sudoku jūsų sistemos dėklui.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Aplankyti %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel komanda. Visos teisės saugomos.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lengvas</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vidutinis</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sunkus</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspertas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standartinė</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Didelė</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Taškai</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Tinklelis su kampu</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Skaičius kvadrate</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Rasta atmetimo būdu</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Vienintelis skaičius, užbaigiantis galvosūkį</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Aiškinti užuominas</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Po užuominos vienu sakiniu paaiškina, kodėl skaičius ten tinka.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopijuoti galvosūkį</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Įdėti galvosūkį</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Galvosūkis nukopijuotas</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Iškarpinėje nėra galvosūkio</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Šis galvosūkis neturi sprendinio</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Šis galvosūkis turi daugiau nei vieną sprendinį</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Pakartoti (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Pakartoti</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Kitas žingsnis</translation>
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
        <translation>Pažiūrėkite į %lld eilutę</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Pažiūrėkite į %lld stulpelį</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Pažiūrėkite į %lld kvadratą</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Pažiūrėkite į %lld eilutę ir %lld stulpelį</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Pažiūrėkite į %lld eilutę, %lld stulpelį ir %lld kvadratą</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Pažiūrėkite į paryškintus langelius</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Šis %lld čia netinka</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Žingsnio nerasta. Užuomina (H) užpildo langelį</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %3$lld eilutėje trūksta tik %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %3$lld stulpelyje trūksta tik %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %3$lld kvadrate trūksta tik %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: šiame langelyje tinka tik %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %3$lld eilutėje %2$lld liko tik viena vieta</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %3$lld stulpelyje %2$lld liko tik viena vieta</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %3$lld kvadrate %2$lld liko tik viena vieta</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: %lld kvadrate %lld gali būti tik %lld eilutėje</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: %lld kvadrate %lld gali būti tik %lld stulpelyje</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld eilutėje %lld gali būti tik %lld kvadrate</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld stulpelyje %lld gali būti tik %lld kvadrate</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: šiuose %lld eilutės langeliuose gali būti tik %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: šiuose %lld stulpelio langeliuose gali būti tik %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: šiuose %lld kvadrato langeliuose gali būti tik %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: %2$@ gali būti tik šiuose %3$lld eilutės langeliuose</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: %2$@ gali būti tik šiuose %3$lld stulpelio langeliuose</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: %2$@ gali būti tik šiuose %3$lld kvadrato langeliuose</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: šiose eilutėse %lld gali būti tik šiuose stulpeliuose</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: šiuose stulpeliuose %lld gali būti tik šiose eilutėse</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Technika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ neturi kandidatų</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>skaičiui %lld nėra vietos %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld du kartus %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: jei %@ būtų %lld: %@ → %@, tad tai ne %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: jei %@ būtų %lld, kiltų prieštara, tad tai ne %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: kiekviena skaičiaus vieta %@ veda į %@, tad tai galioja</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: kiekvienas %@ kandidatas veda į %@, tad tai galioja</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): jį turi žuvis arba pelekas %@; abiejų atmesti langeliai jį praranda</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: stiprios jungtys deda %lld į %@ arba %@; langeliai, matantys abu, jį praranda</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: grandinė deda %lld į %@ arba %@; langeliai, matantys abu, jį praranda</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: dėl ašies %2$@ %5$lld yra %3$@ arba %4$@; langeliai, matantys abu, jį praranda</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: ašis %@ ar žnyplė %@/%@ yra %lld; langeliai, matantys visus tris, jį praranda</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: dėl stiprios jungties %2$@ %5$lld yra %3$@ arba %4$@; langeliai, matantys abu, jį praranda</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): viena spalva teisinga; langeliai, matantys abi spalvas, jį praranda</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ ir %@ mato vienas kitą, tad jų spalva klaidinga</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ tik su %@ duotų du sprendinius, tad %@ atmetamas</translation>
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
