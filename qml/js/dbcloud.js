.pragma library
// Stand-in for the cloud-state store until the cloud pages arrive: root has
// no summary before the first load().

var localStorage = null
var libEncryptor = null
var root = {}
var loadCount = 0

function load() {
    loadCount++
    root = { summary: {} }
}
