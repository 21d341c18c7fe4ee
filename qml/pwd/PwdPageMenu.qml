import QtQuick 2.12
import "qrc:/widgets"

// The drop-down menu of the passwords tab.
PageMenu {
    id: idRoot

    signal menuAddCategory()
    signal menuAddPassword()
    signal menuScanCode()

    function triggerAddPassword() {
        menuAddPassword()
    }

    items: [{
            "text": qsTr("添加分类"),
            "icon": "qrc:/img/pwd/newBox.png",
            "iconDark": "qrc:/img/pwd/newBox_dark.png"
        }, {
            "text": qsTr("添加密码"),
            "icon": "qrc:/img/pwd/newPwd.png",
            "iconDark": "qrc:/img/pwd/newPwd_dark.png"
        }, {
            "text": qsTr("扫一扫"),
            "icon": "qrc:/img/pwd/scanCode.png",
            "iconDark": "qrc:/img/pwd/scanCode_dark.png"
        }]

    onTriggered: {
        if (index === 0)
            menuAddCategory()
        else if (index === 1)
            menuAddPassword()
        else
            menuScanCode()
    }
}
