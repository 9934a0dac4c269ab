#pragma once

#include "base/failure.h"
#include "platform/settings_store.h"

#include <QMap>

class MemorySettingsStore : public SettingsStore {
public:
    QMap<QString, QString> values; // "Section/Key" -> value
    QString file = QStringLiteral("/settings/in/memory.conf");

    QString get(const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(section + u'/' + key, fallback);
    }
    // Set, every save fails as a store that cannot be written does.
    bool refuseSaving = false;

    void save(const QString& section, const QString& key, const QString& value) override
    {
        if (refuseSaving)
            throw Failure(FailureNumber::FileAccessError, QStringLiteral("The settings could not be saved."));
        values.insert(section + u'/' + key, value);
    }
    void remove(const QString& section, const QString& key) override { values.remove(section + u'/' + key); }
    QString fileName() const override { return file; }
};
