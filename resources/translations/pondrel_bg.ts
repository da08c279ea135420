<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
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
        <translation>Судокуто е решено</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Време: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Играйте отново</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Бележки</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Бележки (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Попълване на всички бележки (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Изтрий</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Изтрий (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Съвет</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Съвет (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Ново судоку</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Ново судоку (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмяна</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Отмяна (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Настройки, статистика, как се играе, относно и изход</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Време на игра %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Отказвате ли се от тази игра?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ако започнете ново судоку сега, серията ви от победи ще се нулира.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Отваряне на Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Изход от Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Поле за судоку</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Остава %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Остават %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Ред %lld, колона %lld, %lld, зададена</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Ред %lld, колона %lld, %lld, грешна</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Ред %lld, колона %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Ред %lld, колона %lld, празна, бележки %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Ред %lld, колона %lld, празна</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Добре дошли в Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku живее в системния трей. За да играете, щракнете върху иконата му в панела. Ето как изглежда:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Иконата на играта, осветена в панела</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Не я виждате? Панелът ви може да крие някои икони зад стрелка.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Търсите правилата? Отворете менюто на играта и изберете „Как се играе“.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Разбрах</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добре дошли</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версия %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Най-добро време: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Изиграни игри</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Спечелени игри</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Загубени игри</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Процент победи</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Текуща серия</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Най-дълга серия</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Нулиране</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Нулиране на цялата статистика</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Да се нулира ли цялата статистика?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Игрите, победите, сериите и най-добрите времена ще бъдат изтрити. Действието не може да бъде отменено.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Смяната на трудността започва ново судоку и нулира серията ви от победи.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Икона в системния трей</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Размер на полето</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Стартиране при вписване</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Изключено в настройките за автоматично стартиране на работния плот.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Трудност</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Открояване на грешките</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Оцветява цифрата в червено, щом наруши правилата или не е на мястото си.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Открояване на еднаквите цифри</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Оцветява всяка клетка със същата цифра като избраната.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Автоматично изчистване на бележките</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Поставената цифра се премахва от бележките в своя ред, колона и квадрат.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Как се играе</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ПРИЛОЖЕНИЕ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>КЛАВИАТУРА</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Живее в системния трей</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Щракнете върху иконата с мрежа в панела, за да отворите играта. Щракнете другаде, за да я скриете; таймерът спира. Не я виждате? Панелът ви може да крие някои икони зад стрелка.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Попълнете мрежата</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Всеки ред, всяка колона и всеки квадрат 3×3 трябва да съдържа цифрите от 1 до 9 точно по веднъж.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Първо клетка, после цифра</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Докоснете празна клетка, после цифра от панела или клавиатурата. Или първо изберете цифра, за да се открои навсякъде по полето.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Използвайте бележки</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Включете „Бележки“, за да записвате дребно възможните цифри в клетка. „Авто“ попълва всички бележки вместо вас, а „Отмяна“ ги премахва.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Нужна ви е помощ?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„Съвет“ попълва една клетка вместо вас. Игра със съвет не поставя рекорд за време.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Завършените цифри се заключват</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Когато и деветте екземпляра на една цифра са на местата си, клетките ѝ се заключват и цифрата не може да се използва повече.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Отмяна и нови судоку</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„Отмяна“ връща последния ви ход. Изберете Лесно, Средно, Трудно или Експерт в настройките.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Придвижване между клетките</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Въвеждане на цифра</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Включване и изключване на бележките</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Попълване на всички бележки</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Даване на съвет</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Ново судоку</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Отваряне на настройките</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Създадено от екипа на Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Простичко судоку за системния трей.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Посетете %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Екипът на Pondrel. Всички права запазени.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лесно</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средно</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартен</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Голям</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Мрежа с ъгъл</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Цифра в квадрат</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Намерено чрез изключване</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Единствената цифра, която довършва судокуто</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Обяснение на съветите</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>След съвет обяснява с едно изречение защо цифрата е там.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Копиране на судокуто</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Поставяне на судоку</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Судокуто е копирано</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>В буфера няма судоку</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Това судоку няма решение</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Това судоку има повече от едно решение</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Повторение (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Следваща стъпка</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Гола единица</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Скрита единица</translation>
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
        <translation>Гола двойка</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Скрита двойка</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Гола тройка</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Скрита тройка</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Гола четворка</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Скрита четворка</translation>
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
        <translation>Небостъргач</translation>
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
        <translation>Уникален правоъгълник</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Просто оцветяване</translation>
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
        <translation>X-верига</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-верига</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Принудителна верига</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Погледнете ред %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Погледнете колона %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Погледнете квадрат %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Погледнете ред %lld и колона %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Погледнете ред %lld, колона %lld и квадрат %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Погледнете осветените клетки</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Тази %lld не е на мястото си</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Няма намерена стъпка. „Съвет“ (H) попълва клетка</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: в ред %3$lld липсва само %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: в колона %3$lld липсва само %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: в квадрат %3$lld липсва само %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: в тази клетка пасва само %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %2$lld има само едно място в ред %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %2$lld има само едно място в колона %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %2$lld има само едно място в квадрат %3$lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: в квадрат %lld цифрата %lld може да е само в ред %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: в квадрат %lld цифрата %lld може да е само в колона %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: в ред %lld цифрата %lld може да е само в квадрат %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: в колона %lld цифрата %lld може да е само в квадрат %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: тези клетки от ред %lld могат да съдържат само %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: тези клетки от колона %lld могат да съдържат само %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: тези клетки от квадрат %lld могат да съдържат само %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ могат да са само в тези клетки от ред %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ могат да са само в тези клетки от колона %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ могат да са само в тези клетки от квадрат %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: в тези редове %lld може да е само в тези колони</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: в тези колони %lld може да е само в тези редове</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Техника: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ няма кандидат</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld няма място в %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld два пъти в %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: ако %@ = %lld: %@ → %@; не е %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: ако %@ беше %lld, би последвало противоречие, значи не е %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: всяко място на една цифра в %@ води до %@, значи е вярно</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: всеки кандидат на %@ води до %@, значи е вярно</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): рибата или перката %@ я има; изключеното и от двете я губи</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: силните връзки слагат %lld в %@ или %@; виждащите и двете я губят</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: веригата слага %lld в %@ или %@; виждащите и двете я губят</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: заради оста %@ в %@ или %@ стои %lld; виждащите и двете я губят</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: оста %@ или щипката %@ или %@ е %lld; виждащите и трите я губят</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: заради силната връзка %@ в %@ или %@ стои %lld; виждащите и двете я губят</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): единият цвят е верен; виждащите и двата цвята я губят</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ и %@ се виждат, значи цветът им е грешен</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ само като %@ би дало две решения, значи %@ отпада</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Принудителна мрежа</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Вложена верига</translation>
    </message>
</context>
</TS>
