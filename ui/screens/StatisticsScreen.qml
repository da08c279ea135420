import QtQuick
import Pondrel

// The player's record as ten labelled values in one group box. The rows are
// derived from the game's statistics on every change, so a reset shows its
// zeros and dashes at once.
Item {
    id: root

    property SudokuGame game

    // The rows as shown, each {title, value, id}; the id is the row's
    // objectName.
    readonly property var rows: game ? statisticsRows() : []

    // Plain decimal digits with a leading minus, never grouped, in the
    // digits of the display language.
    function decimal(value: real): string {
        return Localized.digits(String(value));
    }

    function winRate(): string {
        // No games means nothing to divide by; the text is fixed then.
        if (game.gamesCount < 1) {
            return "0.0%";
        }
        return Localized.text("%.1f%%", [game.solvedCount / game.gamesCount * 100]);
    }

    function bestTimeRow(difficulty: string): var {
        const seconds = game.bestTimes[difficulty];
        return {
            title: Localized.text("Best Time: %@", [Localized.text(difficulty)]),
            value: seconds === undefined ? "\u2013" : Localized.digits(game.formatTime(seconds)),
            id: "stat-bestTime-" + difficulty
        };
    }

    function statisticsRows(): var {
        const rows = [
            { title: Localized.text("Games Played"), value: decimal(game.gamesCount), id: "stat-gamesPlayed" },
            { title: Localized.text("Games Won"), value: decimal(game.solvedCount), id: "stat-gamesWon" },
            // More wins than games happens after a reset in the middle of a
            // game; a negative loss count would make no sense.
            { title: Localized.text("Games Lost"), value: decimal(Math.max(0, game.gamesCount - game.solvedCount)), id: "stat-gamesLost" },
            { title: Localized.text("Win Rate"), value: winRate(), id: "stat-winRate" },
            { title: Localized.text("Current Streak"), value: decimal(game.currentStreak), id: "stat-currentStreak" },
            { title: Localized.text("Best Streak"), value: decimal(game.bestStreak), id: "stat-bestStreak" }
        ];
        for (const difficulty of game.difficultyRawValues()) {
            rows.push(bestTimeRow(difficulty));
        }
        return rows;
    }

    implicitHeight: box.implicitHeight

    ScreenGroupBox {
        id: box

        width: root.width
        spacing: 0
        sideInset: 2

        // By count, so a change of the statistics updates the rows in place
        // rather than rebuilding them.
        Repeater {
            model: root.rows.length

            Column {
                id: entry

                required property int index
                readonly property var modelData: root.rows[index]

                // A delegate may be made before the repeater is placed.
                width: parent ? parent.width : 0

                RowDivider {
                    width: parent.width
                    visible: entry.index > 0
                }

                Item {
                    readonly property string title: entry.modelData.title
                    readonly property string value: entry.modelData.value

                    objectName: entry.modelData.id
                    width: parent.width
                    implicitHeight: Math.max(titleText.implicitHeight, valueText.implicitHeight) + 2 * 8

                    Accessible.role: Accessible.StaticText
                    Accessible.name: title + ", " + value

                    // Tab reaches the row, so a screen reader reads it.
                    activeFocusOnTab: true

                    FocusRing {}

                    Text {
                        id: titleText

                        anchors.left: parent.left
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.min(implicitWidth, parent.width - valueText.implicitWidth - 8)
                        text: parent.title
                        font.pixelSize: Math.round(13 * Theme.boardScale)
                        color: Theme.colors.primary
                        elide: Text.ElideRight
                    }

                    Text {
                        id: valueText

                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: parent.value
                        font.pixelSize: Math.round(13 * Theme.boardScale)
                        font.weight: Font.Medium
                        color: Theme.colors.primary
                    }
                }
            }
        }
    }
}
