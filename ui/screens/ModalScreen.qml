pragma Singleton
import QtQuick

// The four screens that can take the board's place, by their raw values,
// which are also their (untranslated) titles. Views pass screens around as
// these texts.
QtObject {
    readonly property string preferences: "Preferences"
    readonly property string statistics: "Statistics"
    readonly property string howToPlay: "How to Play"
    readonly property string about: "About"

    // Every screen, in menu order.
    readonly property list<string> allCases: [preferences, statistics, howToPlay, about]
}
