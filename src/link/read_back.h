#pragma once

#include <QString>

class DeviceLink;

// Reads the device's settings and battery level back into the configuration
// controls after the connect hand-shake. A chain driven by the replies: the
// first query goes out after the hand-shake, and every recognised reply
// fills its control and sends the next query; the battery reply ends it.
class ReadBack {
public:
    explicit ReadBack(DeviceLink& link);

    // The hand-shake has been answered: after the device's settling time,
    // ask for the first setting.
    void start();
    // A line received in the hand-shake and read-back mode that is not the
    // hand-shake answer. Throws the overflow failure for a number that does
    // not fit 16 bits; the receive path shows it and the chain stops.
    void takeReply(const QString& line);

    static constexpr int SettlingMs = 1500;
    static constexpr int QueryGapMs = 100;

private:
    struct Query {
        QLatin1StringView keyword; // its reply starts with the keyword and ":"
        void (ReadBack::*fill)(const QString& value);
    };
    static const Query queries[];
    static const int queryCount;

    void ask(int query) const;
    void fillTagType(const QString& value);
    void fillSwitchOffTime(const QString& value);
    void fillReadTimeout(const QString& value);
    void fillFdxCode(const QString& value);
    void fillBuzzerEnable(const QString& value);
    void fillMode(const QString& value);
    void fillMenuKeys(const QString& value);
    void fillLanguage(const QString& value);
    void fillBattery(const QString& value);

    DeviceLink& link;
};
