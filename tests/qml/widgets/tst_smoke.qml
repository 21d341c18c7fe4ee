import QtQuick 2.12
import QtTest 1.12
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "qrc:/Widgets2/ViewItem"
import "../common"

// Every component of the library can be created and has a sensible size.
KeyloftTestCase {
    id: idCase
    name: "WidgetSmoke"
    width: 400
    height: 600
    visible: true
    when: windowShown

    property var names: ["ZVText", "ZVPixelLine", "ZVHomeIndicator", "TxtButton", "LnkButton",
        "LineTxtButton", "DlgButton", "PageButton", "IconButton", "PlusButton", "CloseButton",
        "ReturnButton", "NavButton", "ChkButton", "RdoButton", "ZVSwitch", "LineEdit",
        "NumSlider", "ButtonGroupPanel", "PageMenuItem", "TitleBar", "ProgressTitleBar",
        "MyPageIndicator", "MyProgressBar", "SuccessfulAnimation", "ZVTotpProgressBar",
        "AdSwipeWidget"]

    function test_createAll() {
        for (var i = 0; i < names.length; ++i) {
            var c = Qt.createComponent("qrc:/widgets/" + names[i] + ".qml")
            compare(c.status, Component.Ready, names[i] + ": " + c.errorString())
            var o = createTemporaryObject(c, idCase)
            verify(o, names[i])
        }
        var others = ["qrc:/Widgets2/Panel/SpacingLinePanel.qml", "qrc:/Widgets2/Panel/PopupBar.qml",
                      "qrc:/Widgets2/ViewItem/ChooseListViewItem.qml"]
        for (var j = 0; j < others.length; ++j) {
            var c2 = Qt.createComponent(others[j])
            compare(c2.status, Component.Ready, others[j] + ": " + c2.errorString())
            verify(createTemporaryObject(c2, idCase), others[j])
        }
    }
}
