import QtQuick
import QtTest
import Pondrel
import Pondrel.Testing

// What the grid draws for a game: each cell's highlight under every rule,
// digits of givens and entries, mistakes, notes in their fixed places, and
// the names assistive technology reads.
//
// The known puzzle of TestGames:
//
//     5 3 . | . 7 . | . . .       cell indexes:  0  1  2 |  3  4  5 | ...
//     6 . . | 1 9 5 | . . .                      9 10 11 | 12 13 14 | ...
//     . 9 8 | . . . | . 6 .                     18 19 20 | 21 22 23 | ...
//     ------+-------+------
//     8 . . | . 6 . | . . 3
//     4 . . | 8 . 3 | . . 1
//     7 . . | . 2 . | . . 6
//     ------+-------+------
//     . 6 . | . . . | 2 8 .
//     . . . | 4 1 9 | . . 5
//     . . . | . 8 . | . 7 9
Item {
    id: stage

    width: 420
    height: 420

    BoardColors {
        id: boardColors
    }

    Component {
        id: gridComponent

        BoardGrid {
            id: madeGrid

            property SudokuGame game

            board: BoardContext {
                game: madeGrid.game
                colors: boardColors
            }
        }
    }

    ViewTestCase {
        id: testCase

        name: "BoardGrid"

        property SudokuGame game: null
        property BoardGrid grid: null

        readonly property color clear: "transparent"
        readonly property color accentStrong: boardColors.withOpacity(boardColors.accent, 0.3)
        readonly property color accentMatch: boardColors.withOpacity(boardColors.accent, 0.18)
        readonly property color primaryBlocked: boardColors.withOpacity(boardColors.primary, 0.1)
        readonly property color primaryPeer: boardColors.withOpacity(boardColors.primary, 0.07)

        function cell(index: int): Item {
            const found = findItem(grid, "cell-" + index);
            verify(found, "cell-" + index);
            return found;
        }

        function sameColor(a: color, b: color): bool {
            return Math.abs(a.r - b.r) < 0.005 && Math.abs(a.g - b.g) < 0.005
                    && Math.abs(a.b - b.b) < 0.005 && Math.abs(a.a - b.a) < 0.005;
        }

        function describe(c: color): string {
            return "rgba(" + [c.r, c.g, c.b, c.a].map(v => v.toFixed(3)).join(", ") + ")";
        }

        function verifyTint(index: int, expected: color, what: string) {
            const actual = cell(index).highlightColor;
            verify(sameColor(actual, expected),
                   "cell " + index + " (" + what + "): " + describe(actual) + " instead of "
                   + describe(expected));
        }

        function digitOf(index: int): Text {
            return findItem(cell(index), "digit");
        }

        // Selects the cell if needed and types the digit into it.
        function enter(index: int, digit: int) {
            if (game.selectedCell !== index) {
                game.tapCell(index);
            }
            game.pressDigit(digit);
        }

        function init() {
            game = TestGames.makeGame();
            game.highlightsMatchingNumbers = true;
            game.highlightsMistakes = false;
            grid = gridComponent.createObject(stage, {game: game});
            verify(grid);
        }

        function cleanup() {
            grid.destroy();
            grid = null;
            TestGames.discard(game);
            game = null;
            wait(0);
        }

        // ---- Highlights ----

        function test_nothingSelectedNothingTinted() {
            for (let index = 0; index < 81; ++index) {
                verifyTint(index, clear, "no selection");
            }
        }

        function test_selectionTintsMatchesAndPeers() {
            // A 5 in cell 2, beside the given 5 in cell 0.
            enter(2, 5);
            game.tapCell(0);
            verifyTint(0, accentStrong, "selected");
            verifyTint(2, accentMatch, "a peer holding the same digit");
            verifyTint(14, accentMatch, "the same digit elsewhere");
            verifyTint(71, accentMatch, "the same digit elsewhere");
            verifyTint(1, primaryPeer, "same row");
            verifyTint(8, primaryPeer, "same row, far end");
            verifyTint(72, primaryPeer, "same column");
            verifyTint(20, primaryPeer, "same box");
            verifyTint(40, clear, "unrelated");
            verifyTint(80, clear, "unrelated 9");
            verifyTint(30, clear, "unrelated empty");
        }

        function test_matchesOnlyWithTheSetting() {
            enter(2, 5);
            game.tapCell(0);
            game.highlightsMatchingNumbers = false;
            verifyTint(0, accentStrong, "selected");
            verifyTint(2, primaryPeer, "a peer holding the same digit");
            verifyTint(14, clear, "the same digit elsewhere");
            game.highlightsMatchingNumbers = true;
            verifyTint(14, accentMatch, "the same digit elsewhere");
        }

        function test_emptySelectionMatchesNothing() {
            game.tapCell(3);
            verifyTint(3, accentStrong, "selected");
            verifyTint(4, primaryPeer, "same row");
            verifyTint(12, primaryPeer, "same column");
            verifyTint(23, primaryPeer, "same box");
            verifyTint(32, clear, "another empty cell");
            verifyTint(40, clear, "another empty cell");
        }

        function test_boxesEndAtTheirEdges() {
            // Cell 30 is row 3, column 3: box 4.
            game.tapCell(30);
            for (const index of [31, 32, 39, 40, 41, 48, 49, 50]) {
                verifyTint(index, primaryPeer, "box 4");
            }
            for (const index of [20, 22, 24, 38, 42, 47, 51, 56, 58]) {
                verifyTint(index, clear, "outside box 4, row 3 and column 3");
            }
        }

        function test_armedDigitShowsWhereItStandsAndCannotGo() {
            game.pressDigit(7);
            compare(game.armedDigit, 7);
            for (const index of [4, 45, 79]) {
                verifyTint(index, accentStrong, "holds 7");
            }
            verifyTint(0, primaryBlocked, "holds another digit");
            verifyTint(2, primaryBlocked, "a 7 stands in its row");
            verifyTint(27 + 1, primaryBlocked, "a 7 stands in its box");
            verifyTint(58, primaryBlocked, "a 7 stands in its column");
            verifyTint(10, clear, "a 7 can go here");
            verifyTint(56, clear, "a 7 can go here");

            // A click places the armed 7; it counts like a given one.
            game.tapCell(10);
            compare(game.values[10], 7);
            verifyTint(10, accentStrong, "holds an entered 7");
            verifyTint(11, primaryBlocked, "a 7 now stands in its row");
        }

        function test_armedDigitOverridesTheSelectionRules() {
            game.tapCell(0);
            game.pressDigit(7);
            compare(game.selectedCell, -1);
            verifyTint(14, primaryBlocked, "a 5, not a match while 7 is armed");
            game.pressDigit(7);
            compare(game.armedDigit, -1);
            verifyTint(4, clear, "disarmed");
        }

        function test_everyTintFollowsTheAccentAndPrimaryColours() {
            // Each tint is the theme colour at an opacity, so dark and light
            // palettes both work; checked once on real pixels of the face.
            game.tapCell(0);
            const face = findItem(cell(0), "face");
            verify(sameColor(face.color, Qt.tint(boardColors.controlBackground, accentStrong)));
            const peerFace = findItem(cell(1), "face");
            verify(sameColor(peerFace.color, Qt.tint(boardColors.controlBackground, primaryPeer)));
        }

        function test_hintReasonNeverTakesTheAccentsHue() {
            // The proving unit is shown beside matching digits, which are
            // tinted with the accent: the two must not read as one.
            const reason = boardColors.reason;
            const accent = boardColors.accent;
            verify(reason.hslSaturation > 0.5, describe(reason));
            if (accent.hslHue >= 0) {
                const apart = Math.abs(reason.hslHue - accent.hslHue);
                verify(Math.min(apart, 1 - apart) > 0.25, describe(reason) + " beside " + describe(accent));
            }
        }

        function test_accentStaysLegible_data() {
            return [
                {tag: "deep blue on dark grey", accent: "#12608a", base: "#3d3d3d"},
                {tag: "dark red on black", accent: "#5a1010", base: "#000000"},
                {tag: "pale yellow on white", accent: "#f0e68c", base: "#ffffff"},
            ];
        }

        function test_accentStaysLegible(data) {
            const base = Qt.color(data.base);
            const adjusted = boardColors.legibleOn(Qt.color(data.accent), base);
            verify(boardColors.contrast(adjusted, base) >= boardColors.minimumContrast,
                   describe(adjusted));
            // Still the same hue, only lighter or darker.
            const original = Qt.color(data.accent);
            verify(Math.abs(adjusted.hslHue - original.hslHue) < 0.02, describe(adjusted));
        }

        function test_legibleAccentIsKept() {
            const accent = Qt.color("#308cc6");
            verify(sameColor(boardColors.legibleOn(accent, Qt.color("#ffffff")), accent));
            const breeze = Qt.color("#3daee9");
            verify(sameColor(boardColors.legibleOn(breeze, Qt.color("#232629")), breeze));
        }

        // ---- Digits and mistakes ----

        function test_givensAndEntriesLookDifferent() {
            enter(2, 4);
            const given = digitOf(0);
            const entry = digitOf(2);
            compare(given.text, "5");
            compare(entry.text, "4");
            verify(sameColor(given.color, boardColors.primary));
            verify(sameColor(entry.color, boardColors.accent));
            compare(given.font.weight, Font.Black);
            compare(entry.font.weight, Font.DemiBold);
            verify(!digitOf(3).visible, "an empty cell shows no digit");
        }

        function test_mistakesShowOnlyWithTheSetting() {
            enter(2, 6);
            verify(game.isMistake(2));
            verify(sameColor(digitOf(2).color, boardColors.accent), "setting off: an entry");
            verify(!cell(2).mistake);

            game.highlightsMistakes = true;
            verify(sameColor(digitOf(2).color, boardColors.mistake), "setting on: a mistake");
            verify(sameColor(digitOf(0).color, boardColors.primary), "a given is never wrong");

            // Corrected, it is an ordinary entry again.
            game.pressDigit(6);
            game.pressDigit(4);
            verify(sameColor(digitOf(2).color, boardColors.accent));

            game.highlightsMistakes = false;
            enter(3, 9);
            verify(sameColor(digitOf(3).color, boardColors.accent), "setting off again");
        }

        // ---- Notes ----

        function test_notesKeepTheirPlaces() {
            game.tapCell(2);
            game.isNotesMode = true;
            game.pressDigit(9);
            game.pressDigit(1);
            const side = cell(2).width;
            const inset = 2;
            const slot = (side - 2 * inset) / 3;
            for (let digit = 1; digit <= 9; ++digit) {
                const item = findItem(cell(2), "noteSlot-" + digit);
                verify(item, "slot " + digit);
                compare(item.text, digit === 1 || digit === 9 ? String(digit) : " ", "slot " + digit);
                fuzzyCompare(item.x, inset + ((digit - 1) % 3) * slot, 1e-9);
                fuzzyCompare(item.y, inset + Math.floor((digit - 1) / 3) * slot, 1e-9);
                fuzzyCompare(item.width, slot, 1e-9);
                fuzzyCompare(item.height, slot, 1e-9);
            }
        }

        function test_notesFollowTheModel() {
            game.tapCell(2);
            game.isNotesMode = true;
            game.pressDigit(5);
            compare(findItem(cell(2), "noteSlot-5").text, "5");
            game.pressDigit(5);
            verify(!findItem(cell(2), "noteSlot-5"), "no notes, no slots");
            game.fillAllNotes();
            compare(findItem(cell(2), "noteSlot-4").text, "4");
            compare(findItem(cell(2), "noteSlot-5").text, " ");
            game.isNotesMode = false;
            game.pressDigit(4);
            verify(!findItem(cell(2), "noteSlot-4"), "a filled cell shows its digit only");
            game.undo();
            compare(findItem(cell(2), "noteSlot-4").text, "4", "undo brings the notes back");
        }

        // A step that removes candidates marks them in the notes, noted or
        // not, and its move leaves those cells the rest of their candidates.
        function test_nextStepMarksTheCandidatesItRemoves() {
            // Its first step: 1 points out of box 3's row, off r3c7 and r3c9.
            compare(game.pastePuzzle("6..1...8..53.............4....8...6..9....7....24........"
                                     + ".7.3.9....2.5..1........"), "accepted");
            game.nextStep();
            game.nextStep();
            compare(game.stepLine.technique, "Pointing");
            const removed = findItem(cell(24), "noteSlot-1");
            verify(removed, "the mark shows in a cell without notes");
            compare(removed.text, "1");
            verify(removed.font.strikeout);
            verify(sameColor(removed.color, boardColors.mistake));
            verify(!findItem(cell(26), "noteSlot-2").font.strikeout);
            game.nextStep();
            compare(findItem(cell(24), "noteSlot-1").text, " ");
            verify(game.noteDigits(24).length > 0, "the cell has its other candidates as notes");
            verify(!game.noteDigits(26).includes(1));
        }

        // The chain shows at the reason stage only, a line for each link in
        // its style and a ring for each candidate, and reads as the reason.
        function test_nextStepDrawsItsChainAtTheReason() {
            const overlay = findItem(grid, "chainOverlay");
            game.nextStep();
            verify(!overlay.visible, "the nudge draws no chain");
            overlay.links = TestGames.chainLinksSample();
            game.nextStep();
            verify(overlay.visible);
            const lines = shown(overlay, item => item.objectName === "chainLink");
            compare(lines.filter(line => line.isStrong).length, 3);
            compare(lines.filter(line => !line.isStrong).length, 2);
            compare(shown(overlay, item => item.objectName === "chainNode").length, 6);
            verify(overlay.Accessible.name.includes(game.stepLine.technique),
                   overlay.Accessible.name);
        }

        // ---- Accessibility ----

        function test_accessibleNames() {
            compare(cell(0).Accessible.name, "Row 1, column 1, 5, given");
            compare(cell(3).Accessible.name, "Row 1, column 4, empty");
            compare(cell(80).Accessible.name, "Row 9, column 9, 9, given");
            game.tapCell(2);
            game.isNotesMode = true;
            game.pressDigit(4);
            game.pressDigit(1);
            game.pressDigit(9);
            compare(cell(2).Accessible.name, "Row 1, column 3, empty, notes 1 4 9");
            game.isNotesMode = false;
            game.pressDigit(6);
            compare(cell(2).Accessible.name, "Row 1, column 3, 6");
            game.highlightsMistakes = true;
            compare(cell(2).Accessible.name, "Row 1, column 3, 6, wrong");
            compare(cell(2).Accessible.role, Accessible.Cell);
            verify(cell(2).Accessible.selected);
            verify(!cell(3).Accessible.selected);
        }
    }
}
