#include "calc/CalcKeypadView.h"

#include "calc/Calculator.h"
#include "platform/Colors.h"
#include "platform/FormatNumber.h"
#include "platform/widgets/Widgets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pelcor {

namespace {

constexpr int kRows[] = {4, 31, 58, 85, 112, 139, 167, 194, 221, 248, 275};
constexpr int kCols[] = {4, 40, 76, 112};

} // namespace

CalcKeypadView::CalcKeypadView(QWidget* parent) : QFrame(parent) {
    setObjectName("CalcPanel");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(colors::BtnShadow));
    setPalette(pal);

    const QString digitNames[] = {"Butt1", "Butt2", "Butt3", "Butt4", "Butt5",
                                  "Butt6", "Butt7", "Butt8", "Butt9"};
    for (int d = 1; d <= 9; ++d)
        add(digitNames[d - 1], QString::number(d), kCols[(d - 1) % 3], kRows[(d - 1) / 3], d);
    add("XMultButt", "x", kCols[3], kRows[0], key::Multiply);
    QPushButton* div = add("XDivButt", {}, kCols[3], kRows[1], key::Divide);
    div->setIcon(GlyphPicture(QString::fromUtf8("\xC3\xB7"), 20, 18));
    div->setAccessibleName("/");
    add("XPlusButt", "+", kCols[3], kRows[2], key::Plus);
    add("Butt0", "0", kCols[0], kRows[3], 0);
    QPushButton* dot = add("Buttdot", {}, kCols[1], kRows[3], key::Point);
    dot->setIcon(GlyphPicture(QString::fromUtf8("\xE2\x97\x8F"), 12, 12));
    dot->setAccessibleName(".");
    add("Buttequals", "=", kCols[2], kRows[3], key::Equals);
    add("XNegButt", "-", kCols[3], kRows[3], key::Minus);

    add("ButtInv", "Inv", kCols[0], kRows[4], key::Inv);
    add("ButtSin", "Sin", kCols[1], kRows[4], key::Sin);
    add("ButtCos", "Cos", kCols[2], kRows[4], key::Cos);
    add("ButtTan", "Tan", kCols[3], kRows[4], key::Tan);

    struct Glyph {
        const char* name;
        const char* text;
        int tag;
        const char* hint;
    };
    const Glyph glyphs[] = {
        {"SqrtButt",
         "\xE2\x88\x9A"
         "x",
         key::Sqrt, "Return square root of readout"},
        {"nSqrtButt",
         "\xE2\x81\xBF\xE2\x88\x9A"
         "x",
         key::RootN, "Square root readout to the power n"},
        {"BitBtn36", "x\xC2\xB2", key::Square, "Readout squared"},
        {"BitBtn37", "x\xE2\x81\xBF", key::PowerN, "Readout squared to the power of n"},
    };
    for (int i = 0; i < 4; ++i) {
        QPushButton* b = add(glyphs[i].name, {}, kCols[i], kRows[5], glyphs[i].tag, glyphs[i].hint);
        b->setIcon(GlyphPicture(QString::fromUtf8(glyphs[i].text), 28, 18));
        b->setIconSize(QSize(28, 18));
    }

    add("BitBtn38", "Log", kCols[0], kRows[6], key::Log, "Returns log of readout(X)");
    add("ExpButt", "Exp", kCols[1], kRows[6], key::Exp, "Adds 'E-' to the readout");
    add("BitBtn39", "1/x", kCols[2], kRows[6], key::Reciprocal, "1 / readout");
    add("BitBtn40", "+/-", kCols[3], kRows[6], key::Sign, "Negates number or toggle E- to E+");
    add("ButtLn", "Ln", kCols[0], kRows[7], key::Ln, "Logarithm natural base e = 2.718282");
    add("ButtPercent", "%", kCols[1], kRows[7], key::Percent, "Readout in percentage");
    add("ButtPi", "Pi", kCols[2], kRows[7], key::Pi, "Returns Pi (3.14159)");
    add("ButtBS", "BS", kCols[3], kRows[7], key::Backspace, "Backspace readout");

    for (int m = 1; m <= 4; ++m) {
        mrButtons_[m - 1] = add(QString("MR%1Butt").arg(m), QString("MR%1").arg(m), kCols[m - 1],
                                kRows[8], -1, "0");
        memButtons_[m - 1] = add(QString("Mem%1Butt").arg(m), QString("MS%1").arg(m), kCols[m - 1],
                                 kRows[9], -1, "0");
    }
    connect(add("CLSButt", "CLS", kCols[0], kRows[10], -1), &QPushButton::clicked, this,
            &CalcKeypadView::clearScreenClicked);
    connect(add("PlanetButt", "Orbit", kCols[1], kRows[10], -1), &QPushButton::clicked, this,
            &CalcKeypadView::orbitClicked);
    connect(add("CEButt", "CE", kCols[2], kRows[10], -1), &QPushButton::clicked, this,
            &CalcKeypadView::clearEntryClicked);
    connect(add("CLRButt", "CLR", kCols[3], kRows[10], -1), &QPushButton::clicked, this,
            &CalcKeypadView::clearAllClicked);
    for (int m = 1; m <= 4; ++m) {
        connect(memButtons_[m - 1], &QPushButton::clicked, this,
                [this, m] { emit memoryStoreClicked(m); });
        connect(mrButtons_[m - 1], &QPushButton::clicked, this,
                [this, m] { emit memoryRecallClicked(m); });
    }

    // Keys of the hexadecimal and binary modes, hidden until those modes are chosen.
    const int hexPlaces[6][2] = {{kCols[1], kRows[3]}, {kCols[2], kRows[3]}, {kCols[0], kRows[4]},
                                 {kCols[1], kRows[4]}, {kCols[2], kRows[4]}, {kCols[3], kRows[4]}};
    for (int i = 0; i < 6; ++i) {
        const QString letter(QChar('A' + i));
        add("Butt" + letter, letter, hexPlaces[i][0], hexPlaces[i][1], 10 + i)->hide();
    }
    add("ButtHEquals", "=", kCols[0], kRows[5], key::Equals, {}, 141, 53)->hide();
    add("ButtAnd", "And", kCols[3], kRows[0], -1)->hide();
    add("ButtOr", "OR", kCols[3], kRows[1], -1)->hide();
    add("ButtXor", "Xor", kCols[3], kRows[2], -1)->hide();
    add("ButtNor", "Nor", kCols[3], kRows[3], -1)->hide();

    connect(button("ButtHEquals"), &QPushButton::clicked, this, &CalcKeypadView::hexEqualsClicked);
    const std::pair<const char*, const char*> logic[] = {
        {"ButtAnd", "AND"}, {"ButtOr", "OR"}, {"ButtXor", "XOR"}, {"ButtNor", "NOR"}};
    for (const auto& [name, op] : logic) {
        const QString opText = op;
        connect(button(name), &QPushButton::clicked, this,
                [this, opText] { emit logicClicked(opText); });
    }

    memLabel_ = new QLabel("X = 0    Y = 0", this);
    memLabel_->setObjectName("MemLabel");
    memLabel_->setGeometry(4, 302, 141, 17);
    QPalette lp = memLabel_->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    memLabel_->setPalette(lp);
    memLabel_->hide();

    nameKeyboardKeys();

    // The operator keys record their operator before the common handler runs.
    const std::pair<const char*, const char*> ops[] = {
        {"XMultButt", "X"}, {"XDivButt", "/"}, {"XPlusButt", "+"}, {"XNegButt", "-"}};
    for (const auto& [name, op] : ops) {
        QPushButton* b = button(name);
        const QString opText = op;
        const int tag = b->property("Tag").toInt();
        connect(b, &QPushButton::clicked, this,
                [this, opText, tag] { emit operatorClicked(opText, tag); });
    }
}

