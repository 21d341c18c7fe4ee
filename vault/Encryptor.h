#pragma once

#include <QObject>
#include <QString>

class QQmlEngine;
class QJSEngine;

// AES-128-CBC with PKCS#7 padding under a fixed IV, keys given as 32
// hexadecimal digits (the MD5 of some text), cipher texts as Base64 in one
// line or in 64-column lines. Stateless; an empty result means failure.
class Encryptor : public QObject {
    Q_OBJECT

public:
    explicit Encryptor(QObject *parent = nullptr);
    ~Encryptor() override;

    Q_INVOKABLE QString aesEncrypt(QString keymd, QString txt);
    Q_INVOKABLE QString aesDecrypt(QString keymd, QString code);
    Q_INVOKABLE QString aesEncryptLines(QString keymd, QString txt);
    Q_INVOKABLE QString aesDecryptLines(QString keymd, QString code);

private:
    static QString aesEncryptImpl(const QString &keymd, const QString &txt, bool lines);
    static QString aesDecryptImpl(const QString &keymd, const QString &code, bool lines);
};

// Singleton provider for "Lib.Encryptor" 1.0: a new Encryptor owned by the
// QML engine, with OpenSSL's cipher table loaded.
QObject *encryptorProvider(QQmlEngine *engine, QJSEngine *scriptEngine);
