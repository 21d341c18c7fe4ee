#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

class FontMetricsTable;
class QQmlEngine;
class QJSEngine;

// Screen and font metrics, clipboard, device identity, language and region
// for QML ("Lib.Util" 1.0). The change signals exist for QML bindings but are
// never emitted: reads meant to be fresh are made from script.
class Util : public QObject {
    Q_OBJECT
    Q_PROPERTY(QSize screenSize READ screenSize NOTIFY screenSizeChanged)
    Q_PROPERTY(int statusBarHeight READ statusBarHeight NOTIFY statusBarHeightChanged)
    Q_PROPERTY(int homeIndicatorHeight READ homeIndicatorHeight NOTIFY homeIndicatorHeightChanged)
    Q_PROPERTY(int unitHeight READ unitHeight NOTIFY unitHeightChanged)
    Q_PROPERTY(int fontSize READ fontSize NOTIFY fontSizeChanged)
    Q_PROPERTY(
        QString clipboardText READ clipboardText WRITE setClipboardText NOTIFY clipboardTextChanged)
    Q_PROPERTY(QString deviceCode READ deviceCode NOTIFY deviceCodeChanged)
    Q_PROPERTY(QString deviceName READ deviceName NOTIFY deviceNameChanged)
    Q_PROPERTY(QString systemFontFamily READ systemFontFamily NOTIFY systemFontFamilyChanged)

public:
    Util();
    ~Util() override;

    // The singleton provider: one Util per process, kept under C++ ownership
    // so that a second engine gets the same live object.
    static QObject *utilProvider(QQmlEngine *engine, QJSEngine *scriptEngine);
    static Util *instance();

    QSize screenSize() const;
    int statusBarHeight() const { return 0; }
    int homeIndicatorHeight() const { return 0; }
    int unitHeight() const { return m_unitHeight; }
    int fontSize() const { return m_fontSize; }
    QString clipboardText() const;
    void setClipboardText(const QString &text);
    QString deviceCode();
    QString deviceName();
    QString systemFontFamily();

    Q_INVOKABLE bool isOnDistribution() const { return true; }
    Q_INVOKABLE int relativeFontPoint(int relative) const;
    Q_INVOKABLE int textHeight(int pointSize) const;
    Q_INVOKABLE int textWidth(int pointSize, QString txt) const;
    Q_INVOKABLE QString textTrimmed(QString txt) const { return txt.trimmed(); }
    Q_INVOKABLE void requestDevicePermissions();
    Q_INVOKABLE void requestPermissionsCamera();
    Q_INVOKABLE bool isDarkMode() const { return false; }
    Q_INVOKABLE bool isPad() const { return false; }
    Q_INVOKABLE QString currentLanguage() const;
    Q_INVOKABLE QString currentRegion() const;
    Q_INVOKABLE QVariantMap countryCodeCurrent() const;
    Q_INVOKABLE QVariantMap countryCodeFromRegion(QString region) const;
    Q_INVOKABLE QVariantList countryCodeList() const;
    Q_INVOKABLE void showToast(QString txt) { Q_UNUSED(txt) }
    // Ends the program: the application's event loop stops once the
    // current event is handled, and main returns 0.
    Q_INVOKABLE void systemExit();
    // A uniformly distributed number in [0, 1) from the operating system's
    // cryptographically secure source (for generated passwords).
    Q_INVOKABLE double secureRandom() const;
    // A configuration value by name (AppConfig), for script modules.
    Q_INVOKABLE QString configValue(QString name) const;
    // The file of the offline-storage database of that name.
    Q_INVOKABLE QString databaseFile(QString name) const;
    // Judges that database's files before LocalStorage opens them (see
    // DatabaseFile::prepare, which it calls with the same arguments as
    // openDatabaseSync): {state: "sound", "inUse", "denied" or "unreadable",
    // error: what the system or SQLite said}.
    Q_INVOKABLE QVariantMap prepareDatabase(QString name, QString version, QString description,
                                            int estimatedSize) const;

    // The device name: "<user> (<OS caption>)", as 8-bit (UTF-8) text.
    static QByteArray buildDeviceName();

signals:
    void screenSizeChanged();
    void statusBarHeightChanged();
    void homeIndicatorHeightChanged();
    void unitHeightChanged();
    void fontSizeChanged();
    void clipboardTextChanged();
    void deviceCodeChanged();
    void deviceNameChanged();
    void systemFontFamilyChanged();

private:
    std::unique_ptr<FontMetricsTable> m_fontMetrics;
    int m_fontSize = 14;
    int m_unitHeight = 10;
    QString m_deviceCode;
    QString m_deviceName;
    QString m_systemFontFamily;
};
