import QtQuick
import Pondrel

// A glass button whose look says whether something is switched on: the
// prominent (accent-filled) look while `isOn`, the regular translucent one
// otherwise. `isOn` changes only the look; a click always emits `clicked`,
// which is the button's action.
//
//     GlassToggleStyle {
//         isOn: game.isNotesMode
//         symbol: "pencil"
//         text: Localized.text("Notes")
//         onClicked: game.isNotesMode = !game.isNotesMode
//     }
//
// The label is an optional leading symbol (a glyph of resources/icons,
// tinted like the text) and an optional text on one line, which shrinks to
// `minimumTextFactor` of its size before it is cut short. A symbol-only
// button with equal width and height is a circle.
GlassPushButton {
    id: root

    property bool isOn: false
    property string symbol: ""
    property real symbolSize: fontSize
    property real minimumTextFactor: 1
    // Room between the symbol and the text.
    property real labelSpacing: Math.round(fontSize * 0.35)
    // A symbol that points back or forth (Undo's arrow) is flipped when the
    // panel is mirrored.
    property bool symbolPointsAlongLine: false

    readonly property color labelColor: prominent ? systemPalette.highlightedText
                                                  : systemPalette.buttonText

    prominent: isOn
    // Screen readers learn the state from the button's own `checked`: Qt
    // resets the Accessible.checked of a Controls button to it whenever the
    // accessibility bridge comes up. Not checkable, so a click leaves it
    // to `isOn`.
    checked: isOn

    contentItem: Item {
        id: label

        // The text's width at its full size: a text in a fitting mode
        // reports the size it was shrunk to.
        readonly property real glyphRoom: glyph.visible ? glyph.width + root.labelSpacing : 0

        implicitWidth: glyphRoom + (text.visible ? Math.ceil(fullText.advanceWidth) : 0)
        implicitHeight: Math.max(glyph.visible ? glyph.height : 0, text.implicitHeight)

        TextMetrics {
            id: fullText

            font: text.font
            text: root.text
        }

        Row {
            anchors.centerIn: parent
            spacing: root.labelSpacing

            GlyphImage {
                id: glyph

                anchors.verticalCenter: parent.verticalCenter
                visible: root.symbol.length > 0
                width: Math.round(root.symbolSize)
                height: width
                symbol: root.symbol
                tint: root.labelColor
                mirror: root.symbolPointsAlongLine && root.mirrored
            }

            Text {
                id: text

                anchors.verticalCenter: parent.verticalCenter
                visible: root.text.length > 0
                // Never wider than the button leaves, so the text shrinks.
                width: Math.max(0, Math.min(Math.ceil(fullText.advanceWidth),
                                            label.width - label.glyphRoom))
                text: root.text
                color: root.labelColor
                font.pixelSize: Math.round(root.fontSize)
                font.weight: root.fontWeight
                maximumLineCount: 1
                elide: Text.ElideRight
                fontSizeMode: root.minimumTextFactor < 1 ? Text.HorizontalFit : Text.FixedSize
                minimumPixelSize: Math.floor(root.minimumTextFactor * font.pixelSize)
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}
