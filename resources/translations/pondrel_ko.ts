<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
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
        <translation>퍼즐 완성</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>시간: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>다시 하기</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>메모 (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>모든 메모 채우기 (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>지우기 (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>힌트</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>힌트 (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>새 퍼즐</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>새 퍼즐 (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>실행 취소 (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>기본 설정, 통계, 게임 방법, 정보 및 끝내기</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>플레이 시간 %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>이 게임을 포기할까요?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>지금 새 퍼즐을 시작하면 연승 기록이 초기화됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Pondrel Sudoku 열기</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Pondrel Sudoku 끝내기</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>스도쿠 판</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld개 남음</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>%lld행 %lld열, %lld, 주어진 숫자</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>%lld행 %lld열, %lld, 틀림</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>%lld행 %lld열, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>%lld행 %lld열, 비어 있음, 메모 %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>%lld행 %lld열, 비어 있음</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Pondrel Sudoku에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku는 시스템 트레이에 있습니다. 패널에서 아이콘을 클릭하면 게임을 할 수 있습니다. 아이콘은 이렇게 생겼습니다:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>패널에서 강조 표시된 게임 아이콘</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>보이지 않나요? 패널이 일부 트레이 아이콘을 화살표 뒤에 숨길 수 있습니다.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>규칙이 궁금한가요? 게임 메뉴를 열고 게임 방법을 선택하세요.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>버전 %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>최고 기록: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>플레이 횟수</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>패배</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>승률</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>현재 연승</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>최고 연승</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>모든 통계 초기화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>모든 통계를 초기화할까요?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>게임 수, 승리, 연승 기록, 최고 기록이 모두 지워집니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>난이도를 바꾸면 새 퍼즐이 시작되고 연승 기록이 초기화됩니다.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>트레이 아이콘</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>게임 크기</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>데스크톱의 자동 시작 설정에서 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>난이도</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>실수 강조</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>숫자가 규칙에 어긋나거나 그 칸에 맞지 않으면 바로 빨간색으로 표시합니다.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>같은 숫자 강조</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>선택한 칸과 같은 숫자가 있는 모든 칸을 색칠합니다.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>메모 자동 지우기</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>숫자를 놓으면 같은 행, 열, 박스의 메모에서 그 숫자가 지워집니다.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>시스템 트레이에 있어요</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>패널에서 격자 아이콘을 클릭하면 게임이 열립니다. 다른 곳을 클릭하면 숨겨지고 타이머가 멈춥니다. 보이지 않나요? 패널이 일부 트레이 아이콘을 화살표 뒤에 숨길 수 있습니다.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>판을 채우세요</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>모든 행, 모든 열, 모든 3×3 박스에 1부터 9까지의 숫자가 정확히 한 번씩 들어가야 합니다.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>칸을 고르고 숫자를</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>빈 칸을 누른 다음 숫자 패드나 키보드에서 숫자를 누르세요. 숫자를 먼저 누르면 판에 있는 그 숫자가 모두 강조됩니다.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>메모 사용하기</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>메모를 켜면 칸에 들어갈 수 있는 숫자를 작게 적을 수 있습니다. 자동은 모든 메모를 대신 채우고, 실행 취소로 되돌릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>도움이 필요하세요?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>힌트는 칸 하나를 대신 채워 줍니다. 힌트를 사용한 게임은 최고 기록에 남지 않습니다.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>완성된 숫자는 잠김</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>한 숫자의 아홉 개가 모두 제자리에 들어가면 그 칸들이 잠기고 그 숫자는 더 이상 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>실행 취소와 새 퍼즐</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>실행 취소는 마지막 수를 되돌립니다. 쉬움, 보통, 어려움, 전문가는 기본 설정에서 고르세요.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>칸 사이 이동</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>숫자 입력</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>메모 켜기/끄기</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>모든 메모 채우기</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>힌트 받기</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>새 퍼즐</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>기본 설정 열기</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Pondrel 팀 제작</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>시스템 트레이에서 즐기는 간단한 스도쿠 게임.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>%@ 방문하기</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 Pondrel 팀. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>전문가</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>점</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>모서리 격자</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>숫자 사각형</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>소거법으로 찾았습니다</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>퍼즐을 완성하는 유일한 숫자입니다</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>힌트 설명</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>힌트를 쓴 뒤 그 숫자가 왜 거기에 들어가는지 한 줄로 알려 줍니다.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>퍼즐 복사</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>퍼즐 붙여넣기</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>퍼즐을 복사했습니다</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>클립보드에 퍼즐이 없습니다</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>이 퍼즐에는 답이 없습니다</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>이 퍼즐에는 답이 둘 이상 있습니다</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>다시 실행 (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>다음 단계</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>풀하우스</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>네이키드 싱글</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>히든 싱글</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>포인팅</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>클레이밍</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>네이키드 페어</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>히든 페어</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>네이키드 트리플</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>히든 트리플</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>네이키드 쿼드</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>히든 쿼드</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>소드피시</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>젤리피시</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>스카이스크레이퍼</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>투스트링 카이트</translation>
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
        <translation>유니크 렉탱글</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>단순 색칠</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>핀드 X-Wing</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>핀드 소드피시</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-체인</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY-체인</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>포싱 체인</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>%lld행을 보세요</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>%lld열을 보세요</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>%lld번 박스를 보세요</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>%lld행과 %lld열을 보세요</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>%lld행, %lld열과 %lld번 박스를 보세요</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>강조된 칸을 보세요</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>이 %lld은(는) 여기에 맞지 않습니다</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>단계를 못 찾았어요. 힌트 (H)로 한 칸을 채우세요</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%1$@: %3$lld행에 빠진 숫자는 %2$lld뿐입니다</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%1$@: %3$lld열에 빠진 숫자는 %2$lld뿐입니다</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%1$@: %3$lld번 박스에 빠진 숫자는 %2$lld뿐입니다</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: 이 칸에는 %lld만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: %lld이(가) 들어갈 곳은 %lld행에서 한 곳뿐입니다</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: %lld이(가) 들어갈 곳은 %lld열에서 한 곳뿐입니다</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: %lld이(가) 들어갈 곳은 %lld번 박스에서 한 곳뿐입니다</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: %lld번 박스에서 %lld은(는) %lld행에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: %lld번 박스에서 %lld은(는) %lld열에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld행에서 %lld은(는) %lld번 박스에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: %lld열에서 %lld은(는) %lld번 박스에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: %lld행의 이 칸들에는 %@만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: %lld열의 이 칸들에는 %@만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: %lld번 박스의 이 칸들에는 %@만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@은(는) %lld행의 이 칸들에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@은(는) %lld열의 이 칸들에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@은(는) %lld번 박스의 이 칸들에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: 이 행들에서 %lld은(는) 이 열들에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: 이 열들에서 %lld은(는) 이 행들에만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>%@(으)로 찾았습니다</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@에 후보가 없음</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>%lld이(가) %@에 들어갈 곳이 없음</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>%lld이(가) %@에 두 번</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: %@이(가) %lld이라면 %@ → %@이므로 %lld이(가) 아닙니다</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: %@이(가) %lld이라면 모순이 생기므로 %lld이(가) 아닙니다</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: %@에서 한 숫자의 모든 자리가 %@(으)로 이어지므로 성립합니다</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: %@의 모든 후보가 %@(으)로 이어지므로 성립합니다</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@(%lld): 피시 또는 핀 %@에 있으므로 둘 다 배제하는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: 강한 링크로 %3$@ 또는 %4$@이(가) %2$lld; 둘 다 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%1$@: 체인으로 %3$@ 또는 %4$@이(가) %2$lld; 둘 다 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: 피벗 %@ 때문에 %@ 또는 %@이(가) %lld; 둘 다 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: 피벗 %@ 또는 %@, %@ 중 하나가 %lld; 셋 다 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: 강한 링크 %@ 때문에 %@ 또는 %@이(가) %lld; 둘 다 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@(%lld): 두 색 중 하나가 참; 두 색을 모두 보는 칸에서 지웁니다</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@(%lld): %@와(과) %@이(가) 서로 보므로 그 색은 거짓입니다</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@이(가) %@만 남으면 해가 둘이므로 %@을(를) 지웁니다</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>포싱 네트</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>중첩 체인</translation>
    </message>
</context>
</TS>
