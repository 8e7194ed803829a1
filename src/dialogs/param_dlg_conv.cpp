#include "dialogs/param_dlg_conv.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/conversion_switches.h"
#include "dialogs/dialog_strings.h"

SParamDlgConv::SParamDlgConv(SAttribute& settings, QWidget* parent)
    : SPropertyPage(kDialogId, QString::fromUtf8(dialog_strings::kConversionsTitle), parent),
      settings_(settings) {}

void SParamDlgConv::OnInitDialog() {
    auto* dateGroup = new QGroupBox(QStringLiteral("Data i czas"), this);
    auto* punctuationGroup = new QGroupBox(QStringLiteral("Interpunkcja"), this);
    auto* dateLayout = new QVBoxLayout(dateGroup);
    auto* punctuationLayout = new QVBoxLayout(punctuationGroup);
    auto* others = new QVBoxLayout;
    for (const SConversionSwitch& box : ConversionPageBoxes()) {
        auto* check = Register(box.id, new QCheckBox(QString::fromUtf8(box.text), this));
        check->setChecked(IsSwitchChecked(box, settings_));
        boxes_[box.id] = check;
        if (box.group == SConversionGroup::DateAndTime)
            dateLayout->addWidget(check);
        else if (box.group == SConversionGroup::Interpunction)
            punctuationLayout->addWidget(check);
        else
            others->addWidget(check);
    }
    auto* defaults =
        Register(kDefaultsButtonId,
                 new QPushButton(QString::fromUtf8(dialog_strings::kDefaultsButton), this));
    connect(defaults, &QPushButton::clicked, this, [this] { OnDefaults(); });

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(defaults);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateGroup);
    layout->addWidget(punctuationGroup);
    layout->addLayout(others);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
}

QCheckBox* SParamDlgConv::Box(int id) const {
    auto it = boxes_.find(id);
    return it == boxes_.end() ? nullptr : it->second;
}

void SParamDlgConv::OnDefaults() {
    for (const SConversionSwitch& box : ConversionPageBoxes())
        if (QCheckBox* check = Box(box.id)) check->setChecked(box.defaultChecked);
}

void SParamDlgConv::OnOK() {
    for (const SConversionSwitch& box : ConversionPageBoxes())
        if (QCheckBox* check = Box(box.id)) StoreSwitch(box, check->isChecked(), settings_);
}
