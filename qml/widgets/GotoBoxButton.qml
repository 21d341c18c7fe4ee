import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Float control of a tab's list that leads back to its box grid. It starts
// near the bottom left of its parent and can be dragged anywhere inside it.
Rectangle {
    id: idRoot

    signal clicked()

    readonly property real __unit: Util.isPad() ? Util.unitHeight * 1.2 : Util.unitHeight

    x: __unit * 2
    y: (parent ? parent.height : 0) - __unit * 7
    width: __unit * 5
    height: __unit * 5
    radius: __unit
    color: Theme.popupColor
    opacity: idArea.pressed ? 1 : 0.8

    Image {
        anchors.fill: parent
        anchors.margins: idRoot.__unit * 0.5
        source: "qrc:/img/common/gotoBox.png"
    }

    MouseArea {
        id: idArea
        anchors.fill: parent
        drag.target: idRoot
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: (idRoot.parent ? idRoot.parent.width : 0) - idRoot.width
        drag.maximumY: (idRoot.parent ? idRoot.parent.height : 0) - idRoot.height
        onClicked: idRoot.clicked()
    }
}
