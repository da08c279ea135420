<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Sudoku resuelto</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Tiempo: %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jugar de nuevo</translation>
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
        <translation>Rellenar todas las notas (A)</translation>
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
        <translation>Nuevo sudoku</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nuevo sudoku (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Deshacer (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Preferencias, estadísticas, cómo jugar, acerca de y salir</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Tiempo de juego %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Si empiezas un sudoku nuevo ahora, tu racha de victorias volverá a cero.</translation>
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
        <translation>Salir de Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Tablero de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>Queda %lld</translation>
    </message>
    <message>
        <source>%lld left|many</source>
        <translation>Quedan %lld</translation>
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
        <translation>Fila %lld, columna %lld, vacía, notas %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Fila %lld, columna %lld, vacía</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Te damos la bienvenida a Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku vive en la bandeja del sistema. Haz clic en su icono del panel para jugar. Tiene este aspecto:</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>El icono del juego, resaltado en el panel</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>¿No lo ves? Puede que tu panel oculte algunos iconos de la bandeja tras una flecha.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>¿Necesitas las reglas? Abre el menú del juego y elige «Cómo jugar».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Mejor tiempo: %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Restablecer todas las estadísticas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>¿Restablecer todas las estadísticas?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Se borrarán tus partidas, victorias, rachas y mejores tiempos. No se puede deshacer.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Cambiar la dificultad empieza un sudoku nuevo y pone a cero tu racha de victorias.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icono de la bandeja</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Tamaño del tablero</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Desactivado en la configuración de inicio automático de tu escritorio.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Resaltar errores</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Muestra un número en rojo en cuanto incumple las reglas o no corresponde a esa casilla.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Resaltar números iguales</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Sombrea cada casilla que contiene el mismo número que la seleccionada.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Borrar notas automáticamente</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Al colocar un número, se quita de las notas de su fila, su columna y su bloque.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
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
        <translation>JUEGO</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>TECLADO</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Vive en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Haz clic en el icono de cuadrícula del panel para abrir el juego. Haz clic en cualquier otro sitio para ocultarlo; el reloj se detiene. ¿No lo ves? Puede que tu panel oculte algunos iconos de la bandeja tras una flecha.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Completa la cuadrícula</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Cada fila, cada columna y cada bloque de 3×3 debe contener los números del 1 al 9 exactamente una vez.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Elige una casilla y luego un número</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Haz clic en una casilla vacía y luego en un número de los botones o del teclado. O elige primero un número para resaltarlo en todo el tablero.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Usa las notas</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Activa Notas para apuntar en pequeño los números posibles de una casilla. Auto rellena todas las notas por ti, y Deshacer lo revierte.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>¿Necesitas ayuda?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Pista rellena una casilla por ti. Una partida en la que se usó una pista no cuenta para el mejor tiempo.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Los números completos se bloquean</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Cuando los nueve ejemplares de un número están en su sitio, sus casillas se bloquean y ese número ya no se puede usar.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Deshacer y sudokus nuevos</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Deshacer anula tu última jugada. Elige Fácil, Medio, Difícil o Experto en Preferencias.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Moverse entre casillas</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Escribir un número</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Activar o desactivar las notas</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Rellenar todas las notas</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Dar una pista</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nuevo sudoku</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Abrir Preferencias</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Creado por el equipo de Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un juego de sudoku sencillo para la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visitar %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 El equipo de Pondrel. Todos los derechos reservados.</translation>
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
        <translation>Cuadrícula con esquina</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Número enmarcado</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Encontrado por eliminación</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>El único número que completa el sudoku</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Explicar pistas</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Tras una pista, explica en una línea por qué va ahí ese número.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar sudoku</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Pegar sudoku</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Sudoku copiado</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>El portapapeles no contiene ningún sudoku</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Este sudoku no tiene solución</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Este sudoku tiene más de una solución</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Rehacer (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Siguiente paso</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton desnudo</translation>
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
        <translation>Par desnudo</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Par oculto</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Trío desnudo</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Trío oculto</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Cuarteto desnudo</translation>
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
        <translation>Rascacielos</translation>
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
        <translation>Coloreado simple</translation>
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
        <translation>Cadena X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Cadena XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Cadena forzada</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Mira la fila %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Mira la columna %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Mira el bloque %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Mira la fila %lld y la columna %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Mira la fila %lld, la columna %lld y el bloque %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Mira las casillas resaltadas</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Este %lld no va aquí</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>No se encontró ningún paso. Pista (H) rellena una casilla</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@: solo falta el %lld en la fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@: solo falta el %lld en la columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@: solo falta el %lld en el bloque %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@: solo el %lld cabe en esta casilla</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@: al %lld le queda un solo sitio en la fila %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@: al %lld le queda un solo sitio en la columna %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@: al %lld le queda un solo sitio en el bloque %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@: en el bloque %lld, el %lld solo puede ir en la fila %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@: en el bloque %lld, el %lld solo puede ir en la columna %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@: en la fila %lld, el %lld solo puede ir en el bloque %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@: en la columna %lld, el %lld solo puede ir en el bloque %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@: estas casillas de la fila %lld solo admiten %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@: estas casillas de la columna %lld solo admiten %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@: estas casillas del bloque %lld solo admiten %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@: %@ solo pueden ir en estas casillas de la fila %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@: %@ solo pueden ir en estas casillas de la columna %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@: %@ solo pueden ir en estas casillas del bloque %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@: en estas filas, el %lld solo puede ir en estas columnas</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@: en estas columnas, el %lld solo puede ir en estas filas</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Encontrado con %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ sin candidatos</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>el %lld no tiene sitio en %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>el %lld dos veces en %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@: si %@ fuera %lld: %@ → %@; no es %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@: si %@ fuera %lld habría una contradicción, así que no es %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@: cada sitio de un dígito en %@ lleva a %@, así que se cumple</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@: cada candidato de %@ lleva a %@, así que se cumple</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld): pez o aleta %@ lo tiene; lo que ambos excluyen lo pierde</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: los enlaces fuertes ponen el %lld en %@ o %@; lo que ve ambas lo pierde</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@: la cadena pone el %lld en %@ o %@; lo que ve ambas lo pierde</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: el pivote %@ hace que %@ o %@ sea %lld; lo que ve ambas lo pierde</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@: el pivote %@ o la pinza %@ o %@ es %lld; lo que ve las tres lo pierde</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@: el enlace fuerte %@ hace que %@ o %@ sea %lld; lo que ve ambas lo pierde</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ en %lld: un color es cierto; lo que ve ambos lo pierde</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ en %lld: %@ y %@ se ven, así que su color es falso</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@: %@ con solo %@ tendría dos soluciones, así que se quita %@</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Red forzada</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Cadena anidada</translation>
    </message>
</context>
</TS>
