#include "board/BoardView.h"

#include "board/EditFrameView.h"
#include "drawing/Coordinates.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/ProgramFiles.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/PlainMemo.h"
#include "platform/widgets/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelcor {

BoardView::BoardView(BoardModel& model, Dialogs& dialogs, const ProgramFiles& files, Places places)
    : model_(model), dialogs_(dialogs), files_(files), places_(places) {
    buildToolbar(places.toolbarParent);
    buildSwatches(places.toolbarParent);
    buildTextFrame(places.frameParent);
    buildStatusPanel(places.frameParent);
    buildEditFrame(places.frameParent);
    textLabel_ = MakeLabel("TextLabel", "Text", places.board->parentWidget(), 40, 60, 30, 16);
    textLabel_->hide();

    memo_ = new PlainMemo(places.frameParent);
    memo_->setObjectName("TotalStrg2");
    memo_->setGeometry(8, 390, 616, 66 + 25 - 4);
    memo_->setReadOnly(true);
    memo_->setAccessibleName("Shape description");
    SetBackground(memo_, colors::MoneyGreen);
    memo_->hide();

    places.board->installEventFilter(this);
    places.board->setMouseTracking(true);
    // The board's own moves stay with it: passed on to the panels under it they would hide
    // the coordinates while a button is held.
    places.board->setAttribute(Qt::WA_NoMousePropagation);
    places.board->setCursor(Qt::CrossCursor);
}

// --- controls -----------------------------------------------------------------------------

void BoardView::buildToolbar(QWidget* parent) {
    toolbar_ = MakePanel("CalcPanel2", parent, 3, 4, 150, 201, false);
    for (const ToolButton& t : kToolbar) {
        QPushButton* b =
            MakeButton(t.name, t.caption, toolbar_, 4 + 36 * t.column, 4 + 28 * t.row, 33, 25);
        b->setProperty("Tag", TagOf(t.tag));
        b->setFont(ArialFont(11, true));
        // A click leaves the keyboard focus where it was (the readout); Tab still reaches it.
        b->setFocusPolicy(Qt::TabFocus);
        if (*t.hint) b->setToolTip(t.hint);
        if (!*t.caption) b->setAccessibleName(t.hint);
        if (*t.normal) {
            const QIcon icon = glyph(t.normal);
            if (!icon.isNull()) {
                b->setIcon(icon);
                b->setIconSize(icon.availableSizes().value(0));
            }
        }
        if (*t.arrow) b->setIcon(GlyphPicture(QString::fromUtf8(t.arrow), 20, 18));
        if (t.tag != ToolTag::Screens) buttons_[t.tag] = b;

        const ToolTag tag = t.tag;
        switch (tag) {
        case ToolTag::Screens:
            // "Img" acts on the press like the tools; "#" on the click.
            if (t.caption == QString("Img"))
                connect(b, &QPushButton::pressed, this, &BoardView::imageChangeClicked);
            else
                connect(b, &QPushButton::clicked, this, &BoardView::solidClicked);
            break;
        case ToolTag::LibraryBack:
            connect(b, &QPushButton::clicked, this, &BoardView::libraryBackClicked);
            break;
        case ToolTag::LibraryForward:
            connect(b, &QPushButton::clicked, this, &BoardView::libraryForwardClicked);
            break;
        default:
            // A screen reader's press emits `pressed` too, so both act alike.
            connect(b, &QPushButton::pressed, this, [this, tag] { DrawButt(tag); });
            break;
        }
        if (tag == ToolTag::GalleryBack)
            connect(b, &QPushButton::clicked, this, &BoardView::galleryBackClicked);
        if (tag == ToolTag::GalleryForward)
            connect(b, &QPushButton::clicked, this, &BoardView::galleryForwardClicked);
    }
    // The colour button and the picture library's arrows have neither caption nor hint.
    button(ToolTag::Colour)->setAccessibleName("Colour");
    button(ToolTag::LibraryBack)->setAccessibleName("<");
    button(ToolTag::LibraryForward)->setAccessibleName(">");
}

