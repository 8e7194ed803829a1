#include "dialogs/property_page.h"

SPropertyPage::SPropertyPage(int dialogId, const QString& title, QWidget* parent)
    : QWidget(parent), dialogId_(dialogId), title_(title) {}

void SPropertyPage::EnsureCreated() {
    if (created_) return;
    created_ = true;
    OnInitDialog();
}

QWidget* SPropertyPage::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void SPropertyPage::RegisterWidget(int id, QWidget* control) {
    control->setObjectName(QStringLiteral("id%1").arg(id));
    control->setProperty("controlId", id);
    controls_[id] = control;
}
