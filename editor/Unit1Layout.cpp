// The main window's controls, each at its place, size and text, in creation order.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "EditableDropDown.h"
#include "EditingMenu.h"
#include "FramesMenu.h"
#include "LabelText.h"
#include "MaskMenu.h"
#include "PixelGrid.h"
#include "ToolsMenu.h"
#include "Unit1.h"

namespace vexilor {

namespace {

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

// A label at its left and top edge, as large as its text on one line so that none of it
// is clipped; the window sizes it anew whenever the text changes.
QLabel* textLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    setLabelCaption(*label, text);
    label->setWordWrap(false);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The raised letter and number panels that name the 8 x 8 cells around the grid.
QLabel* cellNamePanel(QWidget* parent, const char* name, int left, int top, int width, int height,
                      const QString& caption) {
    auto* panel = place(new QLabel(caption, parent), name, left, top, width, height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

QFrame* swatch(QWidget* parent, const char* name, int left, int top) {
    auto* panel = place(new QFrame(parent), name, left, top, 25, 17);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    return panel;
}

QPushButton* button(QWidget* parent, const char* name, int left, int top, int width,
                    const QString& caption) {
    auto* pushButton = place(new QPushButton(caption, parent), name, left, top, width, 25);
    pushButton->setAutoDefault(false);
    return pushButton;
}

EditableDropDown* dropDown(QWidget* parent, const char* name, int left, int top, int width,
                           const QStringList& entries) {
    auto* box = place(new EditableDropDown(parent), name, left, top, width, 21);
    box->addItems(entries);
    box->setMaxVisibleItems(8);
    return box;
}

// Menus are windows of their own, which take the window's font only when asked to.
QMenu* addMenu(QMenuBar* bar, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setAttribute(Qt::WA_WindowPropagation);
    return menu;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void TForm1::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    Bevel1 = place(new QFrame(client), "Bevel1", 0, 608, 865, 25);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // The status captions are the commands' to write.
    Label5 = textLabel(client, "Label5", 120, 614, {});
    Label6 = textLabel(client, "Label6", 272, 614, {});
    Label7 = textLabel(client, "Label7", 8, 614, {});
    Label8 = textLabel(client, "Label8", 408, 614, {});
    StringGrid1 = place(new PixelGrid(commands_, client), "StringGrid1", 24, 24, 577, 577);

    GroupBox1 = place(new QGroupBox(QStringLiteral("   Размеры спрайта   "), client), "GroupBox1",
                      608, 0, 241, 49);
    ComboBox1 = dropDown(GroupBox1, "ComboBox1", 8, 16, 81, sizeEntries());
    Label1 = textLabel(GroupBox1, "Label1", 95, 19, QStringLiteral("x"));
    ComboBox2 = dropDown(GroupBox1, "ComboBox2", 112, 16, 81, sizeEntries());
    Label2 = textLabel(GroupBox1, "Label2", 200, 20, QStringLiteral("точек"));

    GroupBox2 = place(new QGroupBox(QStringLiteral("   Цветовая схема   "), client), "GroupBox2",
                      608, 56, 241, 73);
    Label3 = textLabel(GroupBox2, "Label3", 18, 19, QStringLiteral("Цвет кисти:"));
    Label4 = textLabel(GroupBox2, "Label4", 19, 42, QStringLiteral("Цвет фона:"));
    ComboBox3 = dropDown(GroupBox2, "ComboBox3", 88, 16, 113, colourEntries());
    ComboBox4 = dropDown(GroupBox2, "ComboBox4", 88, 40, 113, colourEntries());
    Panel17 = swatch(GroupBox2, "Panel17", 208, 16);
    Panel18 = swatch(GroupBox2, "Panel18", 208, 40);

    GroupBox3 = place(new QGroupBox(QStringLiteral("   Операции со спрайтом   "), client),
                      "GroupBox3", 608, 136, 241, 89);
    Button1 = button(GroupBox3, "Button1", 16, 24, 105, QStringLiteral("Очистить"));
    Button2 = button(GroupBox3, "Button2", 16, 48, 105, QStringLiteral("Перевести"));
    Button3 = button(GroupBox3, "Button3", 120, 24, 105, QStringLiteral("Сохранить"));
    Button4 = button(GroupBox3, "Button4", 120, 48, 105, QStringLiteral("Распечатать"));

    // Letters over the cell columns and numbers beside the cell rows, 72 pixels apart:
    // eight grid cells with their lines.
    static const char* const letterPanels[] = {"Panel1",  "Panel2",  "Panel11", "Panel12",
                                               "Panel13", "Panel14", "Panel15", "Panel16"};
    static const char* const numberPanels[] = {"Panel3", "Panel4", "Panel5", "Panel6",
                                               "Panel7", "Panel8", "Panel9", "Panel10"};
    for (int i = 0; i < 8; ++i)
        cellNamePanel(client, letterPanels[i], 24 + 72 * i, 0, 73, 25, QString(QChar('A' + i)));
    for (int i = 0; i < 8; ++i)
        cellNamePanel(client, numberPanels[i], 0, 24 + 72 * i, 25, 73, QString::number(i + 1));

    Memo1 = place(new QPlainTextEdit(client), "Memo1", 608, 232, 241, 337);
    Memo1->setReadOnly(true);
    // Read-only boxes take only the mouse's selection in Qt; this one shows a caret and
    // selects with the keys too, as the desktop's read-only texts do.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setTabChangesFocus(true);
    Memo1->setFocusPolicy(Qt::StrongFocus);

    Button5 = button(client, "Button5", 608, 576, 241, QStringLiteral("Выйти без сохранения"));
}

void TForm1::createMenu() {
    QMenu* file = addMenu(menuBar(), QStringLiteral("Файл"));
    N4 = menuItem(file, "N4", QStringLiteral("Новый"));
    N5 = menuItem(file, "N5", QStringLiteral("Открыть"));
    N6 = menuItem(file, "N6", QStringLiteral("Сохранить как"));
    N7 = menuItem(file, "N7", QStringLiteral("Распечатать"));
    exportItem_ = menuItem(file, "Export", QStringLiteral("Экспорт…"));
    N10 = menuItem(file, "N10", QStringLiteral("Выход"));
    QMenu* editing = addMenu(menuBar(), QStringLiteral("Редактирование"));
    N8 = menuItem(editing, "N8", QStringLiteral("Очистить"));
    N9 = menuItem(editing, "N9", QStringLiteral("Перевести"));
    new EditingMenu(*editing, commands_, *StringGrid1);
    QMenu* tools = addMenu(menuBar(), QStringLiteral("Инструменты"));
    new ToolsMenu(*tools, commands_, StringGrid1->tools(), *StringGrid1);
    QMenu* frames = addMenu(menuBar(), QStringLiteral("Кадры"));
    new FramesMenu(*frames, commands_, [this] { previewAnimation(); });
    QMenu* mask = addMenu(menuBar(), QStringLiteral("Маска"));
    new MaskMenu(*mask, commands_);
    QMenu* help = addMenu(menuBar(), QStringLiteral("Справка"));
    N11 = menuItem(help, "N11", QStringLiteral("Помощь"));
    N12 = menuItem(help, "N12", QStringLiteral("О программе"));
    // The keys users expect, shown beside the captions; a disabled item's key does nothing.
    for (auto [item, keys] : {std::pair{N4, Qt::CTRL | Qt::Key_N},
                              {N6, Qt::CTRL | Qt::Key_S},
                              {N7, Qt::CTRL | Qt::Key_P},
                              {N10, Qt::CTRL | Qt::Key_Q},
                              {N11, QKeyCombination(Qt::Key_F1)}})
        item->setShortcut(keys);
}

void TForm1::orderTabStops() {
    const QList<QWidget*> order{StringGrid1, ComboBox1, ComboBox2, ComboBox3, ComboBox4, Button1,
                                Button2,     Button3,   Button4,   Memo1,     Button5};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

}  // namespace vexilor
