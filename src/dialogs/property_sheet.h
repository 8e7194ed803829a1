// A modal property sheet: pages on tabs, and the buttons OK, Cancel and the
// "apply" button, which a derived sheet may caption and give a command of
// its own. OK runs every existing page's OK step, Cancel its cancel step.
#pragma once

#include <QDialog>
#include <vector>

class QAbstractButton;
class QDialogButtonBox;
class QTabWidget;
class SPropertyPage;

class SPropertySheet : public QDialog {
    Q_OBJECT

public:
    explicit SPropertySheet(const QString& caption, QWidget* owner = nullptr);

    // Pages are shown in the order added; the sheet does not own them (the
    // derived sheet holds them as members) but parents their widgets.
    void AddPage(SPropertyPage* page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    SPropertyPage* Page(int index) const;

    // Chooses the page shown (a page index out of range is ignored) and
    // makes its window.
    void SetActivePage(int index);
    int ActivePageIndex() const;

    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    QAbstractButton* OkButton() const;
    QAbstractButton* CancelButton() const;
    QAbstractButton* ApplyButton() const;

    // The OK and Cancel of the sheet, also callable without a click.
    void accept() override;
    void reject() override;

protected:
    // The apply button was pressed.
    virtual void OnApply() {}
    // Runs the OK step of every page whose window exists, in page order.
    void RunPagesOK();
    QDialogButtonBox* Buttons() const { return buttons_; }

private:
    void ActivateCurrentTab();

    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::vector<SPropertyPage*> pages_;
};
