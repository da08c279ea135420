<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
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
        <translation>ধাঁধা সমাধান হয়েছে</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>সময়: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>আবার খেলুন</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>নোট</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>নোট (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>অটো</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>সব নোট পূরণ করুন (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>মুছুন (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ইঙ্গিত</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>ইঙ্গিত (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>নতুন ধাঁধা</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>নতুন ধাঁধা (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>পূর্বাবস্থায় ফেরান</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>পূর্বাবস্থায় ফেরান (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>মেনু</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>সেটিংস, পরিসংখ্যান, কীভাবে খেলবেন, পরিচিতি ও প্রস্থান</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>খেলার সময় %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>এই খেলাটি ছেড়ে দেবেন?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>এখন নতুন ধাঁধা শুরু করলে আপনার টানা জয়ের ধারা শূন্য হয়ে যাবে।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku খুলুন</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku থেকে প্রস্থান</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>সুডোকু বোর্ড</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>বাকি %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>বাকি %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>সারি %lld, কলাম %lld, %lld, দেওয়া</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>সারি %lld, কলাম %lld, %lld, ভুল</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>সারি %lld, কলাম %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>সারি %lld, কলাম %lld, খালি, নোট %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>সারি %lld, কলাম %lld, খালি</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Pondrel Sudoku-তে স্বাগতম</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku আপনার সিস্টেম ট্রেতে থাকে। খেলতে প্যানেলে এর আইকনে ক্লিক করুন। এটি দেখতে এমন:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>খেলার আইকন, প্যানেলে হাইলাইট করা</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>দেখতে পাচ্ছেন না? আপনার প্যানেল হয়তো কিছু ট্রে আইকন একটি তীরচিহ্নের আড়ালে রাখে।</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>নিয়ম জানতে চান? খেলার মেনু খুলে "কীভাবে খেলবেন" বেছে নিন।</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>বুঝেছি</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>স্বাগতম</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>সংস্করণ %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>সেরা সময়: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>মোট খেলা</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>জয়</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>পরাজয়</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>জয়ের হার</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>বর্তমান জয়ের ধারা</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>সেরা জয়ের ধারা</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>রিসেট</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>সব পরিসংখ্যান রিসেট করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>সব পরিসংখ্যান রিসেট করবেন?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>এতে আপনার খেলা, জয়, জয়ের ধারা ও সেরা সময় মুছে যাবে। এটি আর ফেরানো যাবে না।</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>কঠিনতা বদলালে নতুন ধাঁধা আসে এবং আপনার জয়ের ধারা শূন্য হয়ে যায়।</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>ট্রে আইকন</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>বোর্ডের আকার</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>লগইনের সময় চালু করুন</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>আপনার ডেস্কটপের অটোস্টার্ট সেটিংসে বন্ধ করা আছে।</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>কঠিনতা</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>ভুল চিহ্নিত করুন</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>কোনো সংখ্যা নিয়ম ভাঙলে বা ঘরটিতে না মিললে সঙ্গে সঙ্গে লাল রঙে দেখায়।</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>একই সংখ্যা চিহ্নিত করুন</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>বাছাই করা সংখ্যাটি যে যে ঘরে আছে, সেগুলো রং দিয়ে চিহ্নিত করে।</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>নোট নিজে থেকে মুছুন</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>কোনো সংখ্যা বসালে সেটি তার সারি, কলাম ও বাক্সের নোট থেকে মুছে যায়।</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>পরিসংখ্যান</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>কীভাবে খেলবেন</translation>
    </message>
    <message>
        <source>About</source>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>অ্যাপ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>খেলা</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>কীবোর্ড</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>আপনার সিস্টেম ট্রেতে থাকে</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>খেলা খুলতে প্যানেলে গ্রিড আইকনে ক্লিক করুন। লুকাতে অন্য যেকোনো জায়গায় ক্লিক করুন; টাইমার থেমে যায়। দেখতে পাচ্ছেন না? আপনার প্যানেল হয়তো কিছু ট্রে আইকন একটি তীরচিহ্নের আড়ালে রাখে।</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>গ্রিড পূরণ করুন</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>প্রতিটি সারি, প্রতিটি কলাম ও প্রতিটি 3×3 বাক্সে 1 থেকে 9 পর্যন্ত সংখ্যা ঠিক একবার করে থাকতে হবে।</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>আগে ঘর, তারপর সংখ্যা</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>একটি খালি ঘরে ট্যাপ করুন, তারপর প্যাড বা কীবোর্ড থেকে একটি সংখ্যা দিন। অথবা আগে একটি সংখ্যা বেছে নিন, বোর্ডে সেটি যেখানে যেখানে আছে সব উজ্জ্বল হবে।</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>নোট ব্যবহার করুন</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>কোনো ঘরে সম্ভাব্য সংখ্যা ছোট করে লিখতে নোট চালু করুন। "অটো" আপনার হয়ে সব নোট পূরণ করে, আর "পূর্বাবস্থায় ফেরান" তা ফিরিয়ে নেয়।</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>সাহায্য লাগবে?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>"ইঙ্গিত" আপনার হয়ে একটি ঘর পূরণ করে। যে খেলায় ইঙ্গিত নেওয়া হয়েছে, তা সেরা সময় হিসেবে গণ্য হয় না।</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>সম্পূর্ণ সংখ্যা আটকে যায়</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>কোনো সংখ্যার নয়টিই ঠিক জায়গায় বসলে তার ঘরগুলো আটকে যায় এবং সংখ্যাটি আর ব্যবহার করা যায় না।</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>পূর্বাবস্থা ও নতুন ধাঁধা</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>"পূর্বাবস্থায় ফেরান" আপনার শেষ চাল ফিরিয়ে নেয়। সেটিংসে সহজ, মাঝারি, কঠিন বা বিশেষজ্ঞ বেছে নিন।</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>ঘর থেকে ঘরে যান</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>সংখ্যা লিখুন</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>নোট চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>সব নোট পূরণ করুন</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>ইঙ্গিত নিন</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>নতুন ধাঁধা</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>সেটিংস খুলুন</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Pondrel দলের তৈরি</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>আপনার সিস্টেম ট্রের জন্য একটি সহজ সুডোকু খেলা।</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ দেখুন</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel দল। সর্বস্বত্ব সংরক্ষিত।</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>সহজ</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>মাঝারি</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>কঠিন</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>বিশেষজ্ঞ</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>বড়</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>বিন্দু</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>কোণসহ গ্রিড</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>সংখ্যার বর্গ</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>বাদ দিয়ে পাওয়া গেছে</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>ধাঁধা সম্পূর্ণ করার একমাত্র সংখ্যা</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>ইঙ্গিত ব্যাখ্যা করুন</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>ইঙ্গিতের পর এক লাইনে বলে দেয় সংখ্যাটি কেন সেখানে বসে।</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>ধাঁধা কপি করুন</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>ধাঁধা পেস্ট করুন</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>ধাঁধা কপি হয়েছে</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>ক্লিপবোর্ডে কোনো ধাঁধা নেই</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>এই ধাঁধার কোনো সমাধান নেই</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>এই ধাঁধার একাধিক সমাধান আছে</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>আবার করুন (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>আবার করুন</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>পরের ধাপ</translation>
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
        <translation>সারি %lld দেখুন</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>কলাম %lld দেখুন</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>বাক্স %lld দেখুন</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>সারি %lld ও কলাম %lld দেখুন</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>সারি %lld, কলাম %lld ও বাক্স %lld দেখুন</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>চিহ্নিত ঘরগুলো দেখুন</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>এই %lld এখানে বসে না</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>কোনো ধাপ পাওয়া যায়নি। ইঙ্গিত (H) একটি ঘর পূরণ করে</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: সারি %3$lld-এ কেবল %2$lld বাকি আছে</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: কলাম %3$lld-এ কেবল %2$lld বাকি আছে</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: বাক্স %3$lld-এ কেবল %2$lld বাকি আছে</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: এই ঘরে কেবল %lld বসে</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: সারি %3$lld-এ %2$lld-এর একটিই জায়গা বাকি</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: কলাম %3$lld-এ %2$lld-এর একটিই জায়গা বাকি</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: বাক্স %3$lld-এ %2$lld-এর একটিই জায়গা বাকি</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: বাক্স %lld-এ %lld কেবল সারি %lld-এ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: বাক্স %lld-এ %lld কেবল কলাম %lld-এ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: সারি %lld-এ %lld কেবল বাক্স %lld-এ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: কলাম %lld-এ %lld কেবল বাক্স %lld-এ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: সারি %lld-এর এই ঘরগুলোতে কেবল %@ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: কলাম %lld-এর এই ঘরগুলোতে কেবল %@ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: বাক্স %lld-এর এই ঘরগুলোতে কেবল %@ বসতে পারে</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: %2$@ কেবল সারি %3$lld-এর এই ঘরগুলোতে বসতে পারে</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: %2$@ কেবল কলাম %3$lld-এর এই ঘরগুলোতে বসতে পারে</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: %2$@ কেবল বাক্স %3$lld-এর এই ঘরগুলোতে বসতে পারে</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: এই সারিগুলোতে %lld কেবল এই কলামগুলোতে বসতে পারে</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: এই কলামগুলোতে %lld কেবল এই সারিগুলোতে বসতে পারে</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>কৌশল: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@-এ কোনো সংখ্যা বসে না</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%2$@-এ %1$lld-এর জায়গা নেই</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%2$@-এ %1$lld দুবার</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: %@-এ %lld হলে: %@ → %@, তাই %lld নয়</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: %@-এ %lld হলে স্ববিরোধ হতো, তাই %lld নয়</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: %@-এ একটি সংখ্যা যেখানেই বসুক, %@ হয়, তাই এটি সত্য</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@-এ যে সংখ্যাই বসুক, %@ হয়, তাই এটি সত্য</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): মাছ বা ফিন %@-এ আছে; দুটোই যে ঘর বাদ দেয়, সেখান থেকে বাদ</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: শক্ত লিংক %lld-কে %@ বা %@-এ বসায়; দুটোই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: চেইন %lld-কে %@ বা %@-এ বসায়; দুটোই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: পিভট %@-এর ফলে পিনসার %@ বা %@-এ %lld; দুটোই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: পিভট %@ বা পিনসার %@ বা %@-এ %lld; তিনটিই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: শক্ত লিংক %@-এর ফলে %@ বা %@-এ %lld; দুটোই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): একটি রং সত্য; দুই রংই দেখে এমন ঘর থেকে বাদ</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ ও %@ পরস্পরকে দেখে, তাই তাদের রং মিথ্যা</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@-এ কেবল %@ থাকলে দুটি সমাধান হতো, তাই %@ বাদ যায়</translation>
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
