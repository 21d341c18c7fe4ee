// Relaying a PhoneNotify payment channel to the bridge object that asked last.

#include "platform/PayChannel.h"

#include "services/PhoneNotify.h"

#include <QDebug>
#include <QObject>

void PayChannel::takeOver(const char *channelSignal, const char *channelName, QObject *bridge,
                          const char *ownSignal) {
    PhoneNotify *hub = PhoneNotify::instance();
    const bool removed = QObject::disconnect(hub, channelSignal, nullptr, nullptr);
    qDebug().noquote().nospace() << "disconnect " << channelName << " is "
                                 << (removed ? "true" : "false");
    QObject::connect(hub, channelSignal, bridge, ownSignal, Qt::AutoConnection);
}
