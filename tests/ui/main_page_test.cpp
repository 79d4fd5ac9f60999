// The main settings page through its widgets, in both layouts: clicks at the layout rectangles
// change ProfileData as the page's rules say.
#include <QLineEdit>
#include <QTimer>

#include "core/layout/main_page_layout.h"
#include "core/base/utf16.h"
#include "main_window_fixture.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/pages/setting_popup_dlg.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px::test {
namespace {

namespace mp = main_page;

class MainPageTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        store->LoadProfileIndex();
        state->bChinese = GetParam() ? 1 : 0;
        strings.LoadLanguageFile(Program() / "Language" / (GetParam() ? "sc.xml" : "en.xml"));
        page = MakePage(QString::fromStdString(Program().string()));
        owner.show();
        messages.boxes.clear();
    }
    void TearDown() override {
        page.reset();
        MainWindowTest::TearDown();
    }
    std::unique_ptr<CDlgMainSet> MakePage(const QString& programFolder) {
        const PageContext context{&owner,          state->profile, state->ButtonMacroId, state->bChinese, *library,
                                  *store,          strings,        messages,             nullptr,         programFolder,
                                  {},              state->MacroTable,    keyboardLayout,  *statistics,
                                  nullptr,         GetParam()};
        return std::make_unique<CDlgMainSet>(context);
    }
    const mp::Layout& Geometry() const { return mp::LayoutFor(GetParam()); }

    // Clicks whatever control the page shows at `at` (page coordinates).
    QWidget* ClickAt(QPoint at) {
        QWidget* control = page->childAt(at);
        EXPECT_NE(control, nullptr) << "nothing at " << at.x() << "," << at.y();
        if (control) QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(page.get(), at));
        Flush();
        return control;
    }
    static QPoint Centre(const LayoutRect& rect) { return ToQRect(rect).center(); }

    RecordingWidget owner;
    std::unique_ptr<CDlgMainSet> page;
};

TEST_P(MainPageTest, ChecksAndRadiosChangeTheProfile) {
    ProfileData& p = state->profile;
    ClickAt(Centre(Geometry().dpiBoxes[2]));
    EXPECT_EQ(p.bDpiEnabled[2], 0);
    EXPECT_EQ(p.nDpiOrder[2], 255);
    EXPECT_EQ(p.nDpiOrder[3], 2);
    EXPECT_TRUE(page->DpiSlider(2)->IsDisabled());
    ClickAt(Centre(Geometry().dpiBoxes[2]));
    EXPECT_EQ(p.bDpiEnabled[2], 1);
    EXPECT_EQ(p.nDpiOrder[2], 2);

    const int32_t codes[] = {8, 4, 2, 1};
    for (int r = 0; r < 4; ++r) {
        ClickAt(Centre(Geometry().reportRates[static_cast<std::size_t>(r)]));
        EXPECT_EQ(p.nReportRate, codes[r]);
    }
    ClickAt(Centre(Geometry().precisionBox));
    EXPECT_EQ(p.bEnhancePrecision, 1);
    ClickAt(Centre(Geometry().screenRadio));
    EXPECT_EQ(p.nWheelLines, -1);
    EXPECT_FALSE(page->LinesBox()->isEnabled());
    ClickAt(Centre(Geometry().linesRadio));
    EXPECT_EQ(p.nWheelLines, 3);
    ClickAt(Centre(Geometry().linesUp));
    EXPECT_EQ(p.nWheelLines, 4);
    EXPECT_EQ(page->LinesBox()->text(), "4");
}

TEST_P(MainPageTest, SlidersStoreWhereTheyAreClicked) {
    const QRect pointer = ToQRect(Geometry().pointerSlider);
    ClickAt(QPoint(pointer.right(), pointer.center().y()));
    EXPECT_EQ(state->profile.nPointerSpeed, 19) << "the last pixel of a 1..20 track (no round-up for this range)";
    const QRect dpi = ToQRect(Geometry().dpiSliders[1]);
    ClickAt(QPoint(dpi.left() + 1, dpi.center().y()));
    EXPECT_EQ(state->profile.nDpiValue[1], 1);
    EXPECT_EQ(page->DpiValueBox(1)->text(), "50");
    EXPECT_FALSE(page->DpiValueBox(1)->isEnabled());
}

TEST_P(MainPageTest, LinesBoxIsTakenBeforeApply) {
    page->LinesBox()->setText("007");
    emit page->LinesBox()->textEdited("007");
    page->BeforeApply();
    EXPECT_EQ(state->profile.nWheelLines, 7);
    EXPECT_EQ(page->LinesBox()->text(), "7");
    page->LinesBox()->setText("45");
    page->CommitWheelLines();
    EXPECT_EQ(state->profile.nWheelLines, 30);
    EXPECT_EQ(page->LinesBox()->text(), "30");
}

