import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/about"
import "qrc:/js/mymodel.js" as MyModel
import "qrc:/js/keypress.js" as KeyPress

// The first page of a new vault: the start button and the links to the user
// agreement and the privacy policy. Return and Enter press the start button.
Rectangle {
    id: idWelcomePage
    color: Theme.appBarColor
    focus: true

    Keys.onReturnPressed: KeyPress.pressButton(idStartButton, event)
    Keys.onEnterPressed: KeyPress.pressButton(idStartButton, event)

    signal startButtonClicked()

    // The web addresses of the user agreement and the privacy policy.
    property string agreementUrl: MyModel.agreementUrl()
    property string privacyUrl: MyModel.privacyUrl()

    readonly property alias startButton: idStartButton
    readonly property alias licenseText: idLicenseText
    readonly property alias agreementPage: idAgreementPage

    function showLicenseLink() {
        idStartButton.visible = true
        idLicenseText.visible = true
    }

    function __openAgreement(link) {
        idAgreementPage.linkUrl = link
        idAgreementPage.open()
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.ceil(parent.height * 0.2)
        spacing: Util.unitHeight * 2

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Util.unitHeight * 12
            height: Util.unitHeight * 12
            source: "qrc:/img/loginIco.png"
            sourceSize: Qt.size(width * 2, height * 2)
        }

        ZVText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("岚匣密管")
            color: Theme.textWhiteColor
            font.bold: true
            font.pointSize: Util.relativeFontPoint(4)
        }
    }

    // The button stands at a fixed distance from the bottom; the agreement
    // line sits below it.
    LineTxtButton {
        id: idStartButton
        objectName: "startButton"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Util.unitHeight * 8 + Theme.homeIndicatorHeight
        width: Util.unitHeight * 20
        visible: false
        text: qsTr("开始使用")
        colorText: Theme.textWhiteColor
        bkgnColor: "transparent"
        borderWidth: 1
        borderColor: Theme.textWhiteColor
        radius: height / 2
        transDown: true
        onClicked: idWelcomePage.startButtonClicked()
    }

    ZVText {
        id: idLicenseText
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: idStartButton.bottom
        anchors.topMargin: Util.unitHeight * 2
        width: parent.width - Util.unitHeight * 4
        visible: false
        color: Theme.textWhiteColor
        font.pointSize: Util.relativeFontPoint(-5)
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        textFormat: Text.RichText
        text: qsTr("<style>a:link{text-decoration:none;color:yellow}</style>开始使用即代表您已同意<a href=\"%1\">《岚匣密管用户协议》</a>和<a href=\"%2\">《岚匣密管隐私政策》</a>")
              .arg(idWelcomePage.agreementUrl).arg(idWelcomePage.privacyUrl)
        onLinkActivated: {
            console.log(link + " link activated")
            idWelcomePage.__openAgreement(link)
        }
    }

    AgreementShowPage {
        id: idAgreementPage
        objectName: "welcomeAgreementPage"
    }
}
