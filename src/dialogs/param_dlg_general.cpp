#include "dialogs/param_dlg_general.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "dialogs/dialog_strings.h"
#include "platform/codepage.h"

SParamDlgGeneral::SParamDlgGeneral(SAttribute& settings, STestSpeaker* speaker,
                                   SPauseRefresher refreshPause, QWidget* parent)
    : SPropertyPage(kDialogId, QString::fromUtf8(dialog_strings::kGeneralTitle), parent),
      speaker_(speaker),
      refreshPause_(std::move(refreshPause)),
      state_(settings) {}

void SParamDlgGeneral::OnInitDialog() {
    auto* basic = new QGroupBox(QStringLiteral(" Podstawowe "), this);
    auto* pauses = new QGroupBox(QStringLiteral(" Przerwy (ms) "), this);
    auto* basicGrid = new QGridLayout(basic);
    auto* pauseGrid = new QGridLayout(pauses);
    int basicRow = 0, pauseRow = 0;
    for (const SGeneralSliderSpec& control : GeneralSliderSpecs()) {
        if (control.inPauseGroup)
            AddSliderRow(control, *pauseGrid, pauseRow++);
        else
            AddSliderRow(control, *basicGrid, basicRow++);
    }

    testText_ =
        Register(kTestTextId, new QLineEdit(QString::fromUtf8(dialog_strings::kTestText), this));
    auto* prompt = Register(kPromptId, new QLabel(QStringLiteral(">"), this));
    auto* test = Register(kTestButtonId,
                          new QPushButton(QString::fromUtf8(dialog_strings::kTestButton), this));
    auto* defaults =
        Register(kDefaultsButtonId,
                 new QPushButton(QString::fromUtf8(dialog_strings::kDefaultsButton), this));
    test->setEnabled(speaker_ != nullptr);
    connect(test, &QPushButton::clicked, this, [this] { OnTest(); });
    connect(defaults, &QPushButton::clicked, this, [this] { OnDefaults(); });

    auto* testRow = new QHBoxLayout;
    testRow->addWidget(prompt);
    testRow->addWidget(testText_, 1);
    testRow->addWidget(test);
    testRow->addWidget(defaults);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(pauses);
    layout->addLayout(testRow);
    layout->addStretch(1);
    ShowValues();
}

void SParamDlgGeneral::AddSliderRow(const SGeneralSliderSpec& control, QGridLayout& grid, int row) {
    auto* label = Register(control.labelId, new QLabel(QString::fromUtf8(control.label), this));
    auto* slider = Register(control.sliderId, new QSlider(Qt::Horizontal, this));
    auto* display = Register(control.editId, new QLineEdit(this));
    slider->setRange(control.minPosition, control.maxPosition);
    slider->setPageStep(std::max(1, (control.maxPosition - control.minPosition) / 10));
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(std::max(1, (control.maxPosition - control.minPosition) / 10));
    display->setReadOnly(true);
    display->setMaximumWidth(60);
    display->setAlignment(Qt::AlignRight);
    label->setBuddy(slider);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(slider),
                       static_cast<QWidget*>(display)})
        w->setEnabled(control.enabled);

    const SGeneralValue v = control.value;
    sliders_[static_cast<int>(v)] = slider;
    displays_[static_cast<int>(v)] = display;
    // Dragging reports only when the handle is let go; keys and clicks on
    // the groove end their movement at once.
    connect(slider, &QSlider::valueChanged, this, [this, slider, v](int position) {
        if (!slider->isSliderDown()) SliderCameToRest(v, position);
    });
    connect(slider, &QSlider::sliderReleased, this,
            [this, slider, v] { SliderCameToRest(v, slider->value()); });

    grid.addWidget(label, row, 0);
    grid.addWidget(slider, row, 1);
    grid.addWidget(display, row, 2);
    grid.setColumnStretch(1, 1);
}

void SParamDlgGeneral::SliderCameToRest(SGeneralValue v, int position) {
    for (SGeneralValue changed : state_.SliderCameToRest(v, position)) ShowValue(changed);
}

void SParamDlgGeneral::ShowValue(SGeneralValue v) {
    QSlider* slider = Slider(v);
    if (!slider) return;
    const QSignalBlocker quiet(slider);  // showing a value is not a movement
    slider->setValue(SGeneralValues::PositionOf(v, Values()[v]));
    Display(v)->setText(QString::number(Values()[v]));
}

void SParamDlgGeneral::ShowValues() {
    for (const SGeneralSliderSpec& control : GeneralSliderSpecs()) ShowValue(control.value);
}

void SParamDlgGeneral::OnTest() {
    state_.Test(speaker_,
                testText_ ? Utf8ToCp1250(testText_->text().toStdString()) : std::string());
}

void SParamDlgGeneral::OnDefaults() {
    state_.Defaults();
    ShowValues();
    if (testText_) testText_->setText(QString::fromUtf8(dialog_strings::kTestText));
}

void SParamDlgGeneral::OnOK() {
    for (int patternId : state_.Ok())
        if (refreshPause_) refreshPause_(patternId);
}

void SParamDlgGeneral::OnCancel() {
    state_.Cancel();
}
