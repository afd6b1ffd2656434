#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ErrorBox.h"
#include "ExportDialog.h"
#include "Failure.h"
#include "FormFile.h"
#include "ModalAnswer.h"
#include "SourceLabel.h"
#include "Unit1.h"

using vexilor::TForm1;

namespace {

// The main window with its export, opened on a 16 x 8 sprite from "ship.png". Unless a
// test makes its mask in the window's mask menu, the first frame's mask stands ready in
// what the dialog is handed: every pixel transparent but the set ones.
class ExportingTheSprite : public testing::Test {
protected:
    ExportingTheSprite() {
        window = new TForm1([this](TForm1& shown) {
            vexilor::MainWindowServices services;
            services.showExport = [this, &shown] {
                dialog = new vexilor::ExportDialog(
                    {[this, &shown]() -> const vexilor::SpriteDocument& {
                         if (maskFromTheMenu)
                             return shown.commands().document();
                         masked = shown.commands().document();
                         const auto pixels = masked.frame(0).pixels;
                         masked.insertFrame(1, vexilor::SpriteFrame{pixels, ~pixels});
                         masked.removeFrame(0);
                         return masked;
                     },
                     [&shown] { return shown.openedFileName(); }, &vexilor::runGuarded},
                    &shown);
                dialog->show();
            };
            return services;
        });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QImage picture(16, 8, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int x = 2; x < 14; ++x)
            picture.setPixel(x, x % 8, qRgb(0, 0, 0));
        EXPECT_TRUE(picture.save(folder.filePath("ship.png")));
        window->openFile(folder.filePath("ship.png"));
    }
    ~ExportingTheSprite() override { delete window; }

