#include "platform/qt/qt_registry.h"

#include <QSettings>

#include "platform/qt/qt_text.h"

namespace platform::qt {

std::optional<std::string> QtRegistry::GetSetting(const std::string& key, const std::string& section,
                                                  const std::string& value) {
    QSettings settings(QStringLiteral("Pantrivo"), ToQt(key));
    const QVariant stored = settings.value(ToQt(section) + QLatin1Char('/') + ToQt(value));
    if (!stored.isValid()) return std::nullopt;
    return FromQt(stored.toString());
}

}  // namespace platform::qt
