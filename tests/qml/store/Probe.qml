import QtQuick 2.12

Item {
    property string tag: "probe"
}
