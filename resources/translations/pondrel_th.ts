<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
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
        <translation>ไขปริศนาสำเร็จ</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>เวลา: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>เล่นอีกครั้ง</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>โน้ต</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>โน้ต (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>ใส่โน้ตทั้งหมด (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>ลบ (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>คำใบ้</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>คำใบ้ (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>ปริศนาใหม่</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>ปริศนาใหม่ (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>เลิกทำ (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>เมนู</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>การตั้งค่า สถิติ วิธีเล่น เกี่ยวกับ และออก</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>เวลาเล่น %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>เลิกเล่นเกมนี้ไหม</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>หากเริ่มปริศนาใหม่ตอนนี้ สถิติชนะติดต่อกันของคุณจะถูกรีเซ็ต</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>เปิด Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>ออกจาก Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>กระดานซูโดกุ</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>เหลือ %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>แถว %lld หลัก %lld, %lld, โจทย์กำหนด</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>แถว %lld หลัก %lld, %lld, ผิด</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>แถว %lld หลัก %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>แถว %lld หลัก %lld, ว่าง, โน้ต %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>แถว %lld หลัก %lld, ว่าง</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>ยินดีต้อนรับสู่ Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku อยู่ในถาดระบบของคุณ คลิกไอคอนบนแผงเพื่อเล่น หน้าตาเป็นแบบนี้:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>ไอคอนของเกมที่ถูกไฮไลต์บนแผง</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>มองไม่เห็นใช่ไหม แผงของคุณอาจซ่อนไอคอนในถาดบางตัวไว้หลังลูกศร</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>อยากรู้กติกาใช่ไหม เปิดเมนูของเกมแล้วเลือก “วิธีเล่น”</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>เข้าใจแล้ว</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ยินดีต้อนรับ</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>รุ่น %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>เวลาดีที่สุด: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>จำนวนเกมที่เล่น</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>เกมที่ชนะ</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>เกมที่แพ้</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>อัตราการชนะ</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>ชนะติดต่อกันตอนนี้</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>ชนะติดต่อกันสูงสุด</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>รีเซ็ตสถิติทั้งหมด</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>รีเซ็ตสถิติทั้งหมดไหม</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>เกม การชนะ สถิติชนะติดต่อกัน และเวลาดีที่สุดจะถูกล้างทั้งหมด และไม่สามารถเลิกทำได้</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>การเปลี่ยนระดับความยากจะเริ่มปริศนาใหม่และรีเซ็ตสถิติชนะติดต่อกันของคุณ</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>ไอคอนในถาดระบบ</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>ขนาดกระดาน</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>เปิดเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>ปิดไว้ในการตั้งค่าการเริ่มอัตโนมัติของเดสก์ท็อป</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>ระดับความยาก</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>ไฮไลต์ข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>แสดงตัวเลขเป็นสีแดงทันทีที่ผิดกติกาหรือไม่ใช่คำตอบของช่องนั้น</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>ไฮไลต์ตัวเลขที่ตรงกัน</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>แรเงาทุกช่องที่มีตัวเลขเดียวกับช่องที่เลือก</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>ล้างโน้ตอัตโนมัติ</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>เมื่อวางตัวเลข ตัวเลขนั้นจะถูกลบออกจากโน้ตในแถว หลัก และกล่องเดียวกัน</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>สถิติ</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>วิธีเล่น</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>การเล่น</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>แป้นพิมพ์</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>อยู่ในถาดระบบของคุณ</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>คลิกไอคอนตารางบนแผงเพื่อเปิดเกม คลิกที่อื่นเพื่อซ่อน ตัวจับเวลาจะหยุดชั่วคราว มองไม่เห็นใช่ไหม แผงของคุณอาจซ่อนไอคอนในถาดบางตัวไว้หลังลูกศร</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>เติมตารางให้เต็ม</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>ทุกแถว ทุกหลัก และทุกกล่อง 3×3 ต้องมีตัวเลข 1 ถึง 9 ครบ โดยไม่ซ้ำกัน</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>เลือกช่อง แล้วเลือกตัวเลข</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>แตะช่องว่าง แล้วแตะตัวเลขบนแผงปุ่มหรือพิมพ์จากแป้นพิมพ์ หรือแตะตัวเลขก่อนเพื่อไฮไลต์ตัวเลขนั้นทั่วทั้งกระดาน</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>ใช้โน้ต</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>เปิด “โน้ต” เพื่อจดตัวเลขที่เป็นไปได้ตัวเล็ก ๆ ในช่อง “อัตโนมัติ” จะใส่โน้ตทั้งหมดให้ และ “เลิกทำ” จะเอากลับคืน</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>ต้องการตัวช่วยไหม</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>“คำใบ้” จะเติมหนึ่งช่องให้คุณ เกมที่ใช้คำใบ้จะไม่นับเป็นเวลาดีที่สุด</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>ตัวเลขที่ครบจะถูกล็อก</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>เมื่อตัวเลขใดอยู่ถูกที่ครบทั้งเก้าตัว ช่องของตัวเลขนั้นจะถูกล็อกและเลือกตัวเลขนั้นไม่ได้อีก</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>เลิกทำและปริศนาใหม่</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>“เลิกทำ” จะย้อนการเดินครั้งล่าสุด เลือกระดับง่าย ปานกลาง ยาก หรือผู้เชี่ยวชาญได้ในการตั้งค่า</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>ย้ายไปมาระหว่างช่อง</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>ใส่ตัวเลข</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>เปิดหรือปิดโน้ต</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>ใส่โน้ตทั้งหมด</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>ขอคำใบ้</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>ปริศนาใหม่</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>เปิดการตั้งค่า</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>สร้างโดยทีม Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>เกมซูโดกุเรียบง่ายสำหรับถาดระบบของคุณ</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>ไปที่ %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 ทีม Pondrel สงวนลิขสิทธิ์</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>ง่าย</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ปานกลาง</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>ยาก</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>ผู้เชี่ยวชาญ</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>มาตรฐาน</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>ใหญ่</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>จุด</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>ตารางมีมุม</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>ช่องตัวเลข</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>ได้จากการตัดตัวเลือก</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>ตัวเลขเดียวที่ทำให้ปริศนาสมบูรณ์</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>อธิบายคำใบ้</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>หลังให้คำใบ้ จะบอกสั้น ๆ หนึ่งบรรทัดว่าทำไมตัวเลขนั้นจึงอยู่ตรงนั้น</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>คัดลอกปริศนา</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>วางปริศนา</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>คัดลอกปริศนาแล้ว</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>คลิปบอร์ดไม่มีปริศนา</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>ปริศนานี้ไม่มีคำตอบ</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>ปริศนานี้มีคำตอบมากกว่าหนึ่งแบบ</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>ทำซ้ำ (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>ขั้นต่อไป</translation>
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
        <translation>ดูแถว %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>ดูหลัก %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>ดูกล่อง %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>ดูแถว %lld และหลัก %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>ดูแถว %lld หลัก %lld และกล่อง %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>ดูช่องที่ไฮไลต์ไว้</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>%lld ตัวนี้ไม่ได้อยู่ตรงนี้</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>ไม่พบขั้นต่อไป คำใบ้ (H) จะเติมให้หนึ่งช่อง</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: แถว %3$lld ขาดอยู่ตัวเดียวคือ %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: หลัก %3$lld ขาดอยู่ตัวเดียวคือ %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: กล่อง %3$lld ขาดอยู่ตัวเดียวคือ %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: ช่องนี้ใส่ได้แค่ %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%1$@: %2$lld เหลือที่เดียวในแถว %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%1$@: %2$lld เหลือที่เดียวในหลัก %3$lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%1$@: %2$lld เหลือที่เดียวในกล่อง %3$lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: ในกล่อง %lld เลข %lld ลงได้แค่แถว %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: ในกล่อง %lld เลข %lld ลงได้แค่หลัก %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: ในแถว %lld เลข %lld ลงได้แค่กล่อง %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: ในหลัก %lld เลข %lld ลงได้แค่กล่อง %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: ช่องเหล่านี้ในแถว %lld มีแค่ %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: ช่องเหล่านี้ในหลัก %lld มีแค่ %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: ช่องเหล่านี้ในกล่อง %lld มีแค่ %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%1$@: แถว %3$lld มี %2$@ แค่ช่องเหล่านี้</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%1$@: หลัก %3$lld มี %2$@ แค่ช่องเหล่านี้</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%1$@: กล่อง %3$lld มี %2$@ แค่ช่องเหล่านี้</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: ในแถวเหล่านี้ %lld ลงได้แค่หลักเหล่านี้</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: ในหลักเหล่านี้ %lld ลงได้แค่แถวเหล่านี้</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>เทคนิค: %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ ไม่มีตัวเลือก</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld ลงใน %@ ไม่ได้</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld ซ้ำใน %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: ถ้า %@=%lld: %@ → %@ จึง≠%lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: %@=%lld ขัดแย้ง จึง≠%lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: เลขใน %@ อยู่ที่ใดก็ได้ %@</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@ เป็นเลขใดก็ได้ %@</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): ปลา/ครีบ %@ ตัดส่วนร่วม</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: %3$@/%4$@ เป็น %2$lld ตัดที่เห็นทั้งคู่</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: %3$@/%4$@ เป็น %2$lld ตัดที่เห็นทั้งคู่</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: แกน %@ ให้ %@/%@=%lld ตัดที่เห็นทั้งคู่</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: %@/%@/%@ เป็น %lld ตัดที่เห็นทั้งสาม</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: %@ ให้ %@/%@=%lld ตัดที่เห็นทั้งคู่</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): สีหนึ่งจริง ตัดที่เห็นสองสี</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ เห็น %@ สีนี้จึงผิด</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@=%@ จะกำกวม ตัด %@</translation>
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
