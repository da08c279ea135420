<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
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
        <translation>Ο γρίφος λύθηκε</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Χρόνος: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Παίξτε ξανά</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Σημείωση</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Σημειώσεις (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Αυτόματα</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Συμπλήρωση όλων των σημειώσεων (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Σβήσιμο</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Σβήσιμο (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Υπόδειξη</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Υπόδειξη (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Νέος γρίφος</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Νέος γρίφος (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Αναίρεση (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Μενού</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Προτιμήσεις, Στατιστικά, Πώς να παίξετε, Σχετικά και Έξοδος</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Χρόνος παιχνιδιού %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Εγκατάλειψη αυτού του παιχνιδιού;</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Αν ξεκινήσετε τώρα νέο γρίφο, το σερί νικών σας θα μηδενιστεί.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Άνοιγμα του Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Κλείσιμο Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Πλέγμα σουντόκου</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Απομένει %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Απομένουν %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Γραμμή %lld, στήλη %lld, %lld, δεδομένο</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Γραμμή %lld, στήλη %lld, %lld, λάθος</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Γραμμή %lld, στήλη %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Γραμμή %lld, στήλη %lld, κενό, σημειώσεις %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Γραμμή %lld, στήλη %lld, κενό</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Καλώς ήρθατε στο Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Το Pondrel Sudoku βρίσκεται στο πλαίσιο συστήματος. Για να παίξετε, κάντε κλικ στο εικονίδιό του στον πίνακα. Μοιάζει έτσι:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Το εικονίδιο του παιχνιδιού, επισημασμένο στον πίνακα</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Δεν το βλέπετε; Ο πίνακας μπορεί να κρύβει μερικά εικονίδια του πλαισίου συστήματος πίσω από ένα βέλος.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Χρειάζεστε τους κανόνες; Ανοίξτε το μενού του παιχνιδιού και επιλέξτε «Πώς να παίξετε».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Κατάλαβα</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Καλώς ήρθατε</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Έκδοση %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Καλύτερος χρόνος: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Σύνολο παιχνιδιών</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Νίκες</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Ήττες</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Ποσοστό νικών</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Τρέχον σερί</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Καλύτερο σερί</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Μηδενισμός</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Μηδενισμός όλων των στατιστικών</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Μηδενισμός όλων των στατιστικών;</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Θα διαγραφούν τα παιχνίδια, οι νίκες, τα σερί και οι καλύτεροι χρόνοι σας. Η ενέργεια δεν αναιρείται.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Η αλλαγή δυσκολίας μοιράζει νέο γρίφο και μηδενίζει το σερί νικών σας.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Εικονίδιο πλαισίου συστήματος</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Μέγεθος πλέγματος</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Εκκίνηση κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Απενεργοποιημένο στις ρυθμίσεις αυτόματης εκκίνησης της επιφάνειας εργασίας σας.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Δυσκολία</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Επισήμανση λαθών</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Δείχνει έναν αριθμό με κόκκινο μόλις παραβιάζει τους κανόνες ή δεν ανήκει σε εκείνο το κελί.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Επισήμανση ίδιων αριθμών</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Χρωματίζει κάθε κελί που περιέχει τον ίδιο αριθμό με το επιλεγμένο.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Αυτόματη απαλοιφή σημειώσεων</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Ένας αριθμός που τοποθετείται αφαιρείται από τις σημειώσεις της γραμμής, της στήλης και του κουτιού του.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Προτιμήσεις</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Στατιστικά</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Πώς να παίξετε</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ΕΦΑΡΜΟΓΗ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ΠΑΙΧΝΙΔΙ</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>ΠΛΗΚΤΡΟΛΟΓΙΟ</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Στο πλαίσιο συστήματος</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Κάντε κλικ στο εικονίδιο πλέγματος στον πίνακα για να ανοίξετε το παιχνίδι. Κάντε κλικ οπουδήποτε αλλού για να το κρύψετε· ο χρόνος σταματά. Δεν το βλέπετε; Ο πίνακας μπορεί να κρύβει μερικά εικονίδια του πλαισίου συστήματος πίσω από ένα βέλος.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Συμπληρώστε το πλέγμα</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Κάθε γραμμή, κάθε στήλη και κάθε κουτί 3×3 πρέπει να περιέχει τους αριθμούς 1 έως 9 ακριβώς μία φορά.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Επιλέξτε κελί και μετά αριθμό</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Κάντε κλικ σε ένα κενό κελί και μετά σε έναν αριθμό στο αριθμητικό πληκτρολόγιο ή στο πληκτρολόγιό σας. Ή επιλέξτε πρώτα έναν αριθμό για να φωτιστεί παντού στο πλέγμα.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Χρησιμοποιήστε σημειώσεις</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Ενεργοποιήστε τη «Σημείωση» για να γράφετε μικρούς πιθανούς αριθμούς σε ένα κελί. Το «Αυτόματα» συμπληρώνει όλες τις σημειώσεις για εσάς και η «Αναίρεση» τις παίρνει πίσω.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Χρειάζεστε βοήθεια;</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Η «Υπόδειξη» συμπληρώνει ένα κελί για εσάς. Ένα παιχνίδι με υπόδειξη δεν καταγράφει καλύτερο χρόνο.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Οι ολοκληρωμένοι αριθμοί κλειδώνουν</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Όταν και οι εννέα εμφανίσεις ενός αριθμού βρίσκονται στις σωστές θέσεις, τα κελιά τους κλειδώνουν και ο αριθμός δεν μπορεί να χρησιμοποιηθεί ξανά.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Αναίρεση και νέοι γρίφοι</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Η «Αναίρεση» παίρνει πίσω την τελευταία σας κίνηση. Επιλέξτε Εύκολο, Μέτριο, Δύσκολο ή Για ειδικούς στις Προτιμήσεις.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Μετακίνηση μεταξύ κελιών</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Εισαγωγή αριθμού</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Ενεργοποίηση ή απενεργοποίηση σημειώσεων</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Συμπλήρωση όλων των σημειώσεων</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Εμφάνιση υπόδειξης</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Νέος γρίφος</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Άνοιγμα Προτιμήσεων</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Από την ομάδα Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Ένα απλό παιχνίδι σουντόκου για το πλαίσιο συστήματος.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Επισκεφθείτε το %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Η ομάδα Pondrel. Με επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Εύκολο</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Μέτριο</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Δύσκολο</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Για ειδικούς</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Μεγάλο</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Τελείες</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Πλέγμα με γωνία</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Αριθμός σε τετράγωνο</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Βρέθηκε με αποκλεισμό</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Ο μόνος αριθμός που ολοκληρώνει τον γρίφο</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Επεξήγηση υποδείξεων</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Μετά από μια υπόδειξη, εξηγεί με μία φράση γιατί μπαίνει εκεί ο αριθμός.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Αντιγραφή γρίφου</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Επικόλληση γρίφου</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Ο γρίφος αντιγράφηκε</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Το πρόχειρο δεν περιέχει γρίφο</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Αυτός ο γρίφος δεν έχει λύση</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Αυτός ο γρίφος έχει πάνω από μία λύση</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Επανάληψη (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Επόμενο βήμα</translation>
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
        <translation>Δείτε τη γραμμή %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Δείτε τη στήλη %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Δείτε το κουτί %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Δείτε τη γραμμή %lld και τη στήλη %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Δείτε τη γραμμή %lld, τη στήλη %lld και το κουτί %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Δείτε τα επισημασμένα κελιά</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Αυτό το %lld δεν ανήκει εδώ</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Δεν βρέθηκε βήμα. Η Υπόδειξη (H) συμπληρώνει ένα κελί</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: μόνο το %lld λείπει από τη γραμμή %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: μόνο το %lld λείπει από τη στήλη %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: μόνο το %lld λείπει από το κουτί %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: σε αυτό το κελί μπαίνει μόνο το %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: το %lld έχει μία θέση στη γραμμή %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: το %lld έχει μία θέση στη στήλη %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: το %lld έχει μία θέση στο κουτί %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: στο κουτί %lld, το %lld μπαίνει μόνο στη γραμμή %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: στο κουτί %lld, το %lld μπαίνει μόνο στη στήλη %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: στη γραμμή %lld, το %lld μπαίνει μόνο στο κουτί %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: στη στήλη %lld, το %lld μπαίνει μόνο στο κουτί %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: αυτά τα κελιά της γραμμής %lld δέχονται μόνο %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: αυτά τα κελιά της στήλης %lld δέχονται μόνο %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: αυτά τα κελιά του κουτιού %lld δέχονται μόνο %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: τα %@ μπαίνουν μόνο σε αυτά τα κελιά της γραμμής %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: τα %@ μπαίνουν μόνο σε αυτά τα κελιά της στήλης %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: τα %@ μπαίνουν μόνο σε αυτά τα κελιά του κουτιού %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: σε αυτές τις γραμμές το %lld μπαίνει μόνο σε αυτές τις στήλες</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: σε αυτές τις στήλες το %lld μπαίνει μόνο σε αυτές τις γραμμές</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Βρέθηκε με %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ χωρίς υποψήφιο</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>το %lld δεν χωρά στο %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>το %lld δύο φορές στο %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: αν %@ = %lld: %@ → %@, άρα όχι %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: αν το %@ ήταν %lld, θα προέκυπτε αντίφαση, άρα δεν είναι %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: κάθε θέση ενός ψηφίου στο %@ οδηγεί σε %@, άρα ισχύει</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: κάθε υποψήφιος του %@ οδηγεί σε %@, άρα ισχύει</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ψάρι ή πτερύγιο %@· φεύγει όπου αποκλείουν και τα δύο</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: το %2$lld είναι στο %3$@ ή %4$@· όσα βλέπουν και τα δύο το χάνουν</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: το %2$lld είναι στο %3$@ ή %4$@· όσα βλέπουν και τα δύο το χάνουν</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: ο άξονας %@ κάνει το %@ ή το %@ %lld· όσα βλέπουν και τα δύο το χάνουν</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: %@, %@ ή %@ είναι %lld· όσα βλέπουν και τα τρία το χάνουν</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: ο ισχυρός δεσμός %@ κάνει το %@ ή το %@ %lld· όσα βλέπουν και τα δύο το χάνουν</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): ένα χρώμα αληθεύει· όσα βλέπουν και τα δύο το χάνουν</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ και %@ βλέπονται· το χρώμα τους είναι ψευδές</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ μόνο με %@ = δύο λύσεις, άρα φεύγει το %@</translation>
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
