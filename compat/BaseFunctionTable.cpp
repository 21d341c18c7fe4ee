#include "compat/BaseFunctionTable.h"

#include <QFile>
#include <QString>
#include <QSysInfo>
#include <cstring>

namespace compat {

BaseFunction *g_baseFunctionTable = nullptr;

namespace {

constexpr int kPathCapacity = kJoinPathCapacity;

// Appends subPath (backslash-separated) to base as real directories.
void joinPath(wchar_t *out, const wchar_t *subPath, const wchar_t *base) {
    QString path = QString::fromWCharArray(base);
    QString sub = QString::fromWCharArray(subPath);
    sub.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    while (sub.startsWith(QLatin1Char('/')))
        sub.remove(0, 1);
    if (!sub.isEmpty())
        path += QLatin1Char('/') + sub;
    if (path.toUcs4().size() >= kPathCapacity) {
        out[0] = L'\0';
        return;
    }
    const int n = path.toWCharArray(out);
    out[n] = L'\0';
}

int wideToNarrow(const wchar_t *src, int, char *dst, int dstSize) {
    if (!dst || dstSize <= 0)
        return 0;
    std::memset(dst, 0, static_cast<size_t>(dstSize));
    if (!src)
        return 0;
    QByteArray utf8 = QString::fromWCharArray(src).toUtf8();
    if (utf8.size() >= dstSize) {
        // Cut at a character boundary so the result stays valid UTF-8.
        int cut = dstSize - 1;
        while (cut > 0 && (static_cast<unsigned char>(utf8.at(cut)) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    std::memcpy(dst, utf8.constData(), static_cast<size_t>(utf8.size()));
    return utf8.size();
}

struct WmiConnection {
    int unused = 0;
};

void *wmiOpen() {
    return new WmiConnection;
}

void wmiClose(void *handle) {
    delete static_cast<WmiConnection *>(handle);
}

QString osPrettyName() {
    QFile file(QStringLiteral("/etc/os-release"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("PRETTY_NAME=")) {
                QString value = QString::fromUtf8(line.mid(12)).trimmed();
                if (value.size() >= 2 &&
                    (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))))
                    value = value.mid(1, value.size() - 2);
                if (!value.isEmpty())
                    return value;
            }
        }
    }
    return QSysInfo::prettyProductName();
}

// Answers the one query the program makes: the operating system's caption.
int wmiQuery(void *handle, const wchar_t *className, const std::vector<std::wstring> &properties,
             int, std::vector<WmiRow> *rows) {
    if (!handle || !className || !rows)
        return 0;
    if (std::wstring(className) != L"Win32_OperatingSystem")
        return 0;
    WmiRow row;
    for (const std::wstring &p : properties) {
        if (p == L"Caption")
            row[p] = osPrettyName().toStdWString();
    }
    if (row.empty())
        return 0;
    rows->push_back(row);
    return 1;
}

} // namespace

int fnBase(void *table) {
    if (!table)
        return 0;
    auto *entries = static_cast<BaseFunction *>(table);
    std::memset(entries, 0, sizeof(BaseFunction) * kBaseFunctionSlots);
    entries[kSlotJoinPath] = reinterpret_cast<BaseFunction>(&joinPath);
    entries[kSlotWideToNarrow] = reinterpret_cast<BaseFunction>(&wideToNarrow);
    entries[kSlotWmiOpen] = reinterpret_cast<BaseFunction>(&wmiOpen);
    entries[kSlotWmiClose] = reinterpret_cast<BaseFunction>(&wmiClose);
    entries[kSlotWmiQuery] = reinterpret_cast<BaseFunction>(&wmiQuery);
    return 1;
}

void ensureBaseFunctionTable() {
    if (g_baseFunctionTable)
        return;
    g_baseFunctionTable = new BaseFunction[kBaseFunctionSlots];
    fnBase(g_baseFunctionTable);
}

} // namespace compat
