#pragma once

#include <QString>

class QWidget;

namespace pelcor {

// Every modal question the program asks goes through here, so tests can answer them
// without a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button, titled with the program's title.
    virtual void showMessage(const QString& text) = 0;
};

// The desktop's own message boxes.
class DesktopDialogs : public Dialogs {
public:
    explicit DesktopDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace pelcor
