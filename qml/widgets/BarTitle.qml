import QtQuick 2.12
import Lib.Util 1.0

// The title of a head bar (the page title bar, the sheets' head): centred
// on the bar, moved aside rather than drawn under the items at the bar's
// sides, and elided at its end only when the room between them is too
// small for it. leftItems and rightItems are those items, children of the
// same bar; hidden ones take no room.
ZVText {
    id: idTitle

    property var leftItems: []
    property var rightItems: []
    // Kept free between the title and the side items or the bar's edges.
    property real gap: Util.unitHeight

    // The room the side items leave, in the bar's coordinates.
    readonly property real leftBound: {
        var bound = gap
        for (var i = 0; i < leftItems.length; ++i) {
            var item = leftItems[i]
            if (item && item.visible)
                bound = Math.max(bound, item.x + item.width + gap)
        }
        return bound
    }
    readonly property real rightBound: {
        var bound = parent ? parent.width - gap : 0
        for (var i = 0; i < rightItems.length; ++i) {
            var item = rightItems[i]
            if (item && item.visible)
                bound = Math.min(bound, item.x - gap)
        }
        return bound
    }

    width: Math.max(0, Math.min(implicitWidth, rightBound - leftBound))
    x: Math.max(leftBound, Math.min(((parent ? parent.width : 0) - width) / 2, rightBound - width))
    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    horizontalAlignment: Text.AlignHCenter
    elide: Text.ElideRight
    font.bold: true
}
