#include "ExportDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>

#include "BasicSubroutine.h"
#include "DialogPlacement.h"
#include "ExportPreview.h"
#include "Failure.h"
#include "ListingFile.h"
#include "SpectrumMemory.h"

namespace vexilor {

namespace {

// Each box's entries in the order of the values they stand for.
const char* const kForms[] = {"Ассемблер", "C", "Подпрограмма на Бейсике", "Лента (TAP)",
                              "Картинка PNG"};
const ExportForm kFormValues[] = {ExportForm::Assembler, ExportForm::C, ExportForm::Basic,
                                  ExportForm::Tape, ExportForm::Picture};
const char* const kOrders[] = {"по клеткам", "по строкам", "по столбцам"};
const ByteOrder kOrderValues[] = {ByteOrder::CellByCell, ByteOrder::RowByRow,
                                  ByteOrder::ColumnByColumn};
const char* const kMasks[] = {"без маски", "перед каждым байтом", "после каждого байта",
                              "отдельным блоком"};
const MaskPlacement kMaskValues[] = {MaskPlacement::None, MaskPlacement::Before,
                                     MaskPlacement::After, MaskPlacement::Block};
const char* const kShifts[] = {"1", "2", "4", "8"};
const int kShiftValues[] = {1, 2, 4, 8};
const char* const kBases[] = {"шестнадцатеричные", "десятичные", "двоичные"};
const NumberBase kBaseValues[] = {NumberBase::Hexadecimal, NumberBase::Decimal, NumberBase::Binary};

template <std::size_t N>
QComboBox* choiceBox(QWidget* parent, const char* name, const char* const (&entries)[N]) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const char* entry : entries)
        box->addItem(QString::fromUtf8(entry));
    return box;
}

template <typename Value, std::size_t N>
int indexOf(const Value (&values)[N], Value value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value)
            return static_cast<int>(i);
    }
    return 0;
}

// The address box's lowest value stands for no address: the user-defined graphics.
constexpr int kNoAddress = kFirstRamAddress - 1;

}  // namespace

ExportDialog::ExportDialog(ExportSource source, QWidget* owner)
    : QDialog(owner), source_(std::move(source)), saveDialog_(new QFileDialog(this)) {
    setObjectName(QStringLiteral("ExportDialog"));
    // A dialog is a window of its own, which takes its owner's font only when asked to.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(QStringLiteral("Экспорт"));
    setModal(false);
    createControls();
    saveDialog_->setObjectName(QStringLiteral("ExportSaveDialog"));
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog, placed and sized as Save's is.
    saveDialog_->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails |
                            QFileDialog::DontUseNativeDialog);
    saveDialog_->setSizeGripEnabled(true);
    refresh();
}

