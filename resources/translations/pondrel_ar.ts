<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>حُلّ اللغز</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>الوقت: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>العب مجددًا</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>ملاحظات (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>املأ كل الملاحظات (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>مسح (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>تلميح (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>لغز جديد</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>لغز جديد (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>تراجع (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>التفضيلات والإحصاءات وطريقة اللعب وحول اللعبة والخروج</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>مدة اللعب %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>هل تريد ترك هذه اللعبة؟</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>بدء لغز جديد الآن سيعيد سلسلة انتصاراتك إلى الصفر.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>فتح Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>إنهاء Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>لوحة السودوكو</translation>
    </message>
    <message>
        <source>%lld left|zero</source>
        <translation>لم تتبقَّ أي خانة (%lld)</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>تبقّت خانة واحدة (%lld)</translation>
    </message>
    <message>
        <source>%lld left|two</source>
        <translation>تبقّت خانتان (%lld)</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>تبقّت %lld خانات</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>تبقّت %lld خانة</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>تبقّت %lld خانة</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>الصف %lld، العمود %lld، %lld، معطى</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>الصف %lld، العمود %lld، %lld، خطأ</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>الصف %lld، العمود %lld، %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>الصف %lld، العمود %lld، فارغة، ملاحظات %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>الصف %lld، العمود %lld، فارغة</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>مرحبًا بك في Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>يقيم Pondrel Sudoku في علبة النظام. انقر أيقونته في اللوحة لتلعب. هذا شكلها:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>أيقونة اللعبة مميّزة في اللوحة</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>لا تراها؟ قد تخفي لوحتك بعض أيقونات العلبة خلف سهم.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>تريد معرفة القواعد؟ افتح قائمة اللعبة واختر «طريقة اللعب».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>فهمت</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>مرحبًا</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>الإصدار %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>أفضل وقت: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>عدد الألعاب</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>مرات الفوز</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>مرات الخسارة</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>نسبة الفوز</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>السلسلة الحالية</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>أطول سلسلة</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>إعادة تعيين كل الإحصاءات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>هل تريد إعادة تعيين كل الإحصاءات؟</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>سيمحو هذا ألعابك وانتصاراتك وسلاسلك وأفضل أوقاتك، ولا يمكن التراجع عنه.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>تغيير الصعوبة يبدأ لغزًا جديدًا ويعيد سلسلة انتصاراتك إلى الصفر.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>أيقونة علبة النظام</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>حجم اللوحة</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>معطّل في إعدادات التشغيل التلقائي لسطح المكتب.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>الصعوبة</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>إبراز الأخطاء</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>يعرض الرقم باللون الأحمر فور مخالفته القواعد أو إذا لم يكن مكانه في تلك الخانة.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>إبراز الأرقام المتطابقة</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>يظلّل كل خانة فيها الرقم نفسه الموجود في الخانة المحددة.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>مسح الملاحظات تلقائيًا</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>وضع رقم يحذفه من الملاحظات في صفه وعموده ومربعه.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>الإحصاءات</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول اللعبة</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>اللعب</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>يقيم في علبة النظام</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>انقر أيقونة الشبكة في لوحتك لتفتح اللعبة، وانقر في أي مكان آخر لإخفائها فيتوقف المؤقت. لا تراها؟ قد تخفي لوحتك بعض أيقونات العلبة خلف سهم.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>املأ الشبكة</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>يجب أن يحتوي كل صف وكل عمود وكل مربع 3×3 على الأرقام من 1 إلى 9، كلٌّ منها مرة واحدة بالضبط.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>اختر خانة ثم رقمًا</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>انقر خانة فارغة، ثم رقمًا من لوحة الأرقام أو من لوحة المفاتيح. أو انقر رقمًا أولًا لإبراز كل مواضعه على اللوحة.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>استخدم الملاحظات</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>فعّل «ملاحظات» لتدوين الأرقام المحتملة بخط صغير في الخانة. يملأ «تلقائي» كل الملاحظات عنك، ويلغي «تراجع» ذلك.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>تحتاج إلى مساعدة؟</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>يملأ «تلميح» خانة واحدة عنك. اللعبة التي استُخدم فيها تلميح لا تُسجَّل أفضلَ وقت.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>الأرقام المكتملة تُقفَل</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>عندما تكون نسخ الرقم التسع كلها في أماكنها الصحيحة، تُقفَل خاناته ولا يمكن استخدامه مجددًا.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>التراجع والألغاز الجديدة</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>يلغي «تراجع» آخر حركة لك. اختر سهل أو متوسط أو صعب أو خبير من التفضيلات.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>التنقل بين الخانات</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>إدخال رقم</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>تشغيل الملاحظات أو إيقافها</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>ملء كل الملاحظات</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>إعطاء تلميح</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>لغز جديد</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>فتح التفضيلات</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>من صنع فريق Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>لعبة سودوكو بسيطة لعلبة النظام.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>زُر %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 فريق Pondrel. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>خبير</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>نقاط</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>شبكة بزاوية</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>مربع الأرقام</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>وُجد بالاستبعاد</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>الرقم الوحيد الذي يُكمل اللغز</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>شرح التلميحات</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>بعد كل تلميح، يوضح في سطر واحد سبب وضع رقمه هناك.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>نسخ اللغز</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>لصق لغز</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>نُسخ اللغز</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>لا يوجد لغز في الحافظة</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>هذا اللغز ليس له حل</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>لهذا اللغز أكثر من حل</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>إعادة (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>الخطوة التالية</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>البيت الممتلئ</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>المفرد المكشوف</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>المفرد المخفي</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>التأشير</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>الاستحواذ</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>الزوج المكشوف</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>الزوج المخفي</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>الثلاثي المكشوف</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>الثلاثي المخفي</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>الرباعي المكشوف</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>الرباعي المخفي</translation>
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
        <translation>ناطحة السحاب</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>الطائرة الورقية</translation>
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
        <translation>المستطيل الفريد</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>التلوين البسيط</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>‏X-Wing بزعنفة</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>‏Swordfish بزعنفة</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>سلسلة X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>سلسلة XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>السلسلة القسرية</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>انظر إلى الصف %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>انظر إلى العمود %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>انظر إلى المربع %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>انظر إلى الصف %lld والعمود %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>انظر إلى الصف %lld والعمود %lld والمربع %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>انظر إلى الخانات المميّزة</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>هذا الـ%lld ليس مكانه هنا</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>لم يُعثر على خطوة. «تلميح» (H) يملأ خانة</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>‏%@: %lld هو الرقم الوحيد الناقص في الصف %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>‏%@: %lld هو الرقم الوحيد الناقص في العمود %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>‏%@: %lld هو الرقم الوحيد الناقص في المربع %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>‏%@: لا يناسب هذه الخانة إلا %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>‏%@: بقي لـ%lld مكان واحد في الصف %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>‏%@: بقي لـ%lld مكان واحد في العمود %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>‏%@: بقي لـ%lld مكان واحد في المربع %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>‏%@: في المربع %lld، لا يقع %lld إلا في الصف %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>‏%@: في المربع %lld، لا يقع %lld إلا في العمود %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>‏%@: في الصف %lld، لا يقع %lld إلا في المربع %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>‏%@: في العمود %lld، لا يقع %lld إلا في المربع %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>‏%@: هذه الخانات من الصف %lld لا تحتمل إلا %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>‏%@: هذه الخانات من العمود %lld لا تحتمل إلا %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>‏%@: هذه الخانات من المربع %lld لا تحتمل إلا %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>‏%@: لا تقع %@ إلا في هذه الخانات من الصف %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>‏%@: لا تقع %@ إلا في هذه الخانات من العمود %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>‏%@: لا تقع %@ إلا في هذه الخانات من المربع %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>‏%@: لا يقع %lld في هذه الصفوف إلا في هذه الأعمدة</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>‏%@: لا يقع %lld في هذه الأعمدة إلا في هذه الصفوف</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>وُجد بطريقة %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>لا رقم يناسب %@</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>لا مكان لـ%lld في %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>تكرّر %lld في %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>‏%@: لو كانت %@ هي %lld: ⁦%@⁩ ← %@، إذن ليست %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>‏%@: لو كانت %@ هي %lld لنتج تناقض، إذن ليست %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>‏%@: كل مواضع رقمٍ في %@ تؤدي إلى %@، فهذا صحيح</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>‏%@: كل رقم ممكن في %@ يؤدي إلى %@، فهذا صحيح</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>‏%@ (%lld): هو في السمكة أو الزعنفة %@؛ وتفقده الخانات التي يستبعدها كلاهما</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: الروابط القوية تضع %lld في %@ أو %@؛ وتفقده الخانات التي ترى كلتيهما</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>‏%@: السلسلة تضع %lld في %@ أو %@؛ وتفقده الخانات التي ترى كلتيهما</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: المحور %@ يجعل الكماشة %@ أو %@ تساوي %lld؛ وتفقده الخانات التي ترى كلتيهما</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>‏%@: المحور %@ أو الكماشة %@ أو %@ تساوي %lld؛ وتفقده الخانات التي ترى الثلاث</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>‏%@: الرابط القوي %@ يجعل %@ أو %@ تساوي %lld؛ وتفقده الخانات التي ترى كلتيهما</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>‏%@ (%lld): أحد اللونين صحيح؛ وتفقده الخانات التي ترى اللونين</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>‏%@ (%lld): %@ و %@ تريان بعضهما، إذن لونهما خاطئ</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>‏%@: لو اقتصرت %@ على %@ لكان للغز حلّان، لذا يُحذف %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>الشبكة القسرية</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>السلسلة المتداخلة</translation>
    </message>
</context>
</TS>
