pragma Singleton
import QtQuick 2.12

// The application's shared look: size constants, system bar heights, the
// current colour set and its light and dark palettes, and the lock signals.
QtObject {
    id: idTheme

    // Constants
    readonly property int lineEditMaxLen: 64
    readonly property int noteEditMaxLen: 8192
    readonly property int notePreviewLen: 32
    readonly property real overlayOpacity: 0.4

    // Heights of the system bars, copied once at start by the frame.
    property int statusBarHeight: 0
    property int homeIndicatorHeight: 0

    // True while the dark palette is applied.
    property bool darkMode: false

    signal appScreenLocked()
    signal appScreenUnlocked()
    signal colorChanged()

    // Current colours (start from the light palette).
    property color textColor: whiteTheme.textColor
    property color textColor2: whiteTheme.textColor2
    property color textColor3: whiteTheme.textColor3
    property color textColor4: whiteTheme.textColor4
    property color textWhiteColor: whiteTheme.textWhiteColor
    property color textGreenColor: whiteTheme.textGreenColor
    property color textBlueColor: whiteTheme.textBlueColor
    property color textYellowColor: whiteTheme.textYellowColor
    property color textGaryColor: whiteTheme.textGaryColor
    property color textRedColor: whiteTheme.textRedColor
    property color editColor: whiteTheme.editColor
    property color editBorderColor: whiteTheme.editBorderColor
    property color editPlaceholderColor: whiteTheme.editPlaceholderColor
    property color pageColor: whiteTheme.pageColor
    property color pageTextColor: whiteTheme.pageTextColor
    property color pageBoxColor: whiteTheme.pageBoxColor
    property color pageBoxHiColor: whiteTheme.pageBoxHiColor
    property color pageBoxSpacingColor: whiteTheme.pageBoxSpacingColor
    property color webPageColor: whiteTheme.webPageColor
    property color appBarColor: whiteTheme.appBarColor
    property color appBarTextColor: whiteTheme.appBarTextColor
    property color popupColor: whiteTheme.popupColor
    property color popupBarColor: whiteTheme.popupBarColor
    property color popupBarBorderColor: whiteTheme.popupBarBorderColor
    property color popupSpacingColor: whiteTheme.popupSpacingColor
    property color popupTextColor: whiteTheme.popupTextColor
    property color dialogColor: whiteTheme.dialogColor
    property color dialogSpacingColor: whiteTheme.dialogSpacingColor
    property color navbarColor: whiteTheme.navbarColor
    property color navbarBorderColor: whiteTheme.navbarBorderColor
    property color navbarTextColor: whiteTheme.navbarTextColor
    property color navbarTextHiColor: whiteTheme.navbarTextHiColor
    property color buttonColor: whiteTheme.buttonColor
    property color buttonHiColor: whiteTheme.buttonHiColor
    property color buttonBlueColor: whiteTheme.buttonBlueColor
    property color buttonBlueHiColor: whiteTheme.buttonBlueHiColor
    property color buttonGreenColor: whiteTheme.buttonGreenColor
    property color buttonGreenHiColor: whiteTheme.buttonGreenHiColor
    property color buttonYellowColor: whiteTheme.buttonYellowColor
    property color buttonYellowHiColor: whiteTheme.buttonYellowHiColor
    property color buttonRedColor: whiteTheme.buttonRedColor
    property color buttonRedHiColor: whiteTheme.buttonRedHiColor
    property color buttonDisabledColor: whiteTheme.buttonDisabledColor
    property color menuColor: whiteTheme.menuColor
    property color menuHiColor: whiteTheme.menuHiColor
    property color menuSpacingColor: whiteTheme.menuSpacingColor
    property color menuTextColor: whiteTheme.menuTextColor
    property color indicatorTextColor: whiteTheme.indicatorTextColor
    property color indicatorForwardColor: whiteTheme.indicatorForwardColor
    property color switchOnColor: whiteTheme.switchOnColor
    property color switchOffColor: whiteTheme.switchOffColor

    // Light palette
    readonly property QtObject whiteTheme: QtObject {
        readonly property color textColor: "#000000"
        readonly property color textColor2: "#404040"
        readonly property color textColor3: "#606060"
        readonly property color textColor4: "#808080"
        readonly property color textWhiteColor: "#ffffff"
        readonly property color textGreenColor: "#4caf50"
        readonly property color textBlueColor: "#007aff"
        readonly property color textYellowColor: "#ec8500"
        readonly property color textGaryColor: "#939394"
        readonly property color textRedColor: "#ff2e21"
        readonly property color editColor: "#ffffff"
        readonly property color editBorderColor: "#cccccc"
        readonly property color editPlaceholderColor: "#c4c4c6"
        readonly property color pageColor: "#f2f2f7"
        readonly property color pageTextColor: "#6e6d73"
        readonly property color pageBoxColor: "#ffffff"
        readonly property color pageBoxHiColor: "#e5e5ea"
        readonly property color pageBoxSpacingColor: "#c6c6c8"
        readonly property color webPageColor: "#ffffff"
        readonly property color appBarColor: "#0288d1"
        readonly property color appBarTextColor: "#ffffff"
        readonly property color popupColor: "#ffffff"
        readonly property color popupBarColor: "#f7f6f6"
        readonly property color popupBarBorderColor: "#b2b2b2"
        readonly property color popupSpacingColor: "#c6c6c8"
        readonly property color popupTextColor: "#000000"
        readonly property color dialogColor: "#f1f1f1"
        readonly property color dialogSpacingColor: "#b3b3b3"
        readonly property color navbarColor: "#f6f6f6"
        readonly property color navbarBorderColor: "#b2b2b2"
        readonly property color navbarTextColor: "#63676b"
        readonly property color navbarTextHiColor: "#0288d1"
        readonly property color buttonColor: "#eeeef0"
        readonly property color buttonHiColor: "#dddddf"
        readonly property color buttonBlueColor: "#3895ff"
        readonly property color buttonBlueHiColor: "#2080ee"
        readonly property color buttonGreenColor: "#05af36"
        readonly property color buttonGreenHiColor: "#049f31"
        readonly property color buttonYellowColor: "#ff9200"
        readonly property color buttonYellowHiColor: "#ec8803"
        readonly property color buttonRedColor: "#ff4939"
        readonly property color buttonRedHiColor: "#ff3b30"
        readonly property color buttonDisabledColor: "#dddddd"
        readonly property color menuColor: "#f0f0f1"
        readonly property color menuHiColor: "#dddbdd"
        readonly property color menuSpacingColor: "#b2b2b2"
        readonly property color menuTextColor: "#000000"
        readonly property color indicatorTextColor: "#8a8a8e"
        readonly property color indicatorForwardColor: "#c4c4c7"
        readonly property color switchOnColor: "#34c759"
        readonly property color switchOffColor: "#e9e9eb"
    }

    // Dark palette
    readonly property QtObject darkTheme: QtObject {
        readonly property color textColor: "#ffffff"
        readonly property color textColor2: "#dadfe8"
        readonly property color textColor3: "#a5a4a9"
        readonly property color textColor4: "#8f8f8f"
        readonly property color textWhiteColor: "#ffffff"
        readonly property color textGreenColor: "#4caf50"
        readonly property color textBlueColor: "#2e90ff"
        readonly property color textYellowColor: "#ff9c0e"
        readonly property color textGaryColor: "#484849"
        readonly property color textRedColor: "#fc443a"
        readonly property color editColor: "#000000"
        readonly property color editBorderColor: "#323232"
        readonly property color editPlaceholderColor: "#4a494e"
        readonly property color pageColor: "#000000"
        readonly property color pageTextColor: "#8f8e94"
        readonly property color pageBoxColor: "#1c1c1e"
        readonly property color pageBoxHiColor: "#2c2c2e"
        readonly property color pageBoxSpacingColor: "#3e3e41"
        readonly property color webPageColor: "#ffffff"
        readonly property color appBarColor: "#006fb5"
        readonly property color appBarTextColor: "#e2e2e2"
        readonly property color popupColor: "#1c1c1e"
        readonly property color popupBarColor: "#282929"
        readonly property color popupBarBorderColor: "#3e3e40"
        readonly property color popupSpacingColor: "#3e3e41"
        readonly property color popupTextColor: "#ffffff"
        readonly property color dialogColor: "#252527"
        readonly property color dialogSpacingColor: "#646466"
        readonly property color navbarColor: "#121311"
        readonly property color navbarBorderColor: "#262626"
        readonly property color navbarTextColor: "#787878"
        readonly property color navbarTextHiColor: "#0288d1"
        readonly property color buttonColor: "#323136"
        readonly property color buttonHiColor: "#252429"
        readonly property color buttonBlueColor: "#1065c7"
        readonly property color buttonBlueHiColor: "#0e5db8"
        readonly property color buttonGreenColor: "#03902c"
        readonly property color buttonGreenHiColor: "#028528"
        readonly property color buttonYellowColor: "#dd8106"
        readonly property color buttonYellowHiColor: "#cc7705"
        readonly property color buttonRedColor: "#b63b2f"
        readonly property color buttonRedHiColor: "#aa382c"
        readonly property color buttonDisabledColor: "#424246"
        readonly property color menuColor: "#2c2c2e"
        readonly property color menuHiColor: "#3e3d3d"
        readonly property color menuSpacingColor: "#616161"
        readonly property color menuTextColor: "#ffffff"
        readonly property color indicatorTextColor: "#98989f"
        readonly property color indicatorForwardColor: "#5a5a5f"
        readonly property color switchOnColor: "#30d158"
        readonly property color switchOffColor: "#39393d"
    }

    readonly property var __colorNames: [
        "textColor",
        "textColor2",
        "textColor3",
        "textColor4",
        "textWhiteColor",
        "textGreenColor",
        "textBlueColor",
        "textYellowColor",
        "textGaryColor",
        "textRedColor",
        "editColor",
        "editBorderColor",
        "editPlaceholderColor",
        "pageColor",
        "pageTextColor",
        "pageBoxColor",
        "pageBoxHiColor",
        "pageBoxSpacingColor",
        "webPageColor",
        "appBarColor",
        "appBarTextColor",
        "popupColor",
        "popupBarColor",
        "popupBarBorderColor",
        "popupSpacingColor",
        "popupTextColor",
        "dialogColor",
        "dialogSpacingColor",
        "navbarColor",
        "navbarBorderColor",
        "navbarTextColor",
        "navbarTextHiColor",
        "buttonColor",
        "buttonHiColor",
        "buttonBlueColor",
        "buttonBlueHiColor",
        "buttonGreenColor",
        "buttonGreenHiColor",
        "buttonYellowColor",
        "buttonYellowHiColor",
        "buttonRedColor",
        "buttonRedHiColor",
        "buttonDisabledColor",
        "menuColor",
        "menuHiColor",
        "menuSpacingColor",
        "menuTextColor",
        "indicatorTextColor",
        "indicatorForwardColor",
        "switchOnColor",
        "switchOffColor"
    ]

    function enableDarkMode(isEnable) {
        darkMode = isEnable ? true : false
        var source = isEnable ? darkTheme : whiteTheme
        for (var i = 0; i < __colorNames.length; ++i) {
            var name = __colorNames[i]
            idTheme[name] = source[name]
        }
        colorChanged()
    }

    function emitAppScreenLocked() {
        appScreenLocked()
    }

    function emitAppScreenUnlocked() {
        appScreenUnlocked()
    }
}