void BoardView::buildSwatches(QWidget* parent) {
    penLabel_ = MakeLabel("PenColorLabel", "PenColor", parent, 5, 309, 46, 17);
    fillLabel_ = MakeLabel("FillColorLabel", "FillColor", parent, 84, 309, 46, 17);
    const std::tuple<QPlainTextEdit**, const char*, const char*, int, int> swatches[] = {
        {&penSwatch_, "PenColr", "PenColor", 50, model_.tools().PenColor},
        {&fillSwatch_, "FillColr", "FillColor", 122, model_.tools().FillColor}};
    for (const auto& [slot, name, accessible, left, color] : swatches) {
        auto* s = new PlainMemo(parent);
        s->setObjectName(name);
        s->setGeometry(left, 309, 29, 17);
        s->setCursor(Qt::PointingHandCursor);
        s->setReadOnly(true);
        s->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        s->setAccessibleName(accessible);
        SetBackground(s, color);
        // The swatches open the colour dialog on a press.
        s->viewport()->installEventFilter(this);
        *slot = s;
    }
}

void BoardView::buildTextFrame(QWidget* parent) {
    textFrame_ = MakePanel("TextFrame", parent, 8, 336, 305, 73);
    SetPanelLook(textFrame_);
    MakeLabel("AddTextLabel", "Add Text", textFrame_, 8, 4, 60, 16);
    addText_ = new PlainMemo(textFrame_);
    addText_->setObjectName("AddText");
    addText_->setGeometry(8, 22, 200, 44);
    addText_->setAccessibleName("Add Text");
    // New text shapes carry the entry box's font: the window's design font until the edit
    // frame's font dialog changes it.
    QFont design(Q(model_.AddTextFont.Name));
    design.setPointSize(model_.AddTextFont.Size);
    addText_->setFont(design);
    connect(addText_, &QPlainTextEdit::textChanged, this,
            [this] { model_.AddText = S(addText_->toPlainText()); });
    QPushButton* font = MakeButton("FontButt", "Edit Font", textFrame_, 216, 4, 80, 21);
    QPushButton* insert = MakeButton("TextOkButt", "Insert", textFrame_, 216, 26, 80, 21);
    QPushButton* close = MakeButton("TextCancelButt", "Close", textFrame_, 216, 48, 80, 21);
    connect(insert, &QPushButton::clicked, this, &BoardView::TextOkButtClick);
    connect(close, &QPushButton::clicked, this, [this] {
        textLabel_->hide();
        model_.CancelText();
        afterModelCall();
    });
    connect(font, &QPushButton::clicked, this, [this] {
        // The label shows the chosen font; the board uses it at the moment of insertion.
        if (auto chosen = dialogs_.chooseFont(textLabel_->font())) textLabel_->setFont(*chosen);
        addText_->setFocus();
    });
    textFrame_->hide();
}

void BoardView::buildEditFrame(QWidget* parent) {
    editFrame_ = new EditFrameView(model_.editFrame(), dialogs_, 616, 86, parent);
    EditFrameView* f = editFrame_;
    connect(f, &EditFrameView::boardChanged, this, [this] {
        places_.board->update();
        emit drawingChanged();
    });
    connect(f, &EditFrameView::closed, this, [this] { // "OK"
        afterModelCall();
        emit focusReadoutRequested();
        emit infoLockRequested();
    });
    connect(f, &EditFrameView::cancelRequested, this, [this] {
        model_.CancelEdit();
        afterModelCall();
    });
    connect(f, &EditFrameView::fontChosen, this, [this](const QFont& font) {
        model_.AddTextFont = {S(font.family()), font.pointSize(), font.bold(), font.italic()};
        addText_->setFont(font);
    });
}

void BoardView::buildStatusPanel(QWidget* parent) {
    status_ = MakePanel("StatusPanel", parent, 3, 480, 628, 25);
    SetBackground(status_, colors::BtnFace);
    struct Field {
        QLineEdit** slot;
        const char* label;
        const char* memo;
        int left, labelWidth, memoWidth;
        const char* text;
    };
    const Field fields[] = {
        {&imagesTotal_, " Images  ", "ImagesTotal", 4, 50, 50, "0"},
        {&imagesEdit_, " Editing   ", "ImagesEdit", 110, 60, 150, "Not editing"},
        {&currentFile_, " File   ", "CurrentFile", 326, 40, 258, "No File"}};
    for (const Field& f : fields) {
        MakeLabel(QString(f.memo) + "Label", f.label, status_, f.left, 4, f.labelWidth, 17);
        auto* memo = new QLineEdit(f.text, status_);
        memo->setObjectName(f.memo);
        memo->setReadOnly(true);
        memo->setGeometry(f.left + f.labelWidth, 2, f.memoWidth, 21);
        memo->setAccessibleName(QString(f.label).trimmed());
        *f.slot = memo;
    }
}

