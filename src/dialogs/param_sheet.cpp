#include "dialogs/param_sheet.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "core/attribute.h"
#include "dialogs/dialog_strings.h"
#include "dialogs/engine_followers.h"

bool AskYesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, parent ? parent->windowTitle() : QString(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

SParamSheet::SParamSheet(SAttribute& settings, STtsEngine* engine, STestSpeaker* speaker,
                         QWidget* owner)
    : SPropertySheet(QString::fromUtf8(dialog_strings::kCaption), owner),
      settings_(settings),
      general_(settings, speaker, PauseRefresherFor(engine)),
      dict_(settings, speaker),
      conv_(settings),
      askToSave_(&AskYesNo) {
    dict_.SetOnWritten(DictionaryReloaderFor(engine, settings));
    AddPage(&general_);
    AddPage(&dict_);
    AddPage(&conv_);
    AddPage(&info_);

    QAbstractButton* save = ApplyButton();
    save->setText(QString::fromUtf8(dialog_strings::kSaveButton));
    save->setProperty("controlId", kSaveCommandId);
    save->setObjectName(QStringLiteral("id%1").arg(kSaveCommandId));
    save->setVisible(true);
    save->setEnabled(true);
    setMinimumSize(560, 520);
}

bool SParamSheet::OnSaveCommand() {
    if (!askToSave_ || !askToSave_(this, QString::fromUtf8(dialog_strings::kSaveQuestion)))
        return false;
    for (SPropertyPage* page :
         {static_cast<SPropertyPage*>(&general_), static_cast<SPropertyPage*>(&dict_),
          static_cast<SPropertyPage*>(&conv_)})
        if (page->WindowExists()) page->OnOK();
    return settings_.Save();
}
