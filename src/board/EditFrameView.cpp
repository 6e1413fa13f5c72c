#include "board/EditFrameView.h"

#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Widgets.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelcor {

namespace {

using C = EditControl;

// The eight boxes whose Enter key applies the values.
constexpr C EnterBoxes[] = {C::EditA,  C::EditB,  C::EditC,  C::EditX1,
                            C::EditY1, C::EditX2, C::EditY2, C::EditG};

void PaintSwatch(QPushButton* swatch, int color) {
    swatch->setStyleSheet(QString("QPushButton { background-color: %1; border: 1px solid %2; }")
                              .arg(ToQColor(color).name(), ToQColor(colors::BtnShadow).name()));
}

} // namespace

EditFrameView::EditFrameView(EditFrame& model, Dialogs& dialogs, int width, int height,
                             QWidget* parent)
    : QFrame(parent), model_(model), dialogs_(dialogs) {
    setObjectName("EditFrame");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setGeometry(5, 390, width, height);
    SetPanelLook(this); // over the constants

    for (int i = 0; i < EditControlCount; ++i) {
        const C c = static_cast<C>(i);
        QWidget* w = nullptr;
        switch (TypeOf(c)) {
        case ControlType::Label: w = new QLabel(this); break;
        case ControlType::Box: {
            auto* box = new QLineEdit(this);
            connect(box, &QLineEdit::textChanged, this, [this, c](const QString& text) {
                if (!syncing_) model_.SetText(c, text.toStdString());
            });
            w = box;
            break;
        }
        case ControlType::CheckBox: w = new QCheckBox(this); break;
        case ControlType::Swatch: {
            auto* swatch = new QPushButton(this);
            swatch->setFlat(true);
            swatch->setCursor(Qt::PointingHandCursor);
            w = swatch;
            break;
        }
        case ControlType::Button: w = new QPushButton(this); break;
        }
        w->setObjectName(ControlName(c));
        widgets_[static_cast<std::size_t>(i)] = w;
    }
    QPalette teal = control(C::EquatLabel)->palette();
    teal.setColor(QPalette::WindowText, ToQColor(colors::Teal));
    control(C::EquatLabel)->setPalette(teal);
    for (C box : EnterBoxes)
        control(box)->installEventFilter(this);

    auto button = [this](C c) { return static_cast<QPushButton*>(control(c)); };
    auto check = [this](C c) { return static_cast<QCheckBox*>(control(c)); };
    connect(button(C::EditOk), &QPushButton::clicked, this, &EditFrameView::EditOkClick);
    connect(button(C::Update), &QPushButton::clicked, this, &EditFrameView::UpdateClick);
    connect(button(C::EditClose), &QPushButton::clicked, this, &EditFrameView::EditCloseClick);
    connect(button(C::EditColor), &QPushButton::clicked, this, &EditFrameView::EditColorClick);
    connect(button(C::EditFillColor), &QPushButton::clicked, this,
            &EditFrameView::EditFillColorClick);
    connect(button(C::FontEditButt), &QPushButton::clicked, this,
            &EditFrameView::FontEditButtClick);
    // Toggled, not clicked: the check box's accessible toggle action toggles it without a
    // click. The changes the model makes itself are shown with the signals blocked.
    connect(check(C::Prbh), &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) PrbhClick(on);
    });
    connect(check(C::FillCheck), &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) FillCheckClick(on);
    });

    Sync();
    hide();
}

void EditFrameView::Sync() {
    syncing_ = true;
    for (int i = 0; i < EditControlCount; ++i) {
        const C c = static_cast<C>(i);
        const ControlState& s = model_.Control(c);
        QWidget* w = control(c);
        switch (TypeOf(c)) {
        case ControlType::Label: {
            auto* label = static_cast<QLabel*>(w);
            label->setText(Q(s.Text));
            break;
        }
        case ControlType::Box: {
            auto* box = static_cast<QLineEdit*>(w);
            if (box->text() != Q(s.Text)) box->setText(Q(s.Text));
            break;
        }
        case ControlType::CheckBox: {
            auto* box = static_cast<QCheckBox*>(w);
            box->setChecked(s.Checked);
            break;
        }
        case ControlType::Swatch: PaintSwatch(static_cast<QPushButton*>(w), s.Color); break;
        case ControlType::Button: static_cast<QPushButton*>(w)->setText(Q(s.Text)); break;
        }
        if (s.Width > 0) {
            w->setGeometry(s.Left, s.Top, s.Width, s.Height);
        } else {
            w->adjustSize();
            w->move(s.Left, s.Top);
        }
        w->setAccessibleName(Q(s.AccessibleName.empty() ? s.Text : s.AccessibleName));
        w->setEnabled(s.Enabled);
        w->setVisible(s.Visible);
    }
    syncing_ = false;
    setVisible(model_.IsOpen());
    if (isVisible()) raise();
}

bool EditFrameView::OpenEditFrame(int number) {
    if (!model_.OpenEditFrame(number)) return false;
    Sync();
    emit boardChanged();
    return true;
}

void EditFrameView::ShowError(const EditError& error) {
    dialogs_.showMessage(Q(error));
}

void EditFrameView::AfterCommand(const EditError& error) {
    if (!error.empty()) {
        ShowError(error);
        Sync(); // the switch that was flipped stays as the model holds it
        return;
    }
    Sync();
    emit boardChanged();
    if (!model_.IsOpen()) emit closed();
}

void EditFrameView::EditOkClick() {
    AfterCommand(model_.Ok());
}

void EditFrameView::UpdateClick() {
    AfterCommand(model_.Refresh());
}

void EditFrameView::EditCloseClick() {
    emit cancelRequested();
}

void EditFrameView::PrbhClick(bool checked) {
    AfterCommand(model_.PrbhClicked(checked));
}

void EditFrameView::FillCheckClick(bool checked) {
    model_.FillCheckReleased(checked);
    Sync();
}

void EditFrameView::AskColor(EditControl swatch, void (EditFrame::*apply)(int)) {
    if (const auto color = dialogs_.chooseColor(model_.Control(swatch).Color)) {
        (model_.*apply)(*color);
        Sync();
    }
}

void EditFrameView::EditColorClick() {
    AskColor(C::EditColor, &EditFrame::SetPenSwatch);
}

void EditFrameView::EditFillColorClick() {
    AskColor(C::EditFillColor, &EditFrame::SetFillSwatch);
}

void EditFrameView::ToolbarColorButt() {
    AskColor(C::EditColor, &EditFrame::ToolbarColor);
}

void EditFrameView::FontEditButtClick() {
    const FontChoice start = model_.FontForDialog();
    QFont initial(Q(start.Family));
    initial.setPointSize(start.PointSize > 0 ? start.PointSize : 8);
    initial.setBold(start.Bold);
    initial.setItalic(start.Italic);
    const std::optional<QFont> chosen = dialogs_.chooseFont(initial);
    if (!chosen) return;
    // The font dialog has no colour of its own: the pen swatch keeps its colour.
    model_.FontChosen({chosen->family().toStdString(), chosen->pointSize(), chosen->bold(),
                       chosen->italic(), start.Color});
    Sync();
    emit fontChosen(*chosen);
}

bool EditFrameView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            UpdateClick(); // the key itself goes no further
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pelcor
