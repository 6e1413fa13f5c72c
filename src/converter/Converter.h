#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QButtonGroup;
class QEventLoop;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelcor {

class Dialogs;
struct UnitCategory;

// The calculator readout as the converter sees it: its text, read at opening and before the
// save question, and the replacement of its whole text by the "Yes" answer. The window
// answers for the calculator.
class ReadoutAccess {
public:
    virtual ~ReadoutAccess() = default;
    virtual QString text() const = 0;
    virtual void replace(const QString& text) = 0;
};

// The unit converter: the second window. Thirteen category buttons on the left; the chosen
// category's frame with its input box, unit radio buttons and result cells on the right.
// A clicked result cell's number can be put into the readout on leaving the window.
class TCalcConv : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        bool animate = true; // pause between the steps of growing and shrinking
    };
    TCalcConv(Dialogs& dialogs, ReadoutAccess& readout, QWidget* parent = nullptr);
    TCalcConv(Dialogs& dialogs, ReadoutAccess& readout, Options options, QWidget* parent = nullptr);
    ~TCalcConv() override;

    // --- opening, as the main window's "Conversion" command does it
    // Takes the readout's text as the starting value and narrows the window to the
    // category column.
    void OpenConverter(const QString& readoutText);
    // Places the window at topLeft with height 20, shows it and grows it by 15-pixel steps
    // to 350 (at once when not animating).
    void showGrowing(QPoint topLeft);

    // --- state
    QString CurrentCategory; // key of the category on display; empty until one is chosen
    QString CarriedValue = "1";
    bool AnswerGiven = false;
    bool questionShowing() const { return asking_; }

    // --- handlers
    void CategoryButtClick(int category); // any of the thirteen category buttons
    void ShowCategory();
    // The recomputation of a category: skips an empty input, "-" and "."; otherwise carries
    // the input and converts from the selected unit.
    void Recompute(int category);
    void TempTextChange(); // the temperature box converts on every edit
    // The conversion from one unit: the click of its radio button.
    void OptionClick(int category, int unit);
    void ResultMouseDown(QLabel* cell);
    void ResultMouseUp(QLabel* cell);
    void CopyReadClick();
    void ExitButtClick();
    void Close1Click();
    void YesButtClick();
    void NoButtClick();
    void About1Click();
    void OkAboutButtClick();

signals:
    // The window was left through Exit or File > Close (after the save question).
    void converterClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct FrameControls {
        const UnitCategory* category = nullptr;
        QGroupBox* frame = nullptr;
        QLineEdit* input = nullptr;
        QButtonGroup* options = nullptr;
        std::vector<QLabel*> cells;
    };

    void buildLeftPart(QWidget* client);
    void buildFrame(QWidget* client, int index);
    void buildSaveQuestion(QWidget* client);
    void buildAboutPanel(QWidget* client);
    void buildMenu();
    enum class Run { Recomputation, Typing, UnitChoice };
    void convert(int category, int unit, Run run);
    bool saveQuestion();
    void stepTo(int width, int height);
    int selectedUnit(int category) const;

    Dialogs& dialogs_;
    ReadoutAccess& readout_;
    QLineEdit* RetVal = nullptr;    // scratch text of a clicked result cell, never seen
    QLineEdit* ClipLabel = nullptr; // the selected value
    Options options_;
    QWidget* client_ = nullptr;
    std::vector<FrameControls> frames_;
    std::vector<QPushButton*> categoryButtons_;
    QPushButton* ExitButt = nullptr;
    QFrame* SaveChange = nullptr;
    QPushButton* YesButt = nullptr;
    QPushButton* NoButt = nullptr;
    QFrame* AboutPanel = nullptr;
    QLabel* PelcorImage = nullptr;
    std::vector<QLabel*> aboutLabels_;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* CopyRead = nullptr;
    QAction* Pasteit = nullptr;
    QEventLoop* question_ = nullptr;
    bool asking_ = false;
    bool settingInput_ = false; // a category button fills the box; no live conversion
};

} // namespace pelcor
