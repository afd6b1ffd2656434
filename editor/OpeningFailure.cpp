#include "OpeningFailure.h"

#include <QFileInfo>
#include <QImageReader>

#include "ListingReader.h"
#include "SpriteFile.h"

namespace vexilor {

QString openingFailureMessage(const QString& path, const Failure& failure) {
    const QFileInfo file(path);
    const QString name = QStringLiteral("«%1»").arg(file.absoluteFilePath());
    if (file.isFile() && file.size() == 0)
        return QStringLiteral("Файл %1 пуст: в нём нет спрайта").arg(name);
    if (file.size() > kLargestSpriteFile) {
        return QStringLiteral("Файл %1 слишком велик для спрайта: файл спрайта не больше 2 МиБ")
            .arg(name);
    }
    if (const auto* listing = dynamic_cast<const ListingError*>(&failure)) {
        return QStringLiteral("В файле %1 ошибка в строке %2 листинга, и спрайт не открыт")
            .arg(name)
            .arg(listing->line());
    }
    if (!file.isReadable() || !file.isFile()) {
        return QStringLiteral("Файл %1 не открыт: %2").arg(name, QString::fromUtf8(failure.what()));
    }
    QImageReader picture(path);
    if (!picture.canRead())
        return QStringLiteral("В файле %1 нет спрайта: это не листинг и не картинка").arg(name);
    const QSize size = picture.size();
    if (size.width() > SpriteStore::kFieldSize || size.height() > SpriteStore::kFieldSize) {
        return QStringLiteral(
                   "Картинка %1 размером %2 × %3 точек больше спрайта: спрайт "
                   "бывает не больше 64 × 64 точек")
            .arg(name)
            .arg(size.width())
            .arg(size.height());
    }
    return QStringLiteral("Картинка %1 не прочитана: она повреждена или в ней нет спрайта")
        .arg(name);
}

}  // namespace vexilor
