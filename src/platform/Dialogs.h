#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace pelcor {

// Every modal question the program asks goes through here, so tests can answer them
// without a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button, titled with the program's title.
    virtual void showMessage(const QString& text) = 0;

    // Called while a save dialog is open, when the user picks another filter: gets the new
    // filter index (1-based) and the name in the dialog, returns the name to put back.
    using FilterChange = std::function<QString(int filterIndex, const QString& name)>;

    // The open dialog. `filter` is written "description|pattern|description|pattern";
    // `filterIndex` is 1-based. Returns the chosen file's name, or an empty text when the
    // dialog was cancelled (which is also what a dialog that is not offered answers).
    virtual QString openFileName(const QString& filter, int filterIndex, const QString& name) {
        (void)filter, (void)filterIndex, (void)name;
        return {};
    }
    // The save dialog, asking before a file is overwritten. `filterIndex` comes back as the
    // filter chosen. Returns the name, or an empty text when cancelled.
    virtual QString saveFileName(const QString& filter, int& filterIndex, const QString& name,
                                 const FilterChange& onFilterChange = {}) {
        (void)filter, (void)filterIndex, (void)name, (void)onFilterChange;
        return {};
    }
    // The colour dialog, starting at `initial` (red + 256 green + 65536 blue). Gives the
    // chosen colour, or nothing when cancelled.
    virtual std::optional<int> chooseColor(int initial) {
        (void)initial;
        return std::nullopt;
    }
    // The font dialog. Gives the chosen font, or nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont& initial) {
        (void)initial;
        return std::nullopt;
    }
    // A question with the buttons Yes and No. True for Yes; a question that is not offered
    // answers No.
    virtual bool askYesNo(const QString& text) {
        (void)text;
        return false;
    }
    // The print dialog on `printer`: pages 1 to 99 with a page range to choose, the copies,
    // the orientation and the destination (a printer, or a PDF file where offered). The
    // choices are left in `printer`. False when cancelled.
    virtual bool choosePrinter(QPrinter& printer) {
        (void)printer;
        return false;
    }
    // Whether the print dialog offers printing to a PDF file, so that printing is possible
    // on a desktop without printers.
    virtual bool offersPrintToFile() const { return false; }
};

} // namespace pelcor
