// The analog clock: its arithmetic from tables, keys and animation stepped through its own timer, real
// clicks offscreen, styles, and pixel probes on grabs of the face, the hands and the AM/PM box.
#include "controls/dropdown/QvWatch.h"
#include "controls/dropdown/QvWatch_Logic.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/controls/Timer.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

QRgb WatchRgb(TColor c) {
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}

bool WatchDark(QRgb p) {
    return qGray(p) < 80;
}

TTimeParts Parts(const TQvWatch& w) {
    return TimePartsOfDay(w.Time());
}

// A step of a timer, as its tick would run it.
void Tick(TTimer* t) {
    t->OnTimer(t);
}

} // namespace

TEST(WatchLogic, PointsGiveMinutesAndHours) {
    const TWatchGeometry g = WatchGeometryOf(180, 180, 0);
    EXPECT_EQ(g.Face, TRect(10, 10, 170, 170));
    EXPECT_EQ(g.Center, TPoint(90, 90));
    EXPECT_EQ(g.Radius, 80);
    EXPECT_EQ(WatchGeometryOf(200, 120, 500).Face, TRect(40, 0, 160, 120));
    struct Case {
        int x, y;
        int minute, hourAM, hourPM;
    } cases[] = {
        {172, 90, 15, 3, 15},  // three o'clock, exactly level with the centre
        {90, 10, 0, 0, 12},    // twelve o'clock: 60 folds back to 0
        {90, 170, 30, 6, 18},  // six
        {10, 90, 45, 9, 21},   // nine
        {75, 22, 58, 0, 12},   // 11:58 rounds to the twelve
        {105, 22, 2, 0, 12},   // 12:02 as well
        {140, 140, 23, 5, 17}, // half past four and a bit
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << "," << k.y);
        EXPECT_EQ(WatchMinuteAtPos(g.Center, k.x, k.y), k.minute);
        EXPECT_EQ(WatchHourAtPos(g.Center, k.x, k.y, true), k.hourAM);
        EXPECT_EQ(WatchHourAtPos(g.Center, k.x, k.y, false), k.hourPM);
    }
    EXPECT_TRUE(PointInEllipse(g.Face, 165, 90));
    EXPECT_FALSE(PointInEllipse(g.Face, 171, 90));
    EXPECT_FALSE(PointInEllipse(g.Face, 15, 15));
}

