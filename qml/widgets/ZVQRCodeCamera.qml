import QtQuick 2.12
import QtQuick.Controls 2.12
import QtMultimedia 5.12
import BarcodeDecoder 2.3

// Camera view for scanning QR codes: the camera picture darkened around a
// square capture zone with corner marks and a moving scan line; only the
// zone is decoded. scanFinished carries the text of a decoded frame. A busy
// indicator stands in for the picture while the camera is not active (also
// when there is no camera at all).
Item {
    id: idRoot

    property string foundTag: ""
    property real zoneRatio: 0.7
    property int videoFillMode: VideoOutput.PreserveAspectCrop

    signal scanFinished(string tag)

    readonly property bool __active: idCamera.cameraStatus === Camera.ActiveStatus
    readonly property real __zoneSide: Math.min(width, height) * zoneRatio

    function start() {
        // A text of an earlier scan must not end this one.
        foundTag = ""
        var availability = idCamera.availability
        if (availability === Camera.Available)
            console.debug("ZVQRCodeCamera: camera available")
        else if (availability === Camera.Busy)
            console.warn("ZVQRCodeCamera: camera unavailable (busy)")
        else if (availability === Camera.ResourceMissing)
            console.warn("ZVQRCodeCamera: camera unavailable (resource missing)")
        else
            console.warn("ZVQRCodeCamera: camera unavailable")
        idCamera.start()
    }

    function stop() {
        idCamera.stop()
        idCamera.cameraState = Camera.UnloadedState
    }

    // The zone, centred on the item point that shows the video's centre, in
    // the coordinates of the camera frames.
    function __updateCaptureRect() {
        var centre = idVideoOutput.mapNormalizedPointToItem(Qt.point(0.5, 0.5))
        var side = __zoneSide
        idFilter.captureRect = idVideoOutput.mapRectToSource(
                    Qt.rect(centre.x - side / 2, centre.y - side / 2, side, side))
    }

    Camera {
        id: idCamera
        objectName: "camera"
        captureMode: Camera.CaptureStillImage
        cameraState: Camera.UnloadedState
        focus {
            focusMode: Camera.FocusContinuous
            focusPointMode: Camera.FocusPointCenter
        }
    }

    BarcodeFilter {
        id: idFilter
        objectName: "barcodeFilter"
        decoder {
            enabledDecoders: BarcodeDecoder.DecoderFormat_QR_CODE
            tryHarder: false
        }
        // tagFound of a frame comes before its decodingFinished.
        onDecodingFinished: {
            if (succeeded && idRoot.foundTag.length > 0)
                idRoot.scanFinished(idRoot.foundTag)
        }
    }

    Connections {
        target: idFilter.decoder
        function onTagFound(tag) {
            idRoot.foundTag = tag
            // The text itself may hold a secret and stays out of the log.
            console.debug("ZVQRCodeCamera: found", idFilter.decoder.foundedFormat(),
                          idFilter.decoder.charSet(), tag.length, "characters")
        }
    }

    VideoOutput {
        id: idVideoOutput
        objectName: "videoOutput"
        anchors.fill: parent
        source: idCamera
        autoOrientation: true
        fillMode: idRoot.videoFillMode
        filters: [idFilter]
        visible: idRoot.__active
        onContentRectChanged: idRoot.__updateCaptureRect()
        onSourceRectChanged: idRoot.__updateCaptureRect()
    }

    Item {
        id: idZoneLayer
        objectName: "zoneLayer"
        anchors.fill: parent
        visible: idRoot.__active

        // Half-transparent black everywhere but the zone.
        Canvas {
            id: idShade
            anchors.fill: parent
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.fillStyle = Qt.rgba(0, 0, 0, 0.5)
                ctx.fillRect(0, 0, width, height)
                ctx.clearRect(idZone.x, idZone.y, idZone.width, idZone.height)
            }
        }

        Item {
            id: idZone
            anchors.centerIn: parent
            width: idRoot.__zoneSide
            height: idRoot.__zoneSide
            onWidthChanged: {
                idShade.requestPaint()
                idCorners.requestPaint()
                idRoot.__updateCaptureRect()
            }
            onXChanged: idShade.requestPaint()
            onYChanged: idShade.requestPaint()

            // Four white L-shaped marks at the corners.
            Canvas {
                id: idCorners
                anchors.fill: parent
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    var lw = 4
                    var half = lw / 2
                    var leg = width * 0.1
                    ctx.lineWidth = lw
                    ctx.strokeStyle = "white"
                    ctx.beginPath()
                    ctx.moveTo(half, half + leg); ctx.lineTo(half, half); ctx.lineTo(half + leg, half)
                    ctx.moveTo(width - half - leg, half); ctx.lineTo(width - half, half)
                    ctx.lineTo(width - half, half + leg)
                    ctx.moveTo(width - half, height - half - leg); ctx.lineTo(width - half, height - half)
                    ctx.lineTo(width - half - leg, height - half)
                    ctx.moveTo(half + leg, height - half); ctx.lineTo(half, height - half)
                    ctx.lineTo(half, height - half - leg)
                    ctx.stroke()
                }
            }

            Item {
                id: idScanArea
                anchors.centerIn: parent
                width: parent.width
                height: parent.height
                scale: 0.9
                clip: true

                Rectangle {
                    id: idScanLine
                    width: idZone.width
                    height: idZone.width * 0.2
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: Qt.rgba(1, 1, 1, 0) }
                        GradientStop { position: 0.95; color: Qt.rgba(1, 1, 1, 0.2) }
                        GradientStop { position: 1.0; color: Qt.rgba(1, 1, 1, 1) }
                    }
                    NumberAnimation on y {
                        from: -idScanLine.height
                        to: idScanArea.height * 2
                        duration: 1500
                        loops: Animation.Infinite
                        running: idZoneLayer.visible
                    }
                }
            }
        }

        ZVText {
            anchors.top: idZone.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("将二维码放入框内")
            font.pointSize: 17
            color: "whitesmoke"
        }
    }

    BusyIndicator {
        objectName: "busyIndicator"
        anchors.centerIn: parent
        visible: !idRoot.__active
        running: visible
    }
}
