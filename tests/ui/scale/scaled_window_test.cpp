// The main window at a device pixel ratio of 2: the same layout in window units, hit areas and
// masks where they were, the pages' pictures from the 2x set, the wheel's colours unchanged.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "core/i18n/languages.h"
#include "core/layout/dialogs_layout.h"
#include "core/layout/frame_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/programs_dialog_layout.h"
#include "core/layout/setting_popup_layout.h"
#include "core/layout/skin_files.h"
#include "ui/frame/info_dialog.h"
#include "ui/frame/programs_dialog.h"
#include "main_window_fixture.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/pages/setting_popup_dlg.h"
#include "ui/pages/page_table.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {
namespace {

namespace mw = main_window;
namespace lp = lighting_page;

QRect TabBox(int page) {
    QPolygon outline;
    for (const LayoutPoint& p : mw::kPageTabs[static_cast<std::size_t>(page - 1)]) outline << QPoint(p.x, p.y);
    return outline.boundingRect();
}

class ScaledWindow : public test::MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_GT(qGuiApp->devicePixelRatio(), 1.0) << "these tests run with QT_SCALE_FACTOR above 1";
        UseLanguage(kLanguageEnglish);
        MainWindowTest::SetUp();
        ASSERT_TRUE(dialog->OnInitDialog());
        test::Flush();
    }
    void ClickWindowAt(QPoint at) {
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, at);
        test::Flush();
    }
};

TEST_F(ScaledWindow, KeepsItsLayoutInWindowUnits) {
    EXPECT_EQ(dialog->size(), QSize(957, 636));
    const QImage shown = dialog->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(957, 636) * 2);
    for (int page = 1; page <= kPageCount; ++page) {
        EXPECT_EQ(dialog->Tab(page)->geometry(), TabBox(page)) << page;
        Press(dialog->Tab(page));
        test::Flush();
        // A page is as large as its 1x picture, at the page area's corner.
        const CPageDlg* built = dialog->Page(page);
        const QString picture = QString::fromLatin1(PageTable()[static_cast<std::size_t>(page - 1)].pictures.normal);
        EXPECT_EQ(built->geometry(), QRect(ToQRect(mw::kPageArea).topLeft(), QImage(SkinPath(picture)).size())) << page;
        EXPECT_EQ(built->Picture().devicePixelRatio(), 2.0) << page;
    }
}

TEST_F(ScaledWindow, TheFrameAroundThePagesShowsItsOwnPlaceOfTheFramePicture) {
    const QImage frame(SkinPath(QString::fromStdString(ScaledSkinFile(mw::kPictures.normal, 2))));
    const QImage shown = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Points on the four bands outside their first quarter, which a cut taking window units for
    // pixels would still show in place: left of the tabs, right of the page area, left of the
    // flag, above the profile buttons.
    for (const QPoint at : {QPoint(5, 110), QPoint(950, 300), QPoint(5, 600), QPoint(600, 598)})
        EXPECT_EQ(shown.pixel(at * 2), frame.pixel(at * 2)) << at.x() << "," << at.y();
}

TEST_F(ScaledWindow, DialogsKeepTheirSizeInWindowUnits) {
    CDlgInfo box(QStringLiteral("x"), true, false, strings);
    EXPECT_EQ(box.size(), QSize(info_box::kWidth, info_box::kHeight));

    QSize progressSize;
    QTimer::singleShot(0, &progress, [&] {
        progressSize = progress.size();
        PostMessageTo(&progress, {UM_APPLY_PROGRESS, 100, 0});
        PostMessageTo(&progress, {WM_CLOSE, 0, 0});
    });
    progress.RunModal();
    EXPECT_EQ(progressSize, QSize(progress_window::kWidth, progress_window::kHeight));

    QSize popupSize;
    QTimer::singleShot(0, [&popupSize] {
        auto* popup = qobject_cast<CSettingDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(popup, nullptr);
        popupSize = popup->size();
        popup->CloseButton()->click();
    });
    qobject_cast<CDlgMainSet*>(dialog->Page(1))->AssignButton(0);
    EXPECT_EQ(popupSize, QSize(setting_popup::kWidth, setting_popup::kHeight));
}

