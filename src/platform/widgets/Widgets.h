#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

#include <string>
#include <string_view>

class QCheckBox;
class QFrame;
class QLabel;
class QPixmap;
class QPushButton;
class QWidget;

namespace pelcor {

// The few helpers every view builds its controls with, so all of them look and convert
// alike.

// UTF-8 text between the models (std::string) and the controls (QString).
inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

// Arial at a pixel size: the window is laid out in pixels for a small sans-serif font.
QFont ArialFont(int pixelSize, bool bold = false);

// The program's own palette: the light desktop colours the windows are designed with
// (button face, white boxes, black text, grey disabled text, the pale yellow hints).
QPalette ProgramPalette();
// A window of the program, with its menus and the hints, takes the program's palette and
// keeps it whatever palette the desktop's theme gives the application.
void UseProgramPalette(QWidget* window);

// The control's background (window and edit colours) in a program colour, with the
// designed black text on it (a control's own font colour is set after).
void SetBackground(QWidget* widget, int color);
// One colour of a control's palette.
void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// The colour of a control's text (a button's caption, a label's text).
void SetFontColor(QWidget* widget, int color);
// A panel of controls over the window's coloured client area: an opaque button-face ground,
// white boxes and black text, whatever colours the panel's parent has.
void SetPanelLook(QWidget* panel);
int FontColor(const QWidget* widget);

QFrame* MakePanel(const QString& name, QWidget* parent, int left, int top, int width, int height,
                  bool raised = true);
QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent, int left, int top,
                  int width, int height);
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent, int left,
                        int top, int width, int height);
QCheckBox* MakeCheckBox(const QString& name, const QString& caption, QWidget* parent, int left,
                        int top, int width, int height);

// A small picture of a text, drawn by the program for the buttons that show a glyph.
QPixmap GlyphPicture(const QString& text, int width, int height, bool bold = true);

// Grows (or shrinks) a panel's height by `step` pixels at a time to `toHeight`. Between
// the steps the window paints (no user input is taken meanwhile) and 2 ms pass so the change
// is seen; without `animate` the panel takes its height at once.
void AnimateHeight(QWidget* panel, int toHeight, int step, bool animate);

} // namespace pelcor
