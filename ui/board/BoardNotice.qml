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

    objectName: "boardNotice"
    // The digit lists a step line carries ("3/7") in the language's digits
    // too, as its counts are.
    text: Localized.digits(message.length > 0 ? message
                                              : Localized.line(board.game.stepLine)
                                                || Localized.line(board.game.hintExplanation))
    visible: text.length > 0
    font.pixelSize: Math.round(12 * board.boardScale)
    font.weight: Font.Medium
    // Two lines at most, by the height: a line count would make the fitting
    // below elide rather than shrink. Lines break between words only (and,
    // in Chinese, Japanese and Korean, between the characters their rules
    // let part): Text.Wrap would cut a word that does not fit in two.
    wrapMode: Text.WordWrap
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    // Rather smaller than cut off, in the languages with long sentences,
    // down to three quarters of the size.
    fontSizeMode: Text.Fit
    minimumPixelSize: Math.round(9 * board.boardScale)
    // Lines 1.3 em apart in every script: the CJK and Thai fonts' line
    // spacing (1.45 em against 1.36 em for the Latin ones; Thai keeps room
    // for its stacked marks) would otherwise leave no room for a second line
    // at the smallest size, and a line would be shrunk below it instead.
    lineHeight: /^(ja|ko|zh|th)/.test(Localized.language) ? 0.9 : 0.95
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
