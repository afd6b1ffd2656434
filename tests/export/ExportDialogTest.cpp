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

// The main window with its export, opened on a 16 x 8 sprite from "ship.png".
class ExportingTheSprite : public testing::Test {
protected:
    ExportingTheSprite() {
        window = new TForm1([this](TForm1& shown) {
            vexilor::MainWindowServices services;
            services.showExport = [this, &shown] {
                dialog = new vexilor::ExportDialog(
                    {[&shown]() -> const vexilor::SpriteDocument& {
                         return shown.commands().document();
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
        const auto bytes = vexilor::formFile(window->commands().document(), request);
        return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
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
    TForm1* window = nullptr;
    vexilor::ExportDialog* dialog = nullptr;
};

TEST_F(ExportingTheSprite, WritesWhatTheConverterWritesAndShowsWhatItRefuses) {
    window->findChild<QAction*>(QStringLiteral("MakeOutlineMask"))->trigger();  // "Маска" menu
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

    // The outline mask made in the menu, as the converter makes it from the picture.
    choose("Mask", "перед каждым байтом");
    choose("Shifts", "8");
    QProcess converter;
    converter.start(LISTING_TOOL, {"--auto-mask", "outline", "--asm", "--mask", "before",
                                   "--shifts", "8", folder.filePath("ship.png")});
    ASSERT_TRUE(converter.waitForFinished());
    EXPECT_EQ(dialog->previewText().toUtf8(), converter.readAllStandardOutput());
    EXPECT_TRUE(dialog->previewText().contains("ship_1_7:"));

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

}  // namespace