QPushButton* CalcKeypadView::add(const QString& name, const QString& caption, int left, int top,
                                 int tag, const QString& hint, int width, int height) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(left, top, width, height);
    b->setProperty("Tag", tag);
    // A click leaves the keyboard focus with the readout; Tab still reaches the key.
    b->setFocusPolicy(Qt::TabFocus);
    QFont f("Arial");
    f.setPixelSize(11);
    f.setBold(true);
    b->setFont(f);
    if (!hint.isEmpty()) b->setToolTip(hint);
    if (caption.isEmpty() && !hint.isEmpty()) b->setAccessibleName(hint);
    buttons_[name] = b;
    const bool operatorKey =
        name == "XMultButt" || name == "XDivButt" || name == "XPlusButt" || name == "XNegButt";
    if (tag >= 0 && !operatorKey && !name.startsWith("ButtH"))
        connect(b, &QPushButton::clicked, this, [this, tag] { emit keyClicked(tag); });
    return b;
}

void CalcKeypadView::nameKeyboardKeys() {
    auto name = [](QPushButton* b, const QString& keys) {
        const QString hint = b->toolTip();
        b->setToolTip(hint.isEmpty() ? "Key: " + keys : hint + "  (key: " + keys + ")");
        b->setAccessibleDescription("Keyboard key: " + keys);
    };
    for (const auto& [objectName, b] : buttons_) {
        const int tag = b->property("Tag").toInt();
        if (objectName.size() == 5 && objectName.startsWith("Butt") && objectName[4] >= 'A' &&
            objectName[4] <= 'F')
            name(b, objectName.right(1)); // the hexadecimal digits type themselves
        else if (objectName == "ButtHEquals")
            name(b, "=");
        else if (tag >= 0)
            name(b, Q(KeyboardKeysFor(tag)));
    }
    name(button("CEButt"), Q(KeyboardKeysFor(key::ClearEntry)));
}

