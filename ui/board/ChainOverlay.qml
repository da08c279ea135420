import QtQuick
import Pondrel

// The chain of a Next Step's reason, drawn over the cells as teaching
// solvers draw one: each candidate of the chain ringed where its note sits
// (NotesGrid's 3×3 places), and a line from ring to ring for every link,
// solid for a strong link, dashed for a weak one, with an arrowhead where
// the link leads (the chain's order: a forcing chain's from its assumption). A line that would cross another ring bends around it, and
// a link between neighbouring candidates of one cell bows out so it shows
// at all.
//
// A ring draws its own digit, so the chain reads in cells without notes
// too; a candidate the step removes is struck through there, as in the
// notes. The links come from the model (SudokuGame.shownLinks); nothing
// here decides what a chain is.
//
// Canvas rather than QtQuick.Shapes: both draw on the software scene graph,
// but Shapes is a QML module of its own (qml6-module-qtquick-shapes on
// Debian) that the package would have to depend on for this one view.
Item {
    id: root

    required property BoardContext board
    // The BoardGrid that holds the overlay, for where its cells are
    // (offsetOf, cellSize); typed Item since QML refuses a type cycle.
    required property Item grid
    // {fromCell, fromDigit, fromRemoved, toCell, toDigit, toRemoved, isStrong}
    property var links: board.game.shownLinks

    // The notes' layout (NotesGrid): its inset and the side of a note's place.
    readonly property real inset: BoardMetrics.noteInset * board.boardScale
    readonly property real slot: (grid.cellSize * board.boardScale - 2 * inset) / 3
    // Wide enough for a note's digit, narrow enough to leave the notes
    // beside it free.
    readonly property real radius: 0.46 * slot
    readonly property real lineWidth: (board.colors.increasedContrast ? 1.7 : 1.2) * board.boardScale
    readonly property color ink: board.colors.accent

    // Every candidate of the chain once: {cell, digit, removed, x, y}.
    readonly property var nodes: {
        const found = [];
        const add = (cell, digit, removed) => {
            if (!found.some(node => node.cell === cell && node.digit === digit)) {
                const at = centre(cell, digit);
                found.push({cell: cell, digit: digit, removed: removed, x: at.x, y: at.y});
            }
        };
        for (const link of links) {
            add(link.fromCell, link.fromDigit, link.fromRemoved);
            add(link.toCell, link.toDigit, link.toRemoved);
        }
        return found;
    }

    // The centre of `digit`'s note place in `cell`.
    function centre(cell: int, digit: int): point {
        return Qt.point(grid.offsetOf(cell % 9) + inset + ((digit - 1) % 3 + 0.5) * slot,
                        grid.offsetOf(Math.floor(cell / 9)) + inset
                        + (Math.floor((digit - 1) / 3) + 0.5) * slot);
    }

    // What a link's line must not run through: the rings, and the places of
    // its digits in the other empty cells, where the same digit may stand
    // as a note and would read as struck out or ringed.
    function obstacles(link: var): var {
        const found = nodes.slice();
        const values = board.game.values;
        for (let cell = 0; cell < 81; ++cell) {
            if (values[cell] === 0 && cell !== link.fromCell && cell !== link.toCell) {
                found.push(centre(cell, link.fromDigit));
                if (link.toDigit !== link.fromDigit) {
                    found.push(centre(cell, link.toDigit));
                }
            }
        }
        return found;
    }

    // The curve of a link: {start, control, end}, a quadratic curve from the
    // edge of one ring to the edge of the other, straight when the control
    // point lies halfway.
    function route(link: var): var {
        const from = centre(link.fromCell, link.fromDigit);
        const to = centre(link.toCell, link.toDigit);
        const length = Math.hypot(to.x - from.x, to.y - from.y);
        const along = Qt.point((to.x - from.x) / length, (to.y - from.y) / length);
        const normal = Qt.point(-along.y, along.x);
        // How far the middle of the curve stands off the straight line; the
        // control point stands off twice as far.
        let bow = 0;
        if (link.fromCell === link.toCell && length < 1.2 * slot) {
            // Places side by side in one cell leave no room between the
            // rings: the line loops out toward the cell's edge, where no
            // note sits in the way.
            const cellCentre = centre(link.fromCell, 5);
            const outward = ((from.x + to.x) / 2 - cellCentre.x) * normal.x
                    + ((from.y + to.y) / 2 - cellCentre.y) * normal.y;
            bow = (outward < 0 ? -1 : 1) * (0.5 * slot + inset - lineWidth);
        } else {
            const clearance = 2 * radius + lineWidth;
            let nearest = clearance;
            for (const point of obstacles(link)) {
                const t = (point.x - from.x) * along.x + (point.y - from.y) * along.y;
                const off = (point.x - from.x) * normal.x + (point.y - from.y) * normal.y;
                if (t <= radius || t >= length - radius || Math.abs(off) >= clearance) {
                    continue;
                }
                // At the fraction s of the way the curve stands off 4s(1-s)
                // times as far as at its middle: far enough there to clear
                // the place, but never more than a gentle bend. It bends
                // away from the place nearest the straight line.
                const s = t / length;
                const needed = Math.min((clearance - Math.abs(off)) / (4 * s * (1 - s)),
                                        0.3 * length);
                const away = off > 0 ? -1 : 1;
                const side = Math.abs(off) < nearest ? away : Math.sign(bow || away);
                nearest = Math.min(nearest, Math.abs(off));
                bow = side * Math.max(Math.abs(bow), needed);
            }
        }
        const control = Qt.point((from.x + to.x) / 2 + 2 * bow * normal.x,
                                 (from.y + to.y) / 2 + 2 * bow * normal.y);
        const edge = (ring, toward) => {
            const d = Math.hypot(toward.x - ring.x, toward.y - ring.y);
            return Qt.point(ring.x + (toward.x - ring.x) / d * radius,
                            ring.y + (toward.y - ring.y) / d * radius);
        };
        return {start: edge(from, control), control: control, end: edge(to, control)};
    }

    objectName: "chainOverlay"
    visible: links.length > 0

    Accessible.role: Accessible.Graphic
    // The chain is the reason's picture: it reads as the reason's sentence,
    // worded as the notice words it.
    Accessible.name: Localized.digits(Localized.line(board.game.stepLine))

    Repeater {
        model: root.links

        Canvas {
            id: line

            required property var modelData
            readonly property bool isStrong: modelData.isStrong
            readonly property var path: root.route(modelData)
            // Room for the arrowhead and the line's width around the curve.
            readonly property real margin: 4 * root.lineWidth
            readonly property real arrowLength: 3.5 * root.lineWidth
            // A link between places side by side in one cell is too short
            // for a head; the links before and after it show the way.
            readonly property bool hasArrow: Math.hypot(path.end.x - path.start.x,
                                                        path.end.y - path.start.y)
                                             > 3 * arrowLength

            objectName: "chainLink"
            x: Math.min(path.start.x, path.control.x, path.end.x) - margin
            y: Math.min(path.start.y, path.control.y, path.end.y) - margin
            width: Math.max(path.start.x, path.control.x, path.end.x) - x + margin
            height: Math.max(path.start.y, path.control.y, path.end.y) - y + margin

            onPathChanged: requestPaint()
            onPaint: {
                const context = getContext("2d");
                context.reset();
                context.translate(-line.x, -line.y);
                context.strokeStyle = root.ink;
                context.fillStyle = root.ink;
                context.lineWidth = root.lineWidth;
                context.lineCap = "butt";
                // Dashes long enough to read as a line at a glance, gaps
                // wide enough to tell it from a solid one.
                const unit = root.board.boardScale;
                context.setLineDash(line.isStrong ? [] : [3 * unit, 2 * unit]);
                // The line ends where the arrowhead begins, so its width
                // never blunts the point.
                const dx = path.end.x - path.control.x;
                const dy = path.end.y - path.control.y;
                const d = Math.hypot(dx, dy);
                const ux = dx / d;
                const uy = dy / d;
                const head = hasArrow ? arrowLength : 0;
                const base = Qt.point(path.end.x - ux * head, path.end.y - uy * head);
                context.beginPath();
                context.moveTo(path.start.x, path.start.y);
                context.quadraticCurveTo(path.control.x, path.control.y, base.x, base.y);
                context.stroke();
                if (!hasArrow) {
                    return;
                }
                const half = 0.55 * arrowLength;
                context.beginPath();
                context.moveTo(path.end.x, path.end.y);
                context.lineTo(base.x - uy * half, base.y + ux * half);
                context.lineTo(base.x + uy * half, base.y - ux * half);
                context.closePath();
                context.fill();
            }

            Connections {
                target: root
                function onInkChanged() {
                    line.requestPaint();
                }
                function onLineWidthChanged() {
                    line.requestPaint();
                }
            }
        }
    }

    Repeater {
        model: root.nodes

        Rectangle {
            required property var modelData

            objectName: "chainNode"
            x: modelData.x - root.radius
            y: modelData.y - root.radius
            width: 2 * root.radius
            height: width
            radius: root.radius
            // Opaque: the ring's digit stands in for the note beneath it.
            color: Qt.tint(root.board.colors.controlBackground,
                           root.board.colors.withOpacity(root.ink, 0.14))
            border.width: (root.board.colors.increasedContrast ? 1.5 : 1) * root.board.boardScale
            border.color: root.ink

            Text {
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: String(parent.modelData.digit)
                color: parent.modelData.removed ? root.board.colors.mistake
                                                : root.board.colors.primary
                font.pixelSize: Math.max(1, Math.round(8.5 * root.board.boardScale))
                font.weight: Font.Bold
                font.strikeout: parent.modelData.removed
            }
        }
    }
}
