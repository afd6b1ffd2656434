#include "EditorCommands.h"

#include <gmock/gmock.h>

#include "CoreTesting.h"
#include "WidgetTesting.h"

using vexilor::EditorCommands;
using From = vexilor::EditorCommands::From;

namespace {

// The names of the controls that can be used, of those that the commands lock.
QStringList usable(const vexilor::MainWindowControls& c) {
    const std::pair<const char*, const vexilor::ControlState*> all[] = {
        {"ComboBox1", &c.ComboBox1},
        {"ComboBox2", &c.ComboBox2},
        {"ComboBox3", &c.ComboBox3},
        {"ComboBox4", &c.ComboBox4},
        {"StringGrid1", &c.StringGrid1},
        {"Button1", &c.Button1},
        {"Button2", &c.Button2},
        {"Button3", &c.Button3},
        {"Button4", &c.Button4},
        {"Button5", &c.Button5},
        {"N4", &c.N4},
        {"N5", &c.N5},
        {"N6", &c.N6},
        {"N7", &c.N7},
        {"N8", &c.N8},
        {"N9", &c.N9},
        {"N10", &c.N10},
        {"N11", &c.N11},
        {"N12", &c.N12}};
    QStringList names;
    for (const auto& [name, control] : all)
        if (control->enabled)
            names << name;
    return names;
}

const QStringList kFree{"Button5", "N4", "N10", "N11", "N12"};

}  // namespace

TEST(UsingTheEditor, EachStepUnlocksTheNextAndTheLabelsShowWhatWasChosen) {
    EditorCommands commands("/opt/vexilor/");
    const auto& c = commands.controls();
    EXPECT_EQ(usable(c), QStringList{"ComboBox1"} + kFree);
    EXPECT_FALSE(c.Panel17.visible || c.Panel18.visible);
    EXPECT_EQ(c.Label7.text + c.Label5.text + c.Label6.text, "Размер:Кисть:Фон: ");
    EXPECT_EQ(c.Label8.text, "Папка по умолчанию: /opt/vexilor/");
    EXPECT_EQ(c.ComboBox1.text + c.ComboBox4.text, "горизонт.Фон");

    commands.chooseWidth("$10");  // the label shows the width as typed
    EXPECT_EQ(c.Label7.text, "Размер: $10x8");
    EXPECT_EQ(usable(c), QStringList({"ComboBox1", "ComboBox2"}) + kFree);
    commands.chooseHeight("24");
    EXPECT_EQ(c.Label7.text, "Размер: 16x24");
    EXPECT_EQ(usable(c), QStringList({"ComboBox1", "ComboBox2", "ComboBox3"}) + kFree);

    commands.chooseBrush("5 - Зеленый");
    EXPECT_EQ(c.Label5.text, "Кисть: 5 - Зеленый");
    EXPECT_TRUE(c.Panel17.visible);
    EXPECT_EQ(c.Panel17.colour, QColor(0, 128, 0));
    commands.chooseBrush("Кисть");  // no colour of that name: green stays, the label follows
    EXPECT_EQ(commands.store().brushColour(), "green");
    EXPECT_EQ(c.Label5.text, "Кисть: Кисть");
    const QStringList boxes{"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"};
    EXPECT_EQ(usable(c), boxes + kFree);

    commands.chooseBackground("1 - Синий");
    EXPECT_EQ(c.Label6.text, "Фон: 1 - Синий");
    EXPECT_TRUE(c.Panel18.visible);
    EXPECT_EQ(c.Panel18.colour, QColor(0, 0, 255));
    EXPECT_EQ(c.StringGrid1.colour, QColor(Qt::white));  // only Clear paints the grid
    EXPECT_EQ(usable(c),
              boxes + QStringList({"Button1", "Button5", "N4", "N8", "N10", "N11", "N12"}));

    commands.clear(From::Button);
    EXPECT_EQ(c.StringGrid1.colour, QColor(0, 0, 255));
    const QStringList painting =
        boxes + QStringList({"StringGrid1", "Button1", "Button2", "Button3"});
    EXPECT_EQ(usable(c),
              painting + QStringList({"Button5", "N4", "N6", "N8", "N9", "N10", "N11", "N12"}));
    commands.convert(From::Button);
    EXPECT_EQ(usable(c), painting + QStringList({"Button4", "Button5", "N4", "N6", "N8", "N9",
                                                 "N10", "N11", "N12"}));
}

TEST(UsingTheEditor, ClearAndConvertDependOnWhetherTheButtonOrTheMenuRunsThem) {
    EditorCommands commands("/");
    commands.chooseBackground("7 - Белый");
    commands.clear(From::Menu);
    const auto& c = commands.controls();
    EXPECT_TRUE(c.N7.enabled);
    EXPECT_FALSE(c.N9.enabled);

    commands.store().setPixel(0, 0, 1);
    commands.convert(From::Menu);
    EXPECT_EQ(commands.listingLines().size(), 11);
    EXPECT_EQ(commands.listingLines().first(), "   A1: DATA 128, 0, 0, 0, 0, 0, 0, 0, ");
    commands.convert(From::Button);  // again: the listing once, now with the credits
    EXPECT_EQ(commands.listingLines().size(), 16);
    EXPECT_EQ(commands.listingLines()[13], "Создано при помощи программы Vexilor ver.2.0");
    EXPECT_EQ(c.Memo1.text, commands.listingLines().join('\n'));

    commands.clear(From::Button);
    EXPECT_TRUE(commands.listingLines().isEmpty());
    EXPECT_TRUE(c.Memo1.text.isEmpty());
    EXPECT_EQ(setPixelCount(commands.store()), 0);
}

TEST(UsingTheEditor, ASizeThatIsNoNumberFailsAndChangesNothing) {
    EditorCommands commands("/");
    EXPECT_THAT([&] { commands.chooseWidth(""); }, failsWith("'' is not a valid integer value"));
    EXPECT_EQ(commands.controls().Label7.text, "Размер:");
    EXPECT_FALSE(commands.controls().ComboBox2.enabled);

    commands.chooseWidth("16");
    EXPECT_THAT([&] { commands.chooseHeight("abc"); },
                failsWith("'abc' is not a valid integer value"));
    EXPECT_EQ(commands.store().height(), 8);
    EXPECT_EQ(commands.controls().Label7.text, "Размер: 16x8");
    EXPECT_FALSE(commands.controls().ComboBox3.enabled);
}
