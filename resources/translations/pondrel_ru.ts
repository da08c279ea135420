<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>Головоломка решена</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Время: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Сыграть ещё</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Заметки (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Заполнить все заметки (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Стереть (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Совет</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Подсказка (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Новая игра (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Отменить (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Параметры, статистика, как играть, о программе и выход</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Время игры %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Бросить эту игру?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Если начать новую игру сейчас, серия побед будет сброшена.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Открыть Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Закрыть Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Поле судоку</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Осталась %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Осталось %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Осталось %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Осталось %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Строка %lld, столбец %lld, %lld, исходная</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Строка %lld, столбец %lld, %lld, неверная</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Строка %lld, столбец %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Строка %lld, столбец %lld, пусто, заметки %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Строка %lld, столбец %lld, пусто</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Добро пожаловать в Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku живёт в системном лотке. Чтобы играть, нажмите на его значок на панели. Он выглядит так:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Значок игры, выделенный на панели</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Не видите его? Панель может прятать часть значков лотка за стрелкой.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Нужны правила? Откройте меню игры и выберите «Как играть».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версия %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Лучшее время: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Сыграно игр</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Проиграно</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Процент побед</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Текущая серия</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Лучшая серия</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Сбросить всю статистику</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Сбросить всю статистику?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Будут удалены ваши игры, победы, серии и лучшее время. Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Смена сложности начинает новую игру и сбрасывает серию побед.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Значок в системном лотке</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Размер поля</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Отключено в настройках автозапуска вашей среды рабочего стола.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Выделять ошибки</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Показывает цифру красным, как только она нарушает правила или не подходит этой клетке.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Выделять такие же цифры</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Подсвечивает все клетки с той же цифрой, что и в выбранной.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Убирать заметки автоматически</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Поставленная цифра удаляется из заметок в её строке, столбце и блоке.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
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
        <translation>Живёт в системном лотке</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Нажмите на значок с сеткой на панели, чтобы открыть игру. Щелчок в любом другом месте скрывает её, и таймер встаёт на паузу. Не видите значок? Панель может прятать часть значков лотка за стрелкой.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Заполните поле</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>В каждой строке, каждом столбце и каждом блоке 3×3 должны быть цифры от 1 до 9, каждая ровно один раз.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Клетка, потом цифра</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Выберите пустую клетку, затем цифру на панели цифр или на клавиатуре. Или сначала выберите цифру, чтобы подсветить её на всём поле.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Пользуйтесь заметками</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Включите «Заметки», чтобы мелко вписать в клетку возможные цифры. «Авто» заполнит все заметки за вас, а «Отменить» вернёт всё как было.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Нужна помощь?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>«Совет» заполняет за вас одну клетку. Игра, где была подсказка, не учитывается в лучшем времени.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Готовые цифры блокируются</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Когда все девять экземпляров цифры стоят на своих местах, их клетки блокируются, и цифру больше нельзя выбрать.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Отмена хода и новые игры</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>«Отменить» возвращает ваш последний ход. Уровень «Лёгкий», «Средний», «Сложный» или «Эксперт» выбирается в параметрах.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Переход между клетками</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Ввести цифру</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Включить или выключить заметки</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Заполнить все заметки</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Дать подсказку</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Открыть параметры</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Создано командой Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Простое судоку для вашего системного лотка.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Перейти на %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Команда Pondrel. Все права защищены.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Сетка с углом</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Цифра в квадрате</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Найдено методом исключения</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Лишь эта цифра завершает головоломку</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Объяснять подсказки</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>После подсказки одной фразой объясняет, почему цифра стоит именно там.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Копировать судоку</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Вставить судоку</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Головоломка скопирована</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>В буфере обмена нет головоломки</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>У этой головоломки нет решения</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>У этой головоломки больше одного решения</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Повторить (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Следующий шаг</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Последняя клетка</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Голая одиночка</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Скрытая одиночка</translation>
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
        <translation>Голая пара</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Скрытая пара</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Голая тройка</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Скрытая тройка</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Голая четвёрка</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Скрытая четвёрка</translation>
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
        <translation>Небоскрёб</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>Воздушный змей</translation>
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
        <translation>Уникальный прямоугольник</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Простая раскраска</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>X-Wing с плавником</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>Swordfish с плавником</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-цепь</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-цепь</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Форсирующая цепь</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Посмотрите на строку %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Посмотрите на столбец %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Посмотрите на блок %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Посмотрите на строку %lld и столбец %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Посмотрите на строку %lld, столбец %lld и блок %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Посмотрите на выделенные клетки</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Этой %lld здесь не место</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Шаг не найден. Подсказка (H) заполнит одну клетку</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: в строке %3$lld не хватает только %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: в столбце %3$lld не хватает только %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: в блоке %3$lld не хватает только %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: в эту клетку подходит только %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: цифре %lld в строке %lld осталось одно место</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: цифре %lld в столбце %lld осталось одно место</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: цифре %lld в блоке %lld осталось одно место</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: в блоке %lld цифра %lld может стоять только в строке %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: в блоке %lld цифра %lld может стоять только в столбце %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: в строке %lld цифра %lld может стоять только в блоке %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: в столбце %lld цифра %lld может стоять только в блоке %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: эти клетки строки %lld вмещают только %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: эти клетки столбца %lld вмещают только %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: эти клетки блока %lld вмещают только %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ могут стоять только в этих клетках строки %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ могут стоять только в этих клетках столбца %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ могут стоять только в этих клетках блока %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: в этих строках %lld может быть лишь в этих столбцах</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: в этих столбцах %lld может быть лишь в этих строках</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Найдено методом «%@»</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ без кандидатов</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>цифре %lld нет места в %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>цифра %lld дважды в %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: если %@ = %lld: %@ → %@, значит, не %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: если бы %@ было %lld, возникло бы противоречие, значит, это не %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: все места цифры в %@ ведут к %@, значит, это верно</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: все кандидаты %@ ведут к %@, значит, это верно</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): рыба или плавник %@; исключённое обоими уходит</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: сильные связи ставят %lld в %@ или %@; видящие обе её теряют</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: цепь ставит %lld в %@ или %@; видящие обе её теряют</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: из-за оси %@ в %@ или %@ стоит %lld; видящие обе её теряют</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: ось %@ или клешня %@ или %@ — это %lld; видящие все три её теряют</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: из-за сильной связи %@ в %@ или %@ стоит %lld; видящие обе её теряют</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): один цвет истинен; видящие оба цвета её теряют</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ и %@ видят друг друга, значит, их цвет ложен</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ лишь с %@ дало бы два решения; %@ уходит</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Форсирующая сеть</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Вложенная цепь</translation>
    </message>
</context>
</TS>
