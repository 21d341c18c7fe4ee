import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.HttpClient 1.0
import "qrc:/js/dbcloud.js" as DBCloud

// Sign-in and purchase: phone number, products and payment, SMS code. Each
// page routes on to the next by the account state in CloudErr.userQueryError.
Item {
    id: idStack

    property var msgTarget: null

    signal rechargeFinished()

    readonly property alias stack: idLayout
    readonly property alias phonePage: idPhonePage
    readonly property alias smsPage: idSmsPage
    readonly property alias rechargeLoader: idRechargeLoader

    function __routeAfter(state) {
        switch (state) {
        case CloudErr.USER_UNREGISTERED:
        case CloudErr.USER_EXPIRED:
            return 1
        case CloudErr.USER_ORDER_COMPLETED:
        case CloudErr.DEVICE_UNREGISTERED:
            return 2
        }
        return -1
    }

    onVisibleChanged: {
        if (!visible)
            return
        switch (CloudErr.userQueryError) {
        case CloudErr.SUCCESS:
            idLayout.currentIndex = 1
            break
        case CloudErr.USER_UNREGISTERED:
        case CloudErr.USER_EXPIRED:
            idLayout.currentIndex = 0
            break
        case CloudErr.USER_ORDER_COMPLETED:
        case CloudErr.DEVICE_UNREGISTERED:
            idLayout.currentIndex = 2
            break
        }
    }

    StackLayout {
        id: idLayout
        anchors.fill: parent
        currentIndex: 0
        onCurrentIndexChanged: {
            if (currentIndex === 1)
                idRechargeLoader.active = true
        }

        PhoneNumberInputPage {
            id: idPhonePage
            objectName: "phoneNumberInputPage"
            msgTarget: idStack.msgTarget
            onNextButtonClicked: {
                var next = idStack.__routeAfter(CloudErr.userQueryError)
                if (next < 0)
                    console.log("PhoneNumberInputPage, userQueryError: " + CloudErr.userQueryError)
                else
                    idLayout.currentIndex = next
            }
        }

        // The product page is built when it is first shown.
        Loader {
            id: idRechargeLoader
            objectName: "rechargeLoader"
            active: false
            source: "RechargeChoosePage.qml"
            onLoaded: item.msgTarget = Qt.binding(function() { return idStack.msgTarget })
            Connections {
                target: idRechargeLoader.item
                ignoreUnknownSignals: true
                function onPayFinished() {
                    if (CloudErr.userQueryError === CloudErr.SUCCESS) {
                        idStack.rechargeFinished()
                        return
                    }
                    var next = idStack.__routeAfter(CloudErr.userQueryError)
                    if (next === 1 || next === 2)
                        idLayout.currentIndex = 2
                    else
                        console.log("RechargeChoosePage, userQueryError: " + CloudErr.userQueryError)
                }
            }
        }

        SmsCodeInputPage {
            id: idSmsPage
            objectName: "smsCodeInputPage"
            msgTarget: idStack.msgTarget
            onLoginSucceeded: idStack.rechargeFinished()
            onAccountSwitched: {
                DBCloud.root.user.phoneNumber = ""
                DBCloud.root.user.formattedPhoneNumber = ""
                idLayout.currentIndex = 0
            }
        }
    }
}
