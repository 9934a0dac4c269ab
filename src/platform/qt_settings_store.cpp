#include "platform/qt_settings_store.h"

QtSettingsStore::QtSettingsStore()
    : settings(QStringLiteral("Tagorix"), QStringLiteral("Tagorix"))
{
}

QString QtSettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    settings.sync();
    return settings.value(section + u'/' + key, fallback).toString();
}

void QtSettingsStore::save(const QString& section, const QString& key, const QString& value)
{
    settings.setValue(section + u'/' + key, value);
    settings.sync();
}

void QtSettingsStore::remove(const QString& section, const QString& key)
{
    settings.remove(section + u'/' + key);
    settings.sync();
}
