<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
        <translation>Bulmaca çözüldü</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Süre: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Yeniden oyna</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notlar (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Oto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Tüm notları doldur (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Sil (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>İpucu (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Yeni bulmaca</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Yeni bulmaca (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Geri al (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Tercihler, istatistikler, nasıl oynanır, hakkında ve çıkış</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Oyun süresi %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Bu oyundan vazgeçilsin mi?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Şimdi yeni bir bulmacaya başlarsan galibiyet serin sıfırlanır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku'yu aç</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku'dan çık</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Sudoku tahtası</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld kaldı</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld kaldı</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Satır %lld, sütun %lld, %lld, verilen</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Satır %lld, sütun %lld, %lld, yanlış</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Satır %lld, sütun %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Satır %lld, sütun %lld, boş, notlar %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Satır %lld, sütun %lld, boş</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Pondrel Sudoku'ya hoş geldin</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku sistem tepsisinde yaşar. Oynamak için paneldeki simgesine tıkla. Şöyle görünür:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Oyunun simgesi, panelde vurgulanmış</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Göremiyor musun? Panelin bazı tepsi simgelerini bir okun arkasına gizlemiş olabilir.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Kurallara mı ihtiyacın var? Oyunun menüsünü aç ve “Nasıl oynanır”ı seç.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldin</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Sürüm %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%%%.1f</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>En iyi süre: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Oynanan oyunlar</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Kazanılan oyunlar</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Kaybedilen oyunlar</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Kazanma oranı</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Güncel seri</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>En iyi seri</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Tüm istatistikleri sıfırla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Tüm istatistikler sıfırlansın mı?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Oyunların, galibiyetlerin, serilerin ve en iyi sürelerin silinir. Bu işlem geri alınamaz.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Zorluğu değiştirmek yeni bir bulmaca başlatır ve galibiyet serini sıfırlar.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Tepsi simgesi</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Oyun boyutu</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Masaüstünün otomatik başlatma ayarlarında kapatılmış.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Zorluk</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Hataları vurgula</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Bir sayı kuralları çiğnediği ya da o kareye ait olmadığı anda onu kırmızı gösterir.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Aynı sayıları vurgula</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Seçili kareyle aynı sayıyı içeren her kareyi gölgelendirir.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Notları otomatik temizle</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Yerleştirilen bir sayı, satırındaki, sütunundaki ve bloğundaki notlardan kaldırılır.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>UYGULAMA</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>OYNANIŞ</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>KLAVYE</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Sistem tepsisinde yaşar</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Oyunu açmak için paneldeki ızgara simgesine tıkla. Gizlemek için başka bir yere tıkla; süre duraklar. Göremiyor musun? Panelin bazı tepsi simgelerini bir okun arkasına gizlemiş olabilir.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Izgarayı doldur</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Her satır, her sütun ve her 3×3 blok 1'den 9'a kadar sayıları tam birer kez içermelidir.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Önce bir kare, sonra bir sayı seç</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Boş bir kareye, ardından düğmelerdeki ya da klavyendeki bir sayıya tıkla. Ya da tahtada her yerde vurgulamak için önce bir sayı seç.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Notları kullan</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Bir kareye olası sayıları küçük yazmak için Notlar'ı aç. Oto tüm notları senin için doldurur, Geri al da bunu geri alır.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Yardım mı lazım?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>İpucu senin için bir kareyi doldurur. İpucu kullanılan bir oyun en iyi süre olarak kaydedilmez.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Tamamlanan sayılar kilitlenir</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Bir sayının dokuzu da doğru yerlerdeyse kareleri kilitlenir ve o sayı artık kullanılamaz.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Geri alma ve yeni bulmacalar</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Geri al son hamleni geri alır. Tercihler'de Kolay, Orta, Zor ya da Uzman'ı seç.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Kareler arasında gezin</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Sayı gir</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Notları aç ya da kapat</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Tüm notları doldur</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>İpucu ver</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Yeni bulmaca</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Tercihleri aç</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Pondrel ekibi tarafından yapıldı</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Sistem tepsin için basit bir sudoku oyunu.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ adresini ziyaret et</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel ekibi. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Noktalar</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Köşeli ızgara</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Kare içinde sayı</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Eleme yoluyla bulundu</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Bulmacayı tamamlayan tek sayı</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>İpuçlarını açıkla</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Bir ipucundan sonra, sayının neden oraya gittiğini tek cümleyle söyler.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Bulmacayı kopyala</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Bulmacayı yapıştır</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Bulmaca kopyalandı</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Panoda bulmaca yok</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Bu bulmacanın çözümü yok</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Bu bulmacanın birden çok çözümü var</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Yinele (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Sonraki adım</translation>
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
        <translation>%lld. satıra bak</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>%lld. sütuna bak</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>%lld. bloğa bak</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>%lld. satıra ve %lld. sütuna bak</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>%lld. satıra, %lld. sütuna ve %lld. bloğa bak</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Vurgulanan karelere bak</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Bu %lld buraya ait değil</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Adım bulunamadı. İpucu (H) bir kareyi doldurur</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %3$lld. satırda yalnızca %2$lld eksik</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %3$lld. sütunda yalnızca %2$lld eksik</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %3$lld. blokta yalnızca %2$lld eksik</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: bu kareye yalnızca %lld uyar</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld için %lld. satırda tek yer kaldı</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld için %lld. sütunda tek yer kaldı</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld için %lld. blokta tek yer kaldı</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: %lld. blokta %lld yalnızca %lld. satıra girebilir</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: %lld. blokta %lld yalnızca %lld. sütuna girebilir</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. satırda %lld yalnızca %lld. bloğa girebilir</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld. sütunda %lld yalnızca %lld. bloğa girebilir</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: %lld. satırın bu kareleri yalnızca %@ alabilir</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: %lld. sütunun bu kareleri yalnızca %@ alabilir</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: %lld. bloğun bu kareleri yalnızca %@ alabilir</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ yalnızca %lld. satırın bu karelerine girebilir</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ yalnızca %lld. sütunun bu karelerine girebilir</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ yalnızca %lld. bloğun bu karelerine girebilir</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: bu satırlarda %lld yalnızca bu sütunlara girebilir</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: bu sütunlarda %lld yalnızca bu satırlara girebilir</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>%@ ile bulundu</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ için aday kalmadı</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld için %@ içinde yer yok</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld, %@ içinde iki kez</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: %@ %lld olsaydı: %@ → %@, yani %lld değil</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: %@ %lld olsaydı çelişki çıkardı, yani %lld değil</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: bir rakamın %@ içindeki her yeri %@ sonucuna varır, yani bu doğru</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@ hücresinin her adayı %@ sonucuna varır, yani bu doğru</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): balık ya da %@ yüzgecinde; ikisinin dışladıkları onu kaybeder</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: güçlü bağlarla %3$@ ya da %4$@ = %2$lld; ikisini görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: zincirle %3$@ ya da %4$@ = %2$lld; ikisini görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: pivot %@ ile %@ ya da %@ = %lld; ikisini görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: pivot %@ ya da kıskaç %@ veya %@ = %lld; üçünü görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: güçlü bağ %@ ile %@ ya da %@ = %lld; ikisini görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): bir renk doğru; iki rengi görenler onu kaybeder</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ ve %@ birbirini görür, yani renkleri yanlış</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ yalnız %@ olsaydı iki çözüm olurdu, yani %@ silinir</translation>
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
