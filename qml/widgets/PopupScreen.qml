import QtQuick 2.12
import Lib.Util 1.0

// The unit height and the screen a popup covers: the window on the desktop,
// whose overlay follows its size, or the configured screen size while the
// popup has no window yet. A popup binds overlay to its Overlay.overlay.
QtObject {
    property Item overlay: null

    readonly property int unit: Util.unitHeight
    readonly property real width: overlay && overlay.width > 0 ? overlay.width : Util.screenSize.width
    readonly property real height: overlay && overlay.width > 0 ? overlay.height : Util.screenSize.height
}
