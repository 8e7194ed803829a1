#include "dialogs/param_dlg_dict.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/dialog_strings.h"
#include "dialogs/test_speaker.h"
#include "platform/codepage.h"

namespace {

// Entries are Windows-1250 bytes; the widgets show Unicode.
QString Shown(const std::string& cp1250) {
    return QString::fromStdString(Cp1250ToUtf8(cp1250));
}
std::string Stored(const QString& shown) {
    return Utf8ToCp1250(shown.toStdString());
}

// Paths are the file system's bytes.
QString ShownPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string StoredPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString ChooseDictionaryFile(QWidget* parent, const QString& directory, const QString& filter) {
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("exp"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

SParamDlgDict::SParamDlgDict(SAttribute& settings, STestSpeaker* speaker, QWidget* parent)
    : SPropertyPage(kDialogId, QString::fromUtf8(dialog_strings::kDictionaryTitle), parent),
      speaker_(speaker),
      state_(settings),
      chooseFile_(&ChooseDictionaryFile) {}

void SParamDlgDict::OnInitDialog() {
    useBox_ = Register(
        kUseDictId,
        new QCheckBox(QStringLiteral("&Skoryguj wypowiedź według poniższego słownika:"), this));
    pathEdit_ = Register(kPathId, new QLineEdit(this));
    pathEdit_->setReadOnly(true);
    auto* browse = Register(kBrowseId, new QPushButton(QStringLiteral("..."), this));
    browse->setMaximumWidth(40);
    useBox_->setChecked(state_.UseDictionary());
    connect(useBox_, &QCheckBox::toggled, this, [this](bool on) { state_.SetUseDictionary(on); });
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });

    auto* group = new QGroupBox(QStringLiteral(" &Hasła "), this);
    entriesGroup_ = group;
    keys_ = Register(kKeyComboId, new QComboBox(group));
    keys_->setEditable(true);
    keys_->setInsertPolicy(QComboBox::NoInsert);
    keys_->setMinimumWidth(140);
    group->setFocusProxy(keys_);
    auto* arrow = Register(kArrowId, new QLabel(QStringLiteral("->"), group));
    replacement_ = Register(kReplacementId, new QLineEdit(group));
    auto* add = Register(kAddId, new QPushButton(QStringLiteral("&Dodaj"), group));
    auto* remove = Register(kRemoveId, new QPushButton(QStringLiteral("&Usuń"), group));
    auto* test = Register(kTestButtonId,
                          new QPushButton(QString::fromUtf8(dialog_strings::kTestButton), group));
    test->setEnabled(speaker_ != nullptr);
    connect(keys_, &QComboBox::currentIndexChanged, this, [this] { ShowReplacementOfSelection(); });
    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(test, &QPushButton::clicked, this, [this] { OnTest(); });

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(keys_);
    entryRow->addWidget(arrow);
    entryRow->addWidget(replacement_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(add);
    buttonRow->addWidget(remove);
    buttonRow->addWidget(test);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(entryRow);
    groupLayout->addLayout(buttonRow);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(useBox_);
    layout->addLayout(pathRow);
    layout->addWidget(group);
    layout->addStretch(1);

    ShowPath();
    ReadEntries();
}

void SParamDlgDict::ReadEntries() {
    state_.ReadEntries();
    ShowEntries();
}

void SParamDlgDict::ShowEntries() {
    // Entries added to a file that could not be read would never be saved.
    const bool readable = state_.EntriesEditable();
    if (entriesGroup_) {
        entriesGroup_->setEnabled(readable);
        entriesGroup_->setToolTip(
            readable ? QString() : QString::fromUtf8("Nie można odczytać pliku słownika."));
    }
    ShowKeys(std::string());
}

void SParamDlgDict::ShowPath() {
    if (!pathEdit_) return;
    pathEdit_->setText(ShownPath(state_.Path()));
    useBox_->setEnabled(state_.UseBoxEnabled());
}

void SParamDlgDict::ShowKeys(const std::string& select) {
    if (!keys_) return;
    {
        const QSignalBlocker quiet(keys_);
        keys_->clear();
        for (const auto& entry : state_.Entries().Entries()) keys_->addItem(Shown(entry.first));
        keys_->setCurrentIndex(select.empty() ? (keys_->count() > 0 ? 0 : -1)
                                              : keys_->findText(Shown(select)));
    }
    ShowReplacementOfSelection();
}

void SParamDlgDict::ShowReplacementOfSelection() {
    if (!replacement_) return;
    const int index = keys_->currentIndex();
    replacement_->setText(
        index < 0 ? QString()
                  : Shown(state_.Entries().Replacement(Stored(keys_->itemText(index)))));
}

void SParamDlgDict::OnBrowse() {
    QWidget* hadFocus = QApplication::focusWidget();
    const QString chosen =
        chooseFile_(this, ShownPath(state_.StartDirectory()),
                    QString::fromUtf8(FileDialogFilter(dialog_strings::kDictionaryFilter)));
    if (!chosen.isEmpty()) {
        state_.TakeChosenFile(StoredPath(chosen));
        ShowPath();
        ShowEntries();
    }
    if (hadFocus) hadFocus->setFocus();
}

void SParamDlgDict::OnAdd() {
    if (!keys_) return;
    const std::string key = Stored(keys_->currentText().trimmed());
    if (!state_.Add(key, Stored(replacement_->text()))) return;
    ShowKeys(key);
}

void SParamDlgDict::OnRemove() {
    if (!keys_ || keys_->currentIndex() < 0) return;
    state_.Remove(Stored(keys_->itemText(keys_->currentIndex())));
    ShowKeys(std::string());
}

void SParamDlgDict::OnTest() {
    if (speaker_ && replacement_) speaker_->Speak(Stored(replacement_->text()));
}

void SParamDlgDict::OnOK() {
    if (state_.Ok() && onWritten_) onWritten_(state_.Path());
}
