<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Grille résolue</translation>
    </message>
    <message>
        <source>Time: %@</source>
        <translation>Temps : %@</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Notes (N)</source>
        <translation>Notes (N)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fill in all notes (A)</source>
        <translation>Remplir toutes les notes (A)</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Erase (Delete)</source>
        <translation>Effacer (Suppr)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Indice (H)</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>New Puzzle (⌘N)</source>
        <translation>Nouvelle grille (⌘N)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo (⌘Z)</source>
        <translation>Annuler (⌘Z)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Preferences, Statistics, How to Play, About &amp; Quit</source>
        <translation>Préférences, statistiques, règles du jeu, à propos et quitter</translation>
    </message>
    <message>
        <source>Play time %@</source>
        <translation>Temps de jeu %@</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonner cette partie ?</translation>
    </message>
    <message>
        <source>Starting a new puzzle now will reset your win streak.</source>
        <translation>Commencer une nouvelle grille maintenant remettra à zéro votre série de victoires.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Pondrel Sudoku</source>
        <translation>Ouvrir Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Quit Pondrel Sudoku</source>
        <translation>Quitter Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Sudoku board</source>
        <translation>Grille de sudoku</translation>
    </message>
    <message>
        <source>%lld left|one</source>
        <translation>%lld restant</translation>
    </message>
    <message>
        <source>%lld left|other</source>
        <translation>%lld restants</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, given</source>
        <translation>Ligne %lld, colonne %lld, %lld, donné</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld, wrong</source>
        <translation>Ligne %lld, colonne %lld, %lld, erroné</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, %lld</source>
        <translation>Ligne %lld, colonne %lld, %lld</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty, notes %@</source>
        <translation>Ligne %lld, colonne %lld, vide, notes %@</translation>
    </message>
    <message>
        <source>Row %lld, column %lld, empty</source>
        <translation>Ligne %lld, colonne %lld, vide</translation>
    </message>
    <message>
        <source>Welcome to Pondrel Sudoku</source>
        <translation>Bienvenue dans Pondrel Sudoku</translation>
    </message>
    <message>
        <source>Pondrel Sudoku lives in your system tray. Click its icon in your panel to play. It looks like this:</source>
        <translation>Pondrel Sudoku se trouve dans votre zone de notification. Cliquez sur son icône dans le panneau pour jouer. Elle ressemble à ceci :</translation>
    </message>
    <message>
        <source>The game's icon, highlighted in the menu bar</source>
        <translation>L’icône du jeu, mise en évidence dans le panneau</translation>
    </message>
    <message>
        <source>Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Vous ne la voyez pas ? Votre panneau cache parfois des icônes derrière une flèche.</translation>
    </message>
    <message>
        <source>Need the rules? Open the game's menu and choose How to Play.</source>
        <translation>Besoin des règles ? Ouvrez le menu du jeu et choisissez « Règles du jeu ».</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>%.1f%%</source>
        <translation>%.1f %%</translation>
    </message>
    <message>
        <source>Best Time: %@</source>
        <translation>Meilleur temps : %@</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Games Lost</source>
        <translation>Parties perdues</translation>
    </message>
    <message>
        <source>Win Rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Current Streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Best Streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Reset all statistics</source>
        <translation>Réinitialiser toutes les statistiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Réinitialiser toutes les statistiques ?</translation>
    </message>
    <message>
        <source>This clears your games, wins, streaks and best times. It can't be undone.</source>
        <translation>Vos parties, victoires, séries et meilleurs temps seront effacés. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Changing the difficulty deals a new puzzle and resets your win streak.</source>
        <translation>Changer la difficulté lance une nouvelle grille et remet à zéro votre série de victoires.</translation>
    </message>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Icône de notification</translation>
    </message>
    <message>
        <source>Game Size</source>
        <translation>Taille de la grille</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Turned off in your desktop's autostart settings.</source>
        <translation>Désactivé dans les réglages de démarrage automatique de votre bureau.</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Highlight Mistakes</source>
        <translation>Signaler les erreurs</translation>
    </message>
    <message>
        <source>Shows a number in red as soon as it breaks the rules or doesn't belong in that square.</source>
        <translation>Affiche un chiffre en rouge dès qu’il enfreint les règles ou n’a pas sa place dans cette case.</translation>
    </message>
    <message>
        <source>Highlight Matching Numbers</source>
        <translation>Surligner les chiffres identiques</translation>
    </message>
    <message>
        <source>Shades every square holding the same number as the selected one.</source>
        <translation>Colore chaque case qui contient le même chiffre que la case sélectionnée.</translation>
    </message>
    <message>
        <source>Clear Notes Automatically</source>
        <translation>Effacer les notes automatiquement</translation>
    </message>
    <message>
        <source>Placing a number removes it from the notes in its row, column and box.</source>
        <translation>Placer un chiffre le retire des notes de sa ligne, de sa colonne et de son bloc.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APPLICATION</translation>
    </message>
    <message>
        <source>GAMEPLAY</source>
        <translation>JEU</translation>
    </message>
    <message>
        <source>KEYBOARD</source>
        <translation>CLAVIER</translation>
    </message>
    <message>
        <source>Lives in your system tray</source>
        <translation>Dans votre zone de notification</translation>
    </message>
    <message>
        <source>Click the grid icon in your panel to open the game. Click anywhere else to hide it; the timer pauses. Can't see it? Your panel may hide some tray icons behind an arrow.</source>
        <translation>Cliquez sur l’icône en forme de grille dans votre panneau pour ouvrir le jeu. Cliquez ailleurs pour le masquer ; le chronomètre se met en pause. Vous ne la voyez pas ? Votre panneau cache parfois des icônes derrière une flèche.</translation>
    </message>
    <message>
        <source>Fill the grid</source>
        <translation>Remplissez la grille</translation>
    </message>
    <message>
        <source>Every row, every column and every 3×3 box must hold the numbers 1 to 9 exactly once.</source>
        <translation>Chaque ligne, chaque colonne et chaque bloc de 3×3 doit contenir une seule fois chacun des chiffres de 1 à 9.</translation>
    </message>
    <message>
        <source>Pick a square, then a number</source>
        <translation>Une case, puis un chiffre</translation>
    </message>
    <message>
        <source>Tap an empty square, then a number on the pad or your keyboard. Or tap a number first to light up every one of it on the board.</source>
        <translation>Cliquez sur une case vide, puis sur un chiffre du pavé ou de votre clavier. Ou choisissez d’abord un chiffre pour le faire ressortir partout sur la grille.</translation>
    </message>
    <message>
        <source>Use notes</source>
        <translation>Prenez des notes</translation>
    </message>
    <message>
        <source>Turn on Notes to jot small possible numbers in a square. Auto fills in every note for you, and Undo takes it back.</source>
        <translation>Activez Notes pour inscrire en petit les chiffres possibles dans une case. Auto remplit toutes les notes pour vous, et Annuler revient en arrière.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Besoin d’un coup de main ?</translation>
    </message>
    <message>
        <source>Hint fills in one square for you. A game that used a hint doesn't set a best time.</source>
        <translation>Indice remplit une case pour vous. Une partie jouée avec un indice ne compte pas pour le meilleur temps.</translation>
    </message>
    <message>
        <source>Finished numbers lock</source>
        <translation>Les chiffres terminés se verrouillent</translation>
    </message>
    <message>
        <source>When all nine of a number are in the right places, its squares lock and the number can't be used again.</source>
        <translation>Quand les neuf exemplaires d’un chiffre sont bien placés, leurs cases se verrouillent et ce chiffre n’est plus disponible.</translation>
    </message>
    <message>
        <source>Undo and new puzzles</source>
        <translation>Annuler et nouvelles grilles</translation>
    </message>
    <message>
        <source>Undo takes back your last move. Pick Easy, Medium, Hard or Expert in Preferences.</source>
        <translation>Annuler revient sur votre dernier coup. Choisissez Facile, Moyen, Difficile ou Expert dans les préférences.</translation>
    </message>
    <message>
        <source>Move between squares</source>
        <translation>Passer d’une case à l’autre</translation>
    </message>
    <message>
        <source>Enter a number</source>
        <translation>Saisir un chiffre</translation>
    </message>
    <message>
        <source>Turn Notes on or off</source>
        <translation>Activer ou désactiver les notes</translation>
    </message>
    <message>
        <source>Fill in all notes</source>
        <translation>Remplir toutes les notes</translation>
    </message>
    <message>
        <source>Give a hint</source>
        <translation>Obtenir un indice</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Ouvrir les préférences</translation>
    </message>
    <message>
        <source>Made by the Pondrel team</source>
        <translation>Par l’équipe Pondrel</translation>
    </message>
    <message>
        <source>A simple sudoku game for your system tray.</source>
        <translation>Un jeu de sudoku tout simple pour votre zone de notification.</translation>
    </message>
    <message>
        <source>Visit %@</source>
        <translation>Visiter %@</translation>
    </message>
    <message>
        <source>© 2026 The Pondrel team. All rights reserved.</source>
        <translation>© 2026 L’équipe Pondrel. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Corner Grid</source>
        <translation>Grille à coin</translation>
    </message>
    <message>
        <source>Number Square</source>
        <translation>Chiffre encadré</translation>
    </message>
    <message>
        <source>Found by elimination</source>
        <translation>Trouvé par élimination</translation>
    </message>
    <message>
        <source>The only digit that completes the puzzle</source>
        <translation>Le seul chiffre qui complète la grille</translation>
    </message>
    <message>
        <source>Explain Hints</source>
        <translation>Expliquer les indices</translation>
    </message>
    <message>
        <source>After a hint, says in one line why its number goes there.</source>
        <translation>Après un indice, explique en une phrase pourquoi ce chiffre va là.</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copier la grille</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Coller la grille</translation>
    </message>
    <message>
        <source>Puzzle copied</source>
        <translation>Grille copiée</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle</source>
        <translation>Le presse-papiers ne contient aucune grille</translation>
    </message>
    <message>
        <source>This puzzle has no solution</source>
        <translation>Cette grille n’a pas de solution</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution</source>
        <translation>Cette grille a plusieurs solutions</translation>
    </message>
    <message>
        <source>Redo (⇧⌘Z)</source>
        <translation>Rétablir (⇧⌘Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Dernière case libre</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton nu</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Singleton caché</translation>
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
        <translation>Paire nue</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Paire cachée</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Triplet nu</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Triplet caché</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quadruplet nu</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quadruplet caché</translation>
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
        <translation>Gratte-ciel</translation>
    </message>
    <message>
        <source>2-String Kite</source>
        <translation>Cerf-volant</translation>
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
        <translation>Rectangle d&apos;unicité</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>Coloriage simple</translation>
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
        <translation>Chaîne X</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>Chaîne XY</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Chaîne forcée</translation>
    </message>
    <message>
        <source>Look at row %lld</source>
        <translation>Regardez la ligne %lld</translation>
    </message>
    <message>
        <source>Look at column %lld</source>
        <translation>Regardez la colonne %lld</translation>
    </message>
    <message>
        <source>Look at box %lld</source>
        <translation>Regardez le bloc %lld</translation>
    </message>
    <message>
        <source>Look at row %lld and column %lld</source>
        <translation>Regardez la ligne %lld et la colonne %lld</translation>
    </message>
    <message>
        <source>Look at row %lld, column %lld and box %lld</source>
        <translation>Regardez la ligne %lld, la colonne %lld et le bloc %lld</translation>
    </message>
    <message>
        <source>Look at the highlighted cells</source>
        <translation>Regardez les cases en surbrillance</translation>
    </message>
    <message>
        <source>This %lld does not belong here</source>
        <translation>Ce %lld n&apos;a pas sa place ici</translation>
    </message>
    <message>
        <source>No step found. Hint (H) fills in a cell</source>
        <translation>Aucune étape trouvée. Indice (H) remplit une case</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from row %lld</source>
        <translation>%@ : seul le %lld manque dans la ligne %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from column %lld</source>
        <translation>%@ : seul le %lld manque dans la colonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld is the only digit missing from box %lld</source>
        <translation>%@ : seul le %lld manque dans le bloc %lld</translation>
    </message>
    <message>
        <source>%@: only %lld fits in this cell</source>
        <translation>%@ : seul le %lld convient dans cette case</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in row %lld</source>
        <translation>%@ : le %lld n&apos;a plus qu&apos;une place dans la ligne %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in column %lld</source>
        <translation>%@ : le %lld n&apos;a plus qu&apos;une place dans la colonne %lld</translation>
    </message>
    <message>
        <source>%@: %lld has one place left in box %lld</source>
        <translation>%@ : le %lld n&apos;a plus qu&apos;une place dans le bloc %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in row %lld</source>
        <translation>%@ : dans le bloc %lld, le %lld ne va que dans la ligne %lld</translation>
    </message>
    <message>
        <source>%@: in box %lld, %lld can only go in column %lld</source>
        <translation>%@ : dans le bloc %lld, le %lld ne va que dans la colonne %lld</translation>
    </message>
    <message>
        <source>%@: in row %lld, %lld can only go in box %lld</source>
        <translation>%@ : dans la ligne %lld, le %lld ne va que dans le bloc %lld</translation>
    </message>
    <message>
        <source>%@: in column %lld, %lld can only go in box %lld</source>
        <translation>%@ : dans la colonne %lld, le %lld ne va que dans le bloc %lld</translation>
    </message>
    <message>
        <source>%@: these cells of row %lld can only hold %@</source>
        <translation>%@ : ces cases de la ligne %lld ne peuvent contenir que %@</translation>
    </message>
    <message>
        <source>%@: these cells of column %lld can only hold %@</source>
        <translation>%@ : ces cases de la colonne %lld ne peuvent contenir que %@</translation>
    </message>
    <message>
        <source>%@: these cells of box %lld can only hold %@</source>
        <translation>%@ : ces cases du bloc %lld ne peuvent contenir que %@</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of row %lld</source>
        <translation>%@ : %@ ne vont que dans ces cases de la ligne %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of column %lld</source>
        <translation>%@ : %@ ne vont que dans ces cases de la colonne %lld</translation>
    </message>
    <message>
        <source>%@: %@ can only go in these cells of box %lld</source>
        <translation>%@ : %@ ne vont que dans ces cases du bloc %lld</translation>
    </message>
    <message>
        <source>%@: %lld in these rows can only go in these columns</source>
        <translation>%@ : dans ces lignes, le %lld ne va que dans ces colonnes</translation>
    </message>
    <message>
        <source>%@: %lld in these columns can only go in these rows</source>
        <translation>%@ : dans ces colonnes, le %lld ne va que dans ces lignes</translation>
    </message>
    <message>
        <source>Found with %@</source>
        <translation>Trouvé par %@</translation>
    </message>
    <message>
        <source>%@ has no candidate</source>
        <translation>%@ n&apos;a plus de candidat</translation>
    </message>
    <message>
        <source>%lld has no place in %@</source>
        <translation>le %lld n&apos;a pas de place dans %@</translation>
    </message>
    <message>
        <source>%lld twice in %@</source>
        <translation>le %lld deux fois dans %@</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld: %@ → %@, so it is not %lld</source>
        <translation>%@ : si %@ valait %lld : %@ → %@, donc ce n&apos;est pas %lld</translation>
    </message>
    <message>
        <source>%@: if %@ were %lld, a contradiction would follow, so it is not %lld</source>
        <translation>%@ : si %@ valait %lld, on aurait une contradiction, donc ce n&apos;est pas %lld</translation>
    </message>
    <message>
        <source>%@: each place of one digit in %@ leads to %@, so it holds</source>
        <translation>%@ : chaque place d&apos;un chiffre dans %@ mène à %@, donc c&apos;est vrai</translation>
    </message>
    <message>
        <source>%@: every candidate of %@ leads to %@, so it holds</source>
        <translation>%@ : chaque candidat de %@ mène à %@, donc c&apos;est vrai</translation>
    </message>
    <message>
        <source>%@ on %lld: the fish or fin %@ holds it; cells ruled out by both lose it</source>
        <translation>%@ (%lld) : poisson ou aileron %@ l&apos;a ; exclu par les deux, il part</translation>
    </message>
    <message>
        <source>%@: the strong links put %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@ : les liens forts placent le %lld en %@ ou %@ ; ce qui voit les deux le perd</translation>
    </message>
    <message>
        <source>%@: the chain puts %lld at %@ or %@; cells seeing both lose it</source>
        <translation>%@ : la chaîne place le %lld en %@ ou %@ ; ce qui voit les deux le perd</translation>
    </message>
    <message>
        <source>%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@ : le pivot %@ fait de %@ ou %@ un %lld ; ce qui voit les deux le perd</translation>
    </message>
    <message>
        <source>%@: pivot %@ or pincer %@ or %@ is %lld; cells seeing all three lose it</source>
        <translation>%@ : le pivot %@ ou la pince %@ ou %@ vaut %lld ; ce qui voit les trois le perd</translation>
    </message>
    <message>
        <source>%@: strong link %@ makes %@ or %@ a %lld; cells seeing both lose it</source>
        <translation>%@ : le lien fort %@ fait de %@ ou %@ un %lld ; ce qui voit les deux le perd</translation>
    </message>
    <message>
        <source>%@ on %lld: one colour is true; cells seeing both colours lose it</source>
        <translation>%@ sur %lld : une couleur est vraie ; ce qui voit les deux couleurs le perd</translation>
    </message>
    <message>
        <source>%@ on %lld: %@ and %@ see each other, so their colour is false</source>
        <translation>%@ sur %lld : %@ et %@ se voient, donc leur couleur est fausse</translation>
    </message>
    <message>
        <source>%@: %@ as only %@ would give two solutions, so %@ goes</source>
        <translation>%@ : %@ en %@ seuls donnerait deux solutions ; %@ part</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>Filet forcé</translation>
    </message>
    <message>
        <source>Nested Chain</source>
        <translation>Chaîne imbriquée</translation>
    </message>
</context>
</TS>