void CalcKeypadView::ApplyMode(NumberBase base) {
    const QStringList letters = {"ButtA", "ButtB", "ButtC", "ButtD", "ButtE", "ButtF"};
    const QStringList logic = {"ButtAnd", "ButtOr", "ButtXor", "ButtNor"};
    const QStringList digits = {"Butt2", "Butt3", "Butt4", "Butt5",  "Butt6",
                                "Butt7", "Butt8", "Butt9", "Buttdot"};
    const QStringList functions = {"Buttequals", "ButtInv", "ButtSin", "ButtCos", "ButtTan"};
    const QStringList decimalOnly = {"ButtLn", "ButtPercent", "ButtPi"};
    auto show = [this](const QStringList& names, bool visible) {
        for (const QString& n : names)
            button(n)->setVisible(visible);
    };
    auto enable = [this](const QStringList& names, bool enabled) {
        for (const QString& n : names)
            button(n)->setEnabled(enabled);
    };
    if (base == NumberBase::Decimal) {
        show(letters, false);
        show(logic, false);
        show({"ButtHEquals"}, false);
        enable(digits, true);
        enable(functions, true);
        enable(decimalOnly, true);
    } else if (base == NumberBase::Hexadecimal) {
        show(logic, false);
        show(letters, true);
        show({"ButtHEquals"}, true);
        enable(decimalOnly, false);
        enable(digits, true);
    } else {
        show(letters, false);
        show({"ButtHEquals"}, true);
        show(logic, true);
        enable(digits, false);
        enable(functions, false);
        enable(decimalOnly, false);
    }
    // The keys of the other bases lie over the ordinary ones.
    for (const QString& n : letters + logic + QStringList{"ButtHEquals"})
        button(n)->raise();
}

void CalcKeypadView::ShowPointerCoordinates(double x, double y) {
    memLabel_->setText(QString("X = %1   Y = %2")
                           .arg(Q(FormatNumber(x, "###.###")), Q(FormatNumber(y, "###.###"))));
    memLabel_->show();
}

void CalcKeypadView::SetPointerCoordinatesShown(bool shown) {
    memLabel_->setVisible(shown);
}

void CalcKeypadView::ShowFunctionColors(int invColor, int expColor) {
    SetFontColor(button("ButtInv"), invColor);
    SetFontColor(button("ExpButt"), expColor);
}

void CalcKeypadView::ShowMemory(int m, const QString& value, bool marked) {
    QPushButton* store = memButtons_[m - 1];
    QPushButton* recall = mrButtons_[m - 1];
    store->setToolTip(value);
    recall->setToolTip(value);
    SetFontColor(store, marked ? colors::StoreMark : colors::Black);
    SetFontColor(recall, marked ? colors::RecallMark : colors::Black);
}

void CalcKeypadView::ShowOrbitKeyAtRest() {
    SetFontColor(button("PlanetButt"), colors::Black);
}

QPushButton* CalcKeypadView::button(const QString& name) const {
    auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

} // namespace pelcor
