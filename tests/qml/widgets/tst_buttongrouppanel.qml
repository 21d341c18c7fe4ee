import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/pubfun.js" as Pubfun
import "../common"

// ButtonGroupPanel: layout and the plain, button, switch and edit rows.
Item {
    id: idRoot
    width: 400
    height: 650

    Component {
        id: idPanelComponent
        ButtonGroupPanel {
            width: idRoot.width
        }
    }

    Component {
        id: idSpyComponent
        SignalSpy { signalName: "itemClicked" }
    }

    KeyloftTestCase {
        id: idCase
        name: "ButtonGroupPanel"
        when: windowShown

        property var panel: null
        property var spy: null

        function makePanel(model, parentItem) {
            panel = createTemporaryObject(idPanelComponent, parentItem || idRoot,
                                          { panelModel: model })
            verify(panel)
            spy = createTemporaryObject(idSpyComponent, idCase, { target: panel })
            return panel
        }

        function row(i) {
            var r = findChild(panel, "row" + i)
            verify(r, "row " + i)
            return r
        }

        function part(i, name) {
            var p = findChild(row(i), name)
            verify(p, name + " of row " + i)
            return p
        }

        function test_layout() {
            makePanel([{ text: "一" }, { text: "二" }, { text: "三" }])
            var u = Util.unitHeight
            compare(panel.height, 3 * 5 * u + 2 + 2)
            compare(row(1).mapToItem(panel, 0, 0).y, 1 + 5 * u + 1)
            compare(panel.leftIndent, 2 * u)
            panel.showIcon = true
            compare(panel.leftIndent, Math.ceil(6.4 * u))
        }

        function test_plainRows() {
            var model = [
                { text: "登录密码", forwardText: "已设置" },
                { text: "不可用", disabled: true }
            ]
            makePanel(model)
            waitForRendering(panel)
            mousePress(row(0))
            compare(panel.highlightedIndex, 0)
            mouseRelease(row(0))
            compare(panel.highlightedIndex, -1)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], 0)
            compare(spy.signalArguments[0][1], model[0])
            // A disabled row neither highlights nor emits.
            mousePress(row(1))
            compare(panel.highlightedIndex, -1)
            mouseRelease(row(1))
            compare(spy.count, 1)
        }

        function test_buttonRows_data() {
            return [ { tag: "enabled", disabled: false, clicks: 1 },
                     { tag: "disabled", disabled: true, clicks: 0 } ]
        }
        function test_buttonRows(data) {
            var model = [{ text: "云备份", buttonText: "立即备份", disabled: data.disabled }]
            makePanel(model)
            waitForRendering(panel)
            var button = part(0, "buttonText")
            verify(button.visible)
            verify(!part(0, "forward").visible)
            // The row's body ignores taps and does not highlight.
            mousePress(row(0), 5, row(0).height / 2)
            compare(panel.highlightedIndex, -1)
            mouseRelease(row(0), 5, row(0).height / 2)
            compare(spy.count, 0)
            mousePress(button)
            compare(button.opacity, data.disabled ? 1 : 0.5)
            mouseRelease(button)
            compare(spy.count, data.clicks)
            if (data.clicks)
                compare(spy.signalArguments[0][0], 0)
        }

        function test_switchRowEmitsWithNewState() {
            var model = [{ text: "空" }, { text: "夜间模式", switchButton: "off" }]
            makePanel(model)
            waitForRendering(panel)
            var sw = part(1, "switch")
            verify(sw.visible)
            compare(sw.checked, false)
            var stateAtSignal = []
            var handler = function(idx, entry) { stateAtSignal.push(entry.switchButton) }
            panel.itemClicked.connect(handler)
            mouseClick(sw)
            mouseClick(sw)
            panel.itemClicked.disconnect(handler)
            compare(JSON.stringify(stateAtSignal), JSON.stringify(["on", "off"]))
            compare(spy.signalArguments[0][0], 1)
            compare(spy.signalArguments[0][1], model[1])
            compare(model[1].switchButton, "off")
        }

        function test_editRowWritesTextAndEmitsNothing() {
            var model = [
                { text: "名称", editText: "旧", placeholderText: "必填", forwardText: "不显示" },
                { text: "端口", editText: "", editValidator: /[0-9]*/ }
            ]
            makePanel(model)
            waitForRendering(panel)
            var edit = part(0, "edit")
            verify(edit.visible)
            compare(edit.text, "旧")
            compare(edit.placeholderText, "必填")
            // An entry with both editText and forwardText has no forward part.
            verify(!part(0, "forward").visible)
            mouseClick(edit)
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_X)
            compare(model[0].editText, "旧x")
            compare(spy.count, 0)
            // The validator applies to what is typed.
            mouseClick(part(1, "edit"))
            keyClick(Qt.Key_Q)
            keyClick(Qt.Key_8)
            compare(model[1].editText, "8")
            compare(spy.count, 0)
        }

        function test_updateItemRereadsEntries() {
            var model = [
                { text: "一", forwardText: "甲" },
                { text: "二", switchButton: "off" },
                { text: "三", editText: "丙" }
            ]
            makePanel(model)
            waitForRendering(panel)
            model[0].text = "壹"
            delete model[0].forwardText
            model[0].hideIndicator = true
            model[1].switchButton = "on"
            model[2].editText = "丁"
            model[2].placeholderText = "请输入"
            // Only the named row is refreshed ...
            panel.updateItem(0)
            compare(part(0, "label").text, "壹")
            verify(!part(0, "forward").visible)
            compare(part(1, "switch").checked, false)
            // ... without argument every row is.
            panel.updateItem()
            compare(part(1, "switch").checked, true)
            compare(part(2, "edit").text, "丁")
            compare(part(2, "edit").placeholderText, "请输入")
            // A row that loses its button text becomes a plain row.
            model[1] = { text: "二", buttonText: "去设置", buttonTextColor: Theme.textRedColor }
            panel.updateItem(1)
            verify(!part(1, "switch").visible)
            verify(part(1, "buttonText").visible)
            compare(String(part(1, "buttonText").color), String(Theme.textRedColor))
        }

        // A value too long for its row is elided at its end and gives the
        // room to the label; a label wider than half the row gives way too.
        function test_longValuesGiveWay() {
            var value = "DESKTOP-7Q4K2M9-ThinkPad-X1-Carbon-Gen-11-of-the-third-floor"
            makePanel([
                { text: "设备名称", forwardText: value },
                { text: "The name this computer shows to the other devices", forwardText: value,
                  hideIndicator: true },
                { text: "版本", forwardText: "2.1" }
            ])
            var u = Util.unitHeight
            tryVerify(function() { return part(0, "forwardText").truncated })
            for (var i = 0; i < 2; ++i) {
                var label = part(i, "label")
                var forward = part(i, "forward")
                var labelEnd = label.mapToItem(row(i), label.width, 0).x
                var forwardStart = forward.mapToItem(row(i), 0, 0).x
                verify(part(i, "forwardText").truncated, "row " + i)
                verify(labelEnd <= forwardStart, "row " + i)
                compare(forwardStart + forward.width, row(i).width - 2 * u)
            }
            verify(!part(0, "label").truncated)
            verify(part(0, "label").width >= part(0, "label").implicitWidth)
            verify(part(1, "label").truncated)
            verify(part(1, "label").width >= (row(1).width - 4 * u) / 2 - 1)
            // The arrow keeps its size.
            compare(part(0, "forward").width,
                    part(0, "forwardText").width + Math.ceil(0.5 * u) + u)
            verify(!part(2, "label").truncated)
            verify(!part(2, "forwardText").truncated)
        }

        // Texts of 10 MB (as a web site or the cloud service may send):
        // the rows are built at once and show them cut, elided as before.
        function test_hugeTextsCut() {
            var huge = new Array(10000001).join("x")
            var start = Date.now()
            makePanel([
                { text: huge, forwardText: huge },
                { text: "按钮", buttonText: huge },
                { editText: "", placeholderText: huge }
            ])
            var cut = huge.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…"
            compare(part(0, "label").text, cut)
            compare(part(0, "forwardText").text, cut)
            compare(part(1, "buttonText").text, cut)
            compare(part(2, "edit").placeholderText, cut)
            verify(Date.now() - start < 2000 * timeScale, (Date.now() - start) + " ms")
            tryVerify(function() { return part(0, "label").truncated && part(0, "forwardText").truncated })
        }

        function test_rowsOnAPageShownLater() {
            // Pages and popups build their panels while hidden.
            var page = createTemporaryQmlObject("import QtQuick 2.12; Item { visible: false }", idRoot)
            makePanel([{ text: "登录密码", forwardText: "已设置" }, { text: "关于" }], page)
            page.visible = true
            verify(part(0, "label").visible)
            verify(part(0, "forward").visible)
            verify(part(0, "forwardText").visible)
            verify(part(1, "forward").visible)
            verify(!part(1, "forwardText").visible)
        }
    }
}
