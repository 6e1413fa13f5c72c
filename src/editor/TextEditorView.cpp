#include "editor/TextEditorView.h"

#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/widgets/PlainMemo.h"
#include "platform/widgets/Widgets.h"

#include <QEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelcor {

namespace {

// A field that shows a value and opens the font dialog when clicked.
QLineEdit* MakeField(const QString& name, const QString& accessibleName, QWidget* parent, int x,
                     int w) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(x, 9, w, 22);
    field->setReadOnly(true);
    field->setCursor(Qt::PointingHandCursor);
    field->setAccessibleName(accessibleName);
    return field;
}

const QString kNoFile = "(No file active)";

} // namespace

TextEditorView::TextEditorView(QWidget* parent, Reporter& reporter, Dialogs& dialogs,
                               MenuItems& menu)
    : QFrame(parent), dialogs_(dialogs), menu_(menu), editor_(reporter) {
    setObjectName("TextEditPanel");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    SetBackground(this, colors::BtnFace);

    FontPanel = new QFrame(this);
    FontPanel->setObjectName("FontPanel");
    FontPanel->setGeometry(4, 8, 601, 40);
    FontPanel->setFrameShape(QFrame::Panel);
    FontPanel->setFrameShadow(QFrame::Sunken);

    TextFontButt = new QPushButton("Font", FontPanel);
    TextFontButt->setObjectName("TextFontButt");
    TextFontButt->setGeometry(6, 8, 50, 24);
    connect(TextFontButt, &QPushButton::clicked, this, &TextEditorView::TextFontButtClick);

    MakeLabel("FontNameLabel", "Name", FontPanel, 62, 9, 38, 22);
    Font1 = MakeField("Font1", "Font name", FontPanel, 102, 106);
    MakeLabel("FontSizeLabel", "Size", FontPanel, 214, 9, 26, 22);
    Size1 = MakeField("Size1", "Font size", FontPanel, 242, 32);
    MakeLabel("FontColorLabel", "Colour", FontPanel, 282, 9, 40, 22);
    Color1 = MakeField("Color1", "Font colour", FontPanel, 324, 40);
    Color1->setText("ABC");
    for (QLineEdit* field : {Font1, Size1, Color1})
        field->installEventFilter(this);

    QLabel* fileLabel = MakeLabel("FileLabel", "File =", FontPanel, 372, 9, 36, 22);
    TextFileNme = MakeLabel("TextFileNme", kNoFile, FontPanel, 410, 9, 154, 22);
    // A screen reader names the field by what it shows: the file's name or "(No file
    // active)"; "File =" labels it.
    TextFileNme->setAccessibleDescription("File");
    fileLabel->setBuddy(TextFileNme);

    EditorCloseButt1 = new QPushButton("X", FontPanel);
    EditorCloseButt1->setObjectName("EditorCloseButt1");
    EditorCloseButt1->setGeometry(570, 8, 24, 24);
    EditorCloseButt1->setAccessibleName("X");
    EditorCloseButt1->setToolTip("Close the editor");
    connect(EditorCloseButt1, &QPushButton::clicked, this, &TextEditorView::EditorCloseButt1Click);

    Storetext = new PlainMemo(this);
    Storetext->setObjectName("Storetext");
    Storetext->setAccessibleName("Text");
    Storetext->setLineWrapMode(QPlainTextEdit::NoWrap);
    Storetext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Storetext->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Storetext->setFont(editor_.Font);
    Storetext->installEventFilter(this);
    connect(Storetext, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) StoretextKeyUp(); // pasting and cutting with the mouse count as typing
    });

    // The editor's own message field under the memo: the panel covers the information line,
    // so what a load or save has to say is shown here too, whole.
    EditorMsgLbl = new QLabel(this);
    EditorMsgLbl->setObjectName("EditorMsgLbl");
    EditorMsgLbl->setWordWrap(true);
    EditorMsgLbl->setTextFormat(Qt::PlainText);
    EditorMsgLbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetBackground(EditorMsgLbl, colors::InfoBk);
    EditorMsgLbl->hide();

    refreshFontFields();
    hide();
}

void TextEditorView::ShowMessage(const std::string& message) {
    const QString text = Q(message);
    // A path without blanks still wraps: a zero-width space after each separator.
    QString wrapped = text;
    wrapped.replace('/', QStringLiteral("/\u200B"));
    EditorMsgLbl->setText(wrapped);
    EditorMsgLbl->setToolTip(text);
    EditorMsgLbl->setAccessibleName(text);
    EditorMsgLbl->setAccessibleDescription(text);
    EditorMsgLbl->setVisible(!text.isEmpty());
    if (!text.isEmpty()) EditorMsgLbl->raise();
}

// --- opening and closing ---------------------------------------------------------------------

void TextEditorView::placeAndShow() {
    const QWidget* mainWindow = window() == this ? parentWidget() : window();
    const int w = mainWindow ? mainWindow->width() : 643;
    const int h = mainWindow ? mainWindow->height() : 555;
    setGeometry(2, 2, w - 4, h - 50);
    Storetext->setGeometry(1, 55, width() - 10, height() - 90);
    EditorMsgLbl->setGeometry(1, height() - 34, width() - 10, 30);
    ShowMessage({});
    FontPanel->show();
    refreshFontFields();
    show();
    raise();
    Storetext->setFocus();
}

