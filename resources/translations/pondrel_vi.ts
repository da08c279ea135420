<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
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
        <translation>Đã giải xong</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Thời gian: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Chơi lại</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Ghi chú (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Điền mọi ghi chú (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Xóa (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Gợi ý (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Câu đố mới</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Câu đố mới (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Hoàn tác (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Trình đơn</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Tùy chỉnh, Thống kê, Cách chơi, Giới thiệu và Thoát</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Thời gian chơi %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Bỏ ván này?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Bắt đầu câu đố mới lúc này sẽ đặt lại chuỗi thắng của bạn.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Mở Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Thoát Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Bàn sudoku</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Còn %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Hàng %lld, cột %lld, %lld, cho sẵn</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Hàng %lld, cột %lld, %lld, sai</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Hàng %lld, cột %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Hàng %lld, cột %lld, trống, ghi chú %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Hàng %lld, cột %lld, trống</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Chào mừng đến với Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku nằm trong khay hệ thống. Hãy nhấp vào biểu tượng của nó trên thanh tác vụ để chơi. Biểu tượng trông như thế này:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>Biểu tượng của trò chơi, được tô sáng trên thanh tác vụ</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Không thấy? Thanh tác vụ có thể ẩn bớt biểu tượng khay sau một mũi tên.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Cần xem luật chơi? Hãy mở trình đơn của trò chơi và chọn Cách chơi.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Đã hiểu</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Chào mừng</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Phiên bản %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Thời gian tốt nhất: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Số ván đã chơi</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Số ván thắng</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Số ván thua</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Tỉ lệ thắng</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Chuỗi thắng hiện tại</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Chuỗi thắng dài nhất</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Đặt lại mọi thống kê</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Đặt lại mọi thống kê?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Thao tác này xóa số ván, số trận thắng, chuỗi thắng và thời gian tốt nhất của bạn. Không thể hoàn tác.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Đổi độ khó sẽ bắt đầu câu đố mới và đặt lại chuỗi thắng của bạn.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Biểu tượng khay</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Cỡ bàn chơi</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Chạy khi đăng nhập</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Đã tắt trong thiết lập tự khởi động của môi trường máy tính.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Độ khó</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Tô sáng lỗi sai</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Hiện số màu đỏ ngay khi nó phạm luật hoặc không thuộc về ô đó.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Tô sáng số trùng</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Tô màu mọi ô có cùng số với ô đang chọn.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Tự động xóa ghi chú</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Khi điền một số, số đó được xóa khỏi ghi chú trong hàng, cột và khối của nó.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Thống kê</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cách chơi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>ỨNG DỤNG</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>TRÒ CHƠI</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>BÀN PHÍM</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Nằm trong khay hệ thống</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Nhấp vào biểu tượng lưới trên thanh tác vụ để mở trò chơi. Nhấp vào bất kỳ chỗ nào khác để ẩn nó; đồng hồ sẽ tạm dừng. Không thấy? Thanh tác vụ có thể ẩn bớt biểu tượng khay sau một mũi tên.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Điền kín lưới</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Mỗi hàng, mỗi cột và mỗi khối 3×3 phải chứa các số từ 1 đến 9, mỗi số đúng một lần.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Chọn ô, rồi chọn số</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Chạm vào một ô trống, rồi chọn một số trên bàn phím số hoặc bàn phím của bạn. Hoặc chạm vào một số trước để làm sáng mọi ô có số đó trên bàn chơi.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Dùng ghi chú</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Bật Ghi chú để ghi nhỏ các số có thể vào một ô. Tự động điền mọi ghi chú giúp bạn, và Hoàn tác sẽ lấy lại.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Cần giúp đỡ?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Gợi ý điền giúp bạn một ô. Ván có dùng gợi ý sẽ không được ghi thời gian tốt nhất.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Số đã xong sẽ bị khóa</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Khi cả chín chữ số giống nhau đều nằm đúng chỗ, các ô của chúng bị khóa và số đó không thể dùng nữa.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Hoàn tác và câu đố mới</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Hoàn tác lấy lại nước đi cuối cùng của bạn. Chọn Dễ, Vừa, Khó hoặc Chuyên gia trong Tùy chỉnh.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Di chuyển giữa các ô</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Nhập một số</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Bật hoặc tắt Ghi chú</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Điền mọi ghi chú</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Đưa gợi ý</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Câu đố mới</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Mở Tùy chỉnh</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Do nhóm Pondrel thực hiện</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Trò chơi sudoku đơn giản cho khay hệ thống của bạn.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Truy cập %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Nhóm Pondrel. Mọi quyền được bảo lưu.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Dễ</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Khó</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Chuyên gia</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Chuẩn</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Lớn</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Chấm</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Lưới góc</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Ô vuông số</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Tìm ra bằng cách loại trừ</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Số duy nhất giúp hoàn thành câu đố</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Giải thích gợi ý</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Sau mỗi gợi ý, giải thích trong một câu vì sao số đó được điền vào ô.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Sao chép câu đố</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Dán câu đố</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Đã sao chép câu đố</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Bảng tạm không chứa câu đố nào</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Câu đố này không có lời giải</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Câu đố này có nhiều hơn một lời giải</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Làm lại (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Bước tiếp theo</translation>
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
        <translation>Hãy xem hàng %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Hãy xem cột %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Hãy xem khối %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Hãy xem hàng %lld và cột %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Hãy xem hàng %lld, cột %lld và khối %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Hãy xem các ô được tô sáng</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Số %lld này không đúng chỗ</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Không tìm thấy bước nào. Gợi ý (H) sẽ điền một ô</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: hàng %3$lld chỉ còn thiếu số %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: cột %3$lld chỉ còn thiếu số %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: khối %3$lld chỉ còn thiếu số %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: ô này chỉ điền được %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: số %lld chỉ còn một chỗ trong hàng %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: số %lld chỉ còn một chỗ trong cột %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: số %lld chỉ còn một chỗ trong khối %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: trong khối %lld, số %lld chỉ nằm được ở hàng %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: trong khối %lld, số %lld chỉ nằm được ở cột %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: trong hàng %lld, số %lld chỉ nằm được ở khối %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: trong cột %lld, số %lld chỉ nằm được ở khối %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: các ô này của hàng %lld chỉ chứa được %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: các ô này của cột %lld chỉ chứa được %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: các ô này của khối %lld chỉ chứa được %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ chỉ nằm được ở các ô này của hàng %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ chỉ nằm được ở các ô này của cột %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ chỉ nằm được ở các ô này của khối %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: trong các hàng này, số %lld chỉ nằm được ở các cột này</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: trong các cột này, số %lld chỉ nằm được ở các hàng này</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Tìm ra bằng %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ không còn ứng viên</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld không có chỗ trong %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld hai lần trong %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: nếu %@ là %lld: %@ → %@, nên nó không là %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: nếu %@ là %lld sẽ mâu thuẫn, nên nó không là %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: mọi vị trí của một số trong %@ đều dẫn tới %@, nên điều đó đúng</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: mọi ứng viên của %@ đều dẫn tới %@, nên điều đó đúng</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ với %lld: cá hoặc vây %@ chứa nó; ô bị cả hai loại trừ sẽ mất nó</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: các liên kết mạnh đặt %lld ở %@ hoặc %@; ô thấy cả hai sẽ mất nó</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: chuỗi đặt %lld ở %@ hoặc %@; ô thấy cả hai sẽ mất nó</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: trục %@ khiến %@ hoặc %@ là %lld; ô thấy cả hai sẽ mất nó</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: trục %@ hoặc càng %@ hay %@ là %lld; ô thấy cả ba sẽ mất nó</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: liên kết mạnh %@ khiến %@ hoặc %@ là %lld; ô thấy cả hai sẽ mất nó</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ với %lld: một màu là đúng; ô thấy cả hai màu sẽ mất nó</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ với %lld: %@ và %@ thấy nhau, nên màu của chúng sai</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ chỉ với %@ sẽ có hai lời giải, nên bỏ %@</translation>
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