QWidget* BoardView::toolbar() const {
    return toolbar_;
}

bool BoardView::FocusTextTool() {
    if (!model_.TextToolOpen()) return false;
    addText_->setFocus();
    return true;
}

QPushButton* BoardView::button(ToolTag tag) const {
    auto it = buttons_.find(tag);
    return it == buttons_.end() ? nullptr : it->second;
}

QList<QWidget*> BoardView::swatchControls() const {
    return {penLabel_, fillLabel_, penSwatch_, fillSwatch_};
}

QIcon BoardView::glyph(const char* picture) {
    // Kept by the name the toolbar gives: the file is looked for on disk only the first time.
    auto it = glyphs_.find(picture);
    if (it == glyphs_.end()) {
        const QImage image = LoadPicture(files_.resolve(picture));
        it = glyphs_.emplace(picture, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)))
                 .first;
    }
    return it->second;
}

void BoardView::showGlyph(ToolTag tag, const char* picture) {
    const QIcon icon = glyph(picture);
    if (!icon.isNull()) button(tag)->setIcon(icon);
}

void BoardView::ShowSoundGlyph(bool soundOn) {
    showGlyph(ToolTag::Sound, soundOn ? "BmpFiles\\Speaker.bmp" : "BmpFiles\\Speaker1.bmp");
}

void BoardView::ShowScreenGlyph(bool screenHelpOn) {
    showGlyph(ToolTag::ScreenHelp, screenHelpOn ? "BmpFiles\\Screen.bmp" : "BmpFiles\\Screen1.bmp");
}

// --- showing the model ----------------------------------------------------------------------

void BoardView::Refresh() {
    for (const ToolButton& t : kToolbar) {
        if (!*t.active || t.tag == ToolTag::Fill) continue;
        showGlyph(t.tag, model_.GlyphActive(t.tag) ? t.active : t.normal);
    }
    showGlyph(ToolTag::Fill, model_.FillOn() ? "BmpFiles\\Box21.bmp" : "BmpFiles\\Box2.bmp");
    SetFontColor(button(ToolTag::Solv), model_.IntersectionMode() ? colors::Green : colors::Black);
    SetFontColor(button(ToolTag::Data), model_.DataMode() ? colors::Green : colors::Black);

    QString memo = Q(model_.MemoText());
    memo.replace("\r\n", "\n");
    if (memo_->toPlainText() != memo) memo_->setPlainText(memo);
    memo_->setVisible(model_.MemoVisible());
    if (model_.MemoVisible()) memo_->raise();

    const bool textOpen = model_.TextToolOpen();
    if (textOpen && !textFrame_->isVisible()) {
        const BoardTools& tools = model_.tools();
        textLabel_->setText("Text");
        textLabel_->move(tools.PenX, tools.PenY);
        textLabel_->show();
        textLabel_->raise();
        textFrame_->show();
        textFrame_->raise();
    } else if (!textOpen && textFrame_->isVisible()) {
        textFrame_->hide();
        textLabel_->hide();
    }
    const bool editWasOpen = !editFrame_->isHidden();
    if (model_.EditFrameOpen() || editWasOpen) editFrame_->Sync();
    if (model_.EditFrameOpen() != editWasOpen) {
        // While the frame is open a press on the board only closes it: no handle cursor.
        places_.board->setCursor(model_.EditFrameOpen() ? Qt::ArrowCursor : Qt::CrossCursor);
        if (model_.EditFrameOpen()) editFrame_->control(EditControl::EditX1)->setFocus();
    }
    imagesTotal_->setText(QString::number(model_.list().ShapeCount()));
    imagesEdit_->setText(Q(model_.ImagesEdit()));
    currentFile_->setText(Q(model_.document().ShownFile()));
    places_.board->update();
    emit drawingChanged();
}

