import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/backup"
import "qrc:/help"
import "qrc:/about"
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud

// The settings tab: five groups of rows that open the security pages,
// backup and restore, clear all data, switch the dark mode and open the
// help and about pages. Rows are told apart by their `id` key, so a group
// can take another row without renumbering the others.
Rectangle {
    id: idRoot

    // Ends the program once the data is cleared; tests replace it.
    property var exitApp: function () { Util.systemExit() }

    readonly property alias securityPanel: idSecurityPanel
    readonly property alias backupPanel: idBackupPanel
    readonly property alias dataPanel: idDataPanel
    readonly property alias displayPanel: idDisplayPanel
    readonly property alias infoPanel: idInfoPanel
    readonly property alias popupMsg: idPopupMsg
    // The cloud backup page, made at its row's first tap.
    property var cloudBackupPage: null

    color: Theme.pageColor

    function __isSet(value) {
        return value !== undefined && value !== null && value !== ""
    }

    function __setText(isSet) {
        return isSet ? qsTr("已设置") : qsTr("未设置")
    }

    function __entry(panel, id) {
        var model = panel.panelModel
        for (var i = 0; i < model.length; ++i) {
            if (model[i].id === id)
                return model[i]
        }
        return null
    }

    // Re-reads the right-hand texts and the switch from the store.
    function updateForwardText() {
        var security = DB.root.security
        __entry(idSecurityPanel, "loginPwd").forwardText = __setText(true)
        __entry(idSecurityPanel, "secQuestion").forwardText
                = __setText(__isSet(security.verifiedSecurityAnswer))
        __entry(idSecurityPanel, "pinCode").forwardText = __setText(__isSet(security.verifiedPinCode))
        idSecurityPanel.updateItem()
        var cloud = DBCloud.root.summary
        __entry(idBackupPanel, "cloudBackup").forwardText
                = cloud && cloud.deviceRegistered === true ? qsTr("已开启") : qsTr("未开启")
        idBackupPanel.updateItem()
        __entry(idDisplayPanel, "darkMode").switchButton = Theme.darkMode ? "on" : "off"
        idDisplayPanel.updateItem()
    }

    function showMsg(msg, sticky) {
        idPopupMsg.show(msg, sticky === true)
    }

    // Opens the check of the answers when security questions exist, else
    // the check of the login password; `passed` runs once the check passed.
    function __checkThen(useQuestions, passed) {
        var page = useQuestions ? idCheckSecQuestionPage : idCheckLoginPwdPage
        page.callback = passed
        page.open()
    }

    function __onSecurityRow(id) {
        var security = DB.root.security
        if (id === "loginPwd") {
            __checkThen(__isSet(security.encryptedLoginPassword), function () {
                idChangeLoginPwdPage.open()
            })
        } else if (id === "secQuestion") {
            if (__isSet(security.verifiedSecurityAnswer))
                __checkThen(true, function () { idChangeSecQuestionPage.open() })
            else
                idChangeSecQuestionPage.open()
        } else if (id === "pinCode") {
            if (__isSet(security.verifiedPinCode))
                idCheckPinCodePage.open()
            else
                idChangePinCodePage.open()
        }
    }

    function __onBackupRow(id) {
        if (id === "backup") {
            if (__isSet(DB.root.security.verifiedSecurityAnswer))
                idBackupPage.open()
            else
                idSetQuestionsDialog.open()
        } else if (id === "restore") {
            idRestorePage.open()
        } else if (id === "cloudBackup") {
            if (cloudBackupPage === null)
                cloudBackupPage = idCloudBackupComp.createObject(idRoot)
            cloudBackupPage.open()
        }
    }

    function __onDataRow(id) {
        if (id === "cleanData") {
            __checkThen(__isSet(DB.root.security.verifiedSecurityAnswer), function () {
                idClearDialog.open()
            })
        }
    }

    // The switch row already holds the new state. A refused write leaves
    // the mode and the stored flag as they were.
    function setDarkMode(on) {
        var ui = DB.root.local.ui
        var hadFlag = ui.hasOwnProperty("darkMode")
        var before = ui.darkMode
        var wasDark = Theme.darkMode
        Theme.enableDarkMode(on)
        ui.darkMode = on
        if (DB.saveOnly())
            return true
        if (hadFlag)
            ui.darkMode = before
        else
            delete ui.darkMode
        Theme.enableDarkMode(wasDark)
        updateForwardText()
        showMsg(qsTr("保存数据失败"), true)
        return false
    }

    // Drops the vault (and the cloud state); the program then ends.
    function clearData() {
        if (!DB.clear()) {
            showMsg(qsTr("清除数据失败"), true)
            return false
        }
        // No key of the dropped vault stays usable: nothing can be written
        // over the empty store until the program ends.
        DB.loginPassword = ""
        DB.pinCode = ""
        DB.securityAnswer = ""
        if (!DBCloud.clear())
            console.warn("Cloud state not cleared.")
        idClearedDialog.open()
        return true
    }

    onVisibleChanged: {
        if (visible)
            updateForwardText()
    }

    Component.onCompleted: updateForwardText()

    TitleBar {
        id: idTitleBar
        width: parent.width
        text: qsTr("设置")
    }

    Flickable {
        id: idFlickable
        objectName: "settingFlickable"
        anchors.top: idTitleBar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        contentWidth: width
        contentHeight: idColumn.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: idColumn
            width: parent.width
            topPadding: 2 * Util.unitHeight
            bottomPadding: 4 * Util.unitHeight
            spacing: 2 * Util.unitHeight

            ButtonGroupPanel {
                id: idSecurityPanel
                objectName: "securityPanel"
                width: parent.width
                showIcon: true
                panelModel: [
                    { id: "loginPwd", text: qsTr("登录密码"), icon: "qrc:/img/setting/loginPwd.png",
                      forwardText: "" },
                    { id: "secQuestion", text: qsTr("密保问题"),
                      icon: "qrc:/img/setting/quesAnswer.png", forwardText: "" },
                    { id: "pinCode", text: qsTr("PIN码"), icon: "qrc:/img/setting/pinCode.png",
                      forwardText: "" }
                ]
                onItemClicked: idRoot.__onSecurityRow(itemModel.id)
            }

            ButtonGroupPanel {
                id: idBackupPanel
                objectName: "backupPanel"
                width: parent.width
                showIcon: true
                panelModel: [
                    { id: "backup", text: qsTr("数据备份"), icon: "qrc:/img/setting/backup.png" },
                    { id: "restore", text: qsTr("恢复备份"), icon: "qrc:/img/setting/restore.png" },
                    { id: "cloudBackup", text: qsTr("云备份"), icon: "qrc:/img/setting/cloudBackup.png",
                      forwardText: "" }
                ]
                onItemClicked: idRoot.__onBackupRow(itemModel.id)
            }

            ButtonGroupPanel {
                id: idDataPanel
                objectName: "dataPanel"
                width: parent.width
                showIcon: true
                panelModel: [
                    { id: "cleanData", text: qsTr("清除应用数据"),
                      icon: "qrc:/img/setting/cleanData.png" }
                ]
                onItemClicked: idRoot.__onDataRow(itemModel.id)
            }

            ButtonGroupPanel {
                id: idDisplayPanel
                objectName: "displayPanel"
                width: parent.width
                showIcon: true
                panelModel: [
                    { id: "darkMode", text: qsTr("夜间模式"), icon: "qrc:/img/setting/moon.png",
                      switchButton: "off" }
                ]
                onItemClicked: {
                    if (itemModel.id === "darkMode")
                        idRoot.setDarkMode(itemModel.switchButton === "on")
                }
            }

            ButtonGroupPanel {
                id: idInfoPanel
                objectName: "infoPanel"
                width: parent.width
                showIcon: true
                panelModel: [
                    { id: "help", text: qsTr("帮助"), icon: "qrc:/img/setting/help.png" },
                    { id: "about", text: qsTr("关于"), icon: "qrc:/img/setting/about.png" }
                ]
                onItemClicked: {
                    if (itemModel.id === "help")
                        idHelpMainPage.open()
                    else if (itemModel.id === "about")
                        idAboutPage.open()
                }
            }
        }
    }

    CheckLoginPwdPage {
        id: idCheckLoginPwdPage
        objectName: "checkLoginPwdPage"
    }

    CheckSecQuestionPage {
        id: idCheckSecQuestionPage
        objectName: "checkSecQuestionPage"
    }

    ChangeLoginPwdPage {
        id: idChangeLoginPwdPage
        objectName: "changeLoginPwdPage"
        onAccepted: {
            idRoot.updateForwardText()
            idRoot.showMsg(qsTr("登录密码已修改"))
        }
    }

    ChangeSecQuestionPage {
        id: idChangeSecQuestionPage
        objectName: "changeSecQuestionPage"
        onClosed: {
            if (changeSucc) {
                idRoot.updateForwardText()
                idRoot.showMsg(qsTr("密保问题已修改"))
            }
        }
    }

    CheckPinCodePage {
        id: idCheckPinCodePage
        objectName: "checkPinCodePage"
        onClosed: {
            if (checkPassed)
                idChangePinCodePage.open()
        }
    }

    ChangePinCodePage {
        id: idChangePinCodePage
        objectName: "changePinCodePage"
        onClosed: {
            if (changeSucc) {
                idRoot.updateForwardText()
                idRoot.showMsg(qsTr("PIN码已修改"))
            }
        }
    }

    BackupPage {
        id: idBackupPage
        objectName: "backupPage"
    }

    RestorePage {
        id: idRestorePage
        objectName: "restorePage"
        onAccepted: {
            idRoot.updateForwardText()
            idRoot.showMsg(qsTr("成功导入备份数据"))
        }
    }

    HelpMainPage {
        id: idHelpMainPage
        objectName: "helpMainPage"
    }

    AboutPage {
        id: idAboutPage
        objectName: "aboutPage"
    }

    QuestionDialog {
        id: idSetQuestionsDialog
        objectName: "setQuestionsDialog"
        msg: qsTr("备份数据需要设置密保问题，现在设置？")
        acceptButtonText: qsTr("是")
        rejectedButtonText: qsTr("否")
        onAccepted: idChangeSecQuestionPage.open()
    }

    QuestionDialog {
        id: idClearDialog
        objectName: "clearDialog"
        title: qsTr("清除应用数据")
        msg: qsTr("数据清除后，不可恢复，是否继续？")
        acceptButtonText: qsTr("是")
        acceptButtonWarning: true
        rejectedButtonText: qsTr("否")
        onAccepted: idRoot.clearData()
    }

    // After the data is gone the program ends however the dialog closes.
    QuestionDialog {
        id: idClearedDialog
        objectName: "clearedDialog"
        msg: qsTr("数据已清除，点击“完成”后退出应用")
        acceptButtonText: qsTr("完成")
        hasRejectedButton: false
        onClosed: idRoot.exitApp()
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "settingMsg"
    }

    Component {
        id: idCloudBackupComp
        CloudBackupPage {
            objectName: "cloudBackupPage"
            onClosed: {
                console.log("CloudBackupPage onClosed.")
                idRoot.updateForwardText()
            }
            onNeedSetSecurityAnswer: idChangeSecQuestionPage.open()
        }
    }
}
