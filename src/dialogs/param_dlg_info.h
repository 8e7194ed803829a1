// The Info page (dialog 104): the component's picture and its build label.
#pragma once

#include <QPixmap>

#include "dialogs/property_page.h"

class SParamDlgInfo : public SPropertyPage {
    Q_OBJECT

public:
    static constexpr int kDialogId = 104;
    static constexpr int kPictureId = 90;
    static constexpr int kBuildLabelId = 310;

    explicit SParamDlgInfo(QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
};

// The picture of the Info page (bitmap 90), drawn rather than stored.
QPixmap InfoPicture(const QSize& size);
