<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
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
        <translation>Nalutas ang Palaisipan</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Oras: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Maglaro Muli</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Mga Tala</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Mga Tala (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Punan ang lahat ng tala (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Burahin (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pahiwatig</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Pahiwatig (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Bagong Palaisipan</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Bagong Palaisipan (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>I-undo</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>I-undo (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Mga Kagustuhan, Estadistika, Paano Maglaro, Tungkol Dito at Umalis</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Oras ng laro %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Iwanan ang larong ito?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Kapag nagsimula ka ng bagong palaisipan ngayon, mare-reset ang sunod-sunod mong panalo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Buksan ang Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Umalis sa Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Board ng sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld pa ang natitira</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld pa ang natitira</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Hilera %lld, kolum %lld, %lld, ibinigay</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Hilera %lld, kolum %lld, %lld, mali</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Hilera %lld, kolum %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Hilera %lld, kolum %lld, walang laman, mga tala %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Hilera %lld, kolum %lld, walang laman</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Maligayang pagdating sa Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Nasa system tray mo ang Pondrel Sudoku. I-click ang icon nito sa panel para maglaro. Ganito ang itsura nito:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ang icon ng laro, naka-highlight sa panel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Hindi mo makita? Maaaring itinatago ng panel mo ang ilang icon sa likod ng isang arrow.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Kailangan ang mga patakaran? Buksan ang menu ng laro at piliin ang Paano Maglaro.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Sige</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Maligayang Pagdating</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Bersyon %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Pinakamabilis na Oras: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Mga Nilarong Laro</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Mga Panalo</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Mga Talo</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Porsiyento ng Panalo</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Kasalukuyang Sunod-sunod</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Pinakamahabang Sunod-sunod</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>I-reset</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>I-reset ang lahat ng estadistika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>I-reset ang lahat ng estadistika?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Buburahin nito ang iyong mga laro, panalo, sunod-sunod na panalo at pinakamabilis na oras. Hindi na ito maibabalik.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Ang pagpapalit ng hirap ay magbibigay ng bagong palaisipan at magre-reset ng sunod-sunod mong panalo.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icon sa Tray</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Laki ng Board</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Buksan sa Pag-log In</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Naka-off sa mga setting ng autostart ng iyong desktop.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Hirap</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>I-highlight ang mga Mali</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Ipinapakita nang pula ang numero kapag lumabag ito sa mga patakaran o hindi ito nababagay sa parisukat na iyon.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>I-highlight ang Magkaparehong Numero</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Nililiman ang bawat parisukat na may kaparehong numero ng napili.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Kusang Burahin ang mga Tala</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Kapag naglagay ng numero, inaalis ito sa mga tala ng hilera, kolum at kahon nito.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Mga Kagustuhan</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadistika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Paano Maglaro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tungkol Dito</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>PAGLALARO</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KEYBOARD</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Nasa system tray mo</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>I-click ang grid icon sa panel mo para buksan ang laro. Mag-click kahit saan para itago ito; hihinto ang timer. Hindi mo makita? Maaaring itinatago ng panel mo ang ilang icon sa likod ng isang arrow.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Punan ang grid</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Bawat hilera, bawat kolum at bawat 3×3 na kahon ay dapat may mga numerong 1 hanggang 9, tig-iisang beses lang.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Pumili ng parisukat, saka numero</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>I-tap ang isang bakanteng parisukat, saka ang numero sa pad o sa keyboard mo. O unahin ang numero para mailawan ang bawat isa nito sa board.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Gumamit ng mga tala</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>I-on ang Mga Tala para isulat nang maliit ang mga posibleng numero sa isang parisukat. Pinupunan ng Auto ang lahat ng tala para sa iyo, at binabawi ito ng I-undo.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Kailangan ng tulong?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Pinupunan ng Pahiwatig ang isang parisukat para sa iyo. Hindi nagtatakda ng pinakamabilis na oras ang larong gumamit ng pahiwatig.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Nakakandado ang mga kumpletong numero</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kapag nasa tamang puwesto na ang lahat ng siyam ng isang numero, nakakandado ang mga parisukat nito at hindi na magagamit ang numerong iyon.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>I-undo at bagong palaisipan</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Binabawi ng I-undo ang huli mong galaw. Pumili ng Madali, Katamtaman, Mahirap o Eksperto sa Mga Kagustuhan.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Lumipat sa mga parisukat</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Maglagay ng numero</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>I-on o i-off ang Mga Tala</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Punan ang lahat ng tala</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Magbigay ng pahiwatig</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Bagong palaisipan</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Buksan ang Mga Kagustuhan</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Gawa ng Pondrel team</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Isang simpleng sudoku para sa iyong system tray.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Bisitahin ang %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Ang Pondrel team. Nakalaan ang lahat ng karapatan.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Madali</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Katamtaman</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Mahirap</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Eksperto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Karaniwan</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Malaki</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Mga Tuldok</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grid na may Sulok</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Numero sa Parisukat</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Nakita sa pag-aalis ng iba</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Ang tanging numerong kukumpleto sa palaisipan</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Ipaliwanag ang mga Pahiwatig</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Pagkatapos ng pahiwatig, sinasabi sa isang linya kung bakit doon napupunta ang numero.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopyahin ang Palaisipan</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>I-paste ang Palaisipan</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Nakopya ang palaisipan</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Walang palaisipan sa clipboard</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Walang solusyon ang palaisipang ito</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Higit sa isa ang solusyon ng palaisipang ito</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>I-redo (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>I-redo</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Susunod na Hakbang</translation>
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
        <translation>Tingnan ang hilera %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Tingnan ang kolum %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Tingnan ang kahon %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Tingnan ang hilera %lld at kolum %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Tingnan ang hilera %lld, kolum %lld at kahon %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Tingnan ang mga naka-highlight na parisukat</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Hindi rito nababagay ang %lld na ito</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Walang nakitang hakbang. Pinupunan ng Pahiwatig (H) ang isang parisukat</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %2$lld na lang ang kulang sa hilera %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %2$lld na lang ang kulang sa kolum %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %2$lld na lang ang kulang sa kahon %3$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: %lld lang ang puwede sa parisukat na ito</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: iisang puwesto na lang ang %lld sa hilera %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: iisang puwesto na lang ang %lld sa kolum %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: iisang puwesto na lang ang %lld sa kahon %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%1$@: sa kahon %2$lld, sa hilera %4$lld lang puwede ang %3$lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%1$@: sa kahon %2$lld, sa kolum %4$lld lang puwede ang %3$lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%1$@: sa hilera %2$lld, sa kahon %4$lld lang puwede ang %3$lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%1$@: sa kolum %2$lld, sa kahon %4$lld lang puwede ang %3$lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%1$@: %3$@ lang ang puwede sa mga parisukat na ito ng hilera %2$lld</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%1$@: %3$@ lang ang puwede sa mga parisukat na ito ng kolum %2$lld</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%1$@: %3$@ lang ang puwede sa mga parisukat na ito ng kahon %2$lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: sa mga parisukat na ito lang ng hilera %3$lld puwede ang %2$@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: sa mga parisukat na ito lang ng kolum %3$lld puwede ang %2$@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: sa mga parisukat na ito lang ng kahon %3$lld puwede ang %2$@</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: sa mga hilerang ito, sa mga kolum na ito lang puwede ang %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: sa mga kolum na ito, sa mga hilerang ito lang puwede ang %lld</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Nakita gamit ang %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>walang kandidato ang %@</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>hindi kasya ang %lld sa %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>dalawa ang %lld sa %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%1$@: kung %3$lld ang %2$@: %4$@ → %5$@, kaya hindi %6$lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%1$@: kung %3$lld ang %2$@, may kontradiksyon, kaya hindi %4$lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: kahit saan sa %@ ang isang numero, nauuwi sa %@, kaya totoo</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: bawat kandidato ng %@ ay nauuwi sa %@, kaya totoo</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): nasa isda o palikpik %@ ito; alisin sa tinatanggihan ng dalawa</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: malalakas na link: %3$@ o %4$@ = %2$lld; alisin sa nakakakita sa pareho</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: kadena: %3$@ o %4$@ = %2$lld; alisin sa nakakakita sa pareho</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: dahil sa pivot %@, %@ o %@ = %lld; alisin sa nakakakita sa pareho</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ o pincer %@/%@ = %lld; alisin sa nakakakita sa tatlo</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: dahil sa malakas na link %@, %@ o %@ = %lld; alisin sa nakakakita sa pareho</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): tama ang isang kulay; alisin sa nakakakita sa dalawang kulay</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): nagkikita ang %@ at %@, kaya mali ang kulay nila</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%1$@: kung %3$@ lang ang nasa %2$@, dalawa ang solusyon; alisin ang %4$@</translation>
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
