// What a person would see wrong in the laid-out window, once it has settled:
// texts cut short (elided, or the shown text of a field cut at its edge),
// texts whose glyphs run outside their own box, outside the window or under
// the edge of a clipping item (a scrolling list or page only where it can
// be scrolled to), texts drawn over another text, picture or button of the
// same layer (the page, or one open popup), texts hidden under an opaque
// item drawn after them, and, in an English run, texts left in Chinese.
// Each finding is one line naming the text and what is wrong with it.
.pragma library
.import "../common/pagetest.js" as T

var SLACK = 1 // px of anti-aliasing that two neighbours may share
// Text.ElideRight (a script library sees no QML types).
var ELIDE_RIGHT = 1
// Between two grabs that must be the same picture: timers, animations,
// layouts and canvases go on meanwhile.
var SETTLE_MS = 100
var SETTLE_LIMIT_MS = 10000

function __isText(o) {
    return o && typeof o.text === "string" && o.truncated !== undefined
            && o.contentWidth !== undefined && o.elide !== undefined
}

// TextInput and TextEdit: what they show is the user's text.
function __isField(o) {
    return o && typeof o.text === "string" && o.cursorRectangle !== undefined
            && o.contentWidth !== undefined && o.selectByMouse !== undefined
}

function __isSingleLineField(o) {
    return __isField(o) && o.displayText !== undefined && o.echoMode !== undefined
}

function __isImage(o) {
    return o && o.sourceSize !== undefined && o.fillMode !== undefined
            && o.status !== undefined && String(o.source) !== ""
}

function __isButton(o) {
    return o && o.pressed !== undefined && o.down !== undefined && o.checkable !== undefined
}

// A filled Rectangle whose fill hides what lies beneath it.
function __isOpaqueFill(o) {
    return o && o.border !== undefined && o.radius !== undefined && o.antialiasing !== undefined
            && o.color !== undefined && o.color.a >= 0.999 && !o.gradient
}

function __isPopupItem(o) {
    return String(o).indexOf("QQuickPopupItem") === 0
}

