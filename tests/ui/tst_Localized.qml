import QtQuick
import QtTest
import Pondrel

// The lookups as QML calls them: JavaScript arrays of numbers and texts.
TestCase {
    name: "Localized"

    function test_textWithoutArgumentsIsTheKey() {
        compare(Localized.text("Pondrel Sudoku"), "Pondrel Sudoku")
        compare(Localized.text("50% off"), "50% off")
    }

    function test_javaScriptNumbersFitNumericConversions() {
        compare(Localized.text("%lld left", [3]), "3 left")
        compare(Localized.text("%d:%02d", [4, 5]), "4:05")
        compare(Localized.text("%.1f%%", [87.5]), "87.5%")
        compare(Localized.text("%.1f%%", [100]), "100.0%")
    }

    function test_textArguments() {
        compare(Localized.text("Version %@", ["1.2"]), "Version 1.2")
        compare(Localized.text("Version %@", [1.2]), "Version 1.2")
    }

    function test_pluralPutsTheCountFirst() {
        compare(Localized.plural("%lld left", 3), "3 left")
        compare(Localized.plural("%lld of %lld", 3, [9]), "3 of 9")
    }

    function test_displayLanguageIsEnglishWithoutOtherTables() {
        compare(Localized.language, "en")
    }
}