TEST_F(ScaledWindow, TheProgramsDialogShowsItsTwoXPicturesPixelForPixel) {
    ProgramRules rules;
    rules.programs[1] = {"game.exe"};
    CDlgPrograms programs(nullptr, ProgramsForProfile(rules, 2, {}, 0), QStringLiteral("x"), strings, messages);
    EXPECT_EQ(programs.size(), QSize(programs_dialog::kWidth, programs_dialog::kHeight));
    const QImage picture(SkinPath(QString::fromStdString(ScaledSkinFile(programs_dialog::kPictures.normal, 2))));
    const QImage shown = programs.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(programs_dialog::kWidth, programs_dialog::kHeight) * 2);
    // The backdrop at the left, the accent line under the title bar, the name field's edge.
    for (const QPoint at : {QPoint(4, 200), QPoint(210, 30), QPoint(200, programs_dialog::kNameBox.top - 2)})
        EXPECT_EQ(shown.pixel(at * 2), picture.pixel(at * 2)) << at.x() << "," << at.y();

    // Every opaque pixel of the ticked row's 2x tick box shows as drawn.
    const QImage tick(SkinPath(QStringLiteral("tick_on_normal@2x.png")));
    CListBoxEx& list = *programs.List();
    const QImage row = list.viewport()->grab(list.visualItemRect(list.item(0))).toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint tickAt = QPoint(5, (programs_dialog::kListRowHeight - 16) / 2) * 2;
    int compared = 0;
    for (int y = 0; y < tick.height(); ++y) {
        for (int x = 0; x < tick.width(); ++x) {
            if (qAlpha(tick.pixel(x, y)) != 255) continue;
            ++compared;
            ASSERT_EQ(row.pixel(tickAt + QPoint(x, y)) | 0xFF000000u, tick.pixel(x, y) | 0xFF000000u) << x << "," << y;
        }
    }
    EXPECT_GT(compared, 50);
}

TEST_F(ScaledWindow, OpensAtTheTopLeftOfAScreenTooSmallForIt) {
    // The offscreen screen is 800 × 800 pixels: 400 × 400 window units at ratio 2.
    const QRect available = dialog->screen()->availableGeometry();
    ASSERT_LT(available.height(), dialog->height());
    EXPECT_EQ(dialog->pos(), available.topLeft());
}

TEST_F(ScaledWindow, AClickOnAScaledTabSwitchesThePage) {
    for (int page : {2, 5, 3, 4, 1}) {
        ClickWindowAt(TabBox(page).center());
        EXPECT_EQ(dialog->SelectedPage(), page);
        EXPECT_TRUE(dialog->Page(page)->isVisible()) << page;
    }
}

TEST_F(ScaledWindow, AMaskedTabIgnoresClicksOutsideItsOutline) {
    // Inside the first tab's box, beyond its slanted right edge: the second tab's outline.
    const QPoint beyondTheSlant(205, 90);
    ASSERT_TRUE(TabBox(1).contains(beyondTheSlant));
    EXPECT_EQ(dialog->childAt(beyondTheSlant), dialog->Tab(2));
    ClickWindowAt(beyondTheSlant);
    EXPECT_EQ(dialog->SelectedPage(), 2);
}

TEST_F(ScaledWindow, TheWheelStoresTheColourTheOneXPictureHasAtThatPoint) {
    ClickWindowAt(TabBox(2).center());
    auto* page = qobject_cast<CDlgLEDSet*>(dialog->Page(2));
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page->EffectRadio(2), Qt::LeftButton);
    test::Flush();
    const QPoint at(lp::kOtherLayout.wheel.left + 85, lp::kOtherLayout.wheel.top + 40);
    const QColor oneX = QImage(SkinPath(QString::fromLatin1(lp::kPictures.normal))).pixelColor(at);
    ASSERT_GT(oneX.saturation(), 40) << "the wheel is painted at this point";
    EXPECT_EQ(page->grab().toImage().pixelColor(at * 2), oneX) << "what the user sees";
    QTest::mouseClick(page, Qt::LeftButton, {}, at);
    test::Flush();
    const auto& stored = state->profile.LightColor[4];
    EXPECT_EQ(QColor(stored.red, stored.green, stored.blue), oneX);
}

}  // namespace
}  // namespace oryn7px