void BoardView::afterModelCall() {
    model_.CommitStep();
    Refresh();
    if (model_.TakeSaveOffered()) emit saveOffered();
    switch (model_.TakeFocusRequest()) {
    case BoardModel::Focus::AddText: addText_->setFocus(); break;
    case BoardModel::Focus::Readout: emit focusReadoutRequested(); break;
    case BoardModel::Focus::None: break;
    }
}

// --- the toolbar ----------------------------------------------------------------------------

void BoardView::DrawButt(ToolTag tag) {
    model_.DrawButt(tag);
    afterModelCall();
    if (tag == ToolTag::Sound) emit soundToggleRequested();
    if (tag == ToolTag::ScreenHelp) emit screenHelpToggleRequested();
    if (tag == ToolTag::Colour) editFrame_->ToolbarColorButt();
}

void BoardView::CloseEditFrame() {
    if (!model_.EditFrameOpen()) return;
    model_.CloseEditFrame();
    afterModelCall();
}

void BoardView::TextOkButtClick() {
    if (addText_->toPlainText().isEmpty()) return;
    BoardTools& tools = model_.tools();
    tools.PenX = textLabel_->x();
    tools.PenY = textLabel_->y();
    model_.InsertText(textLabel_->height());
    textLabel_->move(tools.PenX, tools.PenY);
    textLabel_->setText("Text");
    afterModelCall();
}

void BoardView::GetSwatchColor(QWidget* swatch) {
    BoardTools& tools = model_.tools();
    const bool pen = swatch == penSwatch_;
    const auto chosen = dialogs_.chooseColor(pen ? tools.PenColor : tools.FillColor);
    if (!chosen) return;
    SetBackground(swatch, *chosen);
    if (pen) {
        tools.PenColor = *chosen;
        model_.renderer().canvas().setPenColor(*chosen);
    } else {
        tools.FillColor = *chosen;
        model_.renderer().canvas().setBrushColor(*chosen);
    }
}

// --- the mouse ------------------------------------------------------------------------------

void BoardView::WatchPointerOver(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    watched_ << widget;
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == penSwatch_->viewport() || watched == fillSwatch_->viewport())) {
        GetSwatchColor(watched == penSwatch_->viewport() ? penSwatch_ : fillSwatch_);
        return true;
    }
    if (watched == places_.board) return boardMouse(event);
    if (event->type() == QEvent::MouseMove && watched_.contains(watched)) {
        // Over any other part of the window the coordinates are not shown.
        emit pointerLeftBoard();
        textLabel_->setVisible(model_.TextToolOpen() && textLabel_->isVisible());
    }
    return false;
}

bool BoardView::boardMouse(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint p = me->position().toPoint();
    const int x = p.x(), y = p.y();
    BoardTools& tools = model_.tools();
    if (type == QEvent::MouseButtonPress) { // Picture11MouseDown
        model_.MouseDown(x, y, me->button() == Qt::RightButton);
        if (model_.TextToolOpen()) {
            textLabel_->move(tools.PenX, tools.PenY);
            textLabel_->show();
        }
        afterModelCall();
        return true;
    }
    if (type == QEvent::MouseMove) { // Picture11MouseMove
        const bool blocked = model_.TextToolOpen() || model_.surroundings().panelTakesPointer();
        if (!blocked) {
            textLabel_->hide();
            emit pointerCoordinates(PixelToUnitX(x), PixelToUnitY(y));
            const BoardCursor cursor = tools.CursorAt(x, y);
            places_.board->setCursor(model_.EditFrameOpen()           ? Qt::ArrowCursor
                                     : cursor == BoardCursor::SizeAll ? Qt::SizeAllCursor
                                     : cursor == BoardCursor::Drag    ? Qt::ClosedHandCursor
                                                                      : Qt::CrossCursor);
        }
        model_.MouseMove(x, y, me->buttons() & Qt::LeftButton, blocked);
        places_.board->update();
        return false; // the information line's own rule sees the move too
    }
    model_.MouseUp(x, y); // Picture11MouseUp
    afterModelCall();
    return true;
}

} // namespace pelcor
