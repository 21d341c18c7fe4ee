import QtQuick 2.12
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/cloudupload.js" as CloudBackup

// Uploads the vault to the cloud account whenever it changed: first 5 s
// after login, then every 120 s, while an account is signed in on this
// computer. Shows nothing; any failure stops the timer until the next start.
QtObject {
    id: idLogic

    // Milliseconds since the epoch, for the log line; tests replace it.
    property var clock: function() { return Date.now() }

    property Timer backupTimer: Timer {
        interval: 5000
        repeat: true
        onTriggered: idLogic.__tick()
    }

    property CloudRequest uploadRequest: CloudRequest {
        logName: "AutoCloudBackup"
        modalBusy: false
    }

    function startBackupTimer() {
        if (DBCloud.root.user && DBCloud.root.user.creationTime) {
            backupTimer.interval = 5000
            backupTimer.start()
        } else {
            console.log("No login cloud backup, nothing to do.")
        }
    }

    function __tick() {
        if (backupTimer.interval < 120000)
            backupTimer.interval = 120000
        console.log("In auto cloud backup, detect on "
                    + Pubfun.millisecToDateTimeSecStr(clock())
                    + ", next in " + backupTimer.interval / 1000 + " s")
        if (!DBCloud.isSignedIn()) {
            console.log("In auto cloud backup, not signed in, skip.")
            return
        }
        if (CloudBackup.itemCount() === 0) {
            console.log("In auto cloud backup, empty vault, skip.")
            return
        }
        if (!CloudBackup.isNewerThanUpload()) {
            console.log("In auto cloud backup, already uploaded, skip.")
            return
        }
        if (uploadRequest.running) {
            console.log("In auto cloud backup, an upload is running, skip.")
            return
        }
        var upload = CloudBackup.makeUpload()
        if (upload === null) {
            console.log("In auto cloud backup, no backup text (security answer not set), skip.")
            return
        }
        uploadRequest.send(upload.url, "POST", {
            resultType: "object",
            success: function(result) {
                if (!CloudBackup.storeUpload(upload, result)) {
                    console.log("In auto cloud backup, cloud state not saved.")
                    idLogic.backupTimer.stop()
                    return
                }
                console.log("In auto cloud backup, backup completed.")
            },
            failed: function(step) {
                var what = step.kind === "network" ? "curl error: "
                         : step.kind === "data" ? "json error: " : "other error: "
                console.log("In auto cloud backup, " + what + step.detail)
                idLogic.backupTimer.stop()
            }
        })
    }
}
