<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
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
        <translation>Mīkla atrisināta</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Laiks: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Spēlēt vēlreiz</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Piezīmes</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Piezīmes (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Ierakstīt visas piezīmes (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Dzēst (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Padoms</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Padoms (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Jauna mīkla</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Jauna mīkla (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Atsaukt</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Atsaukt (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Izvēlne</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Iestatījumi, statistika, kā spēlēt, par un iziet</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Spēles laiks %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Pamest šo spēli?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Ja tagad sāksiet jaunu mīklu, jūsu uzvaru sērija tiks atiestatīta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Atvērt Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Iziet no Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku laukums</translation>
    </message>
    <message>
        <source>%lld left|zero</source>
        <translation>Atlikuši %lld</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Atlicis %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Atlikuši %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld. rinda, %lld. kolonna, %lld, dots</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld. rinda, %lld. kolonna, %lld, nepareizs</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld. rinda, %lld. kolonna, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld. rinda, %lld. kolonna, tukša, piezīmes %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld. rinda, %lld. kolonna, tukša</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Laipni lūdzam Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku dzīvo sistēmas teknē. Lai spēlētu, noklikšķiniet uz tā ikonas panelī. Tā izskatās šādi:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Spēles ikona, izcelta panelī</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Neredzat to? Panelis dažas ikonas var slēpt aiz bultiņas.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Vajag noteikumus? Atveriet spēles izvēlni un izvēlieties “Kā spēlēt”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Skaidrs</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Laipni lūdzam</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versija %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Labākais laiks: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Nospēlētās spēles</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Uzvaras</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Zaudējumi</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Uzvaru īpatsvars</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Pašreizējā sērija</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Garākā sērija</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atiestatīt</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Atiestatīt visu statistiku</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Atiestatīt visu statistiku?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Tiks dzēstas jūsu spēles, uzvaras, sērijas un labākie laiki. To nevar atsaukt.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Mainot grūtību, tiek sākta jauna mīkla un atiestatīta jūsu uzvaru sērija.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Sistēmas teknes ikona</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Laukuma izmērs</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Palaist pēc pieteikšanās</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Izslēgts jūsu darbvirsmas automātiskās palaišanas iestatījumos.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Grūtība</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Izcelt kļūdas</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Parāda skaitli sarkanā krāsā, tiklīdz tas pārkāpj noteikumus vai neder šajā rūtiņā.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Izcelt vienādos skaitļus</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Iekrāso katru rūtiņu, kurā ir tāds pats skaitlis kā izvēlētajā.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automātiski notīrīt piezīmes</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Ierakstīts skaitlis tiek izņemts no piezīmēm tā rindā, kolonnā un blokā.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Kā spēlēt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>LIETOTNE</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>SPĒLE</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TASTATŪRA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Dzīvo sistēmas teknē</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Noklikšķiniet uz režģa ikonas panelī, lai atvērtu spēli. Noklikšķiniet jebkur citur, lai to paslēptu; taimeris apstājas. Neredzat to? Panelis dažas ikonas var slēpt aiz bultiņas.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Aizpildiet režģi</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Katrā rindā, katrā kolonnā un katrā 3×3 blokā jābūt skaitļiem no 1 līdz 9, katram tieši vienreiz.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Izvēlieties rūtiņu, tad skaitli</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Pieskarieties tukšai rūtiņai, tad skaitlim uz ciparu paneļa vai tastatūras. Vai arī vispirms izvēlieties skaitli, lai to izceltu visā laukumā.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Izmantojiet piezīmes</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Ieslēdziet “Piezīmes”, lai rūtiņā sīki pierakstītu iespējamos skaitļus. “Auto” ieraksta visas piezīmes jūsu vietā, bet “Atsaukt” tās noņem.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Vajag palīdzību?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>“Padoms” aizpilda vienu rūtiņu jūsu vietā. Spēle, kurā izmantots padoms, neuzstāda labāko laiku.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Pabeigtie skaitļi tiek bloķēti</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Kad visi deviņi viena skaitļa eksemplāri ir savās vietās, to rūtiņas tiek bloķētas un skaitli vairs nevar izmantot.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Atsaukšana un jaunas mīklas</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>“Atsaukt” atceļ jūsu pēdējo gājienu. Vieglu, vidēju, grūtu vai eksperta līmeni izvēlieties iestatījumos.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Pārvietoties starp rūtiņām</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Ievadīt skaitli</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Ieslēgt vai izslēgt piezīmes</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Ierakstīt visas piezīmes</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Saņemt padomu</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Jauna mīkla</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Atvērt iestatījumus</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Veidojusi Pondrel komanda</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Vienkārša sudoku spēle jūsu sistēmas teknei.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Apmeklēt %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel komanda. Visas tiesības aizsargātas.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Viegla</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vidēja</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Grūta</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Eksperts</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standarta</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Liels</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkti</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Režģis ar stūri</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Skaitlis kvadrātā</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Atrasts, izslēdzot pārējos</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Vienīgais skaitlis, kas pabeidz mīklu</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Skaidrot padomus</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Pēc padoma vienā teikumā pasaka, kāpēc skaitlis ir tur.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopēt mīklu</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Ielīmēt mīklu</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Mīkla nokopēta</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Starpliktuvē nav mīklas</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Šai mīklai nav atrisinājuma</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Šai mīklai ir vairāk nekā viens atrisinājums</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Atatsaukt (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Atatsaukt</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nākamais solis</translation>
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
        <translation>Apskatiet %lld. rindu</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Apskatiet %lld. kolonnu</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Apskatiet %lld. bloku</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Apskatiet %lld. rindu un %lld. kolonnu</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Apskatiet %lld. rindu, %lld. kolonnu un %lld. bloku</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Apskatiet izceltās rūtiņas</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Šis %lld šeit neder</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Solis nav atrasts. Padoms (H) aizpilda rūtiņu</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %3$lld. rindā trūkst tikai %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %3$lld. kolonnā trūkst tikai %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %3$lld. blokā trūkst tikai %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: šajā rūtiņā der tikai %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %3$lld. rindā skaitlim %2$lld palikusi viena vieta</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %3$lld. kolonnā skaitlim %2$lld palikusi viena vieta</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %3$lld. blokā skaitlim %2$lld palikusi viena vieta</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: %lld. blokā %lld var būt tikai %lld. rindā</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: %lld. blokā %lld var būt tikai %lld. kolonnā</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. rindā %lld var būt tikai %lld. blokā</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. kolonnā %lld var būt tikai %lld. blokā</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: šajās %lld. rindas rūtiņās var būt tikai %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: šajās %lld. kolonnas rūtiņās var būt tikai %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: šajās %lld. bloka rūtiņās var būt tikai %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: %2$@ var būt tikai šajās %3$lld. rindas rūtiņās</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: %2$@ var būt tikai šajās %3$lld. kolonnas rūtiņās</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: %2$@ var būt tikai šajās %3$lld. bloka rūtiņās</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: šajās rindās %lld var būt tikai šajās kolonnās</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: šajās kolonnās %lld var būt tikai šajās rindās</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tehnika: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ nav kandidātu</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>skaitlim %lld nav vietas %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld divreiz %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: ja %@ būtu %lld: %@ → %@, tātad tas nav %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: ja %@ būtu %lld, rastos pretruna, tātad tas nav %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: katra skaitļa vieta %@ ved uz %@, tātad tas ir spēkā</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: katrs %@ kandidāts ved uz %@, tātad tas ir spēkā</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): to satur zivs vai spura %@; abu izslēgtās rūtiņas to zaudē</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: stiprās saites liek %lld %@ vai %@; rūtiņas, kas redz abas, to zaudē</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: ķēde liek %lld %@ vai %@; rūtiņas, kas redz abas, to zaudē</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: ass %2$@ dēļ %5$lld ir %3$@ vai %4$@; rūtiņas, kas redz abas, to zaudē</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%1$@: %5$lld ir asī %2$@ vai spīlēs %3$@ vai %4$@; rūtiņas, kas redz visas trīs, to zaudē</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%1$@: stiprās saites %2$@ dēļ %5$lld ir %3$@ vai %4$@; rūtiņas, kas redz abas, to zaudē</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): viena krāsa ir patiesa; rūtiņas, kas redz abas krāsas, to zaudē</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ un %@ redz viena otru, tātad to krāsa ir aplama</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ tikai ar %@ dotu divus atrisinājumus, tātad %@ izkrīt</translation>
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
