#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace pelcor {

// The desktop's own message boxes, file, colour, font and print dialogs.
class DesktopDialogs : public Dialogs {
public:
    explicit DesktopDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& text) override;
    QString openFileName(const QString& filter, int filterIndex, const QString& name) override;
    QString saveFileName(const QString& filter, int& filterIndex, const QString& name,
                         const FilterChange& onFilterChange = {}) override;
    std::optional<int> chooseColor(int initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    bool askYesNo(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;
    bool offersPrintToFile() const override;

private:
    QWidget* parent_;
};

} // namespace pelcor