TEST(WatchLogic, AnimationStepsRunTowardTheTargetAndThroughTwelveToMinuteZero) {
    struct Case {
        const char* name;
        bool hour;
        int from, to, factor;
        std::vector<int> steps;
    } cases[] = {
        {"minute 50 to 0 forward", false, 50, 0, 10, {51, 52, 53, 54, 55, 56, 57, 58, 59, 0}},
        {"minute 20 to 0 backward",
         false,
         20,
         0,
         10,
         {18, 16, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {"minute 0 to 45", false, 0, 45, 10, {4,  8,  12, 15, 18, 21, 23, 25, 27, 29, 31, 32, 33,
                                              34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}},
        {"hour 3 to 15", true, 3, 15, 10, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"hour 20 to 0 with factor 1", true, 20, 0, 1, {0}},
        {"a factor below 1 counts as 1", false, 10, 40, 0, {40}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::vector<int> got;
        for (int v = k.from; v != k.to && got.size() < 100;) {
            v = k.hour ? WatchHourStep(v, k.to, k.factor) : WatchMinuteStep(v, k.to, k.factor);
            got.push_back(v);
        }
        EXPECT_EQ(got, k.steps);
    }
}

TEST(WatchLogic, TimePartsRoundTripAndOutOfRangeRaises) {
    const TTimeParts p = TimePartsOfDay(12345.0 + TimeOfParts(23, 59, 58, 250));
    EXPECT_EQ(p.Hour, 23);
    EXPECT_EQ(p.Minute, 59);
    EXPECT_EQ(p.Second, 58);
    EXPECT_EQ(p.MSec, 250);
    EXPECT_THROW(TimeOfParts(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(TimeOfParts(0, 60, 0, 0), EConvertError);
}

TEST(Watch, KeysStepHoursAndMinutesAndFireOnChangeOncePerChange) {
    struct Case {
        const char* name;
        int h, m;
        Word key;
        int toH, toM;
    } cases[] = {
        {"Right at 10:59", 10, 59, VK_RIGHT, 11, 0},      {"End in the second half", 10, 45, VK_END, 11, 0},
        {"End in the first half", 10, 15, VK_END, 10, 0}, {"Left", 10, 0, VK_LEFT, 9, 59},
        {"Left before midnight", 0, 0, VK_LEFT, 23, 59},  {"Page Up after 23", 23, 10, VK_PRIOR, 0, 10},
        {"Page Down before 0", 0, 10, VK_NEXT, 23, 10},   {"Home", 15, 30, VK_HOME, 12, 30},
        {"A in the afternoon", 15, 30, 'A', 3, 30},       {"P in the morning", 3, 30, 'P', 15, 30},
        {"A in the morning", 3, 30, 'A', 3, 30},          {"Up does nothing", 3, 30, VK_UP, 3, 30},
    };
    TQvWatch w(nullptr);
    w.SetAnimation(false);
    int changes = 0;
    w.OnChange = [&](TObject*) { ++changes; };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        w.SetTime(TimeOfParts(k.h, k.m, 7, 0));
        changes = 0;
        w.WatchKey(k.key);
        EXPECT_EQ(Parts(w).Hour, k.toH);
        EXPECT_EQ(Parts(w).Minute, k.toM);
        EXPECT_EQ(Parts(w).Second, 7);
        EXPECT_EQ(changes, k.h == k.toH && k.m == k.toM ? 0 : 1);
        EXPECT_EQ(w.AM(), k.toH < 12);
    }
    EXPECT_THROW(w.SetMinute(60), Exception);
    EXPECT_THROW(w.SetHour(24), EConvertError);
    w.Settings()->SetAuto(true);
    const TDateTime before = w.Time();
    w.WatchKey(VK_PRIOR);
    EXPECT_EQ(w.Time(), before);
}

TEST(Watch, AnimatedChangesMoveOneStepPerTickAndReportOnceAtTheEnd) {
    TQvWatch w(nullptr);
    int changes = 0;
    w.OnChange = [&](TObject*) { ++changes; };
    w.SetTime(TimeOfParts(10, 50, 0, 0));
    w.WatchKey(VK_END);
    ASSERT_TRUE(w.AnimationTimer()->Enabled());
    EXPECT_EQ(Parts(w).Minute, 50);
    std::vector<int> minutes;
    while (w.AnimationTimer()->Enabled() && minutes.size() < 100) {
        Tick(w.AnimationTimer());
        minutes.push_back(Parts(w).Minute);
    }
    EXPECT_EQ(minutes, (std::vector<int>{51, 52, 53, 54, 55, 56, 57, 58, 59, 0}));
    EXPECT_EQ(Parts(w).Hour, 11);
    EXPECT_EQ(changes, 1);

    // A new change during a run replaces the target.
    changes = 0;
    w.WatchKey('P');
    Tick(w.AnimationTimer());
    EXPECT_EQ(Parts(w).Hour, 12);
    w.SetHour(14);
    while (w.AnimationTimer()->Enabled())
        Tick(w.AnimationTimer());
    EXPECT_EQ(Parts(w).Hour, 14);
    EXPECT_FALSE(w.AM());
    EXPECT_EQ(changes, 1);
}

TEST(Watch, StylesStartFromTheDefaultsAndComponentStylesRecolour) {
    TQvWatch w(nullptr);
    w.SetStyle(wsClassic);
    EXPECT_EQ(w.Appearance()->Values(), TWatchAppearance::TValues{});
    EXPECT_EQ(w.Appearance()->HourFont()->Name(), "Tahoma");

    w.SetShowAMPM(false);
    w.SetStyle(wsTower);
    EXPECT_EQ(w.Appearance()->Shape(), wsRect);
    EXPECT_EQ(w.Appearance()->PointerStyle(), psPointer);
    EXPECT_EQ(w.Appearance()->HourFont()->Name(), "Century");
    EXPECT_FALSE(w.ShowNumbers());
    EXPECT_FALSE(w.ShowAMPM()); // left as it was
    w.SetStyle(wsSmooth);
    EXPECT_TRUE(w.ShowNumbers());
    EXPECT_FALSE(w.ShowAMPM());
    w.SetStyle(wsSuperNova);
    EXPECT_EQ(w.Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(w.Appearance()->MinuteMarkLength(), 60);
    EXPECT_EQ(w.Appearance()->BorderColor(), clNone);
    w.SetStyle(wsClassic);
    EXPECT_EQ(w.Appearance()->HourMarkLength(), 8);
    EXPECT_EQ(w.Appearance()->HourFont()->Name(), "Comic Sans MS");
    EXPECT_TRUE(w.ShowAMPM());

    w.SetComponentStyle(tsOffice2003Blue);
    const TWatchAppearance& a = *w.Appearance();
    EXPECT_EQ(a.AMPMBorderColor(), 0x962D00u);
    EXPECT_EQ(a.BackgroundColor(), 0xFFD2AFu);
    EXPECT_EQ(a.BackgroundColorTo(), 0xFFD2AFu);
    EXPECT_EQ(a.HourPointer(), 0xD68759u);
    EXPECT_EQ(a.SecondPointer(), 0xFFFFFFu);
    EXPECT_EQ(a.CenterPointOuterBorderColor(), 0u);
    w.SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(a.AMPMFont()->Color(), 0xF2F1F0u);
    EXPECT_EQ(a.CenterPointColor(), 0xFFEFE3u);
    w.SetComponentStyle(tsCustom);
    EXPECT_EQ(a.BackgroundColor(), 0x5C534Cu);
    EXPECT_EQ(a.AMPMFont()->Color(), 0u);
}

class WatchOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 300);
        watch = new TQvWatch(form.get());
        watch->SetParent(form.get());
        watch->SetBounds(10, 10, 180, 180);
        form->Show();
        QApplication::processEvents();
    }
    QImage Shot() { return watch->Widget()->grab().toImage(); }
    void Click(int x, int y) { qvtest::ClickAt(watch->Widget(), QPointF(x, y)); }

    std::unique_ptr<TForm> form;
    TQvWatch* watch = nullptr;
};

TEST_F(WatchOnForm, ClicksSetTheHourInsideTheMinuteOutsideAndSwitchTheHalfOnTheBox) {
    watch->SetAnimation(false);
    struct Case {
        const char* name;
        int h, m;
        int x, y;
        int toH, toM;
    } cases[] = {
        {"just outside at three", 9, 20, 172, 90, 9, 15},
        {"just inside at three, morning", 9, 20, 165, 90, 3, 20},
        {"just inside at three, afternoon", 21, 20, 165, 90, 15, 20},
        {"near twelve, morning", 9, 20, 75, 22, 0, 20},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        watch->SetTime(TimeOfParts(k.h, k.m, 0, 0));
        Click(k.x, k.y);
        EXPECT_EQ(Parts(*watch).Hour, k.toH);
        EXPECT_EQ(Parts(*watch).Minute, k.toM);
    }
    // The box switches the half of the day; with animation its text rolls over on a timer.
    watch->SetAnimation(true);
    watch->SetTime(TimeOfParts(9, 20, 0, 0));
    const TRect box = watch->GetAMPMRect();
    Click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(Parts(*watch).Hour, 21);
    EXPECT_FALSE(watch->AM());
    EXPECT_TRUE(watch->AMPMTimer()->Enabled());
    int steps = 0;
    while (watch->AMPMTimer()->Enabled() && steps < 100) {
        Tick(watch->AMPMTimer());
        watch->Widget()->repaint();
        ++steps;
    }
    EXPECT_EQ(steps, box.Height() - 2);
    // In automatic mode a click changes nothing.
    watch->Settings()->SetAuto(true);
    const TDateTime t = watch->Time();
    Click(165, 90);
    EXPECT_EQ(watch->Time(), t);
    EXPECT_FALSE(watch->AnimationTimer()->Enabled());
}

TEST_F(WatchOnForm, FaceHandsAndBoxOnAGrab) {
    watch->SetTime(TimeOfParts(9, 15, 0, 0));
    QImage img = Shot();
    EXPECT_EQ(img.pixel(60, 60), WatchRgb(0xFFFFFF)) << "face";
    EXPECT_NE(img.pixel(12, 12), WatchRgb(0xFFFFFF)) << "corner outside the round face";
    EXPECT_TRUE(WatchDark(img.pixel(12, 90))) << "border";
    EXPECT_TRUE(WatchDark(img.pixel(130, 90))) << "minute hand at a quarter past";
    EXPECT_TRUE(WatchDark(img.pixel(58, 86))) << "hour hand just past nine";
    watch->SetTime(TimeOfParts(3, 0, 0, 0));
    img = Shot();
    EXPECT_TRUE(WatchDark(img.pixel(120, 90))) << "hour hand at three";
    EXPECT_TRUE(WatchDark(img.pixel(90, 40))) << "minute hand at twelve";
    EXPECT_EQ(img.pixel(58, 86), WatchRgb(0xFFFFFF)) << "no hand left at nine";
    const TRect box = watch->GetAMPMRect();
    EXPECT_TRUE(WatchDark(img.pixel(box.Left, (box.Top + box.Bottom) / 2))) << "box frame";
    EXPECT_EQ(img.pixel(box.Left + 1, box.Top + 1), WatchRgb(0xFFFFFF)) << "box fill";

    watch->SetComponentStyle(tsOffice2003Blue);
    img = Shot();
    EXPECT_EQ(img.pixel(60, 60), WatchRgb(0xFFD2AF)) << "styled face";
    EXPECT_EQ(img.pixel(box.Left + 1, box.Top + 1), WatchRgb(0xD68759)) << "styled box fill";
}

TEST_F(WatchOnForm, InAutomaticModeATickRedrawsOnlyTheHandsOverTheCachedFace) {
    watch->Settings()->SetAuto(true);
    EXPECT_TRUE(watch->WatchTimer()->Enabled());
    watch->Widget()->repaint();
    const int faces = watch->FacePaintCount();
    const int hands = watch->HandsPaintCount();
    for (int i = 0; i < 3; ++i) {
        Tick(watch->WatchTimer());
        watch->Widget()->repaint();
    }
    EXPECT_EQ(watch->FacePaintCount(), faces);
    EXPECT_EQ(watch->HandsPaintCount(), hands + 3);
    // A change of the look draws the face again.
    watch->Appearance()->SetBackgroundColor(0xEEEEEE);
    watch->Widget()->repaint();
    EXPECT_EQ(watch->FacePaintCount(), faces + 1);
    watch->Settings()->SetAuto(false);
    EXPECT_FALSE(watch->WatchTimer()->Enabled());
}
