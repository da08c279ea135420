pragma Singleton
import QtQuick

// The four screens that can take the board's place, by their raw values,
// which are also their (untranslated) titles. Views pass screens around as
// these texts.
QtObject {
    readonly property string preferences: QT_TRANSLATE_NOOP("Pondrel", "Preferences")
    readonly property string statistics: QT_TRANSLATE_NOOP("Pondrel", "Statistics")
    readonly property string howToPlay: QT_TRANSLATE_NOOP("Pondrel", "How to Play")
    readonly property string about: QT_TRANSLATE_NOOP("Pondrel", "About")

    // Every screen, in menu order.
    readonly property list<string> allCases: [preferences, statistics, howToPlay, about]
}
