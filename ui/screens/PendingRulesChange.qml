import QtQuick

// A change of the game's rules that waits for the player's go-ahead:
// `apply` performs it and holds whatever it needs.
QtObject {
    required property var apply
}
