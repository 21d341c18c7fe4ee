import QtQuick 2.12
import QtQuick.Window 2.12

Window {
    id: idWindow
    visible: true
    width: 400
    height: 650
    minimumWidth: 400
    maximumWidth: 400
    minimumHeight: 650
    maximumHeight: 650
    title: qsTr("岚匣密管")
}
