// A page of a property sheet. Its controls are made the first time the page
// is shown (or asked for), like a dialog window that exists only once it has
// been opened; the sheet runs the OK step only on pages whose window exists.
// Every control is registered under its numeric id.
#pragma once

#include <QString>
#include <QWidget>
#include <map>

class SPropertyPage : public QWidget {
    Q_OBJECT

public:
    SPropertyPage(int dialogId, const QString& title, QWidget* parent = nullptr);

    int DialogId() const { return dialogId_; }
    const QString& Title() const { return title_; }

    // Makes the controls and loads them, once.
    void EnsureCreated();
    bool WindowExists() const { return created_; }

    // The control with `id`, or nullptr (also before the page exists).
    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const {
        return qobject_cast<T*>(Control(id));
    }

    // The page's part of OK and of Cancel. Called only when the window exists.
    virtual void OnOK() {}
    virtual void OnCancel() {}

protected:
    // Builds the controls (registering them) and shows the values.
    virtual void OnInitDialog() = 0;
    // Registers `control` under `id`; it is also named "id<id>".
    template <class T>
    T* Register(int id, T* control) {
        RegisterWidget(id, control);
        return control;
    }

private:
    void RegisterWidget(int id, QWidget* control);

    int dialogId_;
    QString title_;
    bool created_ = false;
    std::map<int, QWidget*> controls_;
};
