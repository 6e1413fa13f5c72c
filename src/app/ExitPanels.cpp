#include "app/ExitPanels.h"

#include "board/DrawingDocument.h"
#include "platform/Colors.h"
#include "platform/widgets/Widgets.h"

#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace pelcor {

ExitPanels::ExitPanels(QWidget* parent) : QObject(parent), parent_(parent) {
    exitPanel_ = build("ExitPanel", "Do you wish to exit the Pelcor calculator?", "Yes", "No",
                       "YesExitButt", "NoExitButt");
    imageChangedPanel_ = build(
        "ImageChangedPanel",
        "The current image data is not yet saved - do you wish to Abort Exit and save the image.",
        "Exit", "Abort Exit", "ImageExitButt", "AbortExitButt");
}

QFrame* ExitPanels::build(const QString& name, const QString& text, const QString& yes,
                          const QString& no, const QString& yesName, const QString& noName) {
    QFrame* p = MakePanel(name, parent_, 165, 130, 310, 110);
    SetBackground(p, colors::BtnFace);
    QLabel* l = MakeLabel(name + "Label", text, p, 10, 8, 290, 52);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(ArialFont(13, true));
    auto answer = [this](Answer a) {
        answer_ = a;
        if (wait_) wait_->quit();
    };
    connect(MakeButton(yesName, yes, p, 60, 70, 80, 28), &QPushButton::clicked, this,
            [answer] { answer(Answer::Yes); });
    connect(MakeButton(noName, no, p, 170, 70, 80, 28), &QPushButton::clicked, this,
            [answer] { answer(Answer::No); });
    p->hide();
    return p;
}

bool ExitPanels::ask(QFrame* panel) {
    answer_ = Answer::None;
    panel->show();
    panel->raise();
    QEventLoop wait;
    wait_ = &wait;
    wait.exec();
    wait_ = nullptr;
    panel->hide();
    return answer_ != Answer::No;
}

bool ExitPanels::Confirm(const DrawingDocument& drawing) {
    if (!ask(exitPanel_)) return false;
    if (drawing.Changed() && !ask(imageChangedPanel_)) return false;
    confirmed_ = true;
    return true;
}

void ExitPanels::ShowWhileSaving() {
    exitPanel_->show();
    exitPanel_->raise();
}

void ExitPanels::Hide() {
    exitPanel_->hide();
}

} // namespace pelcor
