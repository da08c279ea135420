<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
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
        <translation>Waktu: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Main Lagi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Catatan (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Isi semua catatan (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Hapus (Delete)</translation>
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
        <translation>Teka-teki Baru</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Teka-teki Baru (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Urungkan (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferensi, Statistik, Cara Bermain, Tentang &amp; Keluar</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Waktu bermain %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Tinggalkan permainan ini?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Memulai teka-teki baru sekarang akan mengatur ulang rentetan kemenangan Anda.</translation>
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
        <translation>Sisa %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Baris %lld, kolom %lld, %lld, bawaan</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Baris %lld, kolom %lld, %lld, salah</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Baris %lld, kolom %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Baris %lld, kolom %lld, kosong, catatan %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Baris %lld, kolom %lld, kosong</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Selamat datang di Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku tinggal di baki sistem Anda. Klik ikonnya di panel untuk bermain. Bentuknya seperti ini:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Ikon permainan, disorot di panel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Tidak terlihat? Panel Anda mungkin menyembunyikan sebagian ikon baki di balik tanda panah.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Perlu aturannya? Buka menu permainan dan pilih Cara Bermain.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Mengerti</translation>
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
        <translation>Waktu Terbaik: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Dimainkan</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Menang</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Kalah</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Rasio Menang</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Rentetan Saat Ini</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Rentetan Terbaik</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Atur ulang semua statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Atur ulang semua statistik?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Ini menghapus permainan, kemenangan, rentetan, dan waktu terbaik Anda. Tindakan ini tidak dapat diurungkan.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Mengubah tingkat kesulitan akan memulai teka-teki baru dan mengatur ulang rentetan kemenangan Anda.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ikon Baki</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Ukuran Papan</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Jalankan saat Masuk</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Dimatikan di pengaturan mulai otomatis desktop Anda.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Kesulitan</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Sorot Kesalahan</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Menampilkan angka dengan warna merah begitu angka itu melanggar aturan atau tidak cocok di kotak tersebut.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Sorot Angka yang Sama</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Mewarnai setiap kotak yang berisi angka yang sama dengan kotak terpilih.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Hapus Catatan Otomatis</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Angka yang diisi akan dihapus dari catatan di baris, kolom, dan bloknya.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferensi</translation>
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
        <translation>Tentang</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIKASI</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>PERMAINAN</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>PAPAN KETIK</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Tinggal di baki sistem Anda</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Klik ikon kisi di panel Anda untuk membuka permainan. Klik di tempat lain untuk menyembunyikannya; pewaktu akan berhenti sejenak. Tidak terlihat? Panel Anda mungkin menyembunyikan sebagian ikon baki di balik tanda panah.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Isi kisi</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Setiap baris, setiap kolom, dan setiap blok 3×3 harus berisi angka 1 sampai 9 tepat satu kali.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Pilih kotak, lalu angka</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Ketuk kotak kosong, lalu angka di papan angka atau papan ketik Anda. Atau ketuk angka lebih dulu untuk menyorot semua angka itu di papan.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Gunakan catatan</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Aktifkan Catatan untuk menulis kecil angka-angka yang mungkin di sebuah kotak. Otomatis mengisi semua catatan untuk Anda, dan Urungkan membatalkannya.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Butuh bantuan?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Petunjuk mengisi satu kotak untuk Anda. Permainan yang memakai petunjuk tidak mencatat waktu terbaik.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Angka yang selesai terkunci</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Saat kesembilan angka yang sama sudah berada di tempat yang benar, kotak-kotaknya terkunci dan angka itu tidak dapat dipakai lagi.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Urungkan dan teka-teki baru</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Urungkan membatalkan langkah terakhir Anda. Pilih Mudah, Sedang, Sulit, atau Ahli di Preferensi.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Berpindah antarkotak</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Masukkan angka</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Nyalakan atau matikan Catatan</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Isi semua catatan</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Beri petunjuk</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Teka-teki baru</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Buka Preferensi</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Dibuat oleh tim Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Permainan sudoku sederhana untuk baki sistem Anda.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Kunjungi %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Tim Pondrel. Hak cipta dilindungi undang-undang.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sulit</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ahli</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standar</translation>
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
        <translation>Kisi Sudut</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Kotak Angka</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Ditemukan dengan eliminasi</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Satu-satunya angka yang melengkapi teka-teki</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Jelaskan Petunjuk</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Setelah petunjuk, menjelaskan dalam satu kalimat mengapa angka itu ada di sana.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Salin Teka-teki</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Tempel Teka-teki</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Teka-teki disalin</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Papan klip tidak berisi teka-teki</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Teka-teki ini tidak memiliki solusi</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Teka-teki ini memiliki lebih dari satu solusi</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Ulangi (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Langkah Berikutnya</translation>
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
        <translation>Lihat kolom %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Lihat blok %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Lihat baris %lld dan kolom %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Lihat baris %lld, kolom %lld, dan blok %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Lihat kotak yang disorot</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Angka %lld ini salah tempat</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Tidak ada langkah yang ditemukan. Petunjuk (H) mengisi satu kotak</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: hanya %lld yang belum ada di baris %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: hanya %lld yang belum ada di kolom %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: hanya %lld yang belum ada di blok %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: hanya %lld yang cocok di kotak ini</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld tinggal punya satu tempat di baris %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld tinggal punya satu tempat di kolom %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld tinggal punya satu tempat di blok %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: di blok %lld, %lld hanya bisa di baris %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: di blok %lld, %lld hanya bisa di kolom %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: di baris %lld, %lld hanya bisa di blok %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: di kolom %lld, %lld hanya bisa di blok %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: kotak-kotak ini di baris %lld hanya bisa berisi %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: kotak-kotak ini di kolom %lld hanya bisa berisi %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: kotak-kotak ini di blok %lld hanya bisa berisi %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ hanya bisa di kotak-kotak ini pada baris %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ hanya bisa di kotak-kotak ini pada kolom %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ hanya bisa di kotak-kotak ini pada blok %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: di baris-baris ini, %lld hanya bisa di kolom-kolom ini</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: di kolom-kolom ini, %lld hanya bisa di baris-baris ini</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Ditemukan dengan %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ tidak punya kandidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld tidak punya tempat di %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld dua kali di %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: jika %@ bernilai %lld: %@ → %@, jadi bukan %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: jika %@ bernilai %lld, muncul kontradiksi, jadi bukan %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: tiap tempat satu angka di %@ mengarah ke %@, jadi itu berlaku</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: tiap kandidat %@ mengarah ke %@, jadi itu berlaku</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ada di ikan atau sirip %@; hapus dari sel yang ditolak keduanya</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: tautan kuat: %3$@ atau %4$@ = %2$lld; hapus dari sel yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: rantai: %3$@ atau %4$@ = %2$lld; hapus dari sel yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: poros %@ membuat %@ atau %@ = %lld; hapus dari sel yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: poros %@ atau capit %@ atau %@ = %lld; hapus dari sel yang melihat ketiganya</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: tautan kuat %@ membuat %@ atau %@ = %lld; hapus dari sel yang melihat keduanya</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ pada %lld: satu warna benar; hapus dari sel yang melihat kedua warna</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ pada %lld: %@ dan %@ saling melihat, jadi warnanya salah</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ dengan hanya %@ memberi dua solusi, jadi %@ dihapus</translation>
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
