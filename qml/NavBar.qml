import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The bottom navigation bar: the passwords, notes and settings tabs; a tap
// reports the tab's index, also when it is the current one.
Rectangle {
    id: idNavBar
    color: Theme.navbarColor
    implicitWidth: 30
    implicitHeight: idColumn.implicitHeight

    signal pageIndexChanged(int idx)

    readonly property alias homeButton: idBtnHome
    readonly property alias noteButton: idBtnNote
    readonly property alias settingButton: idBtnSetting

    function updateNavButton(btn) {
        idBtnHome.checked = false
        idBtnNote.checked = false
        idBtnSetting.checked = false
        btn.checked = true
        pageIndexChanged(btn.pageIdx)
    }

    Column {
        id: idColumn
        spacing: 0
        width: parent.width

        ZVPixelLine {
            width: parent.width
            color: Theme.navbarBorderColor
        }

        Row {
            id: idRow
            spacing: 0
            width: parent.width

            NavButton {
                id: idBtnHome
                objectName: "navBtnHome"
                width: idRow.width / 3
                pageIdx: 0
                text: qsTr("密码")
                imgSource: "qrc:/img/pwd/navBtn.png"
                imgHiSource: "qrc:/img/pwd/navBtnHi.png"
                checked: true
                onClicked: idNavBar.updateNavButton(idBtnHome)
            }
            NavButton {
                id: idBtnNote
                objectName: "navBtnNote"
                width: idRow.width / 3
                pageIdx: 1
                text: qsTr("便签")
                imgSource: "qrc:/img/note/navBtn.png"
                imgHiSource: "qrc:/img/note/navBtnHi.png"
                checked: false
                onClicked: idNavBar.updateNavButton(idBtnNote)
            }
            NavButton {
                id: idBtnSetting
                objectName: "navBtnSetting"
                width: idRow.width / 3
                pageIdx: 2
                text: qsTr("设置")
                imgSource: "qrc:/img/setting/navBtn.png"
                imgHiSource: "qrc:/img/setting/navBtnHi.png"
                checked: false
                onClicked: idNavBar.updateNavButton(idBtnSetting)
            }
        }

        ZVHomeIndicator {
        }
    }
}
