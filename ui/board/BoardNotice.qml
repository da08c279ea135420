import QtQuick
import Pondrel

// One short line in the header, in place of the title while it shows: the
// Next Step on show, why the last hint's digit goes where it went (as the
// model explains it), or what became of a copy or paste. A screen reader
// hears it as an alert the moment it appears.
Text {
    id: root

    required property BoardContext board
    // A message of the board screen's own (copy and paste); it wins over
    // the step and the hint's explanation.
    property string message: ""

    // A line of the Next Step or the hint's reason ({key, technique,
    // arguments}, worded in game/stepwording.cpp) in the player's language;
    // empty without one. The technique's name comes first, and an argument
    // that is a line of its own is looked up in turn.
    function lineText(line: var): string {
        if (!line || !line.key) {
            return "";
        }
        const named = line.technique ? [Localized.text(line.technique)] : [];
        const given = (line.arguments ?? []).map(
            argument => argument && argument.key !== undefined ? lineText(argument) : argument);
        return Localized.text(line.key, named.concat(given));
    }

    objectName: "boardNotice"
    text: message.length > 0 ? message
                             : lineText(board.game.stepLine) || lineText(board.game.hintExplanation)
    visible: text.length > 0
    font.pixelSize: Math.round(12 * board.boardScale)
    font.weight: Font.Medium
    // Two lines at most, by the height: a line count would make the fitting
    // below elide rather than shrink.
    wrapMode: Text.Wrap
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    // Rather smaller than cut off, in the languages with long sentences.
    fontSizeMode: Text.Fit
    minimumPixelSize: Math.round(9 * board.boardScale)
    lineHeight: 0.95
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
