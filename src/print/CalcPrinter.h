#pragma once

#include "print/PrintLayout.h"

#include <QWidget>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace pelcor {

class Dialogs;

// The print window: a preview of the picture or text handed over, the orientation and
// size buttons, and "Print", which asks for a printer and prints on it. "Exit" hides the
// window and emits printerClosed(), on which the main window shows itself again.
class TCalcPrint1 : public QWidget {
    Q_OBJECT
public:
    struct Options {
        // The system's printers and the current one; the desktop's when not set.
        std::function<QStringList()> printerNames;
        std::function<QString()> defaultPrinterName;
    };
    explicit TCalcPrint1(Dialogs& dialogs, QWidget* parent = nullptr);
    TCalcPrint1(Dialogs& dialogs, Options options, QWidget* parent = nullptr);
    ~TCalcPrint1() override;

    // Hand over what to print; each fills the preview and shows the window. A picture's
    // drawing, when given, draws it again on the page at the printer's resolution.
    void ShowPicture(const QImage& picture, SurfaceDrawing drawing = {});
    void ShowText(const QString& text, const QFont& font);

    // --- the buttons
    void PAuxButtClick();      // "Landscape" / "Portrait"
    void FitToPageButtClick(); // "Fit to page" / "Normal size"
    void PSetupButtClick();    // "Print": the print dialog, then PrintOn
    void PExitButtClick();     // "Exit"

    // Prints on a printer already chosen (what "Print" does once the dialog is answered):
    // the printer's page decides the orientation; its copies and page range are honoured.
    void PrintOn(QPrinter& printer);

    PrintLayout& layout() { return layout_; }
    const PrintLayout& layout() const { return layout_; }

signals:
    void printerClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The preview drawn, the status and printer shown, the window brought up.
    void present();
    void redrawPreview();
    void fillPrinterList(const QString& current);
    void setStatus(const QString& text);

    Dialogs& dialogs_;
    Options options_;
    PrintLayout layout_;
    std::unique_ptr<QPrinter> printer_; // kept, so the dialog starts from the last choices

    QFrame* MenuPanel = nullptr;
    QPushButton* PAuxButt = nullptr;
    QPushButton* FitToPageButt = nullptr;
    QPushButton* PSetupButt = nullptr;
    QPushButton* PExitButt = nullptr;
    QLabel* PrintLabel = nullptr;
    QLabel* PrintStatusLbl = nullptr;
    QFrame* ShadowText = nullptr;
    QFrame* PImagePanel = nullptr;
    QLabel* PrintImage1 = nullptr;
    QLabel* TextLabel = nullptr;
    QPlainTextEdit* DataMemo = nullptr;
    QLabel* DataImage = nullptr;
    QFrame* PSetupPanel = nullptr;
    QListWidget* PrinterListBox1 = nullptr;
};

} // namespace pelcor
