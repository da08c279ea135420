<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>谜题已解开</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>用时：%@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>再玩一局</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>笔记</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>笔记 (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>填入全部笔记 (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>擦除</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>擦除 (Delete)</translation>
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
        <translation>新谜题</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>新谜题 (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>撤销 (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>首选项、统计、玩法、关于和退出</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>游戏时间 %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>放弃这局游戏？</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>现在开始新谜题会重置你的连胜纪录。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>打开 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>退出 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>数独棋盘</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>还剩 %lld 个</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>第 %lld 行，第 %lld 列，%lld，题目给定</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>第 %lld 行，第 %lld 列，%lld，错误</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>第 %lld 行，第 %lld 列，%lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>第 %lld 行，第 %lld 列，空，笔记 %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>第 %lld 行，第 %lld 列，空</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>欢迎使用 Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku 位于你的系统托盘中。点击面板上的图标即可开始游戏。图标是这样的：</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>游戏图标，在面板中突出显示</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>看不到？你的面板可能把部分托盘图标收在一个箭头后面。</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>想看规则？打开游戏菜单并选择“玩法”。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
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
        <translation>最佳用时：%@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>已玩局数</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>获胜局数</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>失败局数</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>胜率</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>当前连胜</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>最佳连胜</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>重置全部统计</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>重置全部统计？</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>这将清除你的局数、胜局、连胜和最佳用时。此操作无法撤销。</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>更改难度会开始新谜题并重置你的连胜纪录。</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>托盘图标</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>棋盘大小</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>已在桌面环境的自动启动设置中关闭。</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>突出显示错误</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>数字一旦违反规则或不属于该格，立即显示为红色。</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>突出显示相同数字</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>为所有与所选格数字相同的格子加上底色。</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>自动清除笔记</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>填入一个数字后，会将它从同行、同列和同宫的笔记中移除。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>位于系统托盘中</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>点击面板上的网格图标即可打开游戏。点击其他任意位置即可隐藏，计时器随之暂停。看不到？你的面板可能把部分托盘图标收在一个箭头后面。</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>填满棋盘</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>每一行、每一列和每个 3×3 宫都必须包含数字 1 到 9，且每个数字只出现一次。</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>先选格子，再选数字</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>点击一个空格，再在数字键盘或你的键盘上选一个数字。也可以先点一个数字，棋盘上所有该数字都会高亮。</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>使用笔记</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>打开“笔记”可在格子里用小字写下可能的数字。“自动”会为你填入全部笔记，“撤销”可以收回。</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>需要帮助？</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>“提示”会为你填好一个格子。使用过提示的游戏不会刷新最佳用时。</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>完成的数字会锁定</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>当某个数字的九个都填在正确位置时，这些格子会锁定，该数字也不能再使用。</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>撤销与新谜题</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>“撤销”会收回你的上一步。可在首选项中选择简单、中等、困难或专家。</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>在格子间移动</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>输入数字</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>打开或关闭笔记</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>填入全部笔记</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>给出提示</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>新谜题</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>打开首选项</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>由 Pondrel 团队制作</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>一款适合系统托盘的简单数独游戏。</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>访问 %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel 团队。保留所有权利。</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大号</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>圆点</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>角格</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>数字方块</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>通过排除法找到</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>唯一能完成谜题的数字</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>解释提示</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>使用提示后，用一句话说明该数字为何填在这里。</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>复制谜题</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>粘贴谜题</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>谜题已复制</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>剪贴板中没有谜题</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>此谜题无解</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>此谜题有多个解</translation>
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
        <translation>显性唯一</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>隐性唯一</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>宫区块</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>行列区块</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>显性三数组</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>隐性三数组</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>显性四数组</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>隐性四数组</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X 翼</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>剑鱼</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>摩天楼</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>双线风筝</translation>
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
        <translation>简单染色</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>鳍 X 翼</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>鳍剑鱼</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X 链</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY 链</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>强制链</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>请看第 %lld 行</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>请看第 %lld 列</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>请看第 %lld 宫</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>请看第 %lld 行和第 %lld 列</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>请看第 %lld 行、第 %lld 列和第 %lld 宫</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>请看高亮的格子</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>这个 %lld 不该在这里</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>找不到下一步。提示 (H) 会填好一格</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@：第 %3$lld 行只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@：第 %3$lld 列只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@：第 %3$lld 宫只缺 %2$lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@：这一格只能填 %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@：%lld 在第 %lld 行只剩一个位置</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@：%lld 在第 %lld 列只剩一个位置</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@：%lld 在第 %lld 宫只剩一个位置</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@：在第 %lld 宫，%lld 只能在第 %lld 行</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@：在第 %lld 宫，%lld 只能在第 %lld 列</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@：在第 %lld 行，%lld 只能在第 %lld 宫</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@：在第 %lld 列，%lld 只能在第 %lld 宫</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@：第 %lld 行的这些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@：第 %lld 列的这些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@：第 %lld 宫的这些格只能填 %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@：%@ 只能填在第 %lld 行的这些格</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@：%@ 只能填在第 %lld 列的这些格</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@：%@ 只能填在第 %lld 宫的这些格</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@：在这些行中，%lld 只能在这些列</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@：在这些列中，%lld 只能在这些行</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>通过%@找到</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ 没有候选数</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld 在 %@ 中无处可放</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld 在 %@ 中重复</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@：若 %@ 为 %lld：%@ → %@，所以它不是 %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@：若 %@ 为 %lld 会导致矛盾，所以它不是 %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@：某数字在 %@ 的每个位置都导致 %@，所以它成立</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@：%@ 的每个候选数都导致 %@，所以它成立</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@（%lld）：鱼或鳍 %@ 必有它；两者都排除的格删去它</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：强链使 %3$@ 或 %4$@ 为 %2$lld；同时看到两者的格删去它</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：链使 %3$@ 或 %4$@ 为 %2$lld；同时看到两者的格删去它</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：枢纽 %@ 使钳 %@ 或 %@ 为 %lld；同时看到两钳的格删去它</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@：枢纽 %@ 或钳 %@、%@ 之一为 %lld；同时看到三者的格删去它</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：强链 %@ 使 %@ 或 %@ 为 %lld；同时看到两者的格删去它</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@（%lld）：两种颜色中有一种为真；同时看到两色的格删去它</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@（%lld）：%@ 与 %@ 互相可见，所以它们的颜色为假</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@：%@ 若只剩 %@ 会有两个解，所以删去 %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>强制网</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>嵌套链</translation>
    </message>
</context>
</TS>