void ExportDialog::createControls() {
    form_ = choiceBox(this, "Form", kForms);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Name"));
    order_ = choiceBox(this, "Order", kOrders);
    mask_ = choiceBox(this, "Mask", kMasks);
    shifts_ = choiceBox(this, "Shifts", kShifts);
    base_ = choiceBox(this, "Base", kBases);
    address_ = new QSpinBox(this);
    address_->setObjectName(QStringLiteral("Address"));
    address_->setRange(kNoAddress, kLastAddress);
    address_->setSpecialValueText(QStringLiteral("USR \"A\""));
    firstLine_ = new QSpinBox(this);
    firstLine_->setObjectName(QStringLiteral("FirstLine"));
    firstLine_->setRange(1, kLastBasicLine);

    auto* choices = new QFormLayout;
    const auto addRow = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(text).remove(u'&').chopped(1));
        choices->addRow(label, field);
        return label;
    };
    addRow(QStringLiteral("&Форма:"), form_);
    nameLabel_ = addRow(QStringLiteral("Мет&ка:"), name_);
    addRow(QStringLiteral("&Порядок байтов:"), order_);
    addRow(QStringLiteral("&Маска:"), mask_);
    addRow(QStringLiteral("&Сдвинутые копии:"), shifts_);
    addRow(QStringLiteral("&Числа:"), base_);
    addRow(QStringLiteral("&Адрес:"), address_);
    addRow(QStringLiteral("П&ервая строка:"), firstLine_);

    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview_->setMinimumSize(560, 320);
    auto* previewLabel = new QLabel(QStringLiteral("&Будет записано:"), this);
    previewLabel->setBuddy(preview_);
    preview_->setAccessibleName(QStringLiteral("Будет записано"));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("Problem"));
    problem_->setWordWrap(true);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    saveButton_ = new QPushButton(QStringLiteral("Сохранить…"), this);
    saveButton_->setObjectName(QStringLiteral("Save"));
    saveButton_->setAccessibleName(saveButton_->text());
    closeButton_ = new QPushButton(QStringLiteral("Закрыть"), this);
    closeButton_->setObjectName(QStringLiteral("Close"));
    closeButton_->setAccessibleName(closeButton_->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(previewLabel);
    layout->addWidget(preview_, 1);
    layout->addWidget(problem_);
    layout->addLayout(buttons);

    for (QComboBox* box : {form_, order_, mask_, shifts_, base_})
        connect(box, &QComboBox::currentIndexChanged, this, &ExportDialog::takeChoices);
    connect(name_, &QLineEdit::textEdited, this, &ExportDialog::takeChoices);
    for (QSpinBox* box : {address_, firstLine_})
        connect(box, &QSpinBox::valueChanged, this, &ExportDialog::takeChoices);
    connect(saveButton_, &QPushButton::clicked, this,
            [this] { source_.runGuarded([this] { save(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

// Sets the controls from the process-wide choices, enabling those the form reads.
void ExportDialog::showChoices() {
    const ExportChoices& choices = ExportChoices::processWide();
    showing_ = true;
    form_->setCurrentIndex(indexOf(kFormValues, choices.form));
    const QString name = choices.name.value_or(defaultName(choices.form, source_.fileName()));
    if (name_->text() != name)
        name_->setText(name);
    order_->setCurrentIndex(indexOf(kOrderValues, choices.layout.order));
    mask_->setCurrentIndex(indexOf(kMaskValues, choices.layout.mask));
    shifts_->setCurrentIndex(indexOf(kShiftValues, choices.layout.shifts));
    base_->setCurrentIndex(indexOf(kBaseValues, choices.base));
    address_->setValue(choices.address.value_or(kNoAddress));
    firstLine_->setValue(choices.firstLine);
    showing_ = false;

    const ApplicableChoices applicable = applicableChoices(choices.form);
    // The sources call it a label, the tape a name.
    const bool tape = choices.form == ExportForm::Tape;
    nameLabel_->setText(tape ? QStringLiteral("Имя на &ленте:") : QStringLiteral("Мет&ка:"));
    name_->setAccessibleName(tape ? QStringLiteral("Имя на ленте") : QStringLiteral("Метка"));
    name_->setEnabled(applicable.name);
    for (QWidget* layoutBox : {order_, mask_, shifts_})
        layoutBox->setEnabled(applicable.layout);
    base_->setEnabled(applicable.base);
    address_->setEnabled(applicable.address);
    firstLine_->setEnabled(applicable.firstLine);
}

// Takes every control's value into the process-wide choices, then shows them again.
void ExportDialog::takeChoices() {
    if (showing_)
        return;
    ExportChoices& choices = ExportChoices::processWide();
    const ExportForm form = kFormValues[form_->currentIndex()];
    // A name typed stays; the one made from the file follows the form.
    if (name_->isModified())
        choices.name = name_->text();
    choices.form = form;
    choices.layout.order = kOrderValues[order_->currentIndex()];
    choices.layout.mask = kMaskValues[mask_->currentIndex()];
    choices.layout.shifts = kShiftValues[shifts_->currentIndex()];
    choices.base = kBaseValues[base_->currentIndex()];
    choices.address =
        address_->value() == kNoAddress ? std::nullopt : std::optional<int>(address_->value());
    choices.firstLine = firstLine_->value();
    refresh();
}

void ExportDialog::refresh() {
    showChoices();
    showPreview();
}

void ExportDialog::showPreview() {
    const ExportChoices& choices = ExportChoices::processWide();
    const SpriteDocument& document = source_.document();
    QString text, problem;
    try {
        text = exportPreview(choices.form, exportBytes(document, choices, source_.fileName()),
                             document);
    } catch (const Failure& failure) {
        problem = QString::fromStdString(failure.what());
    }
    if (preview_->toPlainText() != text)
        preview_->setPlainText(text);
    problem_->setText(problem);
    problem_->setAccessibleName(problem);
    saveButton_->setEnabled(problem.isEmpty());
}

void ExportDialog::save() {
    const ExportChoices& choices = ExportChoices::processWide();
    // What the dialog shows is what is written; a sprite that cannot be is refused as shown.
    const QByteArray bytes = exportBytes(source_.document(), choices, source_.fileName());
    QFileDialog& dialog = *saveDialog_;
    dialog.setNameFilter(exportFilter(choices.form));
    dialog.setDefaultSuffix(exportSuffix(choices.form));
    if (!runPlacedDialog(dialog, parentWidget()))
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return;
    writeFileSafely(chosen.front(), bytes);
}

QFileDialog& ExportDialog::SaveDialog() {
    return *saveDialog_;
}

QString ExportDialog::previewText() const {
    return preview_->toPlainText();
}

QString ExportDialog::problemText() const {
    return problem_->text();
}

}  // namespace vexilor
