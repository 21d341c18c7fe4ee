#pragma once

class QObject;

// The one way a payment bridge takes over a channel of PhoneNotify: every
// receiver of the channel's signal is cut off, and the signal is relayed to
// the requesting bridge's own signal, so the answer of a channel always goes
// to the bridge object that asked last.
class PayChannel {
public:
    // channelSignal and ownSignal are SIGNAL() signatures; channelName is the
    // name written to the log line "disconnect <name> is <true|false>".
    static void takeOver(const char *channelSignal, const char *channelName, QObject *bridge,
                         const char *ownSignal);
};
