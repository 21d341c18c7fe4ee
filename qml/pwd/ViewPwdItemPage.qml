import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import ZV.OPTClient 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Bottom sheet "查看密码": one entry read-only, with copy buttons and the
// live one-time code.
SheetPage {
    id: idRoot

    title: qsTr("查看密码")
    headHeight: Util.unitHeight * 6

    property int pwdItemId: 0
    property int viewIndex: 0

    signal editButtonClicked()

    property var __item: null
    property var __box: null
    property string __password: ""
    property string __note: ""
    property string __pwdTitle: ""

    function switchTotpPassword() {
        if (idOptClient.url !== "") {
            viewIndex = 1
            idOptClient.start()
        } else {
            viewIndex = 0
        }
        __pwdTitle = viewIndex === 1 ? qsTr("令牌") : qsTr("密码")
    }

    function __copy(text) {
        Util.clipboardText = text
        showMsg(qsTr("已复制"))
    }

    function __decrypt(text) {
        if (!text)
            return ""
        return __item.securityLevel !== 0 ? Encryptor.aesDecrypt(DB.pinCode, text) : text
    }

    onAboutToShow: {
        __item = DB.getPwdItem(pwdItemId)
        if (!__item)
            return
        __box = DB.getPwdBox(__item.boxId)
        __password = __decrypt(__item.password)
        __note = __decrypt(__item.note)
        idOptClient.url = ""
        if (__item.otpUrl)
            idOptClient.url = __decrypt(__item.otpUrl)
        switchTotpPassword()
    }

    onAboutToHide: {
        if (idOptClient.url !== "")
            idOptClient.stop()
    }

    OPTClient {
        id: idOptClient
        objectName: "viewOptClient"
    }

    ColumnLayout {
        width: parent.width
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: idBody.implicitHeight
            color: Theme.popupColor

            ColumnLayout {
                id: idBody
                width: parent.width
                spacing: 0

                TitledRow {
                    title: qsTr("安全")
                    ZVText {
                        objectName: "levelText"
                        text: idRoot.__item && idRoot.__item.securityLevel !== 0 ? qsTr("机密")
                                                                                 : qsTr("普通")
                        color: idRoot.__item && idRoot.__item.securityLevel !== 0
                               ? Theme.textYellowColor : Theme.textGreenColor
                    }
                }
                CategoryRow {
                    box: idRoot.__box
                    chooseButton: false
                }
                TitledRow {
                    title: qsTr("图标")
                    Image {
                        Layout.preferredWidth: Util.unitHeight * 3
                        Layout.preferredHeight: Util.unitHeight * 3
                        source: idRoot.__item ? Icon.getIconUrl(idRoot.__item.iconId) : ""
                    }
                }
                TitledRow {
                    title: qsTr("标签")
                    ZVText {
                        objectName: "labelText"
                        Layout.fillWidth: true
                        text: idRoot.__item ? idRoot.__item.label : ""
                        elide: Text.ElideRight
                    }
                }
                TitledRow {
                    title: qsTr("账号")
                    ZVText {
                        id: idAccountText
                        objectName: "accountText"
                        Layout.fillWidth: true
                        text: idRoot.__item ? idRoot.__item.account : ""
                        elide: Text.ElideRight
                    }
                    TxtButton {
                        objectName: "copyAccountButton"
                        text: qsTr("复制")
                        onClicked: idRoot.__copy(idAccountText.text)
                    }
                }
                TitledRow {
                    id: idPwdRow
                    objectName: "pwdRow"
                    title: idRoot.__pwdTitle
                    ZVText {
                        objectName: "pwdText"
                        visible: idRoot.viewIndex === 0
                        Layout.fillWidth: true
                        text: idRoot.__password
                        elide: Text.ElideRight
                    }
                    OtpCode {
                        id: idOtpCode
                        visible: idRoot.viewIndex === 1
                        spacing: parent.spacing
                        codePointSize: Util.relativeFontPoint(2)
                        client: idOptClient
                        onRingDoubleClicked: idRoot.viewIndex = 0
                    }
                    Item {
                        visible: idRoot.viewIndex === 1
                        Layout.fillWidth: true
                    }
                    TxtButton {
                        objectName: "copyPwdButton"
                        text: qsTr("复制")
                        onClicked: idRoot.__copy(idRoot.viewIndex === 1 ? idOtpCode.code
                                                                        : idRoot.__password)
                    }
                }
                TitledRow {
                    title: qsTr("备注")
                    ZVText {
                        objectName: "noteText"
                        Layout.fillWidth: true
                        text: idRoot.__note
                        elide: Text.ElideRight
                    }
                    TxtButton {
                        objectName: "copyNoteButton"
                        text: qsTr("复制")
                        onClicked: idRoot.__copy(idRoot.__note)
                    }
                }

                LineTxtButton {
                    objectName: "editButton"
                    Layout.fillWidth: true
                    Layout.margins: Util.unitHeight * 2
                    text: qsTr("编辑")
                    bkgnHiColor: Theme.buttonBlueHiColor
                    onClicked: {
                        idRoot.close()
                        idRoot.editButtonClicked()
                    }
                }
            }
        }
    }
}