TEST_P(MainPageTest, RefreshShowsAProfileFromAFile) {
    state->profile.nReportRate = 3;
    state->profile.nWheelLines = -1;
    state->profile.Buttons[4].nFunction = 39;
    page->RefreshFromProfile();
    EXPECT_FALSE(page->LinesBox()->isEnabled());
    EXPECT_EQ(page->LinesBox()->text(), "1");
    EXPECT_TRUE(page->ButtonTab(4)->IsHighlighted());
    EXPECT_FALSE(page->ButtonTab(3)->IsHighlighted());
    for (int r = 0; r < 4; ++r) {
        auto* radio = qobject_cast<CGDIBitmapBtn*>(page->childAt(Centre(Geometry().reportRates[static_cast<std::size_t>(r)])));
        ASSERT_NE(radio, nullptr);
        EXPECT_FALSE(radio->GetChecked()) << r;
    }
}

TEST_P(MainPageTest, TabsReactOnlyInsideTheirOutline) {
    // Inside tab 1's box but left of its slanted edge: tab 0's outline there, then the gap between them.
    EXPECT_EQ(page->childAt(QPoint(95, 410)), page->ButtonTab(0));
    EXPECT_NE(page->childAt(QPoint(105, 410)), page->ButtonTab(1));
    EXPECT_EQ(page->childAt(QPoint(150, 420)), page->ButtonTab(1));
}

TEST_P(MainPageTest, MarkersFollowTheHoveredTab) {
    const QRect tab2 = ToQRect(BoundingBox(mp::kButtonTabs[2]));
    page->TrackMarkers(tab2.center(), true);
    EXPECT_TRUE(page->Marker(2)->GetChecked());
    EXPECT_FALSE(page->Marker(1)->GetChecked());
    page->TrackMarkers(tab2.center(), false);
    EXPECT_TRUE(page->Marker(2)->GetChecked()) << "kept while the window is behind";
    page->TrackMarkers(QPoint(tab2.left() + 5, tab2.center().y()), true);
    EXPECT_FALSE(page->Marker(2)->GetChecked()) << "17 pixels in from the edge";
}

TEST_P(MainPageTest, HoveringShowsHints) {
    const QPoint precision = Centre(Geometry().precisionBox);
    QWidget* box = page->childAt(precision);
    ASSERT_NE(box, nullptr);
    QMouseEvent move(QEvent::MouseMove, box->mapFrom(page.get(), precision), box->mapToGlobal(box->mapFrom(page.get(), precision)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
    Flush();
    const auto hints = owner.Received(UM_SHOW_HINT);
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.back().lParam, mp::kHintPrecision);
}

TEST_P(MainPageTest, CaptionsSitOnTheControlsTheyName) {
    const auto captionOn = [this](const LayoutRect& control) {
        const auto* holder = dynamic_cast<const CaptionHolder*>(page->childAt(Centre(control)));
        return holder ? holder->Caption().text : QStringLiteral("(no caption holder)");
    };
    const auto text = [this](CaptionId id) { return QString::fromStdU16String(strings.Caption(id)); };
    EXPECT_EQ(page->ButtonTab(0)->Caption().text, text(CaptionId::ButtonLeft));
    EXPECT_EQ(page->ButtonTab(7)->Caption().text, text(CaptionId::ButtonDpi));
    EXPECT_EQ(captionOn(Geometry().linesRadio), text(CaptionId::ScrollLines));
    EXPECT_EQ(captionOn(Geometry().screenRadio), text(CaptionId::ScrollScreen));
    // The Chinese layout's check box is wide enough to hold its caption; the other's is beside it.
    QStringList onPage;
    for (const ShownCaption& caption : page->Captions().OnOwner()) onPage << caption.text;
    EXPECT_EQ(captionOn(Geometry().precisionBox), GetParam() ? text(CaptionId::EnhancePrecision) : QString());
    EXPECT_EQ(onPage.contains(text(CaptionId::EnhancePrecision)), !GetParam());
    for (CaptionId id : {CaptionId::DpiLevels, CaptionId::Buttons, CaptionId::Slow, CaptionId::High, CaptionId::Lines})
        EXPECT_TRUE(onPage.contains(text(id))) << CaptionKeyOf(id).name;
}

TEST_P(MainPageTest, PopupResultIsCheckedAndStored) {
    // Menu on the left button while no other button has Click: refused, nothing changes.
    QTimer::singleShot(0, [] {
        auto* popup = qobject_cast<CSettingDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(popup, nullptr);
        popup->TabButton(3)->click();
        popup->BasicTab()->List()->setCurrentRow(10);  // Menu
        Flush();
        popup->OkButton()->click();
    });
    page->AssignButton(0);
    EXPECT_EQ(state->profile.Buttons[0].nFunction, 1);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0], GetParam() ? u"请保留至少一个键为\"单击\"功能!"
                                            : u"At least one button must be configured as 'Left click'!");
    EXPECT_EQ(page->Popup(), nullptr);
}

TEST_P(MainPageTest, WithoutTheMenuLibraryThePageCloses) {
    QTemporaryDir empty;
    auto orphan = MakePage(empty.path());
    orphan->show();
    Flush();
    EXPECT_FALSE(orphan->isVisible());
    EXPECT_TRUE(page->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainPageTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Chinese" : "Other"; });

}  // namespace
}  // namespace oryn7px::test
