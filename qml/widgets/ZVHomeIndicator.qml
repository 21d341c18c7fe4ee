import QtQuick 2.12
import Widgets.Theme 1.0

// Empty spacer as high as the home-indicator strip of the screen.
Item {
    implicitWidth: 1
    implicitHeight: Theme.homeIndicatorHeight
}
