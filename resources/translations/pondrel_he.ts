<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
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
        <translation>החידה נפתרה</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>זמן: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>לשחק שוב</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>הערות</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>הערות (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>אוטומטי</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>מילוי כל ההערות (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>מחיקה (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>רמז</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>רמז (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>חידה חדשה</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>חידה חדשה (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>ביטול פעולה (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>תפריט</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>העדפות, סטטיסטיקה, איך משחקים, אודות ויציאה</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>זמן משחק %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>לנטוש את המשחק הזה?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>התחלת חידה חדשה עכשיו תאפס את רצף הניצחונות שלך.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>פתיחת Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>יציאה מ־Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>לוח סודוקו</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>נותר %lld</translation>
    </message>
    <message>
        <source>%lld left|two</source>
        <translation>נותרו %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>נותרו %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>שורה %lld, עמודה %lld, %lld, נתון</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>שורה %lld, עמודה %lld, %lld, שגוי</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>שורה %lld, עמודה %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>שורה %lld, עמודה %lld, ריקה, הערות %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>שורה %lld, עמודה %lld, ריקה</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>ברוכים הבאים ל־Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>‏Pondrel Sudoku גר במגש המערכת. כדי לשחק, לוחצים על הסמל שלו בלוח. כך הוא נראה:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>סמל המשחק, מודגש בלוח</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>לא רואים אותו? ייתכן שהלוח מסתיר חלק מסמלי המגש מאחורי חץ.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>רוצים לדעת את החוקים? פותחים את תפריט המשחק ובוחרים „איך משחקים”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>הבנתי</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ברוכים הבאים</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>גרסה %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>הזמן הטוב ביותר: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>משחקים ששוחקו</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>ניצחונות</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>הפסדים</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>אחוז ניצחונות</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>רצף נוכחי</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>הרצף הארוך ביותר</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>איפוס כל הסטטיסטיקה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>לאפס את כל הסטטיסטיקה?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>פעולה זו מוחקת את המשחקים, הניצחונות, הרצפים והזמנים הטובים ביותר שלך. אי אפשר לבטל אותה.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>שינוי רמת הקושי פותח חידה חדשה ומאפס את רצף הניצחונות שלך.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>סמל במגש המערכת</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>גודל הלוח</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>הפעלה בכניסה למערכת</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>כבוי בהגדרות ההפעלה האוטומטית של שולחן העבודה.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>רמת קושי</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>הדגשת טעויות</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>מציג מספר באדום ברגע שהוא מפר את החוקים או שאינו שייך למשבצת.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>הדגשת מספרים זהים</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>צובע כל משבצת שמכילה את אותו מספר כמו המשבצת שנבחרה.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>ניקוי הערות אוטומטי</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>הצבת מספר מוחקת אותו מההערות בשורה, בעמודה ובריבוע שלו.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>סטטיסטיקה</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>איך משחקים</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>יישום</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>מקלדת</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>גר במגש המערכת</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>לוחצים על סמל הרשת בלוח כדי לפתוח את המשחק. לחיצה במקום אחר מסתירה אותו, והשעון נעצר. לא רואים אותו? ייתכן שהלוח מסתיר חלק מסמלי המגש מאחורי חץ.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>ממלאים את הלוח</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>כל שורה, כל עמודה וכל ריבוע 3×3 צריכים להכיל את המספרים 1 עד 9, כל אחד פעם אחת בדיוק.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>בוחרים משבצת, ואז מספר</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>לוחצים על משבצת ריקה, ואז על מספר בלוח המספרים או במקלדת. אפשר גם לבחור קודם מספר כדי להאיר את כל המופעים שלו בלוח.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>משתמשים בהערות</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>מפעילים את „הערות” כדי לרשום במשבצת מספרים אפשריים בקטן. „אוטומטי” ממלא בשבילך את כל ההערות, ו„ביטול פעולה” מחזיר את המצב.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>צריכים עזרה?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>„רמז” ממלא בשבילך משבצת אחת. משחק שנעזר ברמז לא נרשם כזמן הטוב ביותר.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>מספרים שהושלמו ננעלים</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>כשכל תשעת המופעים של מספר נמצאים במקומם, המשבצות שלו ננעלות ואי אפשר להשתמש בו שוב.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>ביטול פעולה וחידות חדשות</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>„ביטול פעולה” מחזיר את המהלך האחרון. את הרמה – קל, בינוני, קשה או מומחה – בוחרים בהעדפות.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>מעבר בין משבצות</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>הזנת מספר</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>הפעלה או כיבוי של הערות</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>מילוי כל ההערות</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>קבלת רמז</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>חידה חדשה</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>פתיחת ההעדפות</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>נוצר על ידי צוות Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>משחק סודוקו פשוט למגש המערכת.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>לביקור ב־%@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 צוות Pondrel. כל הזכויות שמורות.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>קל</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>קשה</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>מומחה</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>רגיל</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>גדול</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>נקודות</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>רשת עם פינה</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>ריבוע מספרים</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>נמצא בדרך האלימינציה</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>הספרה היחידה שמשלימה את החידה</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>הסבר לרמזים</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>אחרי רמז, מסביר בשורה אחת למה המספר שלו נכנס לשם.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>העתקת החידה</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>הדבקת חידה</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>החידה הועתקה</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>אין חידה בלוח הגזירים</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>לחידה הזו אין פתרון</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>לחידה הזו יש יותר מפתרון אחד</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>ביצוע חוזר (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ביצוע חוזר</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>הצעד הבא</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>בית מלא</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>יחיד גלוי</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>יחיד נסתר</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>הצבעה</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>תביעה</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>זוג גלוי</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>זוג נסתר</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>שלישייה גלויה</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>שלישייה נסתרת</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>רביעייה גלויה</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>רביעייה נסתרת</translation>
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
        <translation>גורד שחקים</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>עפיפון שני חוטים</translation>
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
        <translation>מלבן ייחודי</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>צביעה פשוטה</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>‏X-Wing עם סנפיר</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>‏Swordfish עם סנפיר</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>שרשרת X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>שרשרת XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>שרשרת כופה</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>הסתכלו על שורה %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>הסתכלו על עמודה %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>הסתכלו על ריבוע %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>הסתכלו על שורה %lld ועמודה %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>הסתכלו על שורה %lld, עמודה %lld וריבוע %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>הסתכלו על המשבצות המודגשות</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>ה־%lld הזה לא שייך לכאן</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>לא נמצא צעד. רמז (H) ממלא משבצת</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>‏%@: %lld היא הספרה היחידה שחסרה בשורה %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>‏%@: %lld היא הספרה היחידה שחסרה בעמודה %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>‏%@: %lld היא הספרה היחידה שחסרה בריבוע %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>‏%@: רק %lld מתאים למשבצת הזו</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>‏%@: ל־%lld נותר מקום אחד בשורה %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>‏%@: ל־%lld נותר מקום אחד בעמודה %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>‏%@: ל־%lld נותר מקום אחד בריבוע %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>‏%@: בריבוע %lld, %lld יכול להיות רק בשורה %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>‏%@: בריבוע %lld, %lld יכול להיות רק בעמודה %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>‏%@: בשורה %lld, %lld יכול להיות רק בריבוע %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>‏%@: בעמודה %lld, %lld יכול להיות רק בריבוע %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>‏%@: במשבצות האלה בשורה %lld יכולים להיות רק %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>‏%@: במשבצות האלה בעמודה %lld יכולים להיות רק %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>‏%@: במשבצות האלה בריבוע %lld יכולים להיות רק %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>‏%@: %@ יכולים להיות רק במשבצות האלה בשורה %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>‏%@: %@ יכולים להיות רק במשבצות האלה בעמודה %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>‏%@: %@ יכולים להיות רק במשבצות האלה בריבוע %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>‏%@: בשורות האלה, %lld יכול להיות רק בעמודות האלה</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>‏%@: בעמודות האלה, %lld יכול להיות רק בשורות האלה</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>נמצא בעזרת %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>אין מועמד ב־%@</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>אין מקום ל־%lld ב־%@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld פעמיים ב־%@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>‏%@: אם ב־%@ היה %lld: ⁦%@⁩ ← %@, לכן אין שם %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>‏%@: אם ב־%@ היה %lld, הייתה נוצרת סתירה, לכן אין שם %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>‏%@: כל מקום של ספרה ב־%@ מוביל ל־%@, לכן זה נכון</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>‏%@: כל מועמד ב־%@ מוביל ל־%@, לכן זה נכון</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>‏%@ (%lld): הדג או הסנפיר %@ מכילים אותו; משבצות ששניהם פוסלים מאבדות אותו</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: הקישורים החזקים שמים %lld ב־%@ או ב־%@; משבצות שרואות את שתיהן מאבדות אותו</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: השרשרת שמה %lld ב־%@ או ב־%@; משבצות שרואות את שתיהן מאבדות אותו</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: בגלל הציר %@, בצבת %@ או %@ יש %lld; משבצות שרואות את שתיהן מאבדות אותו</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>‏%@: בציר %@ או בצבת %@ או %@ יש %lld; משבצות שרואות את שלושתן מאבדות אותו</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: קישור חזק %@: ב־%@ או ב־%@ יש %lld; משבצות שרואות את שתיהן מאבדות אותו</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>‏%@ (%lld): אחד הצבעים נכון; משבצות שרואות את שני הצבעים מאבדות אותו</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>‏%@ (%lld): %@ ו־%@ רואות זו את זו, לכן הצבע שלהן שגוי</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>‏%@: אם ב־%@ היו רק %@, היו שני פתרונות, לכן %@ יוצא</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>רשת כופה</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>שרשרת מקוננת</translation>
    </message>
</context>
</TS>
