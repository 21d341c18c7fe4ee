import QtQuick 2.12
import QtQuick.Window 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "pixels.js" as Pixels
import "../common"

// Screenshots of the widget library in both palettes, saved as PNGs into
// testArtifactDir for people to look at. What is checked is only what can
// be measured: the saved images' sizes and the colours of a few pixels,
// which must be the current Theme colours.
Item {
    id: idRoot
    width: 400
    height: 650

    readonly property int u: Util.unitHeight

    // Page 1: the everyday widgets on the page background.
    Rectangle {
        id: idWidgetsPage
        anchors.fill: parent
        color: Theme.pageColor
        visible: false

        Column {
            width: parent.width
            spacing: u

            TitleBar {
                id: idTitleBar
                width: parent.width
                text: "控件一览"
                returnText: "返回"
                haveReturnButton: true
                haveMenuButton: true
            }

            Row {
                x: 2 * u
                spacing: u
                TxtButton { anchors.verticalCenter: parent.verticalCenter; text: "复制" }
                LineTxtButton { width: 12 * u; text: "保存" }
                LnkButton {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "忘记密码"
                    color: Theme.textBlueColor
                }
                CloseButton { anchors.verticalCenter: parent.verticalCenter }
            }

            PageButton { width: parent.width; text: "退出登录"; color: Theme.textRedColor }

            LineEdit {
                x: 2 * u
                width: parent.width - 4 * u
                showBorder: true
                text: "someone@example.com"
            }

            LineEdit {
                x: 2 * u
                width: parent.width - 4 * u
                showBorder: true
                placeholderText: "请输入名称"
            }

            Row {
                x: 2 * u
                spacing: 2 * u
                ZVSwitch { id: idSwitchOn; checked: true }
                ZVSwitch { id: idSwitchOff; checked: false }
                ChkButton { text: "记住密码"; checked: true }
                ChkButton { text: "自动锁定" }
            }

            Row {
                x: 2 * u
                spacing: 2 * u
                RdoButton { anchors.verticalCenter: parent.verticalCenter; text: "数字"; checked: true }
                RdoButton { anchors.verticalCenter: parent.verticalCenter; text: "字母" }
                NumSlider { anchors.verticalCenter: parent.verticalCenter; width: 16 * u; value: 12 }
            }

            ButtonGroupPanel {
                id: idPanel
                width: parent.width
                showIcon: true
                panelModel: [
                    { icon: "qrc:/img/appicon/01.png", text: "登录密码", forwardText: "已设置" },
                    { icon: "qrc:/img/appicon/13.png", text: "夜间模式", switchButton: "on" },
                    { icon: "qrc:/img/appicon/22.png", text: "名称", editText: "工作邮箱" },
                    { icon: "qrc:/img/appicon/14.png", text: "云备份", buttonText: "立即备份" },
                    { icon: "qrc:/img/appicon/15.png", text: "不可用的行", disabled: true,
                      textColor: Theme.textColor4, hideIndicator: true }
                ]
            }

            Row {
                x: 2 * u
                spacing: u
                ZVTotpProgressBar {
                    id: idRing
                    radius: 2 * u
                    progress: 120
                    text: "20"
                }
                Repeater {
                    id: idIcons
                    model: ["all", "uncateg", "06", "11", "17", "33"]
                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 4 * u
                        height: width
                        source: "qrc:/img/appicon/" + modelData + ".png"
                        mipmap: true
                    }
                }
            }
        }
    }

    // Page 2: the password keypad as the login page draws it.
    Rectangle {
        id: idPwdPage
        anchors.fill: parent
        color: Theme.appBarColor
        visible: false

        PwdInput {
            id: idPwdInput
            anchors.centerIn: parent
            buttonColor: Theme.textWhiteColor
            buttonColorHi: Theme.appBarColor
        }

        LnkButton {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            text: "忘记密码"
        }
    }

    // Page 3: the PIN keypad on a popup body.
    Rectangle {
        id: idPinPage
        anchors.fill: parent
        color: Theme.popupColor
        visible: false

        PopupBar {
            id: idPinBar
            width: parent.width
            CloseButton {
                anchors.left: parent.left
                anchors.leftMargin: 2 * u
                anchors.verticalCenter: parent.verticalCenter
            }
            ZVText {
                anchors.centerIn: parent
                text: "输入PIN码"
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        PinInput {
            id: idPinInput
            anchors.horizontalCenter: parent.horizontalCenter
            y: idPinBar.height + 6 * u
        }
    }

    QuestionDialog {
        id: idDialog
        title: "删除分类"
        msg: "分类中的密码将移到“未分类”。"
        acceptButtonText: "删除"
        acceptButtonWarning: true
    }

    // The toast centres itself in its parent: the lower part of the screen.
    Item {
        id: idToastArea
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 10 * u
        PopupMsg {
            id: idToast
            msg: "已复制到剪贴板"
        }
    }

    BottomPopupMenu {
        id: idSheet
        menuItems: [
            { text: "编辑", color: Theme.menuTextColor },
            { text: "移动到", color: Theme.menuTextColor },
            { text: "删除", color: Theme.textRedColor }
        ]
    }

    IconChoosePage {
        id: idIconPage
        currentIconId: 8
    }

    Image {
        id: idSaved
        visible: false
        cache: false
        asynchronous: false
    }

    KeyloftTestCase {
        id: idCase
        name: "Screens"
        when: windowShown

        readonly property var pages: [idWidgetsPage, idPwdPage, idPinPage]

        function cleanup() {
            idDialog.close()
            idToast.close()
            idSheet.close()
            idIconPage.close()
            tryVerify(function() {
                return !idDialog.visible && !idToast.visible && !idSheet.visible
                        && !idIconPage.visible
            })
            Theme.enableDarkMode(false)
        }

        function showPage(page) {
            for (var i = 0; i < pages.length; ++i)
                pages[i].visible = pages[i] === page
        }

        // Waits until two grabs in a row are the same picture (canvases
        // painted, transitions over) and returns the last one.
        function settled() {
            var last = grabImage(idRoot)
            var image = null
            tryVerify(function() {
                wait(50)
                image = grabImage(idRoot)
                var same = image.equals(last)
                last = image
                return same
            }, 5000, "the screen keeps changing")
            return image
        }

        // Saves the whole window (pages and open popups) as NAME.png.
        function shoot(name) {
            if (!testArtifactDir) {
                warn("KEYLOFT_ARTIFACT_DIR not set: " + name + " not saved")
                return
            }
            var path = testArtifactDir + "/" + name + ".png"
            var target = idRoot.Window.contentItem
            var saved = null
            verify(target.grabToImage(function(result) { saved = result.saveToFile(path) }))
            tryVerify(function() { return saved !== null }, 5000)
            verify(saved, "cannot write " + path)
            idSaved.source = ""
            idSaved.source = "file://" + path
            compare(idSaved.status, Image.Ready, path)
            var dpr = Screen.devicePixelRatio
            compare(idSaved.sourceSize.width, Math.round(target.width * dpr))
            compare(idSaved.sourceSize.height, Math.round(target.height * dpr))
        }

        function checkPixel(image, item, x, y, expected, what) {
            Pixels.check(idCase, image, idRoot, item, x, y, expected, what)
        }

        function dimmed(c) {
            return Pixels.blend("black", Theme.overlayOpacity, c)
        }

        function modes() {
            return [ { tag: "light", dark: false }, { tag: "dark", dark: true } ]
        }

        function test_widgets_data() { return modes() }
        function test_widgets(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idWidgetsPage)
            for (var i = 0; i < idIcons.count; ++i)
                tryCompare(idIcons.itemAt(i), "status", Image.Ready)
            var image = settled()
            shoot(data.tag + "-widgets")
            checkPixel(image, idTitleBar, 3, 3, Theme.appBarColor, "title bar")
            checkPixel(image, idPanel, idPanel.width - 3, -3, Theme.pageColor, "page")
            checkPixel(image, idPanel, idPanel.width - 3, 10, Theme.pageBoxColor, "panel row")
            checkPixel(image, idSwitchOn, 6, idSwitchOn.height / 2, Theme.switchOnColor, "switch on")
            checkPixel(image, idSwitchOn, idSwitchOn.width - idSwitchOn.height / 2,
                       idSwitchOn.height / 2, Theme.textWhiteColor, "switch knob")
            checkPixel(image, idSwitchOff, idSwitchOff.width - 6, idSwitchOff.height / 2,
                       Theme.switchOffColor, "switch off")
            // A third of the period gone: twelve to four o'clock is painted
            // over, the rest of the ring is still green.
            var c = idRing.width / 2
            checkPixel(image, idRing, c - idRing.radius, c, Theme.buttonGreenColor, "ring left")
            checkPixel(image, idRing, c + idRing.radius, c, Theme.popupColor, "ring right")
        }

        function test_pwdKeypad_data() { return modes() }
        function test_pwdKeypad(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idPwdPage)
            idPwdInput.reset()
            var echo = findChild(idPwdInput, "echo")
            mouseClick(findChild(idPwdInput, "key4"))
            mouseClick(findChild(idPwdInput, "key2"))
            compare(echo.pwdStr, "42")
            var image = settled()
            shoot(data.tag + "-pwdpad")
            checkPixel(image, idPwdPage, 3, 3, Theme.appBarColor, "page")
            var r = echo.echoSize / 2, b = echo.borderWidth
            checkPixel(image, echo, b + r, b + r, Theme.textWhiteColor, "first mark filled")
            checkPixel(image, echo, 10 * r + b + r, b + r, Theme.appBarColor, "sixth mark empty")
        }

        function test_pinKeypad_data() { return modes() }
        function test_pinKeypad(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idPinPage)
            idPinInput.visible = false
            idPinInput.visible = true
            var echo = findChild(idPinInput, "echo")
            mouseClick(findChild(idPinInput, "key7"))
            mouseClick(findChild(idPinInput, "key0"))
            mouseClick(findChild(idPinInput, "key3"))
            compare(echo.pwdStr, "703")
            var image = settled()
            shoot(data.tag + "-pinpad")
            var h = echo.height
            checkPixel(image, idPinBar, idPinBar.width / 2, 2, Theme.popupBarColor, "head bar")
            checkPixel(image, echo, 0, h / 2, Theme.buttonBlueColor, "echo outline")
            checkPixel(image, echo, h / 2, h / 2, Theme.buttonBlueColor, "first dot")
            checkPixel(image, echo, 4.5 * h, h / 2, Theme.popupColor, "fifth cell empty")
        }

        function test_dialogAndToast_data() { return modes() }
        function test_dialogAndToast(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idWidgetsPage)
            idDialog.open()
            tryCompare(idDialog, "opened", true)
            var beneath = settled()
            idToast.autoClose = false
            idToast.open()
            tryCompare(idToast, "opened", true)
            var image = settled()
            shoot(data.tag + "-dialog")
            var box = findChild(idDialog.contentItem, "dialogBox")
            checkPixel(image, box, 4, box.height / 2, Theme.dialogColor, "dialog box")
            checkPixel(image, idRoot, 3, idTitleBar.height + 3, dimmed(Theme.pageColor),
                       "page under the dialog")
            // The toast is drawn in the other palette's dialog colour at 0.8.
            var other = Theme.darkMode ? Theme.whiteTheme : Theme.darkTheme
            var p = idToast.background.mapToItem(idRoot, idToast.width / 2, 2)
            checkPixel(image, idRoot, p.x, p.y,
                       Pixels.blend(other.dialogColor, 0.8, beneath.pixel(Math.floor(p.x), Math.floor(p.y))),
                       "toast")
        }

        function test_actionSheet_data() { return modes() }
        function test_actionSheet(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idWidgetsPage)
            idSheet.open()
            tryCompare(idSheet, "opened", true)
            tryCompare(idSheet, "position", 1)
            var image = settled()
            shoot(data.tag + "-sheet")
            var cancel = findChild(idSheet.contentItem, "menuCancel")
            checkPixel(image, cancel, u, 3, Theme.menuColor, "cancel row")
            checkPixel(image, idRoot, 3, idTitleBar.height + 3, dimmed(Theme.pageColor),
                       "page under the sheet")
        }

        function test_iconChooser_data() { return modes() }
        function test_iconChooser(data) {
            Theme.enableDarkMode(data.dark)
            showPage(idWidgetsPage)
            idIconPage.open()
            tryCompare(idIconPage, "opened", true)
            tryCompare(idIconPage, "position", 1)
            var grid = findChild(idIconPage.contentItem, "iconGrid")
            var image = settled()
            shoot(data.tag + "-icons")
            var cell = grid.itemAtIndex(7)
            checkPixel(image, cell, 2, 2, Theme.pageBoxHiColor, "current cell")
            checkPixel(image, grid.itemAtIndex(8), 2, 2, Theme.popupColor, "other cell")
            var done = findChild(idIconPage.contentItem, "doneButton")
            checkPixel(image, done, u, 3, Theme.buttonBlueColor, "done button")
        }
    }
}
