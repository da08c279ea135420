<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>パズル完成</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>タイム: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>もう一度遊ぶ</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>メモ (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>すべてのメモを記入 (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>消去 (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>ヒント (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>新しいパズル</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>新しいパズル (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>元に戻す (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>設定、統計、遊び方、このアプリについて、終了</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>プレイ時間 %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>このゲームを中断しますか？</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>ここで新しいパズルを始めると、連勝記録がリセットされます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku を開く</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku を終了</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>数独の盤面</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>残り %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld 行目、%lld 列目、%lld、初期配置</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld 行目、%lld 列目、%lld、誤り</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld 行目、%lld 列目、%lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld 行目、%lld 列目、空き、メモ %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld 行目、%lld 列目、空き</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Pondrel Sudoku へようこそ</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku はシステムトレイに常駐します。パネルのアイコンをクリックすると遊べます。アイコンはこのような形です：</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>パネルで強調表示されたゲームのアイコン</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>見つかりませんか？ パネルによっては、一部のトレイアイコンが矢印の奥に隠れています。</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>ルールを知りたいときは、ゲームのメニューを開いて「遊び方」を選んでください。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>わかりました</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>バージョン %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>ベストタイム: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>プレイ回数</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>勝利数</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>敗北数</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>現在の連勝</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>最長連勝</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>すべての統計をリセット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>すべての統計をリセットしますか？</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>ゲーム数、勝利数、連勝記録、ベストタイムが消去されます。この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>難易度を変えると新しいパズルが始まり、連勝記録がリセットされます。</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>トレイアイコン</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>盤面のサイズ</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>デスクトップの自動起動設定でオフになっています。</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>間違いを強調表示</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>ルールに反する数字や、そのマスに入らない数字をすぐに赤で表示します。</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>同じ数字を強調表示</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>選択中のマスと同じ数字が入ったマスをすべて色付けします。</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>メモを自動で消去</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>数字を置くと、同じ行・列・ブロックのメモからその数字が消えます。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>About</source>
        <translation>このアプリについて</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>システムトレイに常駐</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>パネルのグリッドアイコンをクリックするとゲームが開きます。ほかの場所をクリックすると隠れ、タイマーが止まります。見つかりませんか？ パネルによっては、一部のトレイアイコンが矢印の奥に隠れています。</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>盤面を埋めよう</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>どの行、どの列、どの 3×3 ブロックにも、1 から 9 の数字が 1 つずつ入ります。</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>マスを選んでから数字を</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>空いているマスを選び、数字パッドかキーボードで数字を入力します。先に数字を選ぶと、盤面にあるその数字がすべて強調表示されます。</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>メモを使う</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>「メモ」をオンにすると、マスに入りそうな数字を小さく書き込めます。「自動」はすべてのメモを記入し、「元に戻す」で取り消せます。</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>お困りですか？</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>「ヒント」はマスを 1 つ埋めてくれます。ヒントを使ったゲームはベストタイムに記録されません。</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>完成した数字はロック</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>ある数字の 9 つすべてが正しい位置に入ると、そのマスはロックされ、その数字はもう使えなくなります。</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>元に戻す・新しいパズル</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>「元に戻す」で直前の一手を取り消せます。初級・中級・上級・超上級は設定で選べます。</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>マスを移動</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>数字を入力</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>メモのオン/オフ</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>すべてのメモを記入</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>ヒントを表示</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>新しいパズル</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>制作: Pondrel チーム</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>システムトレイで遊べるシンプルな数独ゲーム。</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ にアクセス</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel チーム。無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>超上級</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大きめ</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>角付きグリッド</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>数字の四角</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>消去法で見つかりました</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>パズルを完成させる唯一の数字です</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>ヒントを説明</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>ヒントの後に、その数字が入る理由を短く表示します。</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>パズルをコピー</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>パズルを貼り付け</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>パズルをコピーしました</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>クリップボードにパズルがありません</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>このパズルには解がありません</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>このパズルには解が複数あります</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>やり直す (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>次の一手</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>ネイキッドシングル</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>ヒドゥンシングル</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>ポインティング</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>クレーミング</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>ネイキッドペア</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>ヒドゥンペア</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>ネイキッドトリプル</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>ヒドゥントリプル</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>ネイキッドクアッド</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>ヒドゥンクアッド</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>ソードフィッシュ</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>ジェリーフィッシュ</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>スカイスクレイパー</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>ツーストリングカイト</translation>
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
        <translation>ユニークレクタングル</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>シンプルカラーリング</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>フィン付き X-Wing</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>フィン付きソードフィッシュ</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X チェーン</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY チェーン</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>フォーシングチェーン</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>%lld 行目を見てください</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>%lld 列目を見てください</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>ブロック %lld を見てください</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>%lld 行目と %lld 列目を見てください</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>%lld 行目、%lld 列目とブロック %lld を見てください</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>強調表示されたマスを見てください</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>この %lld はここには入りません</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>手詰まりです。ヒント (H) で1マス埋まります</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@：%3$lld 行目に足りないのは %2$lld だけです</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@：%3$lld 列目に足りないのは %2$lld だけです</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@：ブロック %3$lld に足りないのは %2$lld だけです</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@：このマスに入るのは %lld だけです</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@：%lld が入るのは %lld 行目ではここだけです</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@：%lld が入るのは %lld 列目ではここだけです</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@：%lld が入るのはブロック %lld ではここだけです</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@：ブロック %lld では %lld は %lld 行目にしか入りません</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@：ブロック %lld では %lld は %lld 列目にしか入りません</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@：%lld 行目では %lld はブロック %lld にしか入りません</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@：%lld 列目では %lld はブロック %lld にしか入りません</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@：%lld 行目のこれらのマスには %@ しか入りません</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@：%lld 列目のこれらのマスには %@ しか入りません</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@：ブロック %lld のこれらのマスには %@ しか入りません</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@：%@ は %lld 行目のこれらのマスにしか入りません</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@：%@ は %lld 列目のこれらのマスにしか入りません</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@：%@ はブロック %lld のこれらのマスにしか入りません</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@：これらの行では %lld はこれらの列にしか入りません</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@：これらの列では %lld はこれらの行にしか入りません</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>%@ で見つかりました</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ に候補なし</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld は %@ に置けません</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%2$@ に %1$lld が二つ</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@：%@=%lld なら %@ → %@。よって %lld でない</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@：%@ が %lld なら矛盾が生じるので、%lld ではありません</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@：%@ でのある数字のどの位置も %@ を導くので成立します</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@：%@ のどの候補も %@ を導くので成立します</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@（%lld）：本体かフィン %@ にある。両方の除外マスから消す</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：強リンクにより %3$@ か %4$@ が %2$lld。両方を見るマスから消えます</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@：チェーンにより %3$@ か %4$@ が %2$lld。両方を見るマスから消えます</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：軸 %@ によりピンサー %@ か %@ が %lld。両方を見るマスから消えます</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@：軸 %@ かピンサー %@ か %@ が %lld。三つとも見るマスから消えます</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@：強リンク %@ により %@ か %@ が %lld。両方を見るマスから消えます</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@（%lld）：どちらかの色が正解。両方の色を見るマスから消えます</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@（%lld）：%@ と %@ が互いに見えるので、その色は偽です</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@：%@ が %@ だけだと解が二つになるので、%@ を消します</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>フォーシングネット</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>ネストチェーン</translation>
    </message>
</context>
</TS>
