#include "ForgetfulSettings.h"

#include <QSettings>

namespace vexilor {

ForgetfulSettings::ForgetfulSettings() {
    // Without a temporary folder, a path that can never be made: the settings are then
    // simply not written anywhere.
    const QString path =
        folder_.isValid() ? folder_.path() : QStringLiteral("/nonexistent/vexilor-settings");
    // On Unix both formats are kept as INI files under the same path.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

}  // namespace vexilor