void TextEditorView::runCommand(EditorUse command, const QString* fill) {
    if (command == EditorUse::DrawingList && !editor_.isOpen()) emit hideOptionPanels();
    const bool exportEnabled = menu_.isEnabled("SaveImageBitmap1");
    const TextEditor::Step step = editor_.Command(command, exportEnabled);
    if (step.opened) {
        placeAndShow();
        if (fill) {
            showsPart_ = false;
            // A text longer than the memo shows at once shows its newest lines, and says so;
            // the tape or drawing itself keeps all of it.
            qsizetype left = 0;
            const qsizetype from = TextEditor::ShownFrom(*fill, left);
            if (from == 0) {
                setMemoText(*fill);
            } else {
                showsPart_ = true;
                setMemoText(fill->mid(from));
                ShowMessage(
                    TextEditor::ShortenedMessage(command, fill->mid(from).count('\n'), left));
            }
        }
    } else {
        hide();
        if (step.clearMemo) {
            setMemoText({});
            showsPart_ = false;
        }
    }
    apply(step.menu);
}

void TextEditorView::ViewEditor1Click(const QString& tapeText) {
    runCommand(EditorUse::Calculations, &tapeText);
}

void TextEditorView::TextEditor2Click() {
    runCommand(EditorUse::TextFile, nullptr);
}

void TextEditorView::CheckFile1Click(const QString& drawingListText) {
    runCommand(EditorUse::DrawingList, &drawingListText);
}

void TextEditorView::EditorCloseButt1Click() {
    const TextEditor::Step step = editor_.CloseButton();
    hide();
    if (step.clearMemo) {
        setMemoText({});
        showsPart_ = false;
    }
    apply(step.menu);
}

// --- files -----------------------------------------------------------------------------------

void TextEditorView::LoadTextFile1Click() {
    const QString chosen = dialogs_.openFileName(TextEditor::kFilter, 1, Q(editor_.TextFileName));
    if (chosen.isEmpty()) {
        // A cancelled dialog leaves the name it proposed.
        TextFileNme->setText(editor_.TextFileName.empty() ? kNoFile : Q(editor_.TextFileName));
        return;
    }
    std::string memo;
    const bool loaded = editor_.LoadFile(chosen.toStdString(), memo);
    ShowMessage(editor_.Message());
    if (!loaded) return;
    showsPart_ = false;
    setMemoText(Q(memo));
    apply(TextEditor::SaveOffered());
    TextFileNme->setText(chosen);
}

void TextEditorView::SaveTextFile1Click() {
    if (showsPart_) {
        ShowMessage(TextEditor::kPartNotSaved);
        return;
    }
    int filterIndex = 1;
    const QString chosen =
        dialogs_.saveFileName(TextEditor::kFilter, filterIndex, Q(editor_.TextFileName));
    if (chosen.isEmpty()) return;
    const std::string path = TextEditor::SaveName(chosen.toStdString(), filterIndex);
    // The dialog asked about the name as typed; with ".txt" added it may be another file
    // that already exists.
    if (Q(path) != chosen && QFileInfo::exists(Q(path)) &&
        !dialogs_.askYesNo(Q(path) + " already exists.\nDo you want to replace it?"))
        return;
    const bool saved = editor_.SaveFile(path, memoText().toStdString());
    ShowMessage(editor_.Message());
    if (saved) TextFileNme->setText(Q(path));
}

// --- the memo and its font -------------------------------------------------------------------

QString TextEditorView::memoText() const {
    QString text = Storetext->toPlainText();
    text.replace('\n', "\r\n");
    return text;
}

void TextEditorView::setMemoText(const QString& crlfText) {
    QString text = crlfText;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    filling_ = true;
    Storetext->setPlainText(text);
    filling_ = false;
}

void TextEditorView::StoretextKeyUp() {
    apply(TextEditor::AfterTyping(Storetext->document()->isEmpty()));
}

void TextEditorView::TextFontButtClick() {
    const std::optional<QFont> chosen = dialogs_.chooseFont(editor_.Font);
    if (!chosen) return;
    editor_.Font = *chosen;
    Storetext->setFont(editor_.Font);
    refreshFontFields();
}

void TextEditorView::refreshFontFields() {
    Font1->setText(editor_.Font.family());
    const int points = editor_.Font.pointSize() > 0 ? editor_.Font.pointSize()
                                                    : QFontInfo(editor_.Font).pointSize();
    Size1->setText(QString::number(points));
    SetPaletteColor(Color1, QPalette::Text, ToQColor(editor_.FontColor));
    SetPaletteColor(Storetext, QPalette::Text, ToQColor(editor_.FontColor));
}

void TextEditorView::apply(const MenuStates& states) {
    for (const MenuState& s : states)
        menu_.setEnabled(Q(s.name), s.enabled);
}

bool TextEditorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Storetext && event->type() == QEvent::KeyRelease) {
        StoretextKeyUp();
    } else if ((watched == Font1 || watched == Size1 || watched == Color1) &&
               event->type() == QEvent::MouseButtonRelease) {
        TextFontButtClick();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pelcor
