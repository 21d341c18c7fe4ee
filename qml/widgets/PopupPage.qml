import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Bottom sheet that sub-pages are built on: the content (normally a head
// bar, the page body and a home-indicator spacer) sits at the bottom of the
// screen with its natural height, over a darkened screen.
Drawer {
    id: idPopupPage

    signal accepted()

    // The unit height and the screen the popup covers.
    readonly property PopupScreen __screen: PopupScreen { overlay: idPopupPage.Overlay.overlay }

    edge: Qt.BottomEdge
    width: __screen.width
    height: __screen.height
    dim: false
    dragMargin: 0
    focus: true
    interactive: true
    // Escape closes it; see DrawerEscape below for the non-interactive case.
    closePolicy: interactive ? Popup.CloseOnEscape : Popup.NoAutoClose

    padding: 0
    leftPadding: Util.isPad() ? Math.ceil(__screen.width * 0.125) : 0
    rightPadding: leftPadding
    topPadding: height - contentHeight

    background: Item {
        DrawerEscape {
            drawer: idPopupPage
        }
        Rectangle {
            anchors.fill: parent
            color: "black"
            opacity: idPopupPage.position === 1 ? Theme.overlayOpacity : 0
        }
        Rectangle {
            x: idPopupPage.leftPadding
            y: idPopupPage.topPadding + idPopupPage.__screen.unit
            width: parent.width - idPopupPage.leftPadding - idPopupPage.rightPadding
            height: Math.max(0, parent.height - y)
            color: Theme.popupColor
        }
    }

    onAboutToShow: {
        var button = __findCloseButton(contentItem)
        if (button)
            button.forceActiveFocus()
    }

    // The page's close button, found by its type among the content items.
    function __findCloseButton(item) {
        if (!item)
            return null
        var kids = item.children
        for (var i = 0; i < kids.length; ++i) {
            var kid = kids[i]
            if (String(kid).indexOf("CloseButton") === 0)
                return kid
            var found = __findCloseButton(kid)
            if (found)
                return found
        }
        return null
    }
}
