#pragma once

#include <QString>

// The per-user settings store: text values by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& section, const QString& key, const QString& fallback) const = 0;
    // Throws a failure that names the store when the value cannot be kept.
    virtual void save(const QString& section, const QString& key, const QString& value) = 0;
};
