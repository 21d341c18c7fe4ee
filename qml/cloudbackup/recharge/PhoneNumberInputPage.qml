import QtQuick 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/pubfun.js" as Pubfun

// Country and phone number of the cloud account: checks the number with the
// service and queries the account behind it.
Item {
    id: idPage

    property var msgTarget: null

    signal nextButtonClicked()

    readonly property alias countryChoosePage: idCountryPage
    readonly property alias rows: idRows

    function __showCountry() {
        var c = idCountryPage.currentCountryCode || {}
        idRows.panelModel[0].forwardText = c.name !== undefined ? String(c.name) : ""
        idRows.panelModel[1].text = "+" + (c.number !== undefined ? c.number : "")
        idRows.updateItem(0)
        idRows.updateItem(1)
    }

    function __numberText() {
        var t = idRows.panelModel[1].editText
        return t === undefined || t === null ? "" : String(t)
    }

    function __showMsg(msg, sticky) {
        if (msgTarget)
            msgTarget.showMsg(msg, sticky)
    }

    function next() {
        var number = __numberText()
        if (number === "") {
            __showMsg(qsTr("请输入手机号码"), false)
            return
        }
        var phone = Pubfun.margePhoneNumberStr(String(idCountryPage.currentCountryCode.region), number)
        DBCloud.root.user.phoneNumber = phone
        idRequest.send(CloudApi.userCheckPhone(phone), "GET", {
            resultType: "object",
            success: function(result) {
                CloudErr.userQueryError = CloudErr.SUCCESS
                DBCloud.root.user.formattedPhoneNumber =
                        result.formatted === undefined || result.formatted === null
                        ? "" : String(result.formatted)
                idPage.__queryUser(phone)
            },
            codes: [CloudErr.PARAMETER, CloudErr.PHONE_NUMBER],
            code: function(code) {
                CloudErr.userQueryError = code
                idPage.__showMsg(qsTr("请输入有效的手机号"), false)
            },
            failed: function(step) {
                if (step.kind === "other")
                    CloudErr.userQueryError = step.error
            }
        })
    }

    function __queryUser(phone) {
        idRequest.send(CloudApi.userQueryUrl(phone, Util.deviceCode, true), "GET", {
            success: function() {
                console.log("User is valid, Force DEVICE_UNREGISTERED")
                CloudErr.userQueryError = CloudErr.DEVICE_UNREGISTERED
                idPage.nextButtonClicked()
            },
            codes: [CloudErr.DEVICE_UNREGISTERED, CloudErr.USER_ORDER_COMPLETED,
                    CloudErr.USER_UNREGISTERED, CloudErr.USER_EXPIRED],
            code: function(code) {
                CloudErr.userQueryError = code
                if ((code === CloudErr.USER_UNREGISTERED || code === CloudErr.USER_EXPIRED)
                        && Pubfun.isOnDesktop()) {
                    idPage.__showMsg(qsTr("请在移动端App中开启此功能"), false)
                    return
                }
                idPage.nextButtonClicked()
            },
            failed: function(step) {
                if (step.kind === "other")
                    CloudErr.userQueryError = step.error
            }
        })
    }

    onVisibleChanged: {
        if (!visible)
            return
        var phone = DBCloud.root.user ? DBCloud.root.user.phoneNumber : ""
        if (!phone) {
            idCountryPage.currentCountryCode = Util.countryCodeCurrent()
            idRows.panelModel[1].editText = ""
        } else {
            var parts = Pubfun.splitPhoneNumberStr(phone)
            idCountryPage.currentCountryCode = Util.countryCodeFromRegion(parts.region)
            idRows.panelModel[1].editText = parts.number
        }
        __showCountry()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: 2 * Util.unitHeight

            CloudTitle {
                source: "qrc:/img/cloudbackup/backup_title.png"
                text: qsTr("自动备份应用数据到云存储（全栈加密），可支持多个设备的备份和还原。")
                onImageDoubleClicked: Pubfun.testSwitch.one = true
            }

            ButtonGroupPanel {
                id: idRows
                objectName: "phoneRows"
                width: parent.width
                panelModel: [
                    { text: qsTr("国家和地区"), forwardText: "" },
                    { text: "+", editText: "", placeholderText: qsTr("手机号"),
                      editValidator: /\d+/, inputMethodHints: Qt.ImhDigitsOnly }
                ]
                onItemClicked: {
                    if (itemIdx === 0)
                        idCountryPage.open()
                }
            }

            PageButton {
                objectName: "continueButton"
                width: parent.width
                text: qsTr("继续")
                onClicked: idPage.next()
            }
        }
    }

    CountryChoosePage {
        id: idCountryPage
        objectName: "countryChoosePage"
        onAccepted: idPage.__showCountry()
    }

    CloudRequest {
        id: idRequest
        logName: "PhoneNumberInputPage"
        msgTarget: idPage.msgTarget
    }
}
