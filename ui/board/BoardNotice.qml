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

    // The hint's explanation in the player's language; empty without one.
    function explanation(why: var): string {
        switch (why.kind ?? "") {
        case "nakedSingle":
            return Localized.text("Only %lld fits here", [why.digit]);
        case "hiddenSingleInRow":
            return Localized.text("%lld has only this place in row %lld", [why.digit, why.unit]);
        case "hiddenSingleInColumn":
            return Localized.text("%lld has only this place in column %lld", [why.digit, why.unit]);
        case "hiddenSingleInBox":
            return Localized.text("%lld has only this place in this box", [why.digit]);
        case "elimination":
            return why.technique ? Localized.text("Found with %@", [Localized.text(why.technique)])
                                 : Localized.text("Found by elimination");
        case "onlyCompletion":
            return Localized.text("The only digit that completes the puzzle");
        }
        return "";
    }

    // The Next Step's line in the player's language; empty without one. The
    // technique's name, looked up in turn, comes first.
    function stepText(line: var): string {
        if (!line.key) {
            return "";
        }
        const named = line.technique ? [Localized.text(line.technique)] : [];
        return Localized.text(line.key, named.concat(line.arguments));
    }

    objectName: "boardNotice"
    text: message.length > 0 ? message
                             : stepText(board.game.stepLine)
                               || explanation(board.game.hintExplanation)
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
    // A screen reader does not read an alert whose text changes: the board
    // screen says each new line.
    onTextChanged: {
        if (text.length > 0) {
            board.announce(text);
        }
    }
}
