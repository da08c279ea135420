<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
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
        <translation>Загонетка је решена</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Време: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Играј поново</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Белешке</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Белешке (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Ауто</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Упиши све белешке (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Обриши (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Савет</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Савет (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Нова загонетка</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Нова загонетка (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Опозови</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Опозови (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Мени</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Подешавања, статистика, како се игра, о програму и излаз</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Време игре %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Одустати од ове игре?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ако сада почнете нову загонетку, ваш низ победа почеће испочетка.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Отвори Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Изађи из Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Судоку табла</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Преостала %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Преостале %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Преостало %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Ред %lld, колона %lld, %lld, задато</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Ред %lld, колона %lld, %lld, погрешно</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Ред %lld, колона %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Ред %lld, колона %lld, празно, белешке %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Ред %lld, колона %lld, празно</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Добро дошли у Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku живи у системској касети. Да бисте играли, кликните на његову иконицу на панелу. Овако изгледа:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Иконица игре, истакнута на панелу</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Не видите је? Панел можда крије неке иконице иза стрелице.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Требају вам правила? Отворите мени игре и изаберите „Како се игра“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Важи</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро дошли</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Верзија %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Најбоље време: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Одигране игре</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Победе</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Порази</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Проценат победа</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Тренутни низ</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Најдужи низ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Поништи</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Поништи сву статистику</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Поништити сву статистику?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Бришу се ваше игре, победе, низови и најбоља времена. Ово не може да се опозове.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Промена тежине доноси нову загонетку и поништава ваш низ победа.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Иконица у системској касети</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Величина табле</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Покрени при пријави</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Искључено у подешавањима аутоматског покретања радне површи.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Тежина</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Истакни грешке</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Приказује број црвеном бојом чим прекрши правила или не припада том пољу.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Истакни исте бројеве</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Сенчи свако поље са истим бројем као изабрано.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Аутоматски бриши белешке</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Уписани број се уклања из белешки у свом реду, колони и квадрату.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Подешавања</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Како се игра</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О програму</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ПРОГРАМ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>ТАСТАТУРА</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Живи у системској касети</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Кликните на иконицу мреже на панелу да бисте отворили игру. Кликните било где другде да је сакријете; сат се зауставља. Не видите је? Панел можда крије неке иконице иза стрелице.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Попуните мрежу</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Сваки ред, свака колона и сваки квадрат 3×3 мора да садржи бројеве од 1 до 9 тачно једном.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Изаберите поље, па број</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Додирните празно поље, а затим број на бројчанику или тастатури. Или прво изаберите број да бисте га истакли свуда на табли.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Користите белешке</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Укључите „Белешке“ да бисте у поље ситно записали могуће бројеве. „Ауто“ уписује све белешке уместо вас, а „Опозови“ их враћа.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Треба вам помоћ?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Савет“ попуњава једно поље уместо вас. Игра у којој сте узели савет не поставља најбоље време.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Завршени бројеви се закључавају</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Када је свих девет примерака неког броја на правом месту, њихова поља се закључавају и тај број више не може да се користи.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Опозивање и нове загонетке</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Опозови“ враћа ваш последњи потез. Лако, Средње, Тешко или Стручњак бирате у Подешавањима.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Кретање по пољима</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Унос броја</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Укључивање или искључивање белешки</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Упис свих белешки</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Савет</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Нова загонетка</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Отварање подешавања</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Направио тим Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Једноставан судоку за вашу системску касету.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Посетите %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Тим Pondrel. Сва права задржана.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лако</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средње</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Тешко</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Стручњак</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандардна</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Велика</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Тачке</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Мрежа са углом</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Број у квадрату</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Пронађено искључивањем</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Једини број који довршава загонетку</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Објасни савете</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>После савета у једној реченици каже зашто број иде баш ту.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Копирај загонетку</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Налепи загонетку</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Загонетка је копирана</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>У остави нема загонетке</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ова загонетка нема решење</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ова загонетка има више од једног решења</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Понови (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Понови</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Следећи корак</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Го самац</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Скривени самац</translation>
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
        <translation>Го пар</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Скривени пар</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Гола тројка</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Скривена тројка</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Гола четворка</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Скривена четворка</translation>
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
        <translation>Облакодер</translation>
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
        <translation>Јединствени правоугаоник</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Једноставно бојење</translation>
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
        <translation>X-ланац</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-ланац</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Присилни ланац</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Погледајте ред %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Погледајте колону %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Погледајте квадрат %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Погледајте ред %lld и колону %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Погледајте ред %lld, колону %lld и квадрат %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Погледајте истакнута поља</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Овај %lld не припада овде</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Нема корака. Савет (H) попуњава једно поље</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: у реду %3$lld недостаје само %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: у колони %3$lld недостаје само %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: у квадрату %3$lld недостаје само %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: у ово поље иде само %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %2$lld има још само једно место у реду %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %2$lld има још само једно место у колони %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %2$lld има још само једно место у квадрату %3$lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: у квадрату %lld број %lld може само у ред %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: у квадрату %lld број %lld може само у колону %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: у реду %lld број %lld може само у квадрат %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: у колони %lld број %lld може само у квадрат %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: ова поља реда %lld могу да садрже само %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: ова поља колоне %lld могу да садрже само %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ова поља квадрата %lld могу да садрже само %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ могу само у ова поља реда %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ могу само у ова поља колоне %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ могу само у ова поља квадрата %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: у овим редовима %lld може само у ове колоне</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: у овим колонама %lld може само у ове редове</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Техника: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ нема кандидата</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld нема места у %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld двапут у %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: да је %@ %lld: %@ → %@, па није %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: да је %@ %lld, следила би противречност, па није %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: свако место једног броја у %@ води до %@, па то важи</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: сваки кандидат поља %@ води до %@, па то важи</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): риба или пераје %@ га има; што обоје искључују, губи га</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: јаке везе стављају %lld у %@ или %@; поља која виде оба га губе</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: ланац ставља %lld у %@ или %@; поља која виде оба га губе</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: због стожера %@ у %@ или %@ је %lld; поља која виде оба га губе</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: стожер %@ или крак %@ или %@ је %lld; поља која виде сва три га губе</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: због јаке везе %@ у %@ или %@ је %lld; поља која виде оба га губе</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): једна боја је тачна; поља која виде обе боје га губе</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ и %@ се виде, па је њихова боја нетачна</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ само као %@ дало би два решења, па %@ отпада</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Присилна мрежа</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Угнежђени ланац</translation>
    </message>
</context>
</TS>
