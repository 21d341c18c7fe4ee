// What a person would see wrong in the laid-out window: texts cut short,
// texts drawn outside their own box or the window, texts drawn over another
// text, picture or button of the same layer (the page, or one open popup),
// and, in an English run, texts left in Chinese. Each finding is one line
// naming the text and what is wrong with it.
.pragma library
.import "../common/pagetest.js" as T

var SLACK = 1 // px of anti-aliasing that two neighbours may share
// Text.ElideRight, Text.ElideNone and Text.NoWrap (a script library sees
// no QML types).
var ELIDE_RIGHT = 1
var ELIDE_NONE = 3
var NO_WRAP = 0

function __isText(o) {
    return o && typeof o.text === "string" && o.truncated !== undefined
            && o.contentWidth !== undefined && o.elide !== undefined
}

function __isImage(o) {
    return o && o.sourceSize !== undefined && o.fillMode !== undefined
            && o.status !== undefined && String(o.source) !== ""
}

function __isButton(o) {
    return o && o.pressed !== undefined && o.down !== undefined && o.checkable !== undefined
}

function __isPopupItem(o) {
    return String(o).indexOf("QQuickPopupItem") === 0
}

// The layer an item is drawn in: the item of the popup that holds it, or
// the window's root.
function __layer(item) {
    var p = item
    for (; p.parent; p = p.parent) {
        if (__isPopupItem(p))
            return p
    }
    return p
}

function __isAncestor(a, b) {
    for (var p = b; p; p = p.parent) {
        if (p === a)
            return true
    }
    return false
}

// The scene rectangle the glyphs of text t cover.
function __textRect(t) {
    var w = t.contentWidth, h = t.contentHeight
    var x = 0, y = 0
    var ha = t.effectiveHorizontalAlignment
    if (ha === Qt.AlignRight)
        x = t.width - w
    else if (ha === Qt.AlignHCenter)
        x = (t.width - w) / 2
    var va = t.verticalAlignment
    if (va === Qt.AlignBottom)
        y = t.height - h
    else if (va === Qt.AlignVCenter)
        y = (t.height - h) / 2
    var p = t.mapToItem(null, x + t.leftPadding, y + t.topPadding)
    return { x: p.x, y: p.y, w: w, h: h }
}

function __boxRect(item) {
    var p = item.mapToItem(null, 0, 0)
    return { x: p.x, y: p.y, w: item.width, h: item.height }
}

function __overlap(a, b) {
    return a.x + a.w - SLACK > b.x && b.x + b.w - SLACK > a.x
            && a.y + a.h - SLACK > b.y && b.y + b.h - SLACK > a.y
}

// The part of rect r that the clipping ancestors of item leave visible, or
// null when nothing of it is.
function __clipped(item, r) {
    var x1 = r.x, y1 = r.y, x2 = r.x + r.w, y2 = r.y + r.h
    for (var p = item.parent; p; p = p.parent) {
        if (!p.clip)
            continue
        var c = __boxRect(p)
        x1 = Math.max(x1, c.x)
        y1 = Math.max(y1, c.y)
        x2 = Math.min(x2, c.x + c.w)
        y2 = Math.min(y2, c.y + c.h)
    }
    if (x2 - x1 <= SLACK || y2 - y1 <= SLACK)
        return null
    return { x: x1, y: y1, w: x2 - x1, h: y2 - y1 }
}

function __name(o) {
    if (__isText(o))
        return "\"" + o.text + "\""
    var s = String(o)
    if (o.objectName)
        s += " " + o.objectName
    if (__isImage(o))
        s += " " + o.source
    return s
}

// The shown items under root; hidden ones and what they hold are left out.
function __collect(root) {
    var out = []
    var stack = [root]
    while (stack.length > 0) {
        var o = stack.pop()
        if (!o || o.visible === false || o.opacity === 0)
            continue
        out.push(o)
        var kids = o.children
        if (kids)
            for (var k = 0; k < kids.length; ++k)
                stack.push(kids[k])
    }
    return out
}

// Chinese characters and the full-width punctuation that goes with them
// (not the full-width currency signs of prices).
var CHINESE = /[\u3000-\u303f\u3400-\u9fff\uff01-\uff5e]/

// The findings for everything drawn under root (the window's root item, so
// that the popups of its overlay are included), in the window of the given
// size. options.mayCut: texts that may be cut, at their end, when they do
// not fit (names longer than their room); options.english: Chinese in a
// shown text is a finding.
function problems(root, windowWidth, windowHeight, options) {
    var mayCut = (options && options.mayCut) || []
    var english = options && options.english === true
    var items = __collect(root).filter(function (o) {
        return (__isText(o) || __isImage(o) || __isButton(o)) && T.isShown(o)
    })
    var texts = []
    var others = []
    var found = []
    var i, j
    for (i = 0; i < items.length; ++i) {
        var o = items[i]
        var r = __isText(o) ? (o.text.trim() === "" ? null : __textRect(o)) : __boxRect(o)
        if (!r)
            continue
        if (!__clipped(o, __boxRect(o)))
            continue
        // What others can run into is what the clipping ancestors leave.
        var entry = { item: o, rect: __clipped(o, r), layer: __layer(o) }
        if (__isText(o)) {
            texts.push(entry)
            if (o.truncated && (mayCut.indexOf(o.text) < 0 || o.elide !== ELIDE_RIGHT))
                found.push("cut: " + __name(o))
            if (english && CHINESE.test(o.text))
                found.push("not in English: " + __name(o))
            if (r.x < -SLACK || r.x + r.w > windowWidth + SLACK)
                found.push("outside the window: " + __name(o))
            else if (o.elide === ELIDE_NONE && o.wrapMode === NO_WRAP
                     && o.contentWidth > o.width + SLACK)
                found.push("wider than its box: " + __name(o) + " " + Math.round(o.contentWidth)
                           + " > " + Math.round(o.width))
            else if (!__clipped(o, r) || __clipped(o, r).w < r.w - SLACK)
                found.push("hidden by its clip: " + __name(o))
        } else {
            others.push(entry)
        }
    }
    for (i = 0; i < texts.length; ++i) {
        var a = texts[i]
        if (!a.rect)
            continue
        var against = texts.slice(i + 1).concat(others)
        for (j = 0; j < against.length; ++j) {
            var b = against[j]
            if (!b.rect || a.layer !== b.layer || __isAncestor(a.item, b.item) || __isAncestor(b.item, a.item))
                continue
            if (__overlap(a.rect, b.rect))
                found.push("over " + __name(b.item) + ": " + __name(a.item))
        }
    }
    return found
}

// Checks the window once it has settled (two grabs in a row are the same
// picture: layouts placed, transitions over) and saves it as NAME.png under
// dir (the test's artefact directory): the test fails with every finding.
function check(tc, window, dir, name, options) {
    // The window's root item, which also holds the popups' overlay.
    var root = window.contentItem
    while (root.parent)
        root = root.parent
    var last = tc.grabImage(root)
    tc.tryVerify(function () {
        var image = tc.grabImage(root)
        var same = image.equals(last)
        last = image
        return same
    }, 5000, name + ": the window keeps changing")
    var found = problems(root, window.width, window.height, options)
    T.shoot(tc, window, dir, name)
    tc.verify(found.length === 0, name + ":\n    " + found.join("\n    "))
}
