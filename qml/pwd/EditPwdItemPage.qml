import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import ZV.OPTClient 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon
import "qrc:/js/pubfun.js" as Pubfun

// Bottom sheet that creates (pwdItemId 0) or edits a password entry.
SheetPage {
    id: idRoot

    title: qsTr("添加密码")
    headHeight: Util.unitHeight * 6

    property int pwdItemId: 0
    property int currentBoxId: -1
    property int currentIconId: -1
    property string totpUrl: ""
    // 0: password field; 1: live one-time code
    property int viewIndex: 0

    property bool __filling: false
    property var __box: null

    readonly property alias labelText: idLabelEdit.text
    readonly property alias accountText: idAccountEdit.text
    readonly property alias passwordText: idPasswordEdit.text
    readonly property alias noteText: idNoteEdit.text
    readonly property bool confidential: idRdoSecret.checked

    function switchTotpPassword() {
        if (idOptClient.url !== "") {
            viewIndex = 1
            idOptClient.start()
        } else {
            viewIndex = 0
        }
    }

    function __decrypt(text, isConfidential) {
        if (!text)
            return ""
        return isConfidential ? Encryptor.aesDecrypt(DB.pinCode, text) : text
    }

    function __encrypt(text) {
        return idRdoSecret.checked ? Encryptor.aesEncrypt(DB.pinCode, text) : text
    }

    function __refreshBox() {
        __box = DB.getPwdBox(currentBoxId)
    }

    function __setNormal() {
        idRdoNormal.checked = true
    }

    // "机密" clicked: it stays selected only while the PIN key is present and
    // verified. onDone(true) runs when it does.
    function __requestSecret(onDone) {
        idPinKeyRequest.request(function (passed) {
            if (!passed)
                idRoot.__setNormal()
            else if (onDone)
                onDone()
        })
    }

    function __save() {
        if (idAccountEdit.text === "") {
            showMsg(qsTr("请输入账号"))
            return
        }
        if (idPasswordEdit.text === "") {
            showMsg(qsTr("请输入密码"))
            return
        }
        // A confidential entry is encrypted only under a present, verified
        // PIN key; otherwise the PIN is asked for first.
        if (idRdoSecret.checked && !idPinKeyRequest.keyVerified()) {
            __requestSecret(function () {
                idRoot.__save()
            })
            return
        }
        var item
        if (pwdItemId !== 0) {
            item = DB.getPwdItem(pwdItemId)
        } else {
            item = DB.addPwdItem()
            DB.movePwdItemFront(item.id)
        }
        if (!item)
            return
        item.securityLevel = idRdoNormal.checked ? 0 : 1
        item.boxId = currentBoxId
        item.iconId = currentIconId
        item.label = idLabelEdit.text
        item.account = idAccountEdit.text
        item.password = __encrypt(idPasswordEdit.text)
        item.note = __encrypt(idNoteEdit.text)
        item.otpUrl = __encrypt(idOptClient.url)
        // Not written: the store put the vault back; the sheet keeps what
        // was typed for the next try.
        if (!DB.save()) {
            showMsg(qsTr("保存数据失败"), true)
            return
        }
        idRoot.accepted()
        idRoot.close()
    }

    function __acceptSecret() {
        var secret = idSecretDialog.userText
        var label = idAccountEdit.text !== "" ? idAccountEdit.text : "Unknown"
        var url = idOptClient.buildUrl(label, secret)
        if (url !== "" && idOptClient.checkUrl(url)) {
            idAccountEdit.text = label
            idPasswordEdit.text = secret
            idOptClient.url = url
            switchTotpPassword()
        } else {
            showMsg(qsTr("无效的2FA密匙"))
        }
    }

    onAboutToShow: {
        __filling = true
        idOptClient.url = ""
        if (pwdItemId !== 0) {
            var item = DB.getPwdItem(pwdItemId)
            if (item) {
                var isConfidential = item.securityLevel !== 0
                title = qsTr("编辑密码")
                currentBoxId = item.boxId
                currentIconId = item.iconId
                if (isConfidential)
                    idRdoSecret.checked = true
                else
                    idRdoNormal.checked = true
                idLabelEdit.text = item.label
                idAccountEdit.text = item.account
                idPasswordEdit.text = __decrypt(item.password, isConfidential)
                idNoteEdit.text = __decrypt(item.note, isConfidential)
                if (item.otpUrl)
                    idOptClient.url = __decrypt(item.otpUrl, isConfidential)
            }
        } else {
            title = qsTr("添加密码")
            currentIconId = 1
            idRdoNormal.checked = true
            idLabelEdit.text = ""
            idAccountEdit.text = ""
            idPasswordEdit.text = ""
            idNoteEdit.text = ""
            if (totpUrl !== "") {
                idOptClient.url = totpUrl
                totpUrl = ""
                if (idOptClient.issuer !== "")
                    idLabelEdit.text = idOptClient.issuer
                idAccountEdit.text = idOptClient.label
                idPasswordEdit.text = idOptClient.secret
            }
        }
        __refreshBox()
        __filling = false
        interactive = true
        switchTotpPassword()
    }

    onAboutToHide: {
        if (idOptClient.url !== "")
            idOptClient.stop()
    }

    onCurrentBoxIdChanged: {
        __refreshBox()
        if (!__filling)
            interactive = false
    }
    onCurrentIconIdChanged: {
        if (!__filling)
            interactive = false
    }

    function __edited() {
        if (!__filling)
            interactive = false
    }

    OPTClient {
        id: idOptClient
        objectName: "editOptClient"
    }

    ButtonGroup {
        id: idLevelGroup
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
                    RdoButton {
                        id: idRdoNormal
                        objectName: "levelNormal"
                        text: qsTr("普通")
                        checked: true
                        normalColor: Theme.textGreenColor
                        ButtonGroup.group: idLevelGroup
                    }
                    RdoButton {
                        id: idRdoSecret
                        objectName: "levelSecret"
                        text: qsTr("机密")
                        normalColor: Theme.textYellowColor
                        ButtonGroup.group: idLevelGroup
                        onClicked: idRoot.__requestSecret(null)
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                }
                CategoryRow {
                    box: idRoot.__box
                    nameItem.color: Theme.textColor3
                    onChooseClicked: {
                        idBoxChoosePage.currentBoxId = idRoot.currentBoxId
                        idBoxChoosePage.open()
                    }
                }
                TitledRow {
                    title: qsTr("图标")
                    Image {
                        Layout.preferredWidth: Util.unitHeight * 3
                        Layout.preferredHeight: Util.unitHeight * 3
                        source: Icon.getIconUrl(idRoot.currentIconId)
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                    TxtButton {
                        objectName: "chooseIconButton"
                        text: qsTr("选择图标")
                        onClicked: {
                            idIconChoosePage.currentIconId = idRoot.currentIconId
                            idIconChoosePage.open()
                        }
                    }
                }
                TitledRow {
                    title: qsTr("标签")
                    LineEdit {
                        id: idLabelEdit
                        objectName: "labelEdit"
                        submitButton: idSaveButton
                        Layout.fillWidth: true
                        placeholderText: qsTr("选填")
                        onTextChanged: idRoot.__edited()
                    }
                }
                TitledRow {
                    title: qsTr("账号")
                    LineEdit {
                        id: idAccountEdit
                        objectName: "accountEdit"
                        submitButton: idSaveButton
                        Layout.fillWidth: true
                        placeholderText: qsTr("必填")
                        inputMethodHints: Qt.ImhHiddenText
                        onTextChanged: idRoot.__edited()
                    }
                    TxtButton {
                        objectName: "enable2faButton"
                        visible: idRoot.viewIndex === 0
                        text: qsTr("启用2FA")
                        onClicked: {
                            idOtpMenu.menuItems = []
                            idOtpMenu.menuItems = [{
                                                       "text": qsTr("扫二维码"),
                                                       "color": Theme.textBlueColor
                                                   }, {
                                                       "text": qsTr("输入密匙"),
                                                       "color": Theme.textBlueColor
                                                   }]
                            idOtpMenu.open()
                        }
                    }
                }
                TitledRow {
                    title: idRoot.viewIndex === 0 ? qsTr("密码") : qsTr("令牌")
                    LineEdit {
                        id: idPasswordEdit
                        objectName: "passwordEdit"
                        submitButton: idSaveButton
                        visible: idRoot.viewIndex === 0
                        Layout.fillWidth: true
                        placeholderText: qsTr("必填")
                        inputMethodHints: Qt.ImhHiddenText
                        validator: RegExpValidator {
                            regExp: /\S+/
                        }
                        onTextChanged: idRoot.__edited()
                    }
                    TxtButton {
                        objectName: "generateButton"
                        visible: idRoot.viewIndex === 0
                        text: qsTr("自动生成")
                        onClicked: idAutoBuildPwdPage.open()
                    }
                    OtpCode {
                        visible: idRoot.viewIndex === 1
                        spacing: parent.spacing
                        client: idOptClient
                    }
                    Item {
                        visible: idRoot.viewIndex === 1
                        Layout.fillWidth: true
                    }
                }
                TitledRow {
                    title: qsTr("备注")
                    LineEdit {
                        id: idNoteEdit
                        objectName: "noteEdit"
                        submitButton: idSaveButton
                        Layout.fillWidth: true
                        placeholderText: qsTr("选填")
                        onTextChanged: idRoot.__edited()
                    }
                }

                LineTxtButton {
                    id: idSaveButton
                    objectName: "saveButton"
                    Layout.fillWidth: true
                    Layout.margins: Util.unitHeight * 2
                    text: qsTr("完成")
                    bkgnHiColor: Theme.buttonBlueHiColor
                    onClicked: idRoot.__save()
                }

                // Inside the column, so that the sheet keeps sizing itself to it.
                PinKeyRequest {
                    id: idPinKeyRequest
                    objectName: "pwdPinKeyRequest"
                }
            }
        }
    }

    BoxChoosePage {
        id: idBoxChoosePage
        objectName: "boxChoosePage"
        onAccepted: idRoot.currentBoxId = currentBoxId
    }

    IconChoosePage {
        id: idIconChoosePage
        onAccepted: idRoot.currentIconId = currentIconId
    }

    AutoBuildPwdPage {
        id: idAutoBuildPwdPage
        objectName: "autoBuildPwdPage"
        onAccepted: idPasswordEdit.text = pwdStr
    }

    BottomPopupMenu {
        id: idOtpMenu
        objectName: "otpMenu"
        onMenuTriggered: {
            if (itemIdx === 0) {
                // The camera page exists only in the mobile apps.
                idRoot.showMsg(qsTr("请在移动端App中使用此功能"))
            } else if (itemIdx === 1) {
                idSecretDialog.userText = ""
                idSecretDialog.open()
            }
        }
    }

    ZVInputDialog {
        id: idSecretDialog
        objectName: "secretDialog"
        msg: qsTr("输入2FA密匙：")
        inputValidator: RegExpValidator {
            regExp: /[0-9A-Za-z]+/
        }
        inputMethodHints: Qt.ImhHiddenText
        upperCase: true
        onAccepted: idRoot.__acceptSecret()
    }
}
