#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "EditorCommands.h"
#include "MainWindowServices.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSessionManager;

namespace vexilor {

class EditableDropDown;
class PixelGrid;

// The editor's main window. Its widgets show the command logic (EditorCommands), which
// holds the whole state: every handler runs one command through the central error guard,
// and the commands' signals bring the widgets in line.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 865;
    static constexpr int kClientHeight = 633;

    explicit TForm1(MainWindowServicesFactory servicesFactory, QWidget* parent = nullptr);
    ~TForm1() override;

    // What saving and printing read: the listing's lines, and the box that shows them.
    QStringList listingLines() const { return commands_.listingLines(); }
    QPlainTextEdit& memo() { return *Memo1; }
    // The sprite and the colours it is shown in, for the windows that show it besides the
    // grid; its documentChanged signal tells them of every change.
    const EditorCommands& commands() const { return commands_; }

    // Opens the sprite of a listing file or a picture into the grid (EditorCommands::
    // openSprite); a file that holds no sprite is reported in the error box and changes
    // nothing. Files dropped on the window come here.
    void openFile(const QString& path);
    // The name of the file last opened into this window, without its folder; empty when
    // none was. The export names the sprite after it.
    QString openedFileName() const { return openedFileName_; }

    // Event handlers, one per control and event.
    void FormShow();
    bool FormCloseQuery();
    void ComboBox1Change(const QString& text);
    void ComboBox2Change(const QString& text);
    void ComboBox3Change(const QString& text);
    void ComboBox4Change(const QString& text);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void N4Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N12Click();
    // The frames menu's "Просмотр анимации".
    void previewAnimation();
    // The file menu's "Экспорт…".
    void exportSprite();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenu();
    void orderTabStops();
    void connectHandlers();
    void bindControls();
    void showControls();
    void showListing();
    // The program's caption, and the shown frame and the count where there are several.
    void showTitle();
    void saveListing();
    void printListing();
    void askBeforeLogOff(QSessionManager& manager);

    MainWindowServicesFactory servicesFactory_;
    MainWindowServices services_;
    EditorCommands commands_;
    bool shownBefore_ = false;
    bool printing_ = false;
    bool closeConfirmed_ = false;
    QString openedFileName_;
    // New or closing, asked for while a print ran, to run once it has ended.
    std::function<void()> afterPrint_;

    QFrame* Bevel1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    PixelGrid* StringGrid1 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
    EditableDropDown *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    EditableDropDown *ComboBox3 = nullptr, *ComboBox4 = nullptr;
    QFrame *Panel17 = nullptr, *Panel18 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
    QPushButton *Button4 = nullptr, *Button5 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QAction *N4 = nullptr, *N5 = nullptr, *N6 = nullptr, *N7 = nullptr, *N8 = nullptr;
    QAction *N9 = nullptr, *N10 = nullptr, *N11 = nullptr, *N12 = nullptr;
    // "Экспорт…", enabled with the editing commands.
    QAction* exportItem_ = nullptr;

    // Which widget or menu item shows which control of the logic.
    std::vector<std::pair<ControlState MainWindowControls::*, QWidget*>> widgetBindings_;
    std::vector<std::pair<ControlState MainWindowControls::*, EditableDropDown*>> boxBindings_;
    std::vector<std::pair<ControlState MainWindowControls::*, QLabel*>> labelBindings_;
    std::vector<std::pair<ControlState MainWindowControls::*, QAction*>> actionBindings_;
};

// The application's current main window (`Form1`): the one made at start, or the one
// that the last New made. Null once it has been closed.
TForm1* currentMainWindow();

}  // namespace vexilor
