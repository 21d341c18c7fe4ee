import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "../common"

// The bottom sheets, the icon chooser, the one-use prompt and the busy indicator.
Item {
    id: idRoot
    width: 400
    height: 650

    BottomPopupMenu { id: idSheet }
    SignalSpy { id: idTriggered; target: idSheet; signalName: "menuTriggered" }

    IconChoosePage { id: idIcons; currentIconId: 5 }
    SignalSpy { id: idIconAccepted; target: idIcons; signalName: "accepted" }

    PromptMenu { id: idPrompt; x: 100; y: 100 }

    // A sheet on the shared frame with two body items.
    SheetPage {
        id: idFramed
        title: "框架"
        Rectangle { objectName: "firstBody"; width: parent.width; height: 40; color: "red" }
        Rectangle { objectName: "secondBody"; width: parent.width; height: 60; color: "blue" }
    }

    MyBusyIndicator { id: idBusy }

    AppSharePopupMenu { id: idShare }

    // A popup that takes the keys without being modal (as the lock screen
    // once did).
    Popup {
        id: idKeyTaker
        focus: true
        modal: false
        closePolicy: Popup.NoAutoClose
        width: 10
        height: 10
    }

    KeyloftTestCase {
        id: idCase
        name: "Sheets"
        when: windowShown

        function init() {
            idTriggered.clear()
            idIconAccepted.clear()
        }

        function openSheet(items) {
            idSheet.menuItems = []
            idSheet.menuItems = items
            idSheet.open()
            tryCompare(idSheet, "opened", true)
            tryCompare(idSheet, "position", 1)
        }

        function row(i) {
            var r = findChild(idSheet.contentItem, "menuRow" + i)
            verify(r, "row " + i)
            return r
        }

        function test_sheetReportsLastEqualText_data() {
            return [
                { tag: "first of two equal", row: 0, index: 2 },
                { tag: "last of two equal", row: 2, index: 2 },
                { tag: "unique", row: 1, index: 1 }
            ]
        }
        function test_sheetReportsLastEqualText(data) {
            var items = [
                { text: "编辑", color: Theme.menuTextColor },
                { text: "移动", color: Theme.menuTextColor },
                { text: "编辑", color: Theme.textRedColor }
            ]
            openSheet(items)
            mouseClick(row(data.row))
            tryCompare(idSheet, "visible", false)
            compare(idTriggered.count, 1)
            compare(idTriggered.signalArguments[0][0], data.index)
            compare(idTriggered.signalArguments[0][1], items[data.index])
        }

        function test_sheetCancelAndEscape() {
            openSheet([{ text: "删除", color: Theme.textRedColor }])
            var cancel = findChild(idSheet.contentItem, "menuCancel")
            // The sheet sits at the bottom, its cancel row u above the edge.
            var bottom = cancel.mapToItem(idRoot, 0, cancel.height).y
            compare(Math.round(bottom), idRoot.height - Util.unitHeight)
            mouseClick(cancel)
            tryCompare(idSheet, "visible", false)
            compare(idTriggered.count, 1)
            compare(idTriggered.signalArguments[0][0], -1)
            compare(idTriggered.signalArguments[0][1], null)
            // A tap beside the rows does not close it; Escape does, silently.
            openSheet([{ text: "删除", color: Theme.textRedColor }])
            mouseClick(idRoot, 5, 5)
            verify(idSheet.visible)
            keyClick(Qt.Key_Escape)
            tryCompare(idSheet, "visible", false)
            compare(idTriggered.count, 1)
        }

        // The sheets that cannot be dragged close on Escape only while they
        // hold the keys: not while another popup has them.
        function test_escapeOnlyWithTheKeys_data() {
            return [
                { tag: "action sheet", sheet: idSheet },
                { tag: "share sheet", sheet: idShare },
                { tag: "bottom sheet", sheet: idIcons }
            ]
        }
        function test_escapeOnlyWithTheKeys(data) {
            if (data.sheet === idSheet)
                idSheet.menuItems = [{ text: "删除", color: Theme.textRedColor }]
            data.sheet.open()
            tryCompare(data.sheet, "opened", true)
            idKeyTaker.open()
            tryCompare(idKeyTaker, "opened", true)
            verify(!data.sheet.activeFocus)
            keyClick(Qt.Key_Escape)
            verify(data.sheet.opened)
            idKeyTaker.close()
            tryCompare(idKeyTaker, "visible", false)
            tryCompare(data.sheet, "activeFocus", true)
            keyClick(Qt.Key_Escape)
            tryCompare(data.sheet, "visible", false)
        }

        function test_sheetRebuildsRowsAndHighlights() {
            openSheet([{ text: "A", color: Theme.menuTextColor }, { text: "B", color: Theme.menuTextColor }])
            verify(findChild(idSheet.contentItem, "menuRow1"))
            idSheet.menuItems = [{ text: "C", color: Theme.menuTextColor }]
            tryVerify(function() { return findChild(idSheet.contentItem, "menuRow1") === null })
            var r = row(0)
            compare(r.contentItem.text, "C")
            mousePress(r)
            compare(r.parent.parent.highlightedIndex, 0)
            mouseRelease(r)
            compare(r.parent.parent.highlightedIndex, -1)
            tryCompare(idSheet, "visible", false)
            compare(idTriggered.signalArguments[0][0], 0)
        }

        function openIcons() {
            idIcons.open()
            tryCompare(idIcons, "opened", true)
            return findChild(idIcons.contentItem, "iconGrid")
        }

        function test_iconChooser() {
            var grid = openIcons()
            compare(grid.count, 36)
            compare(grid.currentIndex, 4)
            var r = Math.ceil((idRoot.width - 2 * Util.unitHeight) / 6)
            compare(grid.cellHeight, r)
            compare(grid.parent.height, 5 * r + Util.unitHeight)
            // Tap the fourth icon of the second row, then "完成".
            var cell = grid.itemAtIndex(9)
            mouseClick(cell)
            compare(grid.currentIndex, 9)
            compare(String(cell.color), String(Theme.pageBoxHiColor))
            mouseClick(findChild(idIcons.contentItem, "doneButton"))
            tryCompare(idIcons, "visible", false)
            compare(idIcons.currentIconId, 10)
            compare(idIconAccepted.count, 1)

            // An id that is in no entry keeps the previous current cell.
            idIcons.currentIconId = 99
            grid = openIcons()
            compare(grid.currentIndex, 9)
            // Closing without "完成" leaves the id alone and emits nothing.
            mouseClick(grid.itemAtIndex(0))
            mouseClick(findChild(idIcons.contentItem, "closeButton"))
            tryCompare(idIcons, "visible", false)
            compare(idIcons.currentIconId, 99)
            compare(idIconAccepted.count, 1)

            idIcons.currentIconId = 36
            grid = openIcons()
            compare(grid.currentIndex, 35)
            keyClick(Qt.Key_Escape)
            tryCompare(idIcons, "visible", false)
        }

        // The body goes under the head bar in declaration order, the sheet
        // is as high as head, body and spacer, and the close button closes.
        function test_framedSheetLayoutAndClose_data() {
            return [ { tag: "with spacer", spacer: true }, { tag: "without spacer", spacer: false } ]
        }
        function test_framedSheetLayoutAndClose(data) {
            idFramed.homeIndicator = data.spacer
            idFramed.open()
            tryCompare(idFramed, "position", 1)
            var head = idFramed.headBar
            var first = findChild(idFramed.contentItem, "firstBody")
            var second = findChild(idFramed.contentItem, "secondBody")
            compare(findChild(head, "sheetTitle").text, "框架")
            compare(first.mapToItem(head, 0, 0).y, head.height)
            compare(second.mapToItem(head, 0, 0).y, head.height + 40)
            var spacer = data.spacer ? Theme.homeIndicatorHeight : 0
            compare(idFramed.contentItem.height, head.height + 100 + spacer)
            mouseClick(idFramed.closeButton)
            tryCompare(idFramed, "visible", false)
            idFramed.homeIndicator = true
        }

        // showMsg: a plain toast closes by itself, a sticky one stays.
        function test_framedSheetToast() {
            idFramed.open()
            tryCompare(idFramed, "opened", true)
            var toast = idFramed.popupMsg
            idFramed.showMsg("已复制")
            tryCompare(toast, "opened", true)
            compare(toast.msg, "已复制")
            tryCompare(toast, "visible", false, 5000)
            idFramed.showMsg("保存数据失败", true)
            tryCompare(toast, "opened", true)
            tryCompare(toast, "closePolicy", Popup.CloseOnEscape | Popup.CloseOnPressOutside, 5000)
            verify(toast.visible)
            toast.close()
            idFramed.close()
            tryCompare(idFramed, "visible", false)
        }

        function test_promptLockedForTwoSeconds() {
            compare(idPrompt.text, "长按可编辑")
            var started = Date.now()
            idPrompt.open()
            tryCompare(idPrompt, "opened", true)
            mouseClick(idRoot, 5, 600)
            keyClick(Qt.Key_Escape)
            verify(idPrompt.visible)
            // After the lock a press outside closes it.
            tryVerify(function() {
                mouseClick(idRoot, 5, 600)
                return !idPrompt.visible
            }, 6000)
            verify(Date.now() - started >= 2000, "closed after " + (Date.now() - started) + " ms")
            // A tap on the bubble closes it at once.
            idPrompt.open()
            tryCompare(idPrompt, "opened", true)
            mouseClick(findChild(idPrompt.contentItem, "promptText"))
            tryCompare(idPrompt, "visible", false)
        }

        function test_busyIndicatorFollowsRunning() {
            idBusy.running = true
            tryCompare(idBusy, "opened", true)
            keyClick(Qt.Key_Escape)
            mouseClick(idRoot, 5, 5)
            verify(idBusy.visible)
            compare(Math.round(idBusy.x + idBusy.width / 2), idRoot.width / 2)
            idBusy.running = false
            tryCompare(idBusy, "visible", false)
        }
    }
}
