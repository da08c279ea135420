import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// What the view tests share: finding a view's parts by their objectName,
// a screen's rows as drawn, and playing the test puzzle to its end. The
// tst_*.qml files beside it use it by name: QML imports a file's own folder.
TestCase {
    when: windowShown

    // The first item named `name` at or below `item`, or null; with
    // `visibleOnly`, the first one that is visible.
    function findItem(item: Item, name: string, visibleOnly): Item {
        if (item.objectName === name && (!visibleOnly || item.visible)) {
            return item;
        }
        for (let i = 0; i < item.children.length; ++i) {
            const found = findItem(item.children[i], name, visibleOnly);
            if (found) {
                return found;
            }
        }
        return null;
    }

    // The part `name` of `item`, which must be there.
    function part(item: Item, name: string): Item {
        const found = findItem(item, name);
        verify(found, name);
        return found;
    }

    // The part `name` of `item` once it has appeared.
    function partShown(item: Item, name: string): Item {
        tryVerify(() => findItem(item, name) !== null, 1000, name + " appears");
        return findItem(item, name);
    }

    // The items below `item` passing `accepts`, top to bottom as drawn.
    function shown(item: Item, accepts: var): var {
        const found = [];
        const collect = child => {
            if (accepts(child)) {
                found.push(child);
            }
            for (let i = 0; i < child.children.length; ++i) {
                collect(child.children[i]);
            }
        };
        collect(item);
        return found.sort((a, b) => a.mapToItem(item, 0, 0).y - b.mapToItem(item, 0, 0).y);
    }

    function winWithHints(game: SudokuGame) {
        for (let i = 0; i < 81 && !game.hasWon; ++i) {
            game.giveHint();
        }
        verify(game.hasWon);
    }

    // Enters the solution's digit into the first `count` empty cells.
    function fillByHand(game: SudokuGame, count: int) {
        for (let i = 0; i < 81 && count > 0; ++i) {
            if (game.values[i] === 0) {
                --count;
                game.tapCell(i);
                game.pressDigit(Number(TestGames.solution[i]));
            }
        }
    }

    // A game started with a hint, then left for a new one: a loss.
    function abandonStartedGame(game: SudokuGame) {
        game.startNewGame();
        game.giveHint();
        game.startNewGame();
    }
}
