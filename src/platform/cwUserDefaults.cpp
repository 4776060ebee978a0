#include "cwUserDefaults.h"

#include <QSettings>

cwUserDefaults::cwUserDefaults() = default;
cwUserDefaults::~cwUserDefaults() = default;

cwUserDefaults& cwUserDefaults::standardUserDefaults()
{
    static cwUserDefaults store;
    return store;
}

void cwUserDefaults::useInMemoryStore()
{
    _inMemory = true;
    _memory.clear();
}

void cwUserDefaults::registerDefaults(const QMap<QString, QVariant>& defaults)
{
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        _registered.insert(it.key(), it.value());
}

bool cwUserDefaults::boolForKey(const QString& key) const
{
    return valueForKey(key).toBool();
}

QString cwUserDefaults::stringForKey(const QString& key) const
{
    return valueForKey(key).toString();
}

void cwUserDefaults::setBool(bool value, const QString& key)
{
    setValue(key, value);
}

void cwUserDefaults::setObject(const QString& value, const QString& key)
{
    setValue(key, value);
}

QVariant cwUserDefaults::valueForKey(const QString& key) const
{
    if (_inMemory) {
        if (_memory.contains(key))
            return _memory.value(key);
    } else if (settings()->contains(key)) {
        return settings()->value(key);
    }
    return _registered.value(key);
}

void cwUserDefaults::setValue(const QString& key, const QVariant& value)
{
    if (_inMemory) {
        _memory.insert(key, value);
        return;
    }
    settings()->setValue(key, value);  // QSettings writes it out from the event loop and at exit
}

QSettings* cwUserDefaults::settings() const
{
    if (!_settings)
        _settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Coinwick"), QStringLiteral("Coinwick"));
    return _settings.get();
}
