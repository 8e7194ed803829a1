// The Conversions page (dialog 103): one check box per switch of the text
// normaliser, and "&Domyślne".
#pragma once

#include <map>

#include "dialogs/property_page.h"

class QCheckBox;
class SAttribute;

class SParamDlgConv : public SPropertyPage {
    Q_OBJECT

public:
    static constexpr int kDialogId = 103;
    static constexpr int kDefaultsButtonId = 246;

    explicit SParamDlgConv(SAttribute& settings, QWidget* parent = nullptr);

    QCheckBox* Box(int id) const;
    void OnDefaults();
    // Every box into its setting.
    void OnOK() override;

protected:
    void OnInitDialog() override;

private:
    SAttribute& settings_;
    std::map<int, QCheckBox*> boxes_;
};
