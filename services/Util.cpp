#include "services/Util.h"

#include "services/AppConfig.h"

#include "compat/BaseFunctionTable.h"
#include "compat/DeviceCode.h"
#include "compat/WinApi.h"
#include "services/CountryList.h"
#include "services/DataDirectory.h"
#include "services/DatabaseFile.h"
#include "services/FontMetricsTable.h"
#include "services/PhoneNotify.h"
#include "services/PlatformAPI.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>
#include <cstring>
#include <cwchar>

namespace {

QPointer<Util> g_util;

QWindow *firstTopLevelWindow() {
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return windows.isEmpty() ? nullptr : windows.first();
}

} // namespace

Util::Util() : m_fontMetrics(new FontMetricsTable) {
    QSize size = screenSize();
    m_fontMetrics->setScreenWidth(size.width());
    m_fontSize = FontMetricsTable::defaultFontSize();
    m_unitHeight = PlatformAPI::defaultUnitHeight();
    qDebug() << "Init defaultFontSize:" << m_fontSize << ", unitHeight:" << m_unitHeight;
    const QString lang = PlatformAPI::langCode();
    if (lang != QLatin1String("zh")) {
        m_fontSize -= 1;
        qDebug().noquote() << "lang:" << lang << ", Final defaultFontSize:" << m_fontSize;
    }
}

Util::~Util() = default;

QObject *Util::utilProvider(QQmlEngine *engine, QJSEngine *scriptEngine) {
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    Util *util = instance();
    QQmlEngine::setObjectOwnership(util, QQmlEngine::CppOwnership);
    return util;
}

Util *Util::instance() {
    if (!g_util)
        g_util = new Util;
    return g_util;
}

QSize Util::screenSize() const {
    if (QWindow *window = firstTopLevelWindow())
        return window->size();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize();
}

QString Util::clipboardText() const {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void Util::setClipboardText(const QString &text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString Util::deviceCode() {
    if (m_deviceCode.isEmpty())
        m_deviceCode = QString::fromUtf8(compat::deviceCode(DataDirectory::offlineStoragePath()));
    return m_deviceCode;
}

QString Util::deviceName() {
    if (m_deviceName.isEmpty())
        m_deviceName = QString::fromUtf8(buildDeviceName());
    return m_deviceName;
}

QString Util::systemFontFamily() {
    if (m_systemFontFamily.isEmpty())
        m_systemFontFamily = PlatformAPI::fontFamily();
    return m_systemFontFamily;
}

int Util::relativeFontPoint(int relative) const {
    return m_fontMetrics->relativeFontPoint(m_fontSize, relative);
}

int Util::textHeight(int pointSize) const {
    return m_fontMetrics->textHeight(pointSize);
}

int Util::textWidth(int pointSize, QString txt) const {
    return m_fontMetrics->textWidth(pointSize, txt);
}

void Util::requestDevicePermissions() {
    PhoneNotify::requestPermission("android.permission.READ_PHONE_STATE", true);
}

void Util::requestPermissionsCamera() {
    PhoneNotify::requestPermission("android.permission.CAMERA", true);
}

double Util::secureRandom() const {
    return QRandomGenerator::system()->generateDouble();
}

QString Util::currentLanguage() const {
    return PlatformAPI::langCode();
}

QString Util::currentRegion() const {
    return PlatformAPI::regionCode();
}

QVariantMap Util::countryCodeCurrent() const {
    return CountryList::countryCodeCurrentImpl();
}

QVariantMap Util::countryCodeFromRegion(QString region) const {
    return CountryList::countryCodeFromRegionImpl(region);
}

QVariantList Util::countryCodeList() const {
    return CountryList::countryCodeListImpl();
}

QByteArray Util::buildDeviceName() {
    compat::ensureBaseFunctionTable();
    wchar_t user[50] = {};
    unsigned long userSize = 49;
    if (!compat::GetUserNameW(user, &userSize))
        std::wcscpy(user, L"User");

    std::wstring caption;
    auto wmiOpen = compat::baseFunction<compat::WmiOpenFn>(compat::kSlotWmiOpen);
    auto wmiQuery = compat::baseFunction<compat::WmiQueryFn>(compat::kSlotWmiQuery);
    auto wmiClose = compat::baseFunction<compat::WmiCloseFn>(compat::kSlotWmiClose);
    if (void *handle = wmiOpen ? wmiOpen() : nullptr) {
        std::vector<compat::WmiRow> rows;
        if (wmiQuery(handle, L"Win32_OperatingSystem", {L"Caption"}, 0, &rows) && !rows.empty()) {
            const auto it = rows.front().find(L"Caption");
            if (it != rows.front().end()) {
                caption = it->second;
                const std::wstring microsoft = L"Microsoft ";
                for (size_t pos; (pos = caption.find(microsoft)) != std::wstring::npos;)
                    caption.erase(pos, microsoft.size());
            }
        }
        wmiClose(handle);
    }

    wchar_t text[260] = {};
    if (!caption.empty())
        std::swprintf(text, 260, L"%ls (%ls)", user, caption.c_str());
    else
        std::swprintf(text, 260, L"%ls (Windows)", user);

    char narrow[260] = {};
    auto wideToNarrow = compat::baseFunction<compat::WideToNarrowFn>(compat::kSlotWideToNarrow);
    if (wideToNarrow)
        wideToNarrow(text, 0, narrow, 260);
    return QByteArray(narrow);
}

void Util::systemExit() {
    qDebug("Util::systemExit");
    QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
}

QString Util::configValue(QString name) const {
    return AppConfig::value(name);
}

QString Util::databaseFile(QString name) const {
    return DatabaseFile::named(DataDirectory::offlineStoragePath(), name).sqlitePath();
}

QVariantMap Util::prepareDatabase(QString name, QString version, QString description,
                                  int estimatedSize) const {
    // Long enough for another program's write to end, short enough for a
    // start that waits on it.
    constexpr int busyTimeoutMs = 2000;
    const DatabaseFile file = DatabaseFile::named(DataDirectory::offlineStoragePath(), name);
    const DatabaseFile::Check check =
        file.prepare(name, version, description, estimatedSize, busyTimeoutMs);
    return {{QStringLiteral("state"), DatabaseFile::stateName(check.state)},
            {QStringLiteral("error"), check.error}};
}
