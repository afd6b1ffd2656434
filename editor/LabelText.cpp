#include "LabelText.h"

#include <QLabel>

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

bool setLabelCaption(QLabel& label, const QString& caption) {
    const bool marked = caption.contains('&');
    const QString text = marked ? labelMarkup(caption) : caption;
    if (label.text() == text)
        return false;
    label.setTextFormat(marked ? Qt::RichText : Qt::PlainText);
    label.setText(text);
    return true;
}

}  // namespace vexilor
