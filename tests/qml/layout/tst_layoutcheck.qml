import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import "../common"
import "../common/pagetest.js" as T
import "layoutcheck.js" as Layout

// The layout check itself (layoutcheck.js), on small scenes with one fault
// each: every kind of fault is found and named, and a scene without one
// gives nothing, so that the pages' checks cannot pass by finding nothing.
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

        function root() {
            var r = idWindow
            while (r.parent)
                r = r.parent
            return r
        }

        // The findings under the window for scene (QML items in an Item).
        function findings(scene, options) {
            createTemporaryQmlObject(imports + "Item { width: 400; height: 650; " + scene + " }",
                                     idWindow)
            waitForRendering(idWindow)
            return Layout.problems(root(), idWindow.width, idWindow.height, options)
        }

        // expect: [kind, text] for each finding: it starts with kind and
        // names the text.
        function test_findings_data() {
            var cut = "Text { width: 30; text: \"" + longText + "\"; elide: Text.Elide"
            return [
                { tag: "nothing wrong", expect: [],
                  scene: "Text { x: 10; y: 10; text: \"Fits\" } Text { x: 10; y: 40; text: \"Fits too\" }" },
                { tag: "cut", scene: cut + "Right }", expect: [["cut:", longText]] },
                { tag: "cut at its end, allowed", scene: cut + "Right }", mayCut: [longText], expect: [] },
                { tag: "cut in the middle, allowed at the end", scene: cut + "Middle }",
                  mayCut: [longText], expect: [["cut:", longText]] },
                { tag: "wider than its box", scene: "Text { width: 30; text: \"" + longText + "\" }",
                  expect: [["wider than its box:", longText]] },
                { tag: "outside the window", scene: "Text { x: 380; text: \"Past the edge\" }",
                  expect: [["outside the window:", "Past the edge"]] },
                { tag: "hidden by its clip",
                  scene: "Item { width: 30; height: 30; clip: true; Text { text: \"" + longText + "\" } }",
                  expect: [["hidden by its clip:", longText]] },
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
                { tag: "Chinese in English", scene: "Text { text: \"中文\" }", english: true,
                  expect: [["not in English:", "中文"]] },
                { tag: "Chinese in Chinese", scene: "Text { text: \"中文\" }", english: false, expect: [] }
            ]
        }
        function test_findings(data) {
            var found = findings(data.scene, { english: data.english === true, mayCut: data.mayCut })
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
            var found = Layout.problems(root(), idWindow.width, idWindow.height, {})
            compare(found.length, 1, found.join("\n"))
            verify(found[0].indexOf("\"In the popup\"") >= 0 && found[0].indexOf("\"Also in the popup\"") >= 0,
                   found[0])
        }
    }
}
