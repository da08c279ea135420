<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Plansza rozwiązana</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Czas: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Zagraj ponownie</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notatki (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Uzupełnij wszystkie notatki (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wymaż</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Wymaż (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Podpowiedź (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nowa plansza</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nowa plansza (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Cofnij (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Ustawienia, statystyki, jak grać, o programie i zakończenie</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Czas gry %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Porzucić tę grę?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Rozpoczęcie teraz nowej planszy wyzeruje twoją serię zwycięstw.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Otwórz Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Zakończ Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Plansza sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Została %lld</translation>
    </message>
    <message>
        <source>%lld left|few</source>
        <translation>Zostały %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Zostało %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Zostało %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Wiersz %lld, kolumna %lld, %lld, podana</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Wiersz %lld, kolumna %lld, %lld, błędna</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Wiersz %lld, kolumna %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Wiersz %lld, kolumna %lld, puste, notatki %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Wiersz %lld, kolumna %lld, puste</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Witaj w Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku mieszka w zasobniku systemowym. Aby zagrać, kliknij jego ikonę na panelu. Wygląda tak:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikona gry wyróżniona na panelu</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nie widzisz jej? Panel może chować część ikon zasobnika pod strzałką.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Chcesz poznać zasady? Otwórz menu gry i wybierz „Jak grać”.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Wersja %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Najlepszy czas: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Wygrane gry</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Przegrane gry</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Odsetek wygranych</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Obecna seria</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Wyzeruj wszystkie statystyki</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Wyzerować wszystkie statystyki?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Znikną rozegrane gry, wygrane, serie i najlepsze czasy. Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Zmiana poziomu trudności rozpocznie nową planszę i wyzeruje twoją serię zwycięstw.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikona w zasobniku</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Rozmiar planszy</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Wyłączone w ustawieniach autostartu środowiska.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Poziom trudności</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Wyróżniaj błędy</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Pokazuje cyfrę na czerwono, gdy tylko łamie zasady albo nie pasuje do danego pola.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Wyróżniaj takie same cyfry</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Podświetla każde pole z tą samą cyfrą co w zaznaczonym polu.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Automatycznie usuwaj notatki</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Wpisana cyfra znika z notatek w swoim wierszu, kolumnie i bloku.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKACJA</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ROZGRYWKA</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLAWIATURA</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Mieszka w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Kliknij ikonę siatki na panelu, aby otworzyć grę. Kliknij gdziekolwiek indziej, aby ją ukryć; zegar się wtedy zatrzyma. Nie widzisz ikony? Panel może chować część ikon zasobnika pod strzałką.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Wypełnij planszę</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Każdy wiersz, każda kolumna i każdy blok 3×3 musi zawierać cyfry od 1 do 9, każdą dokładnie raz.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Wybierz pole, potem cyfrę</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Kliknij puste pole, a potem cyfrę na panelu cyfr lub na klawiaturze. Możesz też najpierw wybrać cyfrę, aby podświetlić ją na całej planszy.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Korzystaj z notatek</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Włącz Notatki, aby wpisywać w polu drobne możliwe cyfry. Auto uzupełni za ciebie wszystkie notatki, a Cofnij to odwróci.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Potrzebujesz pomocy?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Pomoc wypełni za ciebie jedno pole. Gra, w której z niej skorzystano, nie liczy się do najlepszego czasu.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Ukończone cyfry się blokują</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Gdy wszystkie dziewięć wystąpień cyfry stoi na właściwych miejscach, jej pola się blokują i nie można jej już użyć.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Cofanie i nowe plansze</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Cofnij odwraca ostatni ruch. Poziom Łatwy, Średni, Trudny lub Ekspert wybierzesz w Ustawieniach.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Przejdź między polami</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Wpisz cyfrę</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Włącz lub wyłącz notatki</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Uzupełnij wszystkie notatki</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Pokaż podpowiedź</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nowa plansza</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Stworzone przez zespół Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Proste sudoku do zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Odwiedź %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Zespół Pondrel. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Kropki</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Siatka z narożnikiem</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Cyfra w kwadracie</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Znaleziono przez eliminację</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Jedyna cyfra, która pozwala ukończyć planszę</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Objaśniaj podpowiedzi</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Po podpowiedzi wyjaśnia jednym zdaniem, dlaczego cyfra trafia właśnie tam.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Skopiuj planszę</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Wklej planszę</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Skopiowano planszę</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>W schowku nie ma planszy</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Ta plansza nie ma rozwiązania</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Ta plansza ma więcej niż jedno rozwiązanie</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Ponów (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Następny krok</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nagi singiel</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Ukryty singiel</translation>
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
        <translation>Naga para</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Ukryta para</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Naga trójka</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Ukryta trójka</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Naga czwórka</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Ukryta czwórka</translation>
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
        <translation>Drapacz chmur</translation>
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
        <translation>Unikalny prostokąt</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Proste kolorowanie</translation>
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
        <translation>Łańcuch X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Łańcuch XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Łańcuch wymuszeń</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Spójrz na wiersz %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Spójrz na kolumnę %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Spójrz na blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Spójrz na wiersz %lld i kolumnę %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Spójrz na wiersz %lld, kolumnę %lld i blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Spójrz na zaznaczone pola</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Ta %lld tu nie pasuje</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nie znaleziono kroku. Podpowiedź (H) wypełni jedno pole</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: tylko %lld brakuje w wierszu %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: tylko %lld brakuje w kolumnie %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: tylko %lld brakuje w bloku %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: w tym polu pasuje tylko %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: cyfra %lld ma w wierszu %lld jedno miejsce</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: cyfra %lld ma w kolumnie %lld jedno miejsce</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: cyfra %lld ma w bloku %lld jedno miejsce</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: w bloku %lld cyfra %lld może być tylko w wierszu %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: w bloku %lld cyfra %lld może być tylko w kolumnie %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: w wierszu %lld cyfra %lld może być tylko w bloku %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: w kolumnie %lld cyfra %lld może być tylko w bloku %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: te pola wiersza %lld mieszczą tylko %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: te pola kolumny %lld mieszczą tylko %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: te pola bloku %lld mieszczą tylko %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ mogą być tylko w tych polach wiersza %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ mogą być tylko w tych polach kolumny %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ mogą być tylko w tych polach bloku %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: w tych wierszach %lld może być tylko w tych kolumnach</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: w tych kolumnach %lld może być tylko w tych wierszach</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Znaleziono techniką %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ bez kandydata</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>cyfra %lld nie ma miejsca w %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>cyfra %lld dwa razy w %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: gdyby %@ było %lld: %@ → %@, więc to nie %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: gdyby %@ było %lld, doszłoby do sprzeczności, więc to nie %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: każde miejsce cyfry w %@ daje %@, więc to pewne</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: każdy kandydat %@ prowadzi do %@, więc to zachodzi</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ryba lub płetwa %@ ją ma; pola wykluczone przez oba ją tracą</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: silne łącza dają %lld w %@ lub %@; pola widzące oba ją tracą</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: łańcuch daje %lld w %@ lub %@; pola widzące oba ją tracą</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: oś %@ sprawia, że %@ lub %@ to %lld; pola widzące oba ją tracą</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: oś %@ lub szczypce %@ lub %@ to %lld; pola widzące wszystkie trzy ją tracą</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: silne łącze %@ sprawia, że %@ lub %@ to %lld; pola widzące oba ją tracą</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): jeden kolor jest prawdziwy; pola widzące oba kolory ją tracą</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ i %@ widzą się, więc ich kolor jest fałszywy</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ tylko z %@ dałoby dwa rozwiązania, więc %@ odpada</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Sieć wymuszeń</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Zagnieżdżony łańcuch</translation>
    </message>
</context>
</TS>
