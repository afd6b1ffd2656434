#include "ScreenReaderNames.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace vexilor {

namespace {

template <typename Widget = QWidget>
Widget* control(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

void nameControlsForScreenReaders(QWidget& window) {
    const struct {
        const char* control;
        const char* name;
    } names[] = {
        {"Memo1", "Листинг"},
        {"Panel17", "Цвет кисти"},
        {"Panel18", "Цвет фона"},
    };
    for (const auto& [name, text] : names) {
        if (QWidget* widget = control(window, name))
            widget->setAccessibleName(QString::fromUtf8(text));
    }

    // A box is named by the text it shows; its labels are told as its relations.
    const struct {
        const char* label;
        const char* box;
    } buddies[] = {
        {"Label5", "ComboBox3"}, {"Label6", "ComboBox4"}, {"Label7", "ComboBox1"},
        {"Label3", "ComboBox3"}, {"Label4", "ComboBox4"},
    };
    for (const auto& [label, box] : buddies) {
        if (auto* labelWidget = control<QLabel>(window, label))
            labelWidget->setBuddy(control(window, box));
    }

    // The captions' blanks only set them off from the frame.
    for (auto* group : window.findChildren<QGroupBox*>())
        group->setAccessibleName(group->title().trimmed());
}

}  // namespace vexilor
