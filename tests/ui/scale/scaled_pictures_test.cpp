// Above ratio 1 every picture comes from the 2x set: ratio 2, twice the pixels of its 1x twin,
// the same size in window units; controls cut their pieces and build their masks in window units.
#include <QBitmap>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/base/messages.h"
#include "core/layout/frame_layout.h"
#include "core/layout/main_page_layout.h"
#include "core/layout/skin_arithmetic.h"
#include "core/layout/skin_files.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_bar.h"
#include "ui/skin/skin_scroll_wnd.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {
namespace {

class ScaledPictures : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(qGuiApp->devicePixelRatio(), 1.0) << "these tests run with QT_SCALE_FACTOR above 1";
        SetProgramFolder(QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR));
    }
    void TearDown() override { SetProgramFolder(QString()); }

    // A file of the skins folder as stored, without the cache's choice of set.
    static QImage Stored(const std::string& file) { return QImage(SkinPath(QString::fromStdString(file))); }
};

TEST_F(ScaledPictures, EveryPictureHasRatioTwoAndTwiceThePixelsOfItsTwin) {
    for (const std::string& file : AllSkinFiles()) {
        const QImage picture = SkinPicture(QString::fromStdString(file));
        const QSize twin = QImageReader(SkinPath(QString::fromStdString(file))).size();
        ASSERT_FALSE(picture.isNull()) << file;
        EXPECT_EQ(picture.devicePixelRatio(), 2.0) << file;
        EXPECT_EQ(picture.size(), twin * 2) << file;
        EXPECT_EQ(LogicalSize(picture), twin) << file;
    }
}

TEST_F(ScaledPictures, WithoutItsTwinTheOneXPictureIsShown) {
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("skins")));
    ASSERT_TRUE(
        QFile::copy(SkinPath(QStringLiteral("Slider.png")), program.filePath(QStringLiteral("skins/Slider.png"))));
    SetProgramFolder(program.path());
    const QImage thumb = SkinPicture(QStringLiteral("Slider.png"));
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(thumb.devicePixelRatio(), 1.0);
    EXPECT_EQ(LogicalSize(thumb), QSize(14, 16));
}

TEST_F(ScaledPictures, AButtonCutsItsBoxAtTwiceThePixels) {
    QWidget parent;
    parent.resize(main_window::kWidth, main_window::kHeight);
    CIrrButton tab(&parent);
    tab.SetPictures(main_window::kButtonPicturesOther);
    tab.Create(main_window::kPageTabs[1], &parent);
    for (int look = 0; look < 4; ++look) {
        EXPECT_EQ(tab.Picture(look).devicePixelRatio(), 2.0) << look;
        EXPECT_EQ(LogicalSize(tab.Picture(look)), tab.size()) << look;
    }
    const QImage full = Stored(ScaledSkinFile(ResourceFile(main_window::kButtonPicturesOther[0]), 2));
    const QRect inPixels(tab.pos() * 2, tab.size() * 2);
    EXPECT_EQ(tab.Picture(0).convertToFormat(QImage::Format_ARGB32),
              full.copy(inPixels).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(ScaledPictures, TheSliderThumbKeepsItsShapeInWindowUnits) {
    QWidget parent;
    CPngHSlider thumb(&parent);
    thumb.SetPicture(SkinPicture(QString::fromLatin1(main_page::kSliderThumb)));
    EXPECT_EQ(thumb.size(), QSize(14, 16));
    // The shape of the 1x thumb: the 2x drawing may differ along the edge, by a unit at most.
    const QImage oneX = Stored(main_page::kSliderThumb);
    const QRegion oneXShape(QBitmap::fromImage(
        oneX.convertToFormat(QImage::Format_ARGB32).createMaskFromColor(oneX.pixel(0, 0), Qt::MaskInColor)));
    EXPECT_EQ(thumb.mask().boundingRect(), oneXShape.boundingRect());
    EXPECT_FALSE(thumb.mask().contains(QPoint(0, 0))) << "the key-coloured corner is not the thumb";
    EXPECT_TRUE(thumb.mask().contains(QPoint(7, 8)));
    // The key colour never shows, not even between the window units of the mask.
    const QRgb key = Stored(ScaledSkinFile(main_page::kSliderThumb, 2)).pixel(0, 0);
    const QImage shown = thumb.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(28, 32));
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) ASSERT_NE(shown.pixel(x, y), key) << x << "," << y;
}