    template <typename Widget>
    Widget* control(const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    // The user steps through the box's entries with the arrow keys to the one shown.
    void choose(const char* box, const QString& entry) {
        auto* choices = control<QComboBox>(box);
        choices->setFocus();
        QTest::keyClick(choices, Qt::Key_Home);
        for (int i = 0; i < choices->count() && choices->currentText() != entry; ++i)
            QTest::keyClick(choices, Qt::Key_Down);
        EXPECT_EQ(choices->currentText(), entry);
    }
    QString expectedText(const vexilor::ByteLayout& layout = {},
                         vexilor::NumberBase base = vexilor::NumberBase::Hexadecimal) {
        vexilor::FormRequest request;
        request.name = "ship";
        request.layout = layout;
        request.base = base;
        const auto bytes = vexilor::formFile(masked, request);
        return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
    }

    // Clicks the menu bar's `menu`, then its `item`, as the user does.
    void clickMenuItem(const QString& menu, const QString& item) {
        QMenuBar* bar = window->menuBar();
        for (QAction* entry : bar->actions()) {
            if (entry->text() != menu)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
            QMenu* shown = entry->menu();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
            for (QAction* choice : shown->actions())
                if (choice->text() == item)
                    return QTest::mouseClick(shown, Qt::LeftButton, {},
                                             shown->actionGeometry(choice).center());
        }
        FAIL() << "no item " << qPrintable(item) << " in the menu " << qPrintable(menu);
    }
    // Saves what the dialog shows as `name` in the folder, through its save dialog.
    void saveAs(const QString& name) {
        dialog->SaveDialog().setDirectory(folder.path());
        ModalAnswer answer([name](QWidget& saveDialog) {
            auto* field = saveDialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            field->setText(name);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::mouseClick(control<QPushButton>("Save"), Qt::LeftButton);
    }

    QTemporaryDir folder;
    bool maskFromTheMenu = false;
    TForm1* window = nullptr;
    vexilor::ExportDialog* dialog = nullptr;
    vexilor::SpriteDocument masked;
};

TEST_F(ExportingTheSprite, WritesWhatTheConverterWritesAndShowsWhatItRefuses) {
    // "Экспорт…" right after "Распечатать", "Выход" last.
    auto* item = window->findChild<QAction*>(QStringLiteral("Export"));
    QStringList fileMenu;
    for (const QAction* entry : window->menuBar()->actions().first()->menu()->actions())
        fileMenu << entry->objectName();
    EXPECT_EQ(fileMenu.join(' '), "N4 N5 N6 N7 Export N10");
    ASSERT_TRUE(item->isEnabled());
    EXPECT_EQ(item->text(), "Экспорт…");
    item->trigger();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));

    // At first assembler, named after the file, in the converter's defaults.
    EXPECT_EQ(control<QComboBox>("Form")->currentText(), "Ассемблер");
    EXPECT_EQ(control<QLineEdit>("Name")->text(), "ship");
    EXPECT_EQ(dialog->previewText(), expectedText());

    choose("Mask", "после каждого байта");
    choose("Order", "по столбцам");
    choose("Shifts", "2");
    choose("Base", "двоичные");
    const QString expected =
        expectedText({vexilor::ByteOrder::ColumnByColumn, vexilor::MaskPlacement::After, 2},
                     vexilor::NumberBase::Binary);
    EXPECT_EQ(dialog->previewText(), expected);

    saveAs("ship");
    EXPECT_EQ(readFile(folder.filePath("ship.asm")), expected.toUtf8());

    // A label the assembler keeps for a register is refused in the converter's words.
    std::string reason;
    try {
        vexilor::checkLabel("ld", vexilor::SourceLanguage::Assembler);
    } catch (const vexilor::Failure& failure) {
        reason = failure.what();
    }
    ASSERT_FALSE(reason.empty());
    auto* name = control<QLineEdit>("Name");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "ld");
    EXPECT_EQ(dialog->problemText().toStdString(), reason);
    auto* save = control<QPushButton>("Save");
    EXPECT_FALSE(save->isEnabled());
    // The tape takes the name typed, and no base; the picture reads no name.
    choose("Form", "Лента (TAP)");
    EXPECT_FALSE(control<QComboBox>("Base")->isEnabled());
    EXPECT_TRUE(dialog->previewText().startsWith("Лента: файл CODE \"ld\", адрес 65368, длина"))
        << dialog->previewText().toStdString();
    choose("Form", "Картинка PNG");
    EXPECT_FALSE(name->isEnabled());
    EXPECT_TRUE(save->isEnabled());

    // The choices last while the program runs: a new dialog opens as this one was left.
    delete dialog;
    item->trigger();
    EXPECT_EQ(control<QComboBox>("Form")->currentText(), "Картинка PNG");
    EXPECT_EQ(control<QComboBox>("Order")->currentText(), "по столбцам");
}

TEST_F(ExportingTheSprite, AnOutlineMaskMadeInTheMaskMenuIsExportedAsTheConverterWritesIt) {
    // A ring around a dot: the outline mask leaves holes between them.
    QImage ring(16, 16, QImage::Format_RGB32);
    ring.fill(Qt::white);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int distance = (2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15);
            if ((distance > 120 && distance < 230) || distance < 20)
                ring.setPixel(x, y, qRgb(0, 0, 0));
        }
    ASSERT_TRUE(ring.save(folder.filePath("ring.png")));
    window->openFile(folder.filePath("ring.png"));
    maskFromTheMenu = true;

    clickMenuItem("Маска", "Создать маску с обводкой");
    clickMenuItem("Файл", "Экспорт…");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    choose("Mask", "перед каждым байтом");
    choose("Shifts", "8");
    saveAs("ring");

    QProcess converter;
    converter.start(LISTING_TOOL, {"--auto-mask", "outline", "--asm", "--mask", "before",
                                   "--shifts", "8", folder.filePath("ring.png")});
    ASSERT_TRUE(converter.waitForFinished());
    const QByteArray written = converter.readAllStandardOutput();
    EXPECT_TRUE(written.contains("ring_1_7:"));
    EXPECT_EQ(readFile(folder.filePath("ring.asm")), written);
}

}  // namespace
