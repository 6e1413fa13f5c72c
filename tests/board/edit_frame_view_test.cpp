#include "board/EditFrameView.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace pelcor;

namespace {

using C = EditControl;

// Answers the colour dialog as told and keeps the messages shown.
struct ScriptedDialogs : Dialogs {
    QStringList messages;
    std::optional<int> color;
    void showMessage(const QString& text) override { messages << text; }
    std::optional<int> chooseColor(int) override { return color; }
};

struct Frame {
    Canvas canvas{320, 320};
    BoardRenderer renderer{canvas};
    DrawingList list;
    EditFrame model{list, renderer};
    ScriptedDialogs dialogs;
    QWidget window;
    EditFrameView view{model, dialogs, 616, 86, &window};

    Frame() {
        ShapeRecord circle; // radius 5 on the origin
        circle.Kind = "CIRCLE";
        circle.X1 = circle.Y1 = 110;
        circle.X2 = circle.Y2 = 210;
        circle.X3 = circle.Y3 = 50;
        list.AppendShape(circle, {});
        window.show();
        view.OpenEditFrame(1);
    }
    // The control's accessible action, as assistive technology runs it.
    void Act(C c, const QString& action) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(view.control(c));
        ASSERT_TRUE(a && a->actionInterface());
        a->actionInterface()->doAction(action);
    }
};

} // namespace

TEST(EditFrameView, ShowsTheModelAndTakesEnter) {
    Frame f;
    EXPECT_TRUE(f.view.isVisible());
    auto* radius = static_cast<QLineEdit*>(f.view.control(C::EditX2));
    EXPECT_EQ(std::make_tuple(radius->text(), radius->accessibleName(), radius->geometry()),
              std::make_tuple(QString("5"), QString("r = "), QRect(232, 8, 60, 21)));

    radius->selectAll();
    QTest::keyClicks(radius, "2.5");
    QTest::keyClick(radius, Qt::Key_Return);
    EXPECT_EQ(f.list.ExtractShape(1)->X1, 135);

    // Not a number: the message box, and the frame keeps the text.
    radius->selectAll();
    QTest::keyClicks(radius, "x");
    QTest::keyClick(radius, Qt::Key_Enter);
    EXPECT_EQ(f.dialogs.messages, QStringList{"'x' is not a valid floating point value"});
    EXPECT_EQ(radius->text(), "x");
    EXPECT_EQ(f.list.ExtractShape(1)->X3, 25);
}

TEST(EditFrameView, AccessibleActionsActAsClicks) {
    Frame f;
    f.Act(C::FillCheck, QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(f.model.Working().FillMode, "S");
    EXPECT_TRUE(f.view.control(C::EditFillColor)->isVisible());
    f.dialogs.color = 255;
    f.Act(C::EditColor, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(f.model.Control(C::EditColor).Color, 255);

    QSignalSpy closed(&f.view, &EditFrameView::closed);
    f.Act(C::EditOk, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(closed.count(), 1);
    EXPECT_FALSE(f.view.isVisible());
    EXPECT_EQ(f.list.ExtractShape(1)->FillMode, "S");
    EXPECT_EQ(f.list.ExtractShape(1)->PenColor, 255);

    f.view.OpenEditFrame(1);
    QSignalSpy cancel(&f.view, &EditFrameView::cancelRequested);
    f.Act(C::EditClose, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(cancel.count(), 1);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
