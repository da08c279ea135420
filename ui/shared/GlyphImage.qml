import QtQuick
import QtQuick.Window

// A symbol of resources/icons drawn in one colour, as the glyph image
// provider tints it, at the pixel size of the screen it is on:
//
//     GlyphImage {
//         width: 16
//         height: 16
//         symbol: "xmark"
//         tint: palette.windowText
//     }
//
// Without a symbol the image is empty.
Image {
    id: root

    property string symbol
    property color tint: "black"

    sourceSize: Qt.size(Math.ceil(width * Screen.devicePixelRatio),
                        Math.ceil(height * Screen.devicePixelRatio))
    source: symbol !== "" ? "image://glyph/" + symbol + "/" + tint.toString().slice(1) : ""
    smooth: true
}
