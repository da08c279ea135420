<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
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
        <translation>Sudoku resolto</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tempo: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Xogar de novo</translation>
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
        <translation>Encher todas as notas (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Borrar (Supr)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Pista (H)</translation>
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
        <translation>Desfacer</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Desfacer (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferencias, estatísticas, como xogar, acerca de e saír</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Tempo de xogo %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonar esta partida?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Se comezas agora un sudoku novo, a túa racha de vitorias volverá a cero.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Abrir Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Saír de Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Taboleiro de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Queda %lld</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>Quedan %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Fila %lld, columna %lld, %lld, inicial</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Fila %lld, columna %lld, %lld, incorrecto</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Fila %lld, columna %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Fila %lld, columna %lld, baleira, notas %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Fila %lld, columna %lld, baleira</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Dámosche a benvida a Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku vive na área de notificación. Preme a súa icona no panel para xogar. Ten este aspecto:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>A icona do xogo, realzada no panel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Non a ves? Pode que o teu panel agoche algunhas iconas tras unha frecha.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Precisas as regras? Abre o menú do xogo e escolle «Como xogar».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvida</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Mellor tempo: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas xogadas</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partidas gañadas</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Porcentaxe de vitorias</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Mellor racha</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restabelecer</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Restabelecer todas as estatísticas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Restabelecer todas as estatísticas?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Borraranse as túas partidas, vitorias, rachas e mellores tempos. Non se pode desfacer.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Cambiar a dificultade comeza un sudoku novo e pon a cero a túa racha de vitorias.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icona da área de notificación</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Tamaño do taboleiro</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir ao iniciar sesión</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Desactivado na configuración de inicio automático do teu escritorio.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultade</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Realzar os erros</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Mostra un número en vermello en canto incumpre as regras ou non corresponde a esa cela.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Realzar os números iguais</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Sombrea cada cela que contén o mesmo número que a seleccionada.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Borrar notas automaticamente</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Ao colocar un número, quítase das notas da súa fila, columna e bloque.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como xogar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLICACIÓN</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>XOGO</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TECLADO</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Vive na área de notificación</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Preme a icona de grade do panel para abrir o xogo. Preme en calquera outro sitio para agochalo; o reloxo detense. Non a ves? Pode que o teu panel agoche algunhas iconas tras unha frecha.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Completa a grade</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Cada fila, cada columna e cada bloque de 3×3 debe conter os números do 1 ao 9 exactamente unha vez.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Escolle unha cela e despois un número</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Toca unha cela baleira e despois un número dos botóns ou do teclado. Ou escolle primeiro un número para realzalo en todo o taboleiro.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Usa as notas</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Activa Notas para apuntar en pequeno os números posibles dunha cela. Auto enche todas as notas por ti, e Desfacer revérteo.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Precisas axuda?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Pista enche unha cela por ti. Unha partida na que se usou unha pista non conta para o mellor tempo.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Os números completos bloquéanse</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Cando os nove exemplares dun número están no seu sitio, as súas celas bloquéanse e ese número xa non se pode usar.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Desfacer e sudokus novos</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Desfacer anula a túa última xogada. Escolle Fácil, Medio, Difícil ou Experto en Preferencias.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Moverse entre as celas</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Escribir un número</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Activar ou desactivar as notas</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Encher todas as notas</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Dar unha pista</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Novo sudoku</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Abrir as preferencias</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Creado polo equipo de Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un xogo de sudoku sinxelo para a área de notificación.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visitar %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 O equipo de Pondrel. Todos os dereitos reservados.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grade con esquina</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Número enmarcado</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Atopado por eliminación</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>O único número que completa o sudoku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Explicar as pistas</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Tras unha pista, explica nunha liña por que vai aí ese número.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar o sudoku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Pegar un sudoku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiado</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>O portapapeis non contén ningún sudoku</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Este sudoku non ten solución</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Este sudoku ten máis dunha solución</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Refacer (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refacer</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Seguinte paso</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton espido</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Singleton oculto</translation>
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
        <translation>Parella espida</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Parella oculta</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Trío espido</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Trío oculto</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Cuarteto espido</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Cuarteto oculto</translation>
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
        <translation>Rañaceos</translation>
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
        <translation>Rectángulo único</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Coloración simple</translation>
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
        <translation>Cadea X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Cadea XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Cadea forzada</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Mira a fila %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Mira a columna %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Mira o bloque %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Mira a fila %lld e a columna %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Mira a fila %lld, a columna %lld e o bloque %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Mira as celas realzadas</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Este %lld non vai aquí</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Non se atopou ningún paso. Pista (H) enche unha cela</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: só falta o %lld na fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: só falta o %lld na columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: só falta o %lld no bloque %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: só o %lld cabe nesta cela</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: ao %lld quédalle un só sitio na fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: ao %lld quédalle un só sitio na columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: ao %lld quédalle un só sitio no bloque %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: no bloque %lld, o %lld só pode ir na fila %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: no bloque %lld, o %lld só pode ir na columna %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: na fila %lld, o %lld só pode ir no bloque %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: na columna %lld, o %lld só pode ir no bloque %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: estas celas da fila %lld só admiten %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: estas celas da columna %lld só admiten %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: estas celas do bloque %lld só admiten %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ só poden ir nestas celas da fila %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ só poden ir nestas celas da columna %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ só poden ir nestas celas do bloque %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: nestas filas, o %lld só pode ir nestas columnas</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: nestas columnas, o %lld só pode ir nestas filas</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Atopado con %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ sen candidatos</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>o %lld non ten sitio en %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>o %lld dúas veces en %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: se %@ fose %lld: %@ → %@; non é %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: se %@ fose %lld, habería unha contradición, así que non é %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: cada sitio dun díxito en %@ leva a %@, así que se cumpre</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: cada candidato de %@ leva a %@, así que se cumpre</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): está no peixe ou na aleta %@; o que ambos exclúen pérdeo</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: os enlaces fortes poñen o %lld en %@ ou %@; o que ve ambas pérdeo</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: a cadea pon o %lld en %@ ou %@; o que ve ambas pérdeo</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: o pivote %@ fai que %@ ou %@ sexa %lld; o que ve ambas pérdeo</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: o pivote %@ ou a pinza %@ ou %@ é %lld; o que ve as tres pérdeo</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: o enlace forte %@ fai que %@ ou %@ sexa %lld; o que ve ambas pérdeo</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ (%lld): unha cor é certa; o que ve as dúas cores pérdeo</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ (%lld): %@ e %@ vense, así que a súa cor é falsa</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ só con %@ daría dúas solucións, así que %@ sae</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Rede forzada</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Cadea aniñada</translation>
    </message>
</context>
</TS>
