import QtQuick 2.12
import QtQuick.Controls 2.12
import QtMultimedia 5.12
import QtTest 1.12
import BarcodeDecoder 2.3
import "qrc:/widgets"
import "qrc:/pwd"
import "../common/pagetest.js" as T
import "../common"

// The camera view and the QR scan page on a machine without a camera: the
// view shows its busy indicator and says so in the log, the page closes
// cleanly; decoded frames go through the view's real filter and decoder.
Item {
    id: idRoot
    width: 360
    height: 640

    readonly property string otpUrl:
        "otpauth://totp/Keyloft:alice@example.com?secret=JBSWY3DPEHPK3PXP&issuer=Keyloft"
    readonly property var unavailable: /^ZVQRCodeCamera: camera unavailable/

    ZVQRCodeCamera {
        id: idCamera
        anchors.fill: parent
    }

    // Made once the window is up, as the application makes its pages: the
    // title bar takes its sizes from the window then.
    property QtObject scanPage: null
    Component {
        id: idPageComponent
        QRCodeScanPage {}
    }

    SignalSpy { id: idScanFinished; target: idCamera; signalName: "scanFinished" }
    SignalSpy { id: idPageClosed; target: idRoot.scanPage; signalName: "closed" }

    KeyloftTestCase {
        name: "QRCodeCamera"
        when: windowShown

        function initTestCase() {
            idRoot.scanPage = idPageComponent.createObject(idRoot)
        }

        function init() {
            idScanFinished.clear()
            idPageClosed.clear()
        }

        function cleanup() {
            idCamera.stop()
            if (scanPage.visible)
                T.closePopup(this, scanPage)
        }

        // A QR code of text as the filter's own decoder reads a frame.
        function decodeWith(filter, text) {
            var image = filter.decoder.encodeData(text, BarcodeDecoder.EncoderFormat_QR_CODE,
                                                  Qt.size(240, 240), 0, true)
            return filter.decoder.decodeImage(image)
        }

        function test_withoutCamera() {
            ignoreWarning(idRoot.unavailable)
            idCamera.start()
            var camera = findChild(idCamera, "camera")
            verify(camera.availability !== Camera.Available)
            verify(findChild(idCamera, "busyIndicator").visible)
            verify(!findChild(idCamera, "videoOutput").visible)
            verify(!findChild(idCamera, "zoneLayer").visible)
            idCamera.stop()
            compare(camera.cameraState, Camera.UnloadedState)
            verify(findChild(idCamera, "busyIndicator").visible)
        }

        function test_filterSettings() {
            var filter = findChild(idCamera, "barcodeFilter")
            compare(filter.decoder.enabledDecoders, BarcodeDecoder.DecoderFormat_QR_CODE)
            compare(filter.decoder.tryHarder, false)
        }

        // Only a decode that found a text ends a scan, and a text of an
        // earlier scan does not count.
        function test_scanFinishedOnlyWithText() {
            var filter = findChild(idCamera, "barcodeFilter")
            idCamera.foundTag = "otpauth://totp/old?secret=JBSWY3DPEHPK3PXP"
            ignoreWarning(idRoot.unavailable)
            idCamera.start()
            compare(idCamera.foundTag, "")
            filter.decodingFinished(true, 5)
            compare(idScanFinished.count, 0)

            var blank = filter.decoder.encodeData("x", BarcodeDecoder.EncoderFormat_INVALID)
            compare(filter.decoder.decodeImage(blank), "")
            compare(idScanFinished.count, 0)

            compare(decodeWith(filter, idRoot.otpUrl), idRoot.otpUrl)
            compare(idScanFinished.count, 1)
            compare(idScanFinished.signalArguments[0][0], idRoot.otpUrl)
            compare(idCamera.foundTag, idRoot.otpUrl)
        }

        function openPage() {
            ignoreWarning(idRoot.unavailable)
            scanPage.open()
            tryCompare(scanPage, "opened", true)
            // The desktop grants the permission at once.
            var loader = findChild(scanPage.contentItem, "cameraLoader")
            verify(loader.active)
            tryVerify(function () { return loader.item !== null })
            return loader.item
        }

        function test_pageClosesCleanly() {
            var view = openPage()
            verify(findChild(view, "busyIndicator").visible)
            compare(scanPage.foundTag, "")
            mouseClick(T.findText(scanPage.contentItem, "关闭"))
            tryCompare(scanPage, "visible", false)
            compare(idPageClosed.count, 1)
            compare(scanPage.foundTag, "")
            compare(findChild(view, "camera").cameraState, Camera.UnloadedState)
        }

        function test_pageTakesTheFirstScan() {
            var view = openPage()
            var filter = findChild(view, "barcodeFilter")
            decodeWith(filter, idRoot.otpUrl)
            tryCompare(scanPage, "visible", false)
            compare(scanPage.foundTag, idRoot.otpUrl)
            compare(idPageClosed.count, 1)
            // A later frame changes nothing.
            decodeWith(filter, "otpauth://totp/other?secret=JBSWY3DPEHPK3PXP")
            compare(scanPage.foundTag, idRoot.otpUrl)

            // Opening again starts empty.
            openPage()
            compare(scanPage.foundTag, "")
        }

        function test_permissionRefused() {
            openPage()
            PhoneNotify.cameraPermissionsResult("android.permission.CAMERA", false)
            var dialog = findChild(scanPage, "cameraPermissionDialog")
            tryCompare(dialog, "opened", true)
            compare(dialog.msg, "请在系统设置中开启\"相机\"权限。")
            verify(!findChild(dialog.contentItem, "rejectButton").visible)
            mouseClick(findChild(dialog.contentItem, "acceptButton"))
            tryCompare(scanPage, "visible", false)
            compare(scanPage.foundTag, "")
            compare(idPageClosed.count, 1)
        }
    }
}
