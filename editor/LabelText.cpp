#include "LabelText.h"

namespace vexilor {

QString labelMarkup(const QString& caption) {
    QString markup = QStringLiteral("<span style=\"white-space:pre\">");
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar shown = caption[i];
        bool underlined = false;
        if (shown == '&' && i + 1 < caption.size()) {
            shown = caption[++i];
            underlined = shown != '&';
        } else if (shown == '&') {
            continue;  // a lone "&" at the end underlines nothing
        }
        const QString escaped = QString(shown).toHtmlEscaped();
        markup += underlined ? "<u>" + escaped + "</u>" : escaped;
    }
    return markup + "</span>";
}

}  // namespace vexilor