// A Flickable (a list, a scrolling page) that can be scrolled along x or y:
// what its edge cuts off there can be brought into view.
function __scrolls(o, vertical) {
    if (o.contentHeight === undefined || o.flickableDirection === undefined || o.contentY === undefined)
        return false
    return vertical ? o.contentHeight > o.height + SLACK : o.contentWidth > o.width + SLACK
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

// The scene rectangle the glyphs of text or field t cover.
function __textRect(t) {
    var w = t.contentWidth, h = t.contentHeight
    var x = 0, y = 0
    var innerW = t.width - t.leftPadding - t.rightPadding
    var innerH = t.height - t.topPadding - t.bottomPadding
    var ha = t.effectiveHorizontalAlignment
    if (ha === Qt.AlignRight)
        x = innerW - w
    else if (ha === Qt.AlignHCenter)
        x = (innerW - w) / 2
    var va = t.verticalAlignment
    if (va === Qt.AlignBottom)
        y = innerH - h
    else if (va === Qt.AlignVCenter)
        y = (innerH - h) / 2
    var p = t.mapToItem(null, x + t.leftPadding, y + t.topPadding)
    return { x: p.x, y: p.y, w: w, h: h }
}

function __boxRect(item) {
    var p = item.mapToItem(null, 0, 0)
    return { x: p.x, y: p.y, w: item.width, h: item.height }
}

function __intersect(a, b) {
    var x1 = Math.max(a.x, b.x), y1 = Math.max(a.y, b.y)
    var x2 = Math.min(a.x + a.w, b.x + b.w), y2 = Math.min(a.y + a.h, b.y + b.h)
    if (x2 - x1 <= SLACK || y2 - y1 <= SLACK)
        return null
    return { x: x1, y: y1, w: x2 - x1, h: y2 - y1 }
}

function __overlap(a, b) {
    return a.x + a.w - SLACK > b.x && b.x + b.w - SLACK > a.x
            && a.y + a.h - SLACK > b.y && b.y + b.h - SLACK > a.y
}

// r runs past box along x (horizontal) or y.
function __beyond(r, box, horizontal) {
    if (horizontal)
        return r.x < box.x - SLACK || r.x + r.w > box.x + box.w + SLACK
    return r.y < box.y - SLACK || r.y + r.h > box.y + box.h + SLACK
}

// What the clipping ancestors of item leave of rect r: the part still
// shown (null when nothing is) and whether an edge that cannot be scrolled
// away cuts it.
function __clipping(item, r) {
    var shown = r
    var cut = false
    for (var p = item.parent; p && shown; p = p.parent) {
        if (!p.clip)
            continue
        var c = __boxRect(p)
        if ((__beyond(shown, c, true) && !__scrolls(p, false))
                || (__beyond(shown, c, false) && !__scrolls(p, true)))
            cut = true
        shown = __intersect(shown, c)
    }
    return { shown: shown, cut: cut }
}

function __name(o) {
    if (__isText(o) || __isField(o))
        return "\"" + o.text + "\""
    var s = String(o)
    if (o.objectName)
        s += " " + o.objectName
    if (__isImage(o))
        s += " " + o.source
    return s
}

function __shown(o) {
    return o && o.visible !== false && o.opacity !== 0
}

// The shown items under root (hidden ones and what they hold are left out)
// in the order they are painted: an item after the children it stacks below
// itself (negative z) and before the others, siblings by z, then in order.
function __collect(root) {
    var out = []
    var visit = function (o) {
        if (!__shown(o))
            return
        var kids = []
        var k
        if (o.children)
            for (k = 0; k < o.children.length; ++k)
                kids.push({ item: o.children[k], index: k })
        kids.sort(function (a, b) { return a.item.z !== b.item.z ? a.item.z - b.item.z : a.index - b.index })
        for (k = 0; k < kids.length && kids[k].item.z < 0; ++k)
            visit(kids[k].item)
        out.push(o)
        for (; k < kids.length; ++k)
            visit(kids[k].item)
    }
    visit(root)
    return out
}

// The opacity item is drawn with, over what its ancestor `above` holds.
function __opacityBelow(item, above) {
    var o = 1
    for (var p = item; p && p !== above; p = p.parent)
        o *= p.opacity
    return o
}

function __commonAncestor(a, b) {
    for (var p = a; p; p = p.parent) {
        if (__isAncestor(p, b))
            return p
    }
    return null
}

// Chinese characters and the full-width punctuation that goes with them
// (not the full-width currency signs of prices).
var CHINESE = /[\u3000-\u303f\u3400-\u9fff\uff01-\uff5e]/

// The findings on one text or field o whose glyphs cover r: cut, outside
// its box, its clip or the window, left in Chinese. Returns what of r is
// shown (null when nothing is).
function __textFindings(o, r, windowWidth, windowHeight, options, found) {
    var box = __boxRect(o)
    var own = r
    var field = __isField(o)
    // A field clips its own text; one being typed in scrolls to its cursor.
    if (field) {
        var overX = __beyond(r, box, true) && !(__isSingleLineField(o) && o.activeFocus)
        var overY = __beyond(r, box, false)
        if (o.clip && (overX || overY))
            found.push("cut: " + __name(o))
        else if (!o.clip && overX)
            found.push("wider than its box: " + __name(o))
        else if (!o.clip && overY)
            found.push("taller than its box: " + __name(o))
        if (o.clip)
            own = __intersect(r, box)
    } else {
        if (o.truncated && (options.mayCut.indexOf(o.text) < 0 || o.elide !== ELIDE_RIGHT))
            found.push("cut: " + __name(o))
        else if (__beyond(r, box, true))
            found.push("wider than its box: " + __name(o) + " " + Math.round(r.w) + " > " + Math.round(box.w))
        else if (__beyond(r, box, false))
            found.push("taller than its box: " + __name(o) + " " + Math.round(r.h) + " > " + Math.round(box.h))
        if (options.english && CHINESE.test(o.text))
            found.push("not in English: " + __name(o))
        if (o.clip)
            own = __intersect(r, box)
    }
    if (!own)
        return null
    var clipping = __clipping(o, own)
    var shown = clipping.shown
    if (shown && (shown.x < -SLACK || shown.x + shown.w > windowWidth + SLACK
                  || shown.y < -SLACK || shown.y + shown.h > windowHeight + SLACK))
        found.push("outside the window: " + __name(o))
    else if (clipping.cut)
        found.push("hidden by its clip: " + __name(o))
    return shown
}

// The findings for everything drawn under root (the window's root item, so
// that the popups of its overlay are included), in the window of the given
// size. options.mayCut: texts that may be cut, at their end, when they do
// not fit (names longer than their room); options.english: Chinese in a
// shown text is a finding.
function problems(root, windowWidth, windowHeight, options) {
    var opts = { mayCut: (options && options.mayCut) || [], english: !!(options && options.english) }
    var painted = __collect(root)
    var texts = []
    var others = []
    var covers = []
    var found = []
    var i, j
    for (i = 0; i < painted.length; ++i) {
        var o = painted[i]
        var isText = __isText(o) || __isField(o)
        var isOther = __isImage(o) || __isButton(o)
        // A text field's cursor stands over the text (or the placeholder)
        // by design.
        var isCover = __isOpaqueFill(o) && !__isField(o.parent)
        if (!(isText || isOther || isCover) || !T.isShown(o))
            continue
        var box = __boxRect(o)
        // Wholly scrolled away or clipped off: not seen at all.
        if (!__clipping(o, box).shown)
            continue
        if (isText) {
            if (o.text.trim() === "")
                continue
            var shown = __textFindings(o, __textRect(o), windowWidth, windowHeight, opts, found)
            texts.push({ item: o, rect: shown, layer: __layer(o), order: i })
        } else {
            var entry = { item: o, rect: __clipping(o, box).shown, layer: __layer(o), order: i }
            if (isOther)
                others.push(entry)
            if (isCover)
                covers.push(entry)
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
        // An opaque fill painted after the text, seen whole over it.
        for (j = 0; j < covers.length; ++j) {
            var c = covers[j]
            if (c.order < a.order || a.layer !== c.layer || __isAncestor(c.item, a.item))
                continue
            if (__opacityBelow(c.item, __commonAncestor(a.item, c.item)) < 0.999)
                continue
            if (__overlap(a.rect, c.rect))
                found.push("under " + __name(c.item) + ": " + __name(a.item))
        }
    }
    return found
}

// Waits until the window has settled: two grabs SETTLE_MS apart, with
// events, timers, animations and painting going on between them, are the
// same picture.
function settle(tc, root, name) {
    var last = null
    var settled = false
    // tryVerify asks once more after a yes: the answer stays yes.
    tc.tryVerify(function () {
        if (settled)
            return true
        tc.wait(SETTLE_MS)
        var image = tc.grabImage(root)
        settled = last !== null && image.equals(last)
        last = image
        return settled
    }, SETTLE_LIMIT_MS, name + ": the window keeps changing")
}

// Checks the window once it has settled and saves it as NAME.png under dir
// (the test's artefact directory): the test fails with every finding.
function check(tc, window, dir, name, options) {
    // The window's root item, which also holds the popups' overlay.
    var root = window.contentItem
    while (root.parent)
        root = root.parent
    settle(tc, root, name)
    var found = problems(root, window.width, window.height, options)
    T.shoot(tc, window, dir, name)
    tc.verify(found.length === 0, name + ":\n    " + found.join("\n    "))
}
