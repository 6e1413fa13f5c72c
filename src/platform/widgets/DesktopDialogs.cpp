#include "platform/widgets/DesktopDialogs.h"

#include "platform/Colors.h"

#include <QColorDialog>
#include <QFontDialog>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace pelcor {

void DesktopDialogs::showMessage(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

namespace {

// "description|pattern|description|pattern" as the dialog's list of filters.
QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i].trimmed();
    return filters;
}

void PrepareFileDialog(QFileDialog& dialog, const QString& filter, int filterIndex,
                       const QString& name) {
    const QStringList filters = NameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (!name.isEmpty()) dialog.selectFile(name);
}

} // namespace

QString DesktopDialogs::openFileName(const QString& filter, int filterIndex, const QString& name) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog, filter, filterIndex, name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString DesktopDialogs::saveFileName(const QString& filter, int& filterIndex, const QString& name,
                                     const FilterChange& onFilterChange) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    PrepareFileDialog(dialog, filter, filterIndex, name);
    const QStringList filters = NameFilters(filter);
    // Connected once the dialog is set up, so setting it up reports no change.
    if (onFilterChange) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &filters, &onFilterChange](const QString& chosen) {
                             const int index = static_cast<int>(filters.indexOf(chosen)) + 1;
                             if (index < 1) return;
                             const QStringList current = dialog.selectedFiles();
                             const QString typed = current.isEmpty() ? QString() : current.first();
                             const QString renamed = onFilterChange(index, typed);
                             if (!renamed.isEmpty() && renamed != typed) dialog.selectFile(renamed);
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (chosen >= 1) filterIndex = chosen;
    return dialog.selectedFiles().first();
}

std::optional<int> DesktopDialogs::chooseColor(int initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

std::optional<QFont> DesktopDialogs::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok) return std::nullopt;
    return chosen;
}

bool DesktopDialogs::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setMinMax(1, 99);
    dialog.setFromTo(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

bool DesktopDialogs::offersPrintToFile() const {
    // Qt's own print dialog always lists "Print to File (PDF)" beside the system's printers.
    return true;
}

} // namespace pelcor
