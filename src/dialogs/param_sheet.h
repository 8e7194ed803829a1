// The settings property sheet: General, Dictionary, Conversions and Info
// pages over one settings record. OK writes the pages into the record in
// memory; "Zapa&miętaj" (command 40400) asks, then also saves the record in
// the registry.
#pragma once

#include <functional>

#include "dialogs/param_dlg_conv.h"
#include "dialogs/param_dlg_dict.h"
#include "dialogs/param_dlg_general.h"
#include "dialogs/param_dlg_info.h"
#include "dialogs/property_sheet.h"

class SAttribute;
class STestSpeaker;
class STtsEngine;

class SParamSheet : public SPropertySheet {
    Q_OBJECT

public:
    static constexpr int kSaveCommandId = 40400;
    enum PageIndex : int {
        kGeneralPage = 0,
        kDictionaryPage = 1,
        kConversionsPage = 2,
        kInfoPage = 3
    };

    // The pages edit `settings`. With an engine, OK rebuilds its changed
    // pause patterns and reloads its dictionary; `speaker` (may be null)
    // speaks the test texts. None is owned.
    SParamSheet(SAttribute& settings, STtsEngine* engine, STestSpeaker* speaker,
                QWidget* owner = nullptr);

    // The Yes/No question before saving; true means Yes.
    using SSaveQuestion = std::function<bool(QWidget* parent, const QString& question)>;
    void SetSaveQuestion(SSaveQuestion ask) { askToSave_ = std::move(ask); }

    // "Zapa&miętaj": on Yes, the OK step of every page whose window exists,
    // then the record into the registry. True when it was saved.
    bool OnSaveCommand();

    SParamDlgGeneral& General() { return general_; }
    SParamDlgDict& Dictionary() { return dict_; }
    SParamDlgConv& Conversions() { return conv_; }
    SParamDlgInfo& Info() { return info_; }

protected:
    void OnApply() override { OnSaveCommand(); }

private:
    SAttribute& settings_;
    SParamDlgGeneral general_;
    SParamDlgDict dict_;
    SParamDlgConv conv_;
    SParamDlgInfo info_;
    SSaveQuestion askToSave_;
};

// The default question: a Yes/No message box.
bool AskYesNo(QWidget* parent, const QString& question);
