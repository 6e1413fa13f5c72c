// Help, the about panel and the rules of the information line.

#include "app/MainCalc.h"

#include "platform/Colors.h"
#include "platform/Pictures.h"
#include "platform/Shell.h"
#include "platform/widgets/PictureBox.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QThread>

namespace pelcor {

namespace {

// The publisher's details shipped with the program.
const char* const kPublisherName = "Pelcor educational software";
const char* const kNotice = "Free for students and teachers";
const char* const kAddress = "Pelcor Software, PO Box 1000";
const char* const kSupport = "Support: support@pelcor.example";
const char* const kWebSite = "http://www.pelcor.example/";

const char* const kHelpPage = "calculator_help/help_menu.htm";

} // namespace

void TMainCalc1::watchPointerMoves() {
    // Moving over these clears the information line.
    QStringList clearing = {"InfoLbl",      "GeneralPanel2", "GeneralPanel",  "Atomic2Panel",
                            "Atomic1Panel", "SolarMPanel",   "SolarSysPanel", "AstronomyPanel",
                            "PhysicsPanel", "PersonalPanel", "FormulaPanel"};
    // Moving over a picture ends the lock that keeps a message in the line.
    QStringList unlocking = {"Picture1", "Picture2", "Image3", "Image1", "RefLabel", "Picture11"};
    for (const QString& name : clearing + unlocking) {
        QWidget* w = findChild<QWidget*>(name);
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool TMainCalc1::pointerEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && AboutPanel &&
        (watched == AboutPanel || watched->parent() == AboutPanel)) {
        AboutUs1Click();
        return true;
    }
    if (watched->objectName() == "EmailLbl") {
        auto* web = static_cast<QLabel*>(watched);
        QPalette pal = web->palette();
        if (event->type() == QEvent::Enter) pal.setColor(QPalette::WindowText, Qt::black);
        if (event->type() == QEvent::Leave) pal.setColor(QPalette::WindowText, Qt::white);
        web->setPalette(pal);
        if (event->type() == QEvent::MouseButtonPress)
            shell_->open(std::string(kWebSite) + "index.html");
    }
    if (event->type() != QEvent::MouseMove) return false;
    const QString name = watched->objectName();
    if (name == "Picture1" || name == "Picture2" || name == "Image3" || name == "Image1" ||
        name == "RefLabel" || name == "Picture11") {
        InfoLock = 0;
    } else if (watched == InfoLbl || watched->objectName().endsWith("Panel") ||
               watched->objectName() == "GeneralPanel2") {
        ClearInfo();
    }
    return false;
}

// A constant still shown white by hover help gets its own colour back.
void TMainCalc1::restoreHighlightedConst() {
    if (!HighlightedConst || HighlightedConst->palette().color(QPalette::Window) != Qt::white)
        return;
    QPalette pal = HighlightedConst->palette();
    pal.setColor(QPalette::Window, SavedConstColor);
    HighlightedConst->setPalette(pal);
}

void TMainCalc1::ClearInfo() {
    if (InfoLock != 0) return;
    InfoLock = 0;
    InfoLbl->clear();
    restoreHighlightedConst();
}

void TMainCalc1::ShowHelp(QLabel* constant) {
    if (InfoLock != 0) return;
    restoreHighlightedConst();
    HighlightedConst = constant;
    SavedConstColor = constant->palette().color(QPalette::Window);
    constant->setAutoFillBackground(true);
    QPalette pal = constant->palette();
    pal.setColor(QPalette::Window, Qt::white);
    constant->setPalette(pal);
}

void TMainCalc1::HelpFile1Click() {
    const int result = shell_->open(files_.resolve(kHelpPage));
    QString text = "Show help files";
    switch (result) {
    case 2: text = "invalid path or filename"; break;
    case 8: text = "insufficient memory"; break;
    case 11: text = "invalid EXE file"; break;
    case 31: text = "invalid action, or no application associated with the specified file"; break;
    default: break;
    }
    InfoLbl->setText(text);
}

void TMainCalc1::Onlinehelp1Click() {
    shell_->open(std::string(kWebSite) + kHelpPage);
}

void TMainCalc1::buildAboutPanel(QWidget* parent) {
    AboutPanel = new QFrame(parent);
    AboutPanel->setObjectName("AboutPanel");
    AboutPanel->setFrameShape(QFrame::Panel);
    AboutPanel->setFrameShadow(QFrame::Raised);
    AboutPanel->setGeometry(155, 8, 317, 10);
    AboutPanel->setAutoFillBackground(true);
    QPalette pal = AboutPanel->palette();
    pal.setColor(QPalette::Window, QColor(59, 179, 192));
    AboutPanel->setPalette(pal);
    AboutPanel->installEventFilter(this);

    auto label = [this](const char* name, const QString& text, int top, int height = 16) {
        auto* l = new QLabel(text, AboutPanel);
        l->setObjectName(name);
        l->setGeometry(8, top, 301, height);
        l->setAlignment(Qt::AlignCenter);
        l->installEventFilter(this);
        return l;
    };
    QLabel* name = label("NameLbl", kPublisherName, 4, 18);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    name->setFont(bold);
    QLabel* image = label("AboutImage", {}, 24, 165);
    image->setGeometry(32, 24, 253, 165);
    image->setScaledContents(true);
    label("VersLbl", "Calculator Version 1.2.1", 194);
    label("CopyWrLbl", kNotice, 212);
    label("AddrLbl", kAddress, 230);
    label("PhoneLbl", kSupport, 248);
    QLabel* web = label("EmailLbl", kWebSite, 266);
    web->setCursor(Qt::PointingHandCursor);
    QPalette webPal = web->palette();
    webPal.setColor(QPalette::WindowText, Qt::white);
    web->setPalette(webPal);
    AboutPanel->hide();
}

void TMainCalc1::setAboutMenus(bool enabled) {
    for (const char* name :
         {"Conversion2", "Edit1", "Options1", "TextEditor1", "Science1", "Trigonometric1",
          "SaveGraphicsFile1", "LoadGraphicsFile1", "HelpFile1"})
        menuAction(name)->setEnabled(enabled);
}

void TMainCalc1::AboutUs1Click() {
    const int full = Picture11->height();
    if (AboutPanel->isVisible()) {
        while (AboutPanel->height() > 10) {
            AboutPanel->resize(AboutPanel->width(), std::max(10, AboutPanel->height() - 2));
            pause();
        }
        AboutPanel->hide();
        setAboutMenus(true);
        // The screen decides again whether saving the drawing is offered.
        ShowDisplayMode();
        return;
    }
    setAboutMenus(false);
    if (QLabel* image = AboutPanel->findChild<QLabel*>("AboutImage"); image->pixmap().isNull()) {
        const QImage picture = LoadPicture(files_.resolve("Splash1.jpg"));
        if (!picture.isNull()) image->setPixmap(QPixmap::fromImage(picture));
    }
    AboutPanel->setGeometry(155, 8, Picture11->width(), 10);
    AboutPanel->show();
    AboutPanel->raise();
    while (AboutPanel->height() < full) {
        AboutPanel->resize(AboutPanel->width(), std::min(full, AboutPanel->height() + 2));
        pause();
    }
}

} // namespace pelcor
