#pragma once

class DeviceLink;
struct ReportedSetting;

// Shows each setting the core's read-back reports in its control on the
// Configuration page, and the battery level in the bar.
class ReportedSettings {
public:
    explicit ReportedSettings(DeviceLink& link);

    void show(const ReportedSetting& value);

private:
    DeviceLink& link;
};
