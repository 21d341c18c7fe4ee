import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "pixels.js" as Pixels
import "../common"

// What a few canvas-drawn widgets paint, read back from the window.
Item {
    id: idRoot
    width: 400
    height: 300

    Rectangle {
        id: idPage
        anchors.fill: parent
        color: "#123456"
    }

    ZVTotpProgressBar {
        id: idRing
        x: 20
        y: 20
        radius: 30
        arcWidth: 8
        text: "30"
    }

    LineEdit {
        id: idBordered
        x: 120
        y: 20
        width: 200
        showBorder: true
        text: "x"
    }

    LineEdit {
        id: idBorderless
        x: 120
        y: 80
        width: 200
        text: "x"
    }

    // Two rows, 1 px apart, in a group of 2 * rowHeight + 1 + 2.
    SpacingLinePanel {
        id: idPanel
        x: 120
        y: 150
        width: 200
        height: 2 * rowHeight + 3
        color: "#ffffff"
        hiColor: "#ff0000"
        lineColor: "#0000ff"
    }

    // An emoji as it stands in an entry or a note: the key, which only the
    // colour emoji font has.
    ZVText {
        id: idEmoji
        x: 20
        y: 230
        text: "\uD83D\uDD11"
        font.pointSize: Util.relativeFontPoint(6)
    }

    SignalSpy { id: idDoubleSpy; target: idRing; signalName: "doubleClicked" }

    KeyloftTestCase {
        id: idCase
        name: "Rendering"
        when: windowShown

        function grab() {
            waitForRendering(idRoot)
            return grabImage(idRoot)
        }

        // Point of the ring's centre line at `deg` degrees clockwise from
        // twelve o'clock.
        function ringPoint(deg) {
            var c = idRing.width / 2, a = deg * Math.PI / 180
            return { x: c + idRing.radius * Math.sin(a), y: c - idRing.radius * Math.cos(a) }
        }

        function test_totpRing_data() {
            // Which of four points (45°, 135°, 225°, 315°) are painted over.
            return [
                { tag: "new period", progress: 0, anticlockwise: false, over: [false, false, false, false] },
                { tag: "a quarter gone", progress: 90, anticlockwise: false, over: [true, false, false, false] },
                { tag: "a quarter gone anticlockwise", progress: 90, anticlockwise: true, over: [false, false, false, true] },
                { tag: "three quarters gone", progress: 270, anticlockwise: false, over: [true, true, true, false] },
                { tag: "period over", progress: 360, anticlockwise: false, over: [true, true, true, true] }
            ]
        }
        function test_totpRing(data) {
            idRing.anticlockwise = data.anticlockwise
            idRing.progress = data.progress
            var image = grab()
            var degrees = [45, 135, 225, 315]
            for (var i = 0; i < degrees.length; ++i) {
                var p = ringPoint(degrees[i])
                Pixels.check(idCase, image, idRoot, idRing, p.x, p.y,
                             data.over[i] ? Theme.popupColor : Theme.buttonGreenColor,
                             degrees[i] + "°")
            }
            // Inside and outside the ring the page shows.
            Pixels.check(idCase, image, idRoot, idRing, idRing.width / 2, idRing.height / 2 - 15,
                         idPage.color, "inside")
            Pixels.check(idCase, image, idRoot, idRing, 1, 1, idPage.color, "outside")
        }

        function test_totpRingDoubleClick() {
            idDoubleSpy.clear()
            mouseDoubleClickSequence(idRing)
            compare(idDoubleSpy.count, 1)
        }

        // Where the highlight band of the first and of the last row ends
        // depends on whether the outer lines are drawn.
        function test_panelHighlightBand_data() {
            var page = "#123456", hi = "#ff0000"
            return [
                { tag: "first row, first line shown", row: 0, showFirst: true, showLast: true,
                  pixels: [[0, hi], [1, hi]] },
                { tag: "first row, first line hidden", row: 0, showFirst: false, showLast: true,
                  pixels: [[0, page], [1, hi]] },
                { tag: "last row, last line shown", row: 1, showFirst: false, showLast: true,
                  pixels: [[-1, hi], [-2, hi]] },
                { tag: "last row, last line hidden", row: 1, showFirst: false, showLast: false,
                  pixels: [[-1, page], [-2, hi]] }
            ]
        }
        function test_panelHighlightBand(data) {
            idPanel.showFirst = data.showFirst
            idPanel.showLast = data.showLast
            idPanel.highlightedIndex = data.row
            var image = grab()
            for (var i = 0; i < data.pixels.length; ++i) {
                var y = data.pixels[i][0] >= 0 ? data.pixels[i][0] : idPanel.height + data.pixels[i][0]
                Pixels.check(idCase, image, idRoot, idPanel, idPanel.width / 2, y,
                             data.pixels[i][1], "row " + y)
            }
            idPanel.highlightedIndex = -1
        }

        // The colour emoji font draws the key in gold; without it the
        // character comes out as a box in the text colour.
        function test_emojiInColour() {
            verify(idEmoji.width > 0 && idEmoji.height > 0)
            var image = grab()
            var warm = 0
            for (var y = 0; y < idEmoji.height; ++y) {
                for (var x = 0; x < idEmoji.width; ++x) {
                    var p = idEmoji.mapToItem(idRoot, x, y)
                    var c = Qt.darker(image.pixel(Math.floor(p.x), Math.floor(p.y)), 1.0)
                    if (c.r - c.b > 0.3)
                        ++warm
                }
            }
            verify(warm > idEmoji.width * idEmoji.height / 10, warm + " warm pixels")
        }

        function test_lineEditBackground() {
            var image = grab()
            var y = Math.floor(idBordered.height / 2)
            Pixels.check(idCase, image, idRoot, idBordered, idBordered.width - 8, y,
                         Theme.editColor, "bordered edit")
            Pixels.check(idCase, image, idRoot, idBordered, idBordered.width / 2, 0,
                         Theme.editBorderColor, "border")
            Pixels.check(idCase, image, idRoot, idBorderless, idBorderless.width - 8, y,
                         idPage.color, "borderless edit")
        }
    }
}
