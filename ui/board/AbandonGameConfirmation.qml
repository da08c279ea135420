import QtQuick
import Pondrel

// The question "Abandon this game?" over the board column while a new
// puzzle was asked for during a started, unsolved game. It is shown exactly
// while `request.confirming` is true and takes the keys then, so Return
// reaches its Cancel; the board screen takes the focus back once it closes.
//
//     AbandonGameConfirmation {
//         anchors.fill: column
//         request: newPuzzle
//         board: root.board
//     }
ConfirmationDialog {
    id: root

    required property NewPuzzleRequest request
    required property BoardContext board

    visible: request.confirming
    title: Localized.text("Abandon this game?")
    message: Localized.text("Starting a new puzzle now will reset your win streak.")
    dialogID: "abandonGameDialog"
    cancelTitle: Localized.text("Cancel")
    cancelID: "cancelNewPuzzleButton"
    confirmTitle: Localized.text("New Puzzle")
    confirmID: "confirmNewPuzzleButton"

    Component.onCompleted: {
        if (visible) {
            forceActiveFocus();
        }
    }
    onVisibleChanged: {
        if (visible) {
            forceActiveFocus();
        }
    }
    onCancel: request.cancel()
    onConfirm: request.confirm()
}
