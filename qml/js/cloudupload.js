.pragma library
.import "db.js" as DB
.import "dbcloud.js" as DBCloud
.import "cloudapi.js" as CloudApi
.import "pubfun.js" as Pubfun
.import Lib.Util 1.0 as LibUtilModule

// The upload of the vault to the cloud account, shared by the manual backup
// and the automatic one: whether the vault changed since the snapshot last
// uploaded, the request, and what a successful answer stores.

// The vault was saved after the snapshot that was last uploaded (or restored
// from the cloud). Compared on the vault's own clock, never the server's.
function isNewerThanUpload() {
    var uploaded = DBCloud.root.summary.uploadedModifiedDate
    return DB.root.summary.modifiedDate > (typeof uploaded === "number" ? uploaded : 0)
}

function itemCount() {
    return (DB.root.summary.pwdItemCount || 0) + (DB.root.summary.noteItemCount || 0)
}

// { url, modifiedDate } of an upload of the vault as it is now, or null when
// no backup text can be made (no security answer set).
function makeUpload() {
    var backupTxt = DB.backup(DBCloud.backupKey())
    if (!backupTxt)
        return null
    var content = Pubfun.wrapLine(backupTxt, "BEGIN BACKUP", "END BACKUP")
    var attached = JSON.stringify({ pwdItemCount: DB.root.summary.pwdItemCount,
                                    noteItemCount: DB.root.summary.noteItemCount })
    return {
        url: CloudApi.backupUploadUrl(DBCloud.root.user.phoneNumber,
                                      LibUtilModule.Util.deviceCode, content, attached),
        modifiedDate: DB.root.summary.modifiedDate
    }
}

// Stores a successful upload's time and the snapshot it carried; throws on
// an answer without a usable upload_time (a data error to the caller).
// Returns false when the cloud state could not be written.
function storeUpload(upload, result) {
    return markUploaded(result.upload_time, upload.modifiedDate)
}

// The vault as of modifiedDate is on the account, uploaded at uploadTimeText.
function markUploaded(uploadTimeText, modifiedDate) {
    if (typeof uploadTimeText !== "string")
        throw new Error("upload_time is not a text")
    var ms = Pubfun.dateTimeStrToMillisec(uploadTimeText)
    if (!ms)
        throw new Error("upload_time is not a date: " + uploadTimeText)
    DBCloud.root.summary.uploadTime = ms
    DBCloud.root.summary.uploadedModifiedDate = modifiedDate
    return DBCloud.save()
}
