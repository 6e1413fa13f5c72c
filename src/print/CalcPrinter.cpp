#include "print/CalcPrinter.h"

#include "platform/Dialogs.h"
#include "platform/widgets/PlainMemo.h"
#include "platform/widgets/Widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace pelcor {

namespace {

void SetColor(QWidget* w, const QColor& color) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
}

QFrame* MakePanel(const QString& name, QWidget* parent, const QRect& place) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    return panel;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(10, top, 90, 30);
    return button;
}

QLabel* MakeLabel(const QString& name, QWidget* parent, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TCalcPrint1::TCalcPrint1(Dialogs& dialogs, QWidget* parent)
    : TCalcPrint1(dialogs, Options{}, parent) {}

TCalcPrint1::TCalcPrint1(Dialogs& dialogs, Options options, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), options_(std::move(options)),
      printer_(std::make_unique<QPrinter>()) {
    if (!options_.printerNames)
        options_.printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    if (!options_.defaultPrinterName)
        options_.defaultPrinterName = [] { return QPrinterInfo::defaultPrinterName(); };
    setObjectName("CalcPrint1");
    setWindowTitle("Pelcor Scientific Calculator Printer");
    setFixedSize(560, 489);
    SetColor(this, ToQColor(colors::BtnShadow));

    MenuPanel = MakePanel("MenuPanel", this, QRect(0, 0, 110, 489));
    SetColor(MenuPanel, ToQColor(colors::BtnFace));
    MenuPanel->setFrameShape(QFrame::Panel);
    MenuPanel->setFrameShadow(QFrame::Raised);
    PAuxButt = MakeButton("PAuxButt", "Landscape", MenuPanel, 40);
    FitToPageButt = MakeButton("FitToPageButt", "Fit to page", MenuPanel, 80);
    PSetupButt = MakeButton("PSetupButt", "Print", MenuPanel, 120);
    PExitButt = MakeButton("PExitButt", "Exit", MenuPanel, 160);
    connect(PAuxButt, &QPushButton::clicked, this, &TCalcPrint1::PAuxButtClick);
    connect(FitToPageButt, &QPushButton::clicked, this, &TCalcPrint1::FitToPageButtClick);
    connect(PSetupButt, &QPushButton::clicked, this, &TCalcPrint1::PSetupButtClick);
    connect(PExitButt, &QPushButton::clicked, this, &TCalcPrint1::PExitButtClick);

    PrintLabel = MakeLabel("PrintLabel", this, QRect(120, 10, 300, 20));
    PrintLabel->setText("Type : ");
    PrintStatusLbl = MakeLabel("PrintStatusLbl", this, QRect(430, 10, 120, 20));
    PrintStatusLbl->setText("Ready");
    for (QLabel* label : {PrintLabel, PrintStatusLbl})
        SetPaletteColor(label, QPalette::WindowText, Qt::white);

    ShadowText = MakePanel("ShadowText", this, QRect(135, 45, 400, 500));
    SetColor(ShadowText, ToQColor(colors::DarkShadow));
    PImagePanel = MakePanel("PImagePanel", this, QRect(130, 40, 400, 500));
    SetColor(PImagePanel, Qt::white);
    PrintImage1 = MakeLabel("PrintImage1", PImagePanel, QRect(0, 0, 400, 400));
    PrintImage1->setAccessibleName("Print preview");
    TextLabel = MakeLabel("TextLabel", PImagePanel, QRect(15, 15, 290, 370));
    TextLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TextLabel->hide();
    DataMemo = new PlainMemo(PImagePanel);
    DataMemo->setObjectName("DataMemo");
    DataMemo->hide();

    DataImage = MakeLabel("DataImage", this, QRect(0, 0, 320, 320));
    DataImage->hide();

    PSetupPanel = MakePanel("PSetupPanel", this, QRect(130, 60, 300, 200));
    SetColor(PSetupPanel, ToQColor(colors::BtnFace));
    PrinterListBox1 = new QListWidget(PSetupPanel);
    PrinterListBox1->setObjectName("PrinterListBox1");
    PrinterListBox1->setGeometry(10, 10, 280, 140);
    auto* cancel = MakeButton("PCancelButt", "Cancel", PSetupPanel, 160);
    connect(cancel, &QPushButton::clicked, PSetupPanel, &QWidget::hide);
    PSetupPanel->hide();

    redrawPreview();
}

TCalcPrint1::~TCalcPrint1() = default;

// --- handing over ----------------------------------------------------------------------------

void TCalcPrint1::ShowPicture(const QImage& picture, SurfaceDrawing drawing) {
    DataMemo->hide();
    TextLabel->hide();
    layout_.SetPicture(picture, std::move(drawing));
    PrintImage1->show();
    DataImage->setPixmap(QPixmap::fromImage(picture));
    DataImage->resize(picture.size());
    present();
}

void TCalcPrint1::ShowText(const QString& text, const QFont& font) {
    layout_.SetText(text, font);
    const QStringList lines = layout_.Lines();
    TextLabel->setFont(layout_.PreviewFont());
    TextLabel->setText(lines.join('\n'));
    TextLabel->show();
    DataMemo->setFont(layout_.textFont());
    DataMemo->setPlainText(lines.join('\n'));
    PrintImage1->hide();
    present();
}

void TCalcPrint1::present() {
    redrawPreview();
    setStatus("Ready");
    fillPrinterList(options_.defaultPrinterName());
    show();
    raise();
    activateWindow();
}

// --- the preview -----------------------------------------------------------------------------

void TCalcPrint1::redrawPreview() {
    if (layout_.Landscape) {
        ShadowText->setGeometry(125, 55, 400, 320);
        PImagePanel->setGeometry(120, 50, 400, 320);
    } else {
        ShadowText->setGeometry(135, 45, 320, 400);
        PImagePanel->setGeometry(130, 40, 320, 400);
    }
    TextLabel->setGeometry(15, 15, PImagePanel->width() - 30, PImagePanel->height() - 30);
    DataMemo->setGeometry(0, 0, 2 * TextLabel->width(), 2 * TextLabel->height());
    PrintImage1->setGeometry(0, 0, 400, 400);
    if (layout_.kind() == PrintLayout::Kind::Picture)
        PrintImage1->setPixmap(QPixmap::fromImage(layout_.PicturePreview(QDate::currentDate())));
    PAuxButt->setText(layout_.OrientationCaption());
    FitToPageButt->setText(layout_.FitCaption());
    FitToPageButt->setEnabled(layout_.FitEnabled());
}

void TCalcPrint1::PAuxButtClick() {
    layout_.ToggleOrientation();
    redrawPreview();
}

void TCalcPrint1::FitToPageButtClick() {
    if (!layout_.FitEnabled()) return;
    layout_.ToggleFitToPage();
    redrawPreview();
}

// --- printing --------------------------------------------------------------------------------

void TCalcPrint1::fillPrinterList(const QString& current) {
    PrinterListBox1->clear();
    PrinterListBox1->addItems(options_.printerNames());
    const QList<QListWidgetItem*> found = PrinterListBox1->findItems(current, Qt::MatchExactly);
    if (!found.isEmpty()) PrinterListBox1->setCurrentItem(found.first());
    PrintLabel->setText("Printer : " + (current.isEmpty() ? QString("(none)") : current));
}

void TCalcPrint1::setStatus(const QString& text) {
    PrintStatusLbl->setText(text);
    PrintStatusLbl->repaint();
}

void TCalcPrint1::PSetupButtClick() {
    if (options_.printerNames().isEmpty() && !dialogs_.offersPrintToFile()) {
        dialogs_.showMessage("No printer is available, and printing to a file is not offered.");
        return;
    }
    // The dialog starts from the preview's orientation; what the user leaves there decides.
    printer_->setPageOrientation(layout_.Landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    if (!dialogs_.choosePrinter(*printer_)) return;
    PrintOn(*printer_);
}

void TCalcPrint1::PrintOn(QPrinter& printer) {
    setStatus("Printing");
    const QString name = printer.outputFormat() == QPrinter::PdfFormat
                             ? "PDF file " + printer.outputFileName()
                             : printer.printerName();
    fillPrinterList(name);
    layout_.SetPageSize(printer.width(), printer.height());
    redrawPreview();
    PrintLayout::Job job;
    // Where the printer makes no copies itself, the job holds each copy.
    job.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    if (printer.printRange() == QPrinter::PageRange) {
        job.fromPage = printer.fromPage();
        job.toPage = printer.toPage();
    }
    const std::string failure = layout_.Print(printer, QDate::currentDate(), job);
    setStatus("Ready");
    if (!failure.empty())
        dialogs_.showMessage("Nothing was printed: " + QString::fromStdString(failure) + ".");
}

void TCalcPrint1::PExitButtClick() {
    TextLabel->hide();
    hide();
    emit printerClosed();
}

void TCalcPrint1::closeEvent(QCloseEvent* event) {
    // The window's close box leaves like "Exit", so the main window comes back.
    event->accept();
    if (isVisible()) PExitButtClick();
}

} // namespace pelcor
