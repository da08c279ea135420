<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
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
        <translation>جدول حل شد</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>زمان: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>بازی دوباره</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>یادداشت</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>یادداشت (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>نوشتن همهٔ یادداشت‌ها (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>پاک کردن (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>راهنمایی</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>راهنمایی (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>جدول تازه</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>جدول تازه (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>واگرد</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>واگرد (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>منو</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>ترجیحات، آمار، روش بازی، درباره و خروج</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>زمان بازی %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>این بازی را رها می‌کنید؟</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>اگر اکنون جدول تازه‌ای شروع کنید، رشتهٔ بردهایتان از نو شمرده می‌شود.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>باز کردن Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>خروج از Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>صفحهٔ سودوکو</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld خانه مانده</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld خانه مانده</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>سطر %lld، ستون %lld، %lld، از پیش داده‌شده</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>سطر %lld، ستون %lld، %lld، نادرست</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>سطر %lld، ستون %lld، %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>سطر %lld، ستون %lld، خالی، یادداشت‌ها %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>سطر %lld، ستون %lld، خالی</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>به Pondrel Sudoku خوش آمدید</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>‏Pondrel Sudoku در سینی سیستم جا دارد. برای بازی روی نمادش در پنل کلیک کنید. نمادش این شکلی است:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>نماد بازی، برجسته در پنل</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>آن را نمی‌بینید؟ شاید پنل شما برخی نمادهای سینی را پشت یک پیکان پنهان کرده باشد.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>قوانین را می‌خواهید؟ منوی بازی را باز کنید و «روش بازی» را برگزینید.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>فهمیدم</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>خوش آمدید</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>نسخهٔ %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f٪</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>بهترین زمان: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>بازی‌های انجام‌شده</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>بازی‌های بُرده</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>بازی‌های باخته</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>درصد برد</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>رشتهٔ کنونی</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>بهترین رشته</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>بازنشانی</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>بازنشانی همهٔ آمار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>همهٔ آمار بازنشانی شود؟</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>با این کار بازی‌ها، بردها، رشته‌ها و بهترین زمان‌هایتان پاک می‌شود و بازگشتی ندارد.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>تغییر سختی جدول تازه‌ای می‌آورد و رشتهٔ بردهایتان را از نو می‌شمارد.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>نماد سینی سیستم</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>اندازهٔ صفحه</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>اجرا هنگام ورود</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>در تنظیمات اجرای خودکار میزکار شما خاموش است.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>سختی</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>برجسته کردن اشتباه‌ها</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>عددی را که قانون را بشکند یا جایش در آن خانه نباشد، بی‌درنگ قرمز نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>برجسته کردن عددهای یکسان</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>هر خانه‌ای را که همان عدد خانهٔ انتخاب‌شده را دارد، رنگی می‌کند.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>پاک شدن خودکار یادداشت‌ها</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>گذاشتن یک عدد، آن را از یادداشت‌های سطر، ستون و مربعش پاک می‌کند.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ترجیحات</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>آمار</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>روش بازی</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>بازی</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>صفحه‌کلید</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>جایش در سینی سیستم است</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>برای باز کردن بازی روی نماد جدول در پنل کلیک کنید. با کلیک در هر جای دیگر پنهان می‌شود و زمان‌سنج می‌ایستد. آن را نمی‌بینید؟ شاید پنل شما برخی نمادهای سینی را پشت یک پیکان پنهان کرده باشد.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>جدول را پر کنید</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>در هر سطر، هر ستون و هر مربع ۳×۳ باید عددهای ۱ تا ۹ هر کدام درست یک بار بیایند.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>اول خانه، بعد عدد</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>روی یک خانهٔ خالی بزنید، سپس عددی را از صفحهٔ عددها یا صفحه‌کلید. یا اول عددی را بزنید تا همهٔ جاهای آن در جدول روشن شود.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>از یادداشت‌ها کمک بگیرید</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>«یادداشت» را روشن کنید تا عددهای ممکن را کوچک در خانه بنویسید. «خودکار» همهٔ یادداشت‌ها را برایتان می‌نویسد و «واگرد» آن را برمی‌گرداند.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>کمک لازم دارید؟</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>«راهنمایی» یک خانه را برایتان پر می‌کند. بازی‌ای که در آن راهنمایی گرفته‌اید، بهترین زمان ثبت نمی‌کند.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>عددهای کامل‌شده قفل می‌شوند</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>وقتی هر نُه نمونهٔ یک عدد سر جایشان باشند، خانه‌هایش قفل می‌شوند و دیگر نمی‌توان آن عدد را به کار برد.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>واگرد و جدول‌های تازه</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>«واگرد» آخرین حرکتتان را برمی‌گرداند. آسان، متوسط، سخت یا حرفه‌ای را در ترجیحات برگزینید.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>رفتن میان خانه‌ها</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>نوشتن عدد</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>روشن یا خاموش کردن یادداشت</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>نوشتن همهٔ یادداشت‌ها</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>گرفتن راهنمایی</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>جدول تازه</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>باز کردن ترجیحات</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>ساختهٔ گروه Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>یک بازی سودوکوی ساده برای سینی سیستم.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>بازدید از %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© ۲۰۲۶ گروه Pondrel. همهٔ حقوق محفوظ است.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>آسان</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>سخت</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>حرفه‌ای</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>معمولی</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>بزرگ</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>نقطه‌ها</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>جدول با گوشه</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>مربع عدد</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>با حذف پیدا شد</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>تنها رقمی که جدول را کامل می‌کند</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>توضیح راهنمایی‌ها</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>پس از هر راهنمایی، در یک سطر می‌گوید چرا عددش آنجا می‌رود.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>رونوشت از جدول</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>جای‌گذاری جدول</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>از جدول رونوشت گرفته شد</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>در بریده‌دان جدولی نیست</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>این جدول جوابی ندارد</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>این جدول بیش از یک جواب دارد</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>ازنو (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ازنو</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>گام بعدی</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>خانهٔ پر</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>تک آشکار</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>تک پنهان</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>اشاره</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>ادعا</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>جفت آشکار</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>جفت پنهان</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>سه‌تایی آشکار</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>سه‌تایی پنهان</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>چهارتایی آشکار</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>چهارتایی پنهان</translation>
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
        <translation>آسمان‌خراش</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>بادبادک دونخی</translation>
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
        <translation>مستطیل یکتا</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>رنگ‌آمیزی ساده</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>‏X-Wing باله‌دار</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>‏Swordfish باله‌دار</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>زنجیرهٔ X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>زنجیرهٔ XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>زنجیرهٔ اجباری</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>به سطر %lld نگاه کنید</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>به ستون %lld نگاه کنید</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>به مربع %lld نگاه کنید</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>به سطر %lld و ستون %lld نگاه کنید</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>به سطر %lld، ستون %lld و مربع %lld نگاه کنید</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>به خانه‌های برجسته نگاه کنید</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>جای این %lld اینجا نیست</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>گامی پیدا نشد. «راهنمایی» (H) یک خانه را پر می‌کند</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>‏%@: %lld تنها رقمی است که در سطر %lld کم است</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>‏%@: %lld تنها رقمی است که در ستون %lld کم است</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>‏%@: %lld تنها رقمی است که در مربع %lld کم است</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>‏%@: در این خانه فقط %lld جا می‌شود</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>‏%@: %lld در سطر %lld فقط یک جا دارد</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>‏%@: %lld در ستون %lld فقط یک جا دارد</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>‏%@: %lld در مربع %lld فقط یک جا دارد</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>‏%@: در مربع %lld، %lld فقط در سطر %lld می‌آید</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>‏%@: در مربع %lld، %lld فقط در ستون %lld می‌آید</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>‏%@: در سطر %lld، %lld فقط در مربع %lld می‌آید</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>‏%@: در ستون %lld، %lld فقط در مربع %lld می‌آید</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>‏%@: در این خانه‌های سطر %lld فقط %@ می‌آیند</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>‏%@: در این خانه‌های ستون %lld فقط %@ می‌آیند</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>‏%@: در این خانه‌های مربع %lld فقط %@ می‌آیند</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>‏%@: %@ فقط در این خانه‌های سطر %lld می‌آیند</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>‏%@: %@ فقط در این خانه‌های ستون %lld می‌آیند</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>‏%@: %@ فقط در این خانه‌های مربع %lld می‌آیند</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>‏%@: %lld در این سطرها فقط در این ستون‌ها می‌آید</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>‏%@: %lld در این ستون‌ها فقط در این سطرها می‌آید</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>با روش %@ پیدا شد</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>در %@ هیچ عددی جا نمی‌شود</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld در %@ جایی ندارد</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld دو بار در %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>‏%@: اگر %@ برابر %lld بود: ⁦%@⁩ ← %@، پس %lld نیست</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>‏%@: اگر %@ برابر %lld بود، تناقض پیش می‌آمد، پس %lld نیست</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>‏%@: هر جای یک رقم در %@ به %@ می‌رسد، پس برقرار است</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>‏%@: هر عدد ممکن در %@ به %@ می‌رسد، پس برقرار است</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>‏%@ (%lld): در ماهی یا بالهٔ %@ است؛ از خانه‌هایی که هر دو رد می‌کنند حذف می‌شود</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: پیوندهای قوی %lld را در %@ یا %@ می‌گذارند؛ از خانه‌های بینندهٔ هر دو حذف می‌شود</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: زنجیره %lld را در %@ یا %@ می‌گذارد؛ از خانه‌های بینندهٔ هر دو حذف می‌شود</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: محور %@ انبر %@ یا %@ را %lld می‌کند؛ از خانه‌های بینندهٔ هر دو حذف می‌شود</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>‏%@: محور %@ یا انبر %@ یا %@ برابر %lld است؛ از خانه‌های بینندهٔ هر سه حذف می‌شود</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: پیوند قوی %@، %@ یا %@ را %lld می‌کند؛ از خانه‌های بینندهٔ هر دو حذف می‌شود</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>‏%@ (%lld): یک رنگ درست است؛ از خانه‌های بینندهٔ هر دو رنگ حذف می‌شود</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>‏%@ (%lld): %@ و %@ همدیگر را می‌بینند، پس رنگشان غلط است</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>‏%@: اگر در %@ فقط %@ بماند دو جواب پیش می‌آید، پس %@ حذف می‌شود</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>شبکهٔ اجباری</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>زنجیرهٔ تودرتو</translation>
    </message>
</context>
</TS>
