<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
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
        <translation>Teka-teki Selesai</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Masa: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Main Lagi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Nota (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Isi semua nota (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Padam (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Petunjuk</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Petunjuk (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Teka-teki Baharu</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Teka-teki Baharu (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Buat Asal</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Buat Asal (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Keutamaan, Statistik, Cara Bermain, Perihal &amp; Keluar</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Masa bermain %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Tinggalkan permainan ini?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Memulakan teka-teki baharu sekarang akan menetapkan semula rentetan kemenangan anda.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Buka Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Tutup Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Papan sudoku</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Tinggal %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Baris %lld, lajur %lld, %lld, diberi</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Baris %lld, lajur %lld, %lld, salah</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Baris %lld, lajur %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Baris %lld, lajur %lld, kosong, nota %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Baris %lld, lajur %lld, kosong</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Selamat datang ke Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku tinggal di dulang sistem anda. Klik ikonnya pada panel untuk bermain. Rupanya begini:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikon permainan, diserlahkan pada panel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Tidak nampak? Panel anda mungkin menyembunyikan sesetengah ikon di sebalik anak panah.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Perlukan peraturan? Buka menu permainan dan pilih Cara Bermain.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Faham</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Selamat Datang</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versi %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Masa Terbaik: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Permainan Dimainkan</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Permainan Dimenangi</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Permainan Kalah</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Kadar Menang</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Rentetan Semasa</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Rentetan Terbaik</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tetapkan Semula</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Tetapkan semula semua statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Tetapkan semula semua statistik?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Ini akan mengosongkan permainan, kemenangan, rentetan dan masa terbaik anda. Tindakan ini tidak boleh dibuat asal.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Menukar tahap kesukaran memulakan teka-teki baharu dan menetapkan semula rentetan kemenangan anda.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon Dulang</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Saiz Papan</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Lancar Semasa Log Masuk</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Dimatikan dalam tetapan mula automatik desktop anda.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Tahap Kesukaran</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Serlahkan Kesilapan</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Menunjukkan nombor dalam warna merah sebaik sahaja ia melanggar peraturan atau tidak sepatutnya berada dalam petak itu.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Serlahkan Nombor Sepadan</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Melorekkan setiap petak yang memegang nombor yang sama dengan petak yang dipilih.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Kosongkan Nota Secara Automatik</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Meletakkan nombor akan membuangnya daripada nota dalam baris, lajur dan kotaknya.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Keutamaan</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cara Bermain</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APL</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>PERMAINAN</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>PAPAN KEKUNCI</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Tinggal di dulang sistem anda</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klik ikon grid pada panel anda untuk membuka permainan. Klik di tempat lain untuk menyembunyikannya; pemasa berhenti seketika. Tidak nampak? Panel anda mungkin menyembunyikan sesetengah ikon di sebalik anak panah.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Penuhkan grid</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Setiap baris, setiap lajur dan setiap kotak 3×3 mesti mengandungi nombor 1 hingga 9 tepat sekali.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Pilih petak, kemudian nombor</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Ketik petak kosong, kemudian nombor pada pad atau papan kekunci anda. Atau ketik nombor dahulu untuk menyerlahkan setiap nombor itu pada papan.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Gunakan nota</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Hidupkan Nota untuk mencatat nombor yang mungkin dalam saiz kecil di petak. Auto mengisi setiap nota untuk anda, dan Buat Asal membatalkannya.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Perlukan bantuan?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Petunjuk mengisi satu petak untuk anda. Permainan yang menggunakan petunjuk tidak mencatat masa terbaik.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Nombor yang lengkap dikunci</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Apabila kesemua sembilan nombor yang sama berada di tempat yang betul, petaknya dikunci dan nombor itu tidak boleh digunakan lagi.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Buat asal dan teka-teki baharu</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Buat Asal membatalkan langkah terakhir anda. Pilih Mudah, Sederhana, Sukar atau Pakar dalam Keutamaan.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Bergerak antara petak</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Masukkan nombor</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Hidupkan atau matikan Nota</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Isi semua nota</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Beri petunjuk</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Teka-teki baharu</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Buka Keutamaan</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Dihasilkan oleh pasukan Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Permainan sudoku ringkas untuk dulang sistem anda.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Lawati %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pasukan Pondrel. Hak cipta terpelihara.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sederhana</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sukar</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Pakar</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Besar</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Titik</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grid Penjuru</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Petak Nombor</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Ditemui melalui penyingkiran</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Satu-satunya digit yang melengkapkan teka-teki</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Terangkan Petunjuk</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Selepas petunjuk, menerangkan dalam satu baris sebab nombornya diletakkan di situ.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Salin Teka-teki</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Tampal Teka-teki</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Teka-teki disalin</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Papan keratan tidak mengandungi teka-teki</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Teka-teki ini tiada penyelesaian</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Teka-teki ini ada lebih daripada satu penyelesaian</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Buat Semula (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Buat Semula</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Langkah Seterusnya</translation>
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
        <translation>Lihat baris %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Lihat lajur %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Lihat kotak %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Lihat baris %lld dan lajur %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Lihat baris %lld, lajur %lld dan kotak %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Lihat petak yang diserlahkan</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>%lld ini tidak sepatutnya di sini</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Tiada langkah ditemui. Petunjuk (H) mengisi satu petak</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %2$lld ialah satu-satunya digit yang tiada dalam baris %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %2$lld ialah satu-satunya digit yang tiada dalam lajur %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %2$lld ialah satu-satunya digit yang tiada dalam kotak %3$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: hanya %lld muat dalam petak ini</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld tinggal satu tempat dalam baris %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld tinggal satu tempat dalam lajur %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld tinggal satu tempat dalam kotak %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: dalam kotak %lld, %lld hanya boleh berada dalam baris %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: dalam kotak %lld, %lld hanya boleh berada dalam lajur %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: dalam baris %lld, %lld hanya boleh berada dalam kotak %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: dalam lajur %lld, %lld hanya boleh berada dalam kotak %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: petak-petak ini dalam baris %lld hanya boleh memuatkan %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: petak-petak ini dalam lajur %lld hanya boleh memuatkan %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: petak-petak ini dalam kotak %lld hanya boleh memuatkan %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ hanya boleh berada dalam petak-petak ini dalam baris %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ hanya boleh berada dalam petak-petak ini dalam lajur %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ hanya boleh berada dalam petak-petak ini dalam kotak %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: dalam baris-baris ini, %lld hanya boleh berada dalam lajur-lajur ini</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: dalam lajur-lajur ini, %lld hanya boleh berada dalam baris-baris ini</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Ditemui dengan %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ tiada calon</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld tiada tempat dalam %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld dua kali dalam %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: jika %@ ialah %lld: %@ → %@, jadi bukan %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: jika %@ ialah %lld, timbul percanggahan, jadi bukan %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: tiap tempat satu digit dalam %@ membawa ke %@, jadi ia benar</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: setiap calon dalam %@ membawa ke %@, jadi ia benar</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ada dalam ikan atau sirip %@; buang daripada yang ditolak keduanya</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: pautan kuat: %3$@ atau %4$@ = %2$lld; buang daripada yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: rantai: %3$@ atau %4$@ = %2$lld; buang daripada yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pangsi %@, jadi %@ atau %@ = %lld; buang daripada yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pangsi %@ atau penyepit %@/%@ = %lld; buang daripada yang melihat ketiganya</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pautan kuat %@, jadi %@ atau %@ = %lld; buang daripada yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): satu warna benar; buang daripada yang melihat kedua-dua warna</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ dan %@ saling melihat, jadi warnanya salah</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: jika %@ hanya berisi %@, ada dua penyelesaian; jadi %@ dibuang</translation>
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
