<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
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
        <translation>पहेली हल हो गई</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>समय: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>फिर से खेलें</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>नोट्स</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>नोट्स (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>ऑटो</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>सभी नोट्स भरें (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>मिटाएँ (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>संकेत</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>संकेत (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>नई पहेली</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>नई पहेली (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>पूर्ववत करें (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>मेनू</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>सेटिंग्स, आँकड़े, कैसे खेलें, परिचय और बंद करें</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>खेल का समय %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>यह खेल छोड़ दें?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>अभी नई पहेली शुरू करने पर आपकी जीत की लगातार शृंखला शून्य हो जाएगी।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku खोलें</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku बंद करें</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>सुडोकू बोर्ड</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld बाकी</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld बाकी</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>पंक्ति %lld, स्तंभ %lld, %lld, दिया गया</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>पंक्ति %lld, स्तंभ %lld, %lld, गलत</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>पंक्ति %lld, स्तंभ %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>पंक्ति %lld, स्तंभ %lld, खाली, नोट्स %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>पंक्ति %lld, स्तंभ %lld, खाली</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Pondrel Sudoku में आपका स्वागत है</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku आपकी सिस्टम ट्रे में रहता है। खेलने के लिए पैनल में इसके आइकन पर क्लिक करें। यह ऐसा दिखता है:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>खेल का आइकन, पैनल में हाइलाइट किया हुआ</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>दिखाई नहीं दे रहा? आपका पैनल कुछ ट्रे आइकन एक तीर के पीछे छिपा सकता है।</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>नियम जानने हैं? खेल का मेनू खोलें और "कैसे खेलें" चुनें।</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>स्वागत है</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>संस्करण %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>सबसे अच्छा समय: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>खेले गए खेल</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>जीते गए खेल</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>हारे गए खेल</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>जीत दर</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>मौजूदा जीत शृंखला</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>सबसे लंबी जीत शृंखला</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>सभी आँकड़े रीसेट करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>सभी आँकड़े रीसेट करें?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>इससे आपके खेल, जीत, शृंखलाएँ और सबसे अच्छे समय मिट जाएँगे। इसे पूर्ववत नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>कठिनाई बदलने पर नई पहेली शुरू होती है और आपकी जीत शृंखला शून्य हो जाती है।</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>ट्रे आइकन</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>बोर्ड का आकार</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>लॉग इन पर शुरू करें</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>आपके डेस्कटॉप की ऑटोस्टार्ट सेटिंग्स में बंद है।</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>कठिनाई</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>गलतियाँ दिखाएँ</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>जैसे ही कोई अंक नियम तोड़े या उस खाने में सही न हो, उसे लाल रंग में दिखाता है।</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>एक जैसे अंक दिखाएँ</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>चुने गए अंक वाले हर खाने को रंग से उभारता है।</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>नोट्स अपने आप हटाएँ</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>अंक रखने पर वह उसकी पंक्ति, स्तंभ और बॉक्स के नोट्स से हट जाता है।</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>आँकड़े</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>कैसे खेलें</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ऐप</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>खेल</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>कीबोर्ड</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>आपकी सिस्टम ट्रे में</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>खेल खोलने के लिए पैनल में ग्रिड आइकन पर क्लिक करें। छिपाने के लिए कहीं और क्लिक करें; टाइमर रुक जाता है। दिखाई नहीं दे रहा? आपका पैनल कुछ ट्रे आइकन एक तीर के पीछे छिपा सकता है।</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>ग्रिड भरें</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>हर पंक्ति, हर स्तंभ और हर 3×3 बॉक्स में 1 से 9 तक के अंक ठीक एक-एक बार होने चाहिए।</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>पहले खाना, फिर अंक</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>किसी खाली खाने पर टैप करें, फिर पैड या कीबोर्ड से कोई अंक चुनें। या पहले कोई अंक चुनें, ताकि बोर्ड पर वह हर जगह उभर आए।</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>नोट्स का उपयोग</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>किसी खाने में संभावित अंक छोटे-छोटे लिखने के लिए नोट्स चालू करें। "ऑटो" आपके लिए सभी नोट्स भर देता है, और "पूर्ववत करें" उन्हें वापस ले लेता है।</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>मदद चाहिए?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>"संकेत" आपके लिए एक खाना भर देता है। जिस खेल में संकेत लिया गया हो, उसका समय सबसे अच्छे समय में नहीं गिना जाता।</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>पूरे अंक लॉक हो जाते हैं</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>जब किसी अंक के सभी नौ सही जगह पर हों, तो उसके खाने लॉक हो जाते हैं और वह अंक फिर नहीं चुना जा सकता।</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>पूर्ववत और नई पहेलियाँ</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>"पूर्ववत करें" आपकी पिछली चाल वापस लेता है। सेटिंग्स में आसान, मध्यम, कठिन या विशेषज्ञ चुनें।</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>खानों के बीच जाएँ</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>अंक भरें</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>नोट्स चालू या बंद करें</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>सभी नोट्स भरें</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>संकेत लें</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>नई पहेली</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>सेटिंग्स खोलें</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Pondrel टीम द्वारा बनाया गया</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>आपकी सिस्टम ट्रे के लिए एक सरल सुडोकू खेल।</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ पर जाएँ</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel टीम। सर्वाधिकार सुरक्षित।</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>आसान</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>कठिन</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>विशेषज्ञ</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>बड़ा</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>कोने वाला ग्रिड</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>अंक वर्ग</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>बाकी विकल्प हटाकर मिला</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>पहेली पूरी करने वाला एकमात्र अंक</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>संकेत समझाएँ</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>संकेत के बाद एक पंक्ति में बताता है कि अंक वहाँ क्यों जाता है।</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>पहेली कॉपी करें</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>पहेली पेस्ट करें</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>पहेली कॉपी हो गई</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>क्लिपबोर्ड में कोई पहेली नहीं है</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>इस पहेली का कोई हल नहीं है</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>इस पहेली के एक से ज़्यादा हल हैं</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>फिर से करें (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>अगला कदम</translation>
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
        <translation>पंक्ति %lld देखें</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>स्तंभ %lld देखें</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>बॉक्स %lld देखें</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>पंक्ति %lld और स्तंभ %lld देखें</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>पंक्ति %lld, स्तंभ %lld और बॉक्स %lld देखें</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>हाइलाइट किए गए खाने देखें</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>यह %lld यहाँ नहीं आता</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>कोई कदम नहीं मिला। संकेत (H) एक खाना भर देता है</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: पंक्ति %3$lld में सिर्फ़ %2$lld बाकी है</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: स्तंभ %3$lld में सिर्फ़ %2$lld बाकी है</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: बॉक्स %3$lld में सिर्फ़ %2$lld बाकी है</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: इस खाने में सिर्फ़ %lld आ सकता है</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: पंक्ति %3$lld में %2$lld की एक ही जगह बची है</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: स्तंभ %3$lld में %2$lld की एक ही जगह बची है</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: बॉक्स %3$lld में %2$lld की एक ही जगह बची है</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: बॉक्स %lld में %lld सिर्फ़ पंक्ति %lld में आ सकता है</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: बॉक्स %lld में %lld सिर्फ़ स्तंभ %lld में आ सकता है</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: पंक्ति %lld में %lld सिर्फ़ बॉक्स %lld में आ सकता है</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: स्तंभ %lld में %lld सिर्फ़ बॉक्स %lld में आ सकता है</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: पंक्ति %lld के इन खानों में सिर्फ़ %@ आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: स्तंभ %lld के इन खानों में सिर्फ़ %@ आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: बॉक्स %lld के इन खानों में सिर्फ़ %@ आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: %2$@ पंक्ति %3$lld के सिर्फ़ इन्हीं खानों में आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: %2$@ स्तंभ %3$lld के सिर्फ़ इन्हीं खानों में आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: %2$@ बॉक्स %3$lld के सिर्फ़ इन्हीं खानों में आ सकते हैं</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: इन पंक्तियों में %lld सिर्फ़ इन स्तंभों में आ सकता है</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: इन स्तंभों में %lld सिर्फ़ इन पंक्तियों में आ सकता है</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>तकनीक: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ में कोई अंक नहीं</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%2$@ में %1$lld की जगह नहीं</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%2$@ में %1$lld दो बार</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: %@ में %lld हो तो: %@ → %@, अतः %lld नहीं</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: अगर %@ में %lld होता तो विरोधाभास होता, इसलिए %lld नहीं</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: %@ में एक अंक की हर जगह %@ तक ले जाती है, इसलिए यह सही है</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@ का हर विकल्प %@ तक ले जाता है, इसलिए यह सही है</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): मछली या फ़िन %@ में है; जिन खानों को दोनों काटें, उनसे हटता है</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: मज़बूत कड़ियाँ %lld को %@ या %@ पर रखती हैं; दोनों को देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: चेन %lld को %@ या %@ पर रखती है; दोनों को देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: पिवट %@ से पिंसर %@ या %@ में %lld; दोनों को देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: पिवट %@ या पिंसर %@ या %@ में %lld; तीनों को देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: मज़बूत कड़ी %@ से %@ या %@ में %lld; दोनों को देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): एक रंग सही है; दोनों रंग देखने वाले खानों से हटता है</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ और %@ एक-दूसरे को देखते हैं, इसलिए उनका रंग गलत है</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ में सिर्फ़ %@ से दो हल बनते, इसलिए %@ हटता है</translation>
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
