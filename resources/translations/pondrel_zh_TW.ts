<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>謎題已解開</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>用時：%@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>再玩一局</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>筆記</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>筆記 (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>填入所有筆記 (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>清除 (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>提示 (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>新謎題</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>新謎題 (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>復原 (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>偏好設定、統計、玩法、關於與離開</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>遊戲時間 %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>要放棄這局遊戲嗎？</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>現在開始新謎題會重設你的連勝紀錄。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>開啟 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>離開 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>數獨盤面</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>還剩 %lld 個</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>第 %lld 列，第 %lld 欄，%lld，題目給定</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>第 %lld 列，第 %lld 欄，%lld，錯誤</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>第 %lld 列，第 %lld 欄，%lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>第 %lld 列，第 %lld 欄，空白，筆記 %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>第 %lld 列，第 %lld 欄，空白</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>歡迎使用 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku 位於你的系統匣中。按一下面板上的圖示即可開始遊戲。圖示長這樣：</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>遊戲圖示，在面板中醒目顯示</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>看不到嗎？你的面板可能把部分系統匣圖示收在箭頭後面。</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>想看規則嗎？開啟遊戲選單並選擇「玩法」。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>歡迎</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>版本 %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>最佳時間：%@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>已玩局數</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>獲勝局數</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>失敗局數</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>目前連勝</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>最佳連勝</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>重設所有統計</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>要重設所有統計嗎？</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>這會清除你的局數、勝局、連勝與最佳時間。此動作無法復原。</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>變更難度會開始新謎題並重設你的連勝紀錄。</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>系統匣圖示</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>盤面大小</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>已在桌面環境的自動啟動設定中關閉。</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>難度</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>醒目顯示錯誤</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>數字一旦違反規則或不屬於該格，立即以紅色顯示。</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>醒目顯示相同數字</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>為所有與所選格數字相同的格子加上底色。</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>自動清除筆記</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>填入數字後，會從同列、同欄與同宮的筆記中移除該數字。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>位於系統匣中</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>按一下面板上的格線圖示即可開啟遊戲。按一下其他任何地方即可隱藏，計時器隨之暫停。看不到嗎？你的面板可能把部分系統匣圖示收在箭頭後面。</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>填滿盤面</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>每一列、每一欄與每個 3×3 宮都必須包含數字 1 到 9，且每個數字只出現一次。</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>先選格子，再選數字</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>點選一個空格，再從數字鍵盤或你的鍵盤選一個數字。也可以先點選數字，盤面上所有該數字都會醒目顯示。</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>使用筆記</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>開啟「筆記」即可在格子裡用小字寫下可能的數字。「自動」會幫你填入所有筆記，「復原」可以收回。</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>需要幫忙嗎？</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>「提示」會幫你填好一個格子。用過提示的遊戲不會列入最佳時間。</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>完成的數字會鎖定</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>當某個數字的九個都填在正確位置時，這些格子會鎖定，該數字也不能再使用。</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>復原與新謎題</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>「復原」會收回你的上一步。可在偏好設定中選擇簡單、中等、困難或專家。</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>在格子間移動</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>輸入數字</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>開啟或關閉筆記</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>填入所有筆記</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>給個提示</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>新謎題</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>開啟偏好設定</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>由 Pondrel 團隊製作</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>一款適合系統匣的簡單數獨遊戲。</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>造訪 %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel 團隊。保留一切權利。</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>簡單</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>專家</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大型</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>圓點</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>角格</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>數字方塊</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>以排除法找出</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>唯一能完成謎題的數字</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>說明提示</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>使用提示後，以一句話說明該數字為何填在這裡。</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>複製謎題</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>貼上謎題</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>謎題已複製</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>剪貼簿中沒有謎題</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>此謎題無解</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>此謎題有多個解</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>重做 (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>唯一空格</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>顯性唯一</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>隱性唯一</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>宮區塊</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>列欄區塊</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>顯性數對</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>隱性數對</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>顯性三數組</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>隱性三數組</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>顯性四數組</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>隱性四數組</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X 翼</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>劍魚</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>摩天樓</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>雙線風箏</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY 翼</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ 翼</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W 翼</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>唯一矩形</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>簡單著色</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>鰭 X 翼</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>鰭劍魚</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X 鏈</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY 鏈</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>強制鏈</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>請看第 %lld 列</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>請看第 %lld 欄</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>請看第 %lld 宮</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>請看第 %lld 列和第 %lld 欄</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>請看第 %lld 列、第 %lld 欄和第 %lld 宮</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>請看醒目標示的格子</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>這個 %lld 不該在這裡</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>找不到下一步。提示 (H) 會填好一格</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@：第 %3$lld 列只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@：第 %3$lld 欄只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@：第 %3$lld 宮只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@：這一格只能填 %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@：%lld 在第 %lld 列只剩一個位置</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@：%lld 在第 %lld 欄只剩一個位置</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@：%lld 在第 %lld 宮只剩一個位置</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@：在第 %lld 宮，%lld 只能在第 %lld 列</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@：在第 %lld 宮，%lld 只能在第 %lld 欄</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@：在第 %lld 列，%lld 只能在第 %lld 宮</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@：在第 %lld 欄，%lld 只能在第 %lld 宮</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@：第 %lld 列的這些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@：第 %lld 欄的這些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@：第 %lld 宮的這些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@：%@ 只能填在第 %lld 列的這些格</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@：%@ 只能填在第 %lld 欄的這些格</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@：%@ 只能填在第 %lld 宮的這些格</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@：在這些列中，%lld 只能在這些欄</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@：在這些欄中，%lld 只能在這些列</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>以%@找出</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ 沒有候選數</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld 在 %@ 中無處可放</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld 在 %@ 中重複</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@：若 %@ 為 %lld：%@ → %@，所以它不是 %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@：若 %@ 為 %lld 會導致矛盾，所以它不是 %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@：某數字在 %@ 的每個位置都導致 %@，所以它成立</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@：%@ 的每個候選數都導致 %@，所以它成立</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@（%lld）：魚或鰭 %@ 必有它；兩者都排除的格刪去它</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：強鏈使 %3$@ 或 %4$@ 為 %2$lld；同時看到兩者的格刪去它</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：鏈使 %3$@ 或 %4$@ 為 %2$lld；同時看到兩者的格刪去它</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：樞紐 %@ 使鉗 %@ 或 %@ 為 %lld；同時看到兩鉗的格刪去它</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@：樞紐 %@ 或鉗 %@、%@ 之一為 %lld；同時看到三者的格刪去它</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：強鏈 %@ 使 %@ 或 %@ 為 %lld；同時看到兩者的格刪去它</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@（%lld）：兩種顏色中有一種為真；同時看到兩色的格刪去它</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@（%lld）：%@ 與 %@ 互相可見，所以它們的顏色為假</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@：%@ 若只剩 %@ 會有兩個解，所以刪去 %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>強制網</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>巢狀鏈</translation>
    </message>
</context>
</TS>
