import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import "../common"
import "../common/pagetest.js" as T
import "layoutcheck.js" as Layout

// The layout check itself (layoutcheck.js), run as the page tests run it
// (check(): it waits for the window to settle, looks and saves the picture)
// on small scenes with one fault each: every kind of fault is found and
// named, and a scene without one gives nothing, so that the pages' checks
// cannot pass by finding nothing.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idPopupScene
        Item {
            property alias popup: idPopup
            Text { x: 10; y: 10; text: "Under the popup" }
            Popup {
                id: idPopup
                x: 0
                y: 0
                width: 300
                height: 200
                Text { x: 0; y: 0; text: "In the popup" }
                Text { x: 20; y: 0; text: "Also in the popup" }
            }
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "LayoutCheck"
        when: windowShown

        readonly property string imports: "import QtQuick 2.12; import QtQuick.Controls 2.12; "
        readonly property string longText: "A text far too long for its thirty pixels"

        // Layout.check() on the window as it is now, with a test case that
        // keeps the failure check() ends with instead of failing: its
        // findings, one a line.
        function checked(name, options) {
            var failures = []
            var recorder = {
                wait: function (ms) { idCase.wait(ms) },
                grabImage: function (item) { return idCase.grabImage(item) },
                tryVerify: function (f, timeout, msg) { idCase.tryVerify(f, timeout, msg) },
                warn: function (msg) { idCase.warn(msg) },
                verify: function (ok, msg) {
                    if (!ok)
                        failures.push(msg)
                    return ok
                }
            }
            Layout.check(recorder, idWindow.Window.window, testArtifactDir, "layoutcheck-" + name, options)
            if (failures.length === 0)
                return []
            compare(failures.length, 1, failures.join("\n"))
            return failures[0].split("\n    ").slice(1)
        }

        // The findings of check() on scene (QML items in an Item).
        function findings(name, scene, options) {
            createTemporaryQmlObject(imports + "Item { width: 400; height: 650; " + scene + " }", idWindow)
            return checked(name.replace(/[^A-Za-z]+/g, "-"), options)
        }

        // expect: [kind, text] for each finding: it starts with kind and
        // names the text.
        function test_findings_data() {
            var cut = "Text { width: 30; text: \"" + longText + "\"; elide: Text.Elide"
            return [
                { tag: "nothing wrong", expect: [],
                  scene: "Text { x: 10; y: 10; text: \"Fits\" } Text { x: 10; y: 40; text: \"Fits too\" }"
                         + " TextInput { x: 10; y: 80; width: 200; clip: true; text: \"someone@example.com\" }"
                         + " Text { x: 10; y: 120; width: 100; wrapMode: Text.WordWrap;"
                         + " text: \"Wrapped on lines of its own\" }" },
                { tag: "cut", scene: cut + "Right }", expect: [["cut:", longText]] },
                { tag: "cut at its end, allowed", scene: cut + "Right }", mayCut: [longText], expect: [] },
                { tag: "cut in the middle, allowed at the end", scene: cut + "Middle }",
                  mayCut: [longText], expect: [["cut:", longText]] },
                { tag: "wider than its box", scene: "Text { width: 30; text: \"" + longText + "\" }",
                  expect: [["wider than its box:", longText]] },
                { tag: "wrapped, taller than its box",
                  scene: "Text { width: 80; height: 20; wrapMode: Text.WordWrap; text: \"" + longText + "\" }",
                  expect: [["taller than its box:", longText]] },
                { tag: "outside the window", scene: "Text { x: 380; text: \"Past the edge\" }",
                  expect: [["outside the window:", "Past the edge"]] },
                { tag: "below the window", scene: "Text { y: 640; text: \"Below the window\" }",
                  expect: [["outside the window:", "Below the window"]] },
                { tag: "hidden by its clip",
                  scene: "Item { width: 30; height: 30; clip: true; Text { text: \"" + longText + "\" } }",
                  expect: [["hidden by its clip:", longText]] },
                { tag: "clipped at its foot",
                  scene: "Item { width: 300; height: 8; clip: true; Text { text: \"Half shown\" } }",
                  expect: [["hidden by its clip:", "Half shown"]] },
                { tag: "at the fold of a list that scrolls",
                  scene: "Flickable { width: 300; height: 30; clip: true; contentHeight: 200;"
                         + " Text { y: 20; text: \"Scrolled to later\" } }",
                  expect: [] },
                { tag: "a field's text cut at its edge",
                  scene: "TextInput { width: 60; clip: true; text: \"someone@example.com\" }",
                  expect: [["cut:", "someone@example.com"]] },
                { tag: "a text edit's text cut at its foot",
                  scene: "TextEdit { width: 300; height: 10; clip: true; text: \"First line\\nSecond line\" }",
                  expect: [["cut:", "First line\nSecond line"]] },
                { tag: "over a text",
                  scene: "Text { text: \"Beneath\" } Text { x: 10; text: \"Above\" }",
                  expect: [["over ", "Beneath"]] },
                { tag: "over a picture",
                  scene: "Image { width: 30; height: 30; source: \"qrc:/img/appicon/03.png\" }"
                         + " Text { text: \"On the icon\" }",
                  expect: [["over ", "On the icon"]] },
                { tag: "over a button",
                  scene: "Button { width: 80; height: 30 } Text { y: 5; text: \"On the button\" }",
                  expect: [["over ", "On the button"]] },
                { tag: "under an opaque item",
                  scene: "Text { text: \"Covered\" } Rectangle { x: 10; width: 30; height: 30; color: \"white\" }",
                  expect: [["under ", "Covered"]] },
                { tag: "under an opaque item of higher z",
                  scene: "Rectangle { z: 1; x: 10; width: 30; height: 30; color: \"white\" }"
                         + " Text { text: \"Covered\" }",
                  expect: [["under ", "Covered"]] },
                { tag: "a field's cursor over its placeholder", expect: [],
                  scene: "Text { text: \"Enter again\" }"
                         + " TextInput { width: 200; height: 20; cursorVisible: true;"
                         + " cursorDelegate: Rectangle { width: 2; height: 20; color: \"black\" } }" },
                { tag: "on its background or under a veil", expect: [],
                  scene: "Rectangle { width: 200; height: 40; color: \"white\"; Text { text: \"On white\" } }"
                         + " Text { y: 60; text: \"Veiled\" }"
                         + " Rectangle { y: 55; width: 200; height: 30; color: \"#40000000\" }"
                         + " Rectangle { y: 55; width: 200; height: 30; color: \"white\"; opacity: 0.3 }" },
                { tag: "Chinese in English", scene: "Text { text: \"中文\" }", english: true,
                  expect: [["not in English:", "中文"]] },
                { tag: "Chinese in Chinese", scene: "Text { text: \"中文\" }", english: false, expect: [] },
                // Found only once the move is over: the check waits for it.
                { tag: "moving out of the window",
                  scene: "Text { text: \"On its way\"; NumberAnimation on x { from: 10; to: 380; duration: 400 } }",
                  expect: [["outside the window:", "On its way"]] }
            ]
        }
        function test_findings(data) {
            var found = findings(data.tag, data.scene, { english: data.english === true, mayCut: data.mayCut })
            compare(found.length, data.expect.length, found.join("\n"))
            for (var i = 0; i < data.expect.length; ++i) {
                var kind = data.expect[i][0], text = "\"" + data.expect[i][1] + "\""
                verify(found.some(function (f) { return f.indexOf(kind) === 0 && f.indexOf(text) >= 0 }),
                       kind + " " + text + " not in:\n" + found.join("\n"))
            }
        }

        // An open popup is checked as a layer of its own: its texts against
        // each other, not against the page it covers.
        function test_popupIsItsOwnLayer() {
            var scene = createTemporaryObject(idPopupScene, idWindow)
            T.openPopup(idCase, scene.popup)
            var found = checked("popup")
            compare(found.length, 1, found.join("\n"))
            verify(found[0].indexOf("\"In the popup\"") >= 0 && found[0].indexOf("\"Also in the popup\"") >= 0,
                   found[0])
        }
    }
}
