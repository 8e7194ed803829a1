#include "dialogs/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/property_page.h"

SPropertySheet::SPropertySheet(const QString& caption, QWidget* owner)
    : QDialog(owner),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &SPropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &SPropertySheet::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QAbstractButton::clicked, this,
            [this] { OnApply(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { ActivateCurrentTab(); });
}

void SPropertySheet::AddPage(SPropertyPage* page) {
    pages_.push_back(page);
    tabs_->addTab(page, page->Title());
    ActivateCurrentTab();
}

SPropertyPage* SPropertySheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void SPropertySheet::SetActivePage(int index) {
    if (!Page(index)) return;
    tabs_->setCurrentIndex(index);
    ActivateCurrentTab();
}

int SPropertySheet::ActivePageIndex() const {
    return tabs_->currentIndex();
}

QAbstractButton* SPropertySheet::OkButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}
QAbstractButton* SPropertySheet::CancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}
QAbstractButton* SPropertySheet::ApplyButton() const {
    return buttons_->button(QDialogButtonBox::Apply);
}

void SPropertySheet::accept() {
    RunPagesOK();
    QDialog::accept();
}

void SPropertySheet::reject() {
    for (SPropertyPage* page : pages_)
        if (page->WindowExists()) page->OnCancel();
    QDialog::reject();
}

void SPropertySheet::RunPagesOK() {
    for (SPropertyPage* page : pages_)
        if (page->WindowExists()) page->OnOK();
}

void SPropertySheet::ActivateCurrentTab() {
    if (SPropertyPage* page = Page(tabs_->currentIndex())) page->EnsureCreated();
}
