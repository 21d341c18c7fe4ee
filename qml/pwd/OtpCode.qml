import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import "qrc:/widgets"

// An entry's live one-time code beside the ring of the time its period has
// left, both read from the entry's one-time-code client. The code reads
// "000000" until the client has one. A layout, so that the two sit on whole
// pixels as they do in the rows of the entry pages.
RowLayout {
    id: idRoot

    // The OPTClient of the entry.
    property var client: null
    property alias codePointSize: idCodeText.font.pointSize
    readonly property alias code: idCodeText.text

    signal ringDoubleClicked()

    spacing: Util.unitHeight

    ZVText {
        id: idCodeText
        objectName: "codeText"
        text: idRoot.client && idRoot.client.code !== "" ? idRoot.client.code : "000000"
        font.pointSize: Util.relativeFontPoint(4)
    }

    ZVTotpProgressBar {
        objectName: "totpRing"
        text: idRoot.client ? idRoot.client.expire : ""
        progress: idRoot.client && idRoot.client.period > 0
                  ? (idRoot.client.period - idRoot.client.expire) * 360 / idRoot.client.period
                  : 0
        onDoubleClicked: idRoot.ringDoubleClicked()
    }
}
