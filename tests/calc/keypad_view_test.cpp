// The keypad reached as a screen reader reaches it: its keys by their names, what each asks
// for through its signals, and the calculator's marks shown on the keys.
#include "calc/CalcKeypadView.h"

#include "Named.h"
#include "platform/Colors.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

using namespace pelcor;
using pelcor::testing::Named;

namespace {

QColor FontColor(QPushButton* b) {
    return b->palette().color(QPalette::ButtonText);
}

} // namespace

TEST(CalcKeypadView, EachKeyOfItsOwnAsksForWhatItDoes) {
    CalcKeypadView pad;
    QSignalSpy store(&pad, &CalcKeypadView::memoryStoreClicked);
    QSignalSpy recall(&pad, &CalcKeypadView::memoryRecallClicked);
    QSignalSpy entry(&pad, &CalcKeypadView::clearEntryClicked);
    QSignalSpy all(&pad, &CalcKeypadView::clearAllClicked);
    QSignalSpy screen(&pad, &CalcKeypadView::clearScreenClicked);
    QSignalSpy orbit(&pad, &CalcKeypadView::orbitClicked);
    QSignalSpy keys(&pad, &CalcKeypadView::keyClicked);

    Named<QPushButton>(&pad, "Mem2Butt")->click();
    Named<QPushButton>(&pad, "MR4Butt")->click();
    Named<QPushButton>(&pad, "CEButt")->click();
    Named<QPushButton>(&pad, "CLRButt")->click();
    Named<QPushButton>(&pad, "CLSButt")->click();
    Named<QPushButton>(&pad, "PlanetButt")->click();
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(store[0][0].toInt(), 2);
    ASSERT_EQ(recall.count(), 1);
    EXPECT_EQ(recall[0][0].toInt(), 4);
    EXPECT_EQ(entry.count(), 1);
    EXPECT_EQ(all.count(), 1);
    EXPECT_EQ(screen.count(), 1);
    EXPECT_EQ(orbit.count(), 1);
    EXPECT_EQ(keys.count(), 0); // none of them is a calculator key
}

TEST(CalcKeypadView, ShowsTheMemoriesAndTheFunctionMarksOnItsKeys) {
    CalcKeypadView pad;
    pad.ShowMemory(3, "12.5", true);
    auto* store = Named<QPushButton>(&pad, "Mem3Butt");
    auto* recall = Named<QPushButton>(&pad, "MR3Butt");
    EXPECT_EQ(store->toolTip(), "12.5");
    EXPECT_EQ(recall->toolTip(), "12.5");
    EXPECT_EQ(FontColor(store), ToQColor(colors::StoreMark));
    EXPECT_EQ(FontColor(recall), ToQColor(colors::RecallMark));
    pad.ShowMemory(3, "0", false);
    EXPECT_EQ(FontColor(store), ToQColor(colors::Black));
    EXPECT_EQ(Named<QPushButton>(&pad, "Mem2Butt")->toolTip(), "0"); // the others untouched

    pad.ShowFunctionColors(colors::Green, colors::StoreMark);
    EXPECT_EQ(FontColor(Named<QPushButton>(&pad, "ButtInv")), ToQColor(colors::Green));
    EXPECT_EQ(FontColor(Named<QPushButton>(&pad, "ExpButt")), ToQColor(colors::StoreMark));
}
