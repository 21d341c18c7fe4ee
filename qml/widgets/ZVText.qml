import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The text item used throughout the application.
Text {
    font.family: Util.systemFontFamily
    font.pointSize: Util.relativeFontPoint(-2)
    color: Theme.textColor
}
