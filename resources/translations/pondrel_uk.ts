<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
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
        <translation>Головоломку розв’язано</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Час: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Зіграти ще</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Нотатки (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Заповнити всі нотатки (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Стерти (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Підказка (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Нова гра (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Вернути</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Вернути (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Налаштування, статистика, як грати, про програму і вихід</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Час гри %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Покинути цю гру?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Якщо почати нову гру зараз, серію перемог буде скинуто.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Відкрити Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Вийти з Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Поле судоку</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Залишилася %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Залишилося %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Залишилося %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Залишилося %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Рядок %lld, стовпчик %lld, %lld, початкова</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Рядок %lld, стовпчик %lld, %lld, хибна</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Рядок %lld, стовпчик %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Рядок %lld, стовпчик %lld, порожньо, нотатки %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Рядок %lld, стовпчик %lld, порожньо</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Вітаємо в Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku живе в системному лотку. Щоб грати, натисніть його значок на панелі. Він виглядає так:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Значок гри, виділений на панелі</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Не бачите його? Панель може ховати частину значків лотка за стрілкою.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Потрібні правила? Відкрийте меню гри й виберіть «Як грати».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Зрозуміло</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Вітаємо</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версія %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Найкращий час: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Зіграно ігор</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Виграно</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Програно</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Відсоток перемог</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Поточна серія</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Найкраща серія</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Скинути всю статистику</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Скинути всю статистику?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Буде стерто ваші ігри, перемоги, серії та найкращий час. Цю дію неможливо скасувати.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Зміна складності починає нову гру та скидає серію перемог.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Значок у системному лотку</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Розмір поля</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Вимкнено в налаштуваннях автозапуску вашого робочого середовища.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Складність</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Виділяти помилки</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Показує цифру червоним, щойно вона порушує правила або не пасує до цієї клітинки.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Виділяти однакові цифри</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Підсвічує всі клітинки з тією самою цифрою, що й у вибраній.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Прибирати нотатки автоматично</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Поставлена цифра зникає з нотаток у своєму рядку, стовпчику та блоці.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ПРОГРАМА</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ГРА</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>КЛАВІАТУРА</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Живе в системному лотку</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Натисніть значок із сіткою на панелі, щоб відкрити гру. Клацання деінде ховає її, і таймер стає на паузу. Не бачите значка? Панель може ховати частину значків лотка за стрілкою.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Заповніть поле</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Кожен рядок, кожен стовпчик і кожен блок 3×3 має містити цифри від 1 до 9 рівно по одному разу.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Клітинка, потім цифра</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Виберіть порожню клітинку, а потім цифру на панелі цифр або на клавіатурі. Або спершу виберіть цифру, щоб підсвітити її на всьому полі.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Користуйтеся нотатками</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Увімкніть «Нотатки», щоб дрібно вписувати в клітинку можливі цифри. «Авто» заповнить усі нотатки за вас, а «Вернути» все відкотить.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Потрібна допомога?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>«Підказка» заповнює за вас одну клітинку. Гра з підказкою не враховується в найкращому часі.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Готові цифри блокуються</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Коли всі дев’ять примірників цифри стоять на своїх місцях, їхні клітинки блокуються, і цифру більше не можна вибрати.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Повернення ходу й нові ігри</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>«Вернути» скасовує ваш останній хід. Рівень «Легкий», «Середній», «Складний» чи «Експерт» вибирається в налаштуваннях.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Перехід між клітинками</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Ввести цифру</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Увімкнути або вимкнути нотатки</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Заповнити всі нотатки</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Дати підказку</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Відкрити налаштування</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Створено командою Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Просте судоку для вашого системного лотка.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Відвідати %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Команда Pondrel. Усі права застережено.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Експерт</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Звичайний</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Сітка з кутом</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Цифра в квадраті</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Знайдено методом виключення</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Єдина цифра, що завершує головоломку</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Пояснювати підказки</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Після підказки одним реченням пояснює, чому цифра стоїть саме там.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Копіювати головоломку</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Вставити головоломку</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Головоломку скопійовано</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>У буфері обміну немає головоломки</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ця головоломка не має розв’язку</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ця головоломка має більше одного розв’язку</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Повторити (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Наступний крок</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Остання клітинка</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Голий одинак</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Прихований одинак</translation>
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
        <translation>Гола пара</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Прихована пара</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Гола трійка</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Прихована трійка</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Гола четвірка</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Прихована четвірка</translation>
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
        <translation>Хмарочос</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>Повітряний змій</translation>
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
        <translation>Унікальний прямокутник</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Просте розфарбування</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>X-Wing із плавцем</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>Swordfish із плавцем</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-ланцюжок</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-ланцюжок</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Форсувальний ланцюжок</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Подивіться на рядок %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Подивіться на стовпчик %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Подивіться на блок %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Подивіться на рядок %lld і стовпчик %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Подивіться на рядок %lld, стовпчик %lld і блок %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Подивіться на виділені клітинки</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Цій %lld тут не місце</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Крок не знайдено. Підказка (H) заповнить одну клітинку</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: у рядку %3$lld бракує лише %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: у стовпчику %3$lld бракує лише %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: у блоці %3$lld бракує лише %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: у цю клітинку підходить лише %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: цифрі %lld у рядку %lld лишилося одне місце</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: цифрі %lld у стовпчику %lld лишилося одне місце</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: цифрі %lld у блоці %lld лишилося одне місце</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: у блоці %lld цифра %lld може стояти лише в рядку %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: у блоці %lld цифра %lld може стояти лише в стовпчику %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: у рядку %lld цифра %lld може стояти лише в блоці %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: у стовпчику %lld цифра %lld може стояти лише в блоці %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: ці клітинки рядка %lld вміщують лише %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: ці клітинки стовпчика %lld вміщують лише %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ці клітинки блоку %lld вміщують лише %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ — лише в цих клітинках рядка %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ — лише в цих клітинках стовпчика %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ — лише в цих клітинках блоку %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: у цих рядках %lld може бути лише в цих стовпчиках</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: у цих стовпчиках %lld може бути лише в цих рядках</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Знайдено методом «%@»</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ без кандидатів</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>цифрі %lld немає місця в %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>цифра %lld двічі в %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: якщо %@ = %lld: %@ → %@, отже, не %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: якби %@ було %lld, виникла б суперечність, отже, це не %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: усі місця цифри в %@ ведуть до %@, отже, це так</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: усі кандидати %@ ведуть до %@, отже, це так</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): цифра в рибі або плавці %@; виключені обома її втрачають</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: сильні зв&apos;язки дають %lld у %@ або %@; що бачить обидві, її втрачає</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: ланцюжок дає %lld у %@ або %@; що бачить обидві, її втрачає</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: через вісь %@ у %@ або %@ стоїть %lld; що бачить обидві, її втрачає</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: вісь %@ або клішня %@ чи %@ — це %lld; що бачить усі три, її втрачає</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: через сильний зв&apos;язок %@ у %@ або %@ стоїть %lld; що бачить обидві, її втрачає</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): один колір істинний; що бачить обидва, її втрачає</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ і %@ бачать одна одну, отже, їхній колір хибний</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ лише з %@ дало б два розв&apos;язки; %@ відпадає</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Форсувальна мережа</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Вкладений ланцюжок</translation>
    </message>
</context>
</TS>
