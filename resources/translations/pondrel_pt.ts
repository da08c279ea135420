<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>Sudoku resolvido</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tempo: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notas (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Preencher todas as notas (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Apagar (Delete)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Dica (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Novo sudoku</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Novo sudoku (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Desfazer (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferências, estatísticas, como jogar, sobre e sair</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Tempo de jogo %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonar este jogo?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Se começar agora um novo sudoku, a sua série de vitórias volta a zero.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Abrir o Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Sair do Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Tabuleiro de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Falta %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Faltam %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Faltam %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Linha %lld, coluna %lld, %lld, inicial</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Linha %lld, coluna %lld, %lld, errado</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Linha %lld, coluna %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Linha %lld, coluna %lld, vazia, notas %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Linha %lld, coluna %lld, vazia</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Bem-vindo ao Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>O Pondrel Sudoku vive na área de notificação. Clique no seu ícone no painel para jogar. Tem este aspeto:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>O ícone do jogo, destacado no painel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Não o vê? O painel pode esconder alguns ícones da área de notificação atrás de uma seta.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Precisa das regras? Abra o menu do jogo e escolha «Como jogar».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versão %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f%%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Melhor tempo: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Jogos jogados</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Jogos ganhos</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Jogos perdidos</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Percentagem de vitórias</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Série atual</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Melhor série</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Repor todas as estatísticas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Repor todas as estatísticas?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Isto apaga os seus jogos, vitórias, séries e melhores tempos. Não é possível desfazer.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Mudar a dificuldade começa um novo sudoku e põe a sua série de vitórias a zero.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Ícone de notificação</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Tamanho do tabuleiro</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir ao iniciar sessão</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Desativado nas definições de arranque automático do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Destacar erros</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Mostra um número a vermelho assim que viola as regras ou não pertence a essa casa.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Destacar números iguais</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Sombreia todas as casas com o mesmo número da casa selecionada.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Limpar notas automaticamente</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Colocar um número remove-o das notas da sua linha, coluna e bloco.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLICAÇÃO</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JOGO</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TECLADO</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Vive na área de notificação</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Clique no ícone de grelha no painel para abrir o jogo. Clique noutro sítio qualquer para o esconder; o relógio para. Não o vê? O painel pode esconder alguns ícones da área de notificação atrás de uma seta.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Preencha a grelha</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Cada linha, cada coluna e cada bloco 3×3 tem de conter os números de 1 a 9 exatamente uma vez.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Escolha uma casa e depois um número</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Clique numa casa vazia e depois num número dos botões ou do teclado. Ou escolha primeiro um número para o destacar em todo o tabuleiro.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Use as notas</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Ative Notas para escrever em pequeno os números possíveis numa casa. Auto preenche todas as notas por si, e Desfazer volta atrás.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Precisa de ajuda?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Dica preenche uma casa por si. Um jogo em que usou uma dica não conta para o melhor tempo.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Os números completos ficam bloqueados</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Quando os nove exemplares de um número estão nos sítios certos, as suas casas ficam bloqueadas e o número deixa de poder ser usado.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Desfazer e novos sudokus</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Desfazer anula a sua última jogada. Escolha Fácil, Médio, Difícil ou Perito nas Preferências.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Mover entre casas</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Introduzir um número</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Ativar ou desativar as notas</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Preencher todas as notas</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Dar uma dica</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Novo sudoku</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Abrir as Preferências</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Feito pela equipa Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Um jogo de sudoku simples para a área de notificação.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visitar %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 A equipa Pondrel. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grelha com canto</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Número em quadrado</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Encontrado por eliminação</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>O único número que completa o sudoku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Explicar dicas</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Após uma dica, explica numa frase porque é que o número vai ali.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar sudoku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Colar sudoku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiado</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Não há nenhum sudoku na área de transferência</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Este sudoku não tem solução</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Este sudoku tem mais de uma solução</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Refazer (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Passo seguinte</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Solitário nu</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Solitário oculto</translation>
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
        <translation>Par nu</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Par oculto</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Trio nu</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Trio oculto</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quarteto nu</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quarteto oculto</translation>
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
        <translation>Arranha-céus</translation>
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
        <translation>Retângulo único</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Coloração simples</translation>
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
        <translation>Cadeia X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Cadeia XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Cadeia forçada</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Veja a linha %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Veja a coluna %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Veja o bloco %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Veja a linha %lld e a coluna %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Veja a linha %lld, a coluna %lld e o bloco %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Veja as casas realçadas</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Este %lld não pertence aqui</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Nenhum passo encontrado. Dica (H) preenche uma casa</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: só falta o %lld na linha %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: só falta o %lld na coluna %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: só falta o %lld no bloco %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: nesta casa só cabe o %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: o %lld só tem um lugar na linha %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: o %lld só tem um lugar na coluna %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: o %lld só tem um lugar no bloco %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: no bloco %lld, o %lld só pode ir na linha %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: no bloco %lld, o %lld só pode ir na coluna %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: na linha %lld, o %lld só pode ir no bloco %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: na coluna %lld, o %lld só pode ir no bloco %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: estas casas da linha %lld só admitem %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: estas casas da coluna %lld só admitem %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: estas casas do bloco %lld só admitem %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ só podem ir nestas casas da linha %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ só podem ir nestas casas da coluna %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ só podem ir nestas casas do bloco %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: nestas linhas, o %lld só pode ir nestas colunas</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: nestas colunas, o %lld só pode ir nestas linhas</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Encontrado com %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ não tem candidatos</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>o %lld não tem lugar em %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>o %lld duas vezes em %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: se %@ fosse %lld: %@ → %@, logo não é %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: se %@ fosse %lld haveria uma contradição, logo não é %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: cada lugar de um algarismo em %@ leva a %@, logo verifica-se</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: cada candidato de %@ leva a %@, logo verifica-se</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ no %lld: o peixe ou a barbatana %@ tem-no; o que ambos excluem perde-o</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: as ligações fortes põem o %lld em %@ ou %@; o que vê ambas perde-o</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: a cadeia põe o %lld em %@ ou %@; o que vê ambas perde-o</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: o pivô %@ faz de %@ ou %@ um %lld; o que vê ambas perde-o</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: o pivô %@ ou a pinça %@ ou %@ é %lld; o que vê as três perde-o</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: a ligação forte %@ faz de %@ ou %@ um %lld; o que vê ambas perde-o</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ no %lld: uma cor é verdadeira; o que vê ambas as cores perde-o</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ no %lld: %@ e %@ veem-se, logo a sua cor é falsa</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ só com %@ teria duas soluções, logo sai %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Rede forçada</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Cadeia aninhada</translation>
    </message>
</context>
</TS>
