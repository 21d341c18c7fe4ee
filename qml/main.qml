import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import QtQuick.LocalStorage 2.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/pwd"
import "qrc:/note"
import "qrc:/setting"
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun

// The application window: the welcome, login and vault stack with the three
// tabs and the navigation bar, the lock screen over an open vault after a
// time in the background, and the loading of the vault at start.
ApplicationWindow {
    id: idApplicationWindow
    visible: true
    width: 400
    height: 650
    title: qsTr("岚匣密管")

    // Fixed size on the desktop: X11 window managers honour minimum ==
    // maximum, the Windows-only hint does nothing there.
    minimumWidth: Pubfun.isOnDesktop() ? width : 0
    maximumWidth: Pubfun.isOnDesktop() ? width : 16777215
    minimumHeight: Pubfun.isOnDesktop() ? height : 0
    maximumHeight: Pubfun.isOnDesktop() ? height : 16777215

    flags: Pubfun.isOnDesktop()
           ? (Qt.Window | Qt.MSWindowsFixedSizeDialogHint | Qt.WindowTitleHint
              | Qt.WindowSystemMenuHint | Qt.WindowMinimizeButtonHint
              | Qt.WindowCloseButtonHint)
           : (Qt.Window | Qt.MaximizeUsingFullscreenGeometryHint)

    signal appScreenLocked()
    signal appScreenUnlocked()

    property real backKeyPressTime: 0

    // The clock of the auto-lock, in milliseconds since the epoch; tests
    // replace it to step time.
    property var currentTimeMs: function() { return new Date().getTime() }
    // Ends the program; tests replace it.
    property var quitProgram: function() { Qt.quit() }

    // Handles for tests and for pages that need the frame's parts.
    readonly property alias loginStack: idLoginStack
    readonly property alias pageStack: idPageStack
    readonly property alias navBar: idNavBar
    readonly property alias welcomePage: idWelcomePage
    readonly property alias loginPage: idLoginPage
    readonly property alias homePage: idHomePage
    readonly property alias notesPage: idNotesPage
    readonly property alias popupMsg: idPopupMsg
    readonly property alias vaultFileDialog: idVaultFileDialog
    readonly property alias unreadableVaultDialog: idUnreadableVaultDialog
    readonly property alias autoCloudBackupLogic: idAutoCloudBackupLogic
    readonly property var lockPopup: idLoginPopupLoader.item
    readonly property alias lifecycle: idLifecycle

    StackLayout {
        id: idLoginStack
        objectName: "loginStack"
        anchors.fill: parent
        currentIndex: 0

        WelcomePage {
            id: idWelcomePage
            onStartButtonClicked: idLoginStack.currentIndex = 1
        }

        LoginPage {
            id: idLoginPage
            objectName: "mainLoginPage"
            onLoginSucceeded: {
                if (DBCloud.root.summary === undefined) {
                    console.log("main: Load DBCloud.")
                    DBCloud.libEncryptor = Encryptor
                    DBCloud.localStorage = LocalStorage
                    DBCloud.load()
                }
                idLoginStack.currentIndex = 2
                idAutoCloudBackupLogic.startBackupTimer()
                if (pwdChanged) {
                    idPopupMsg.show(qsTr("登录密码已修改"))
                }
            }
        }

        ColumnLayout {
            spacing: 0

            StackLayout {
                id: idPageStack
                objectName: "pageStack"
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: 0

                HomePage {
                    id: idHomePage
                }
                NotesPage {
                    id: idNotesPage
                }
                SettingPage {
                }
            }

            NavBar {
                id: idNavBar
                objectName: "navBar"
                Layout.fillWidth: true
                onPageIndexChanged: {
                    DB.pinCode = ""
                    if (idx === idPageStack.currentIndex) {
                        if (idx === 0)
                            idHomePage.goBack()
                        else if (idx === 1)
                            idNotesPage.goBack()
                    }
                    idPageStack.currentIndex = idx
                    console.log("Navbar height: " + idNavBar.height)
                }
            }
        }
    }

    PopupMsg {
        id: idPopupMsg
    }

    // The vault file is there but cannot be read: another program holds it,
    // the user may not read it, or it is no sound database. Nothing is
    // offered that would write over it, and the program ends.
    QuestionDialog {
        id: idVaultFileDialog
        objectName: "vaultFileDialog"

        // DB.loadFailure and DB.loadError of the load that failed.
        property string failure: "unreadable"
        property string reason: ""

        title: failure === "inUse" ? qsTr("密码库文件正被使用") : qsTr("无法读取密码库文件")
        msg: (failure === "inUse" ? qsTr("密码库文件正被其他程序使用，文件保持原样，程序将退出：")
              : failure === "denied" ? qsTr("无权读取密码库文件（%1），文件保持原样，程序将退出：").arg(reason)
              : qsTr("密码库文件已损坏或不是密码库，文件保持原样，程序将退出："))
             + "\n" + Util.databaseFile("ZovuduzuRez")
        hasRejectedButton: false
        acceptButtonText: qsTr("退出")
        onClosed: idApplicationWindow.quitProgram()
    }

    // A vault is stored but does not open on this computer (changed, or made
    // on another computer): it is kept aside, and a new one can be started.
    QuestionDialog {
        id: idUnreadableVaultDialog
        objectName: "unreadableVaultDialog"
        title: qsTr("无法打开已有的密码库")
        msg: qsTr("此电脑上已有的密码库无法打开，已被保留。设置新的登录密码后，可在“设置”中恢复备份。")
        hasRejectedButton: false
    }

    // The lock screen holds every key and every press while it is up: it
    // is modal and stands above all other popups, so Qt's Escape of the
    // sheets, drawers and dialogs beneath it (and any other shortcut of
    // theirs) does not fire, and it takes the keyboard focus back from
    // anything that opens beneath it. Once it closes, Qt gives the focus
    // back to the popup that had it; what is open beneath is as it was.
    Component {
        id: idLoginPopupComp
        Popup {
            id: idLoginPopup
            objectName: "lockPopup"
            closePolicy: Popup.NoAutoClose
            contentWidth: Util.screenSize.width
            contentHeight: Util.screenSize.height
            margins: 0
            padding: 0
            focus: true
            modal: true
            dim: false
            z: 1
            property alias loginPage: idLoginPageContent
            // True from the opening to the start of the closing.
            property bool __holdsKeys: false

            onOpened: __holdsKeys = true
            onAboutToHide: __holdsKeys = false

            // True when item belongs to the lock, or to a popup as high as
            // the lock or higher (its own toasts, should it show any), and
            // not to the vault beneath.
            function __holds(item) {
                for (var p = item; p; p = p.parent) {
                    if (p.parent === idApplicationWindow.overlay)
                        return p.z >= z
                }
                return false
            }

            Connections {
                target: idApplicationWindow
                function onActiveFocusItemChanged() {
                    if (idLoginPopup.__holdsKeys
                            && !idLoginPopup.__holds(idApplicationWindow.activeFocusItem))
                        idLoginPopup.forceActiveFocus()
                }
            }

            LoginPage {
                id: idLoginPageContent
                objectName: "lockLoginPage"
                anchors.fill: parent
                onLoginSucceeded: {
                    idLoginPopup.close()
                    idApplicationWindow.appScreenUnlocked()
                }
            }
        }
    }

    Loader {
        id: idLoginPopupLoader
        sourceComponent: idLoginPopupComp
    }

    AutoCloudBackupLogic {
        id: idAutoCloudBackupLogic
    }

    Connections {
        id: idLifecycle
        target: PhoneNotify
        property var backgroundTime: undefined

        function onApplicationDidEnterBackground() {
            backgroundTime = idApplicationWindow.currentTimeMs()
            console.log("main: Recived DidEnterBackground.  "
                        + Pubfun.millisecToDateTimeSecStr(backgroundTime))
            Qt.inputMethod.hide()
        }

        function onApplicationWillEnterForeground() {
            var currTime = idApplicationWindow.currentTimeMs()
            console.log("main: Recived WillEnterForeground."
                        + Pubfun.millisecToDateTimeSecStr(currTime))
            var lockSecs = Util.isOnDistribution() ? 60 : 15
            // Once the data are cleared no password is left to ask for; the
            // lock would offer to set one and so write a new, empty vault
            // before the program ends. The final dialog stays up instead.
            if (1000 * lockSecs <= currTime - backgroundTime && idLoginStack.currentIndex === 2
                    && !DB.isEmptyPassword()) {
                console.log("main: Out login time.")
                idLoginPopupLoader.item.open()
                idApplicationWindow.appScreenLocked()
            }
        }

        function onApplicationWillTerminate() {
            console.log("main Recived WillTerminate.")
        }
    }

    onActiveChanged: {
        if (!Pubfun.isOnDesktop())
            return
        if (active)
            PhoneNotify.emitApplicationWillEnterForeground()
        else
            PhoneNotify.emitApplicationDidEnterBackground()
    }

    onClosing: {
        console.log("In onClosing, active: " + active)
        if (Qt.platform.os === "android") {
            close.accepted = false
            var now = new Date().getTime()
            var diff = now - backKeyPressTime
            if (backKeyPressTime > 0 && diff > 500 && diff <= 2000) {
                Util.systemExit()
            } else {
                backKeyPressTime = now
                Util.showToast(qsTr("再按一次退出程序"))
            }
        }
    }

    Component.onCompleted: {
        console.log("\n\nplatform.os: " + Qt.platform.os
                    + "\nScreen: " + Screen.width + " * " + Screen.height
                    + "\nScreen.desktopAvailable: " + Screen.desktopAvailableWidth
                    + " * " + Screen.desktopAvailableHeight
                    + "\nScreen.devicePixelRatio: " + Screen.devicePixelRatio
                    + "\nUtil.screenSize       : " + Util.screenSize.width
                    + " * " + Util.screenSize.height)

        Theme.statusBarHeight = Util.statusBarHeight
        Theme.homeIndicatorHeight = Util.homeIndicatorHeight
        console.log("\nTheme.statusBarHeight: " + Theme.statusBarHeight
                    + ", Theme.homeIndicatorHeight: " + Theme.homeIndicatorHeight + "\n")

        if (Pubfun.isOnDesktop()) {
            x = (Screen.desktopAvailableWidth - width) / 2
            y = (Screen.desktopAvailableHeight - height) / 2
            DB.wrapKey = Qt.md5(Util.deviceCode)
        }

        DB.libEncryptor = Encryptor
        DB.localStorage = LocalStorage
        var loaded = DB.load()

        Pubfun.LibUtil = Util

        if (!loaded) {
            idVaultFileDialog.failure = DB.loadFailure
            idVaultFileDialog.reason = DB.loadError
            idVaultFileDialog.open()
        } else if (DB.isEmptyPassword()) {
            idWelcomePage.showLicenseLink()
            if (DB.hasUnreadableVault())
                idUnreadableVaultDialog.open()
        } else {
            idLoginStack.currentIndex = 1
        }

        appScreenLocked.connect(Theme.appScreenLocked)
        appScreenUnlocked.connect(Theme.appScreenUnlocked)

        DB.getPwdBox(DB.constBoxIdAll).name = qsTr("全部")
        DB.getPwdBox(DB.constBoxIdUncateg).name = qsTr("未分类")

        var darkMode = DB.root.local.ui.darkMode
        if (darkMode === undefined) {
            if (Util.isDarkMode()) {
                console.log("System is dark mode")
                Theme.enableDarkMode(true)
            }
        } else if (darkMode) {
            console.log("User setted dark mode")
            Theme.enableDarkMode(true)
        }
    }
}
