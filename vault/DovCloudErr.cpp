#include "vault/DovCloudErr.h"

DovCloudErr::DovCloudErr(QObject *parent) : QObject(parent) {}

DovCloudErr::~DovCloudErr() = default;

void DovCloudErr::setUserQueryError(int value) {
    m_userQueryError = value;
    emit userQueryErrorChanged();
}

QObject *DovCloudErr::cloudErrProvider(QQmlEngine *engine, QJSEngine *scriptEngine) {
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    auto *err = new DovCloudErr();
    err->m_userQueryError = PARAMETER;
    return err;
}
