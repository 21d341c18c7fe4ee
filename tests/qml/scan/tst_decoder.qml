import QtQuick 2.12
import QtTest 1.12
import BarcodeDecoder 2.3
import "../common"

// BarcodeDecoder as QML sees it: a QR round trip through encodeData and
// decodeImage, QR images of an independent encoder (qrencode) from a path, a
// "file://" path, a URL and an item on screen.
Item {
    id: idRoot
    width: 400
    height: 400

    readonly property string asciiPng: testDataDir + "/otpauth-ascii.png"
    readonly property string utf8Png: testDataDir + "/otpauth-utf8.png"
    // The texts given to qrencode for them (tests/CMakeLists.txt).
    readonly property string asciiText:
        "otpauth://totp/Keyloft:alice@example.com?secret=JBSWY3DPEHPK3PXP&issuer=Keyloft"
    readonly property string utf8Text:
        "otpauth://totp/岚匣密管:张三?secret=JBSWY3DPEHPK3PXP&issuer=岚匣密管"

    BarcodeDecoder {
        id: idDecoder
        property var events: []
        onDecodingStarted: events.push("decodingStarted")
        onTagFound: events.push("tagFound:" + tag)
        onTagFoundAdvanced: events.push("tagFoundAdvanced:" + format)
        onDecodingFinished: events.push("decodingFinished:" + succeeded)
        onError: events.push("error:" + msg)
    }

    Image {
        id: idQrImage
        x: 30
        y: 40
        source: "file://" + idRoot.asciiPng
    }

    QtObject { id: idNotAnItem }

    SignalSpy { id: idFormatsChanged; target: idDecoder; signalName: "enabledFormatsChanged" }

    KeyloftTestCase {
        name: "BarcodeDecoderQml"
        when: windowShown

        function init() {
            idDecoder.enabledDecoders = BarcodeDecoder.DecoderFormat_QR_CODE
            idDecoder.events = []
            idFormatsChanged.clear()
        }

        function test_registeredTypes() {
            compare(BarcodeDecoder.DecoderFormat_QR_CODE, 0x1000)
            compare(BarcodeDecoder.DecoderFormat_CODE_128_GS1, 0x40000)
            idDecoder.enabledDecoders = BarcodeDecoder.DecoderFormat_CODE_128_GS1
            compare(idDecoder.enabledDecoders, 0x40020)
            idDecoder.enabledDecoders = 1
            compare(idDecoder.enabledDecoders, 0)
            compare(idFormatsChanged.count, 2)
        }

        function test_roundTrip() {
            var text = "otpauth://totp/Keyloft:bob?secret=JBSWY3DPEHPK3PXP&issuer=Keyloft"
            var image = idDecoder.encodeData(text, BarcodeDecoder.EncoderFormat_QR_CODE,
                                             Qt.size(300, 300),
                                             BarcodeDecoder.EncodeErrorCorrectionLevel_M, true)
            compare(idDecoder.decodeImage(image), text)
            compare(idDecoder.events, ["decodingStarted", "tagFound:" + text,
                                       "tagFoundAdvanced:QR_CODE", "decodingFinished:true"])
            compare(idDecoder.foundedFormat(), "QR_CODE")
            compare(idDecoder.charSet(), "UTF-8")
            verify(idDecoder.processingTime >= 0)
        }

        function test_files() {
            var text = idRoot.utf8Text
            compare(idDecoder.decodeImageFromFile(idRoot.utf8Png), text)
            compare(idDecoder.decodeImageFromFile("file://" + idRoot.utf8Png), text)
            compare(idDecoder.decodeImageQML(Qt.resolvedUrl("file://" + idRoot.utf8Png)), text)
            idDecoder.events = []
            compare(idDecoder.decodeImageFromFile(idRoot.utf8Png + ".none"), "")
            compare(idDecoder.events, ["decodingStarted", "decodingFinished:false"])
        }

        function test_nothingFound() {
            var blank = idDecoder.encodeData("x", BarcodeDecoder.EncoderFormat_QR_CODE,
                                             Qt.size(120, 120), 0, false, false)
            idDecoder.enabledDecoders = BarcodeDecoder.DecoderFormat_DATA_MATRIX
            compare(idDecoder.decodeImage(blank), "")
            compare(idDecoder.events, ["decodingStarted", "error:Unknown", "decodingFinished:false"])
        }

        // The item's picture is grabbed while events run: the grab's ready
        // signal must get through.
        function test_item() {
            tryCompare(idQrImage, "status", Image.Ready)
            var text = idRoot.asciiText
            compare(idDecoder.decodeImageQML(idQrImage), text)
            // The whole code lies in the item's top-left 164 x 164.
            compare(idDecoder.decodeSubImageQML(idQrImage, 0, 0, 164, 164), text)
            idDecoder.events = []
            compare(idDecoder.decodeSubImageQML(idQrImage, 0, 0, 60, 60), "")
            compare(idDecoder.events, ["decodingStarted", "error:Unknown", "decodingFinished:false"])
        }

        function test_notAnItem() {
            ignoreWarning("ImageHandler: item is NULL")
            compare(idDecoder.decodeImageQML(idNotAnItem), "")
            compare(idDecoder.events, ["decodingStarted", "decodingFinished:false"])
            idDecoder.events = []
            compare(idDecoder.decodeImageQML(null), "")
            compare(idDecoder.events, ["decodingFinished:false"])
        }
    }
}