// A full-window picture of the 2x set: dark, with one bright window unit at `mark`.
QImage MarkedPicture(QPoint mark) {
    QImage picture(QSize(main_window::kWidth, main_window::kHeight) * 2, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2);
    picture.fill(QColor(0x10, 0x10, 0x10));
    picture.setPixelColor(mark * 2, Qt::yellow);
    picture.setPixelColor(mark * 2 + QPoint(1, 0), Qt::yellow);
    picture.setPixelColor(mark * 2 + QPoint(0, 1), Qt::yellow);
    picture.setPixelColor(mark * 2 + QPoint(1, 1), Qt::yellow);
    return picture;
}

struct CutCase {
    const char* control;
    std::function<QWidget*(QWidget* parent, const QRect& rect, const QImage& picture)> make;
};

class ControlsCutInWindowUnits : public ScaledPictures, public ::testing::WithParamInterface<CutCase> {};

TEST_P(ControlsCutInWindowUnits, ThePieceUnderTheControlShowsAtItsPlace) {
    const QRect rect(200, 150, 60, 20);
    const QPoint markInControl(7, 5);
    QWidget parent;
    parent.resize(main_window::kWidth, main_window::kHeight);
    QWidget* control = GetParam().make(&parent, rect, MarkedPicture(rect.topLeft() + markInControl));
    const QImage shown = control->grab().toImage();
    ASSERT_EQ(shown.size(), rect.size() * 2);
    EXPECT_EQ(shown.pixelColor(markInControl * 2), QColor(Qt::yellow));
    EXPECT_EQ(shown.pixelColor(markInControl * 2 + QPoint(1, 1)), QColor(Qt::yellow));
    EXPECT_NE(shown.pixelColor(markInControl * 2 + QPoint(2, 2)), QColor(Qt::yellow));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlsCutInWindowUnits,
    ::testing::Values(
        CutCase{"picture button",
                [](QWidget* parent, const QRect& rect, const QImage& picture) -> QWidget* {
                    auto* button = new CGDIBitmapBtn(parent);
                    button->Create(rect, parent, 1);
                    button->SetPictures(rect, picture, picture, picture, picture);
                    return button;
                }},
        CutCase{"progress bar",
                [](QWidget* parent, const QRect& rect, const QImage& picture) -> QWidget* {
                    auto* bar = new CPngHProgressBar(parent);
                    bar->Create(rect, parent, 1);
                    bar->SetPictures(rect, picture, picture);
                    return bar;
                }},
        CutCase{"slider groove",
                [](QWidget* parent, const QRect& rect, const QImage& picture) -> QWidget* {
                    auto* bar = new CPngHSliderBar(parent);
                    bar->Create(SkinPicture(QString::fromLatin1(main_page::kSliderThumb)), rect, parent, 1);
                    bar->SetBackground(rect, picture);
                    return bar;
                }},
        CutCase{"number box",
                [](QWidget* parent, const QRect& rect, const QImage& picture) -> QWidget* {
                    auto* box = new CBitmapEdit(parent);
                    box->Create(rect, parent, 1);
                    box->SetBackground(rect, picture);
                    return box;
                }}),
    [](const ::testing::TestParamInfo<CutCase>& info) {
        std::string name = info.param.control;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(ScaledPictures, TheScrollBarKeepsItsCellsInWindowUnits) {
    const QImage skin = SkinPicture(QStringLiteral("ScrollBar.png"));
    QWidget window;
    auto* list = new QListWidget(&window);
    for (int i = 0; i < 100; ++i) list->addItem(QString::number(i));
    list->setGeometry(0, 0, 120, 200);
    CSkinScrollWnd::Wrap(list, skin);
    window.show();
    CSkinScrollBar* bar = window.findChild<CSkinScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->CellSize(), 12);
    EXPECT_EQ(bar->width(), 12);
    EXPECT_EQ(list->width(), 120 - 12);
    // The first arrow shows the skin's first cell whole, at full resolution.
    const QImage shown = bar->grab(QRect(0, 0, 12, 12)).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              skin.copy(0, 0, 24, 24).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(ScaledPictures, TheLanguageMenuCentresItsFlagsInWindowUnits) {
    QWidget owner;
    QPointer<CMenuExA> menu = new CMenuExA;
    menu->Show(&owner, 100, 100, UM_SET_LANGUAGE);
    const QImage shown = menu->grab().toImage();
    // The first flag (20 × 14) centred in the 25-unit icon column of the first row: near its
    // lower right corner it is the flag's red, not the menu's light background.
    const QRect row = ToQRect(MenuItemRect(0));
    const QPoint nearFlagCorner(row.left() + 2 + 17, row.top() + (row.height() - 14) / 2 + 11);
    EXPECT_EQ(shown.pixelColor(nearFlagCorner * 2), QColor(0xDE, 0x29, 0x10));
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace oryn7px
