#include "gallery.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "art.h"
#include "core/i18n/string_table.h"
#include "core/layout/dialogs_layout.h"
#include "core/layout/frame_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "theme.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_wnd.h"
#include "ui/skin/wnd_popup.h"
#include "ui/skin/xp_menu.h"

namespace oryn7px::skingen {

namespace {

namespace mw = main_window;

// The gallery reads no language file: its captions are the English ones.
class NoCodePages final : public CodePageConverter {
public:
    std::optional<std::u16string> ToUtf16(uint32_t, std::string_view) const override { return std::nullopt; }
    uint32_t AnsiCodePage() const override { return 0; }
};

// A canvas that paints a background picture and optional texts, like the real windows do.
class Canvas : public QWidget {
public:
    Canvas(QWidget* parent, const QImage& background) : QWidget(parent), background_(background) {
        resize(background.size());
    }
    std::function<void(QPainter&)> paintExtra;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, background_);
        if (paintExtra) paintExtra(painter);
    }

private:
    QImage background_;
};

void Hover(QWidget* widget, QPoint at) {
    QEnterEvent enter(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// The demo page: one set of full-page pictures in the usual three looks plus disabled.
struct DemoPage {
    QImage normal, hover, pressed, disabled;
};

DemoPage MakeDemoPage(QSize size, const std::vector<QRect>& faces, const QRect& editField) {
    DemoPage page;
    QImage* targets[] = {&page.normal, &page.hover, &page.pressed, &page.disabled};
    const Look looks[] = {Look::Normal, Look::Hover, Look::Pressed, Look::Normal};
    for (int i = 0; i < 4; ++i) {
        *targets[i] = NewImage(1, size.width(), size.height(), theme::kPanel);
        QPainter painter(targets[i]);
        for (const QRect& face : faces) {
            if (i == 3)
                PaintDisabledFace(painter, face);
            else
                PaintFace(painter, face, looks[i]);
        }
        PaintInputField(painter, editField);
    }
    return page;
}

void Label(QPainter& painter, QPoint at, const QString& text) {
    painter.setFont(ArtFont(11, 700));
    painter.setPen(theme::kAccentLight);
    painter.drawText(at, text);
}

}  // namespace

bool RenderGallery(const QString& programFolder, const QString& outFile) {
    SetProgramFolder(programFolder);
    QWidget sheet;
    sheet.resize(1400, 1090);
    sheet.setAttribute(Qt::WA_DontShowOnScreen);
    auto* backdrop = new Canvas(&sheet, NewImage(1, 1400, 1090, theme::kBackgroundBottom));
    backdrop->paintExtra = [](QPainter& painter) {
        painter.setFont(ArtFont(20, 800));
        painter.setPen(Qt::white);
        painter.drawText(QPoint(20, 32), QStringLiteral("ORYN7PX — skinned controls"));
        Label(painter, QPoint(1000, 62), QStringLiteral("LANGUAGE MENU"));
        Label(painter, QPoint(1150, 62), QStringLiteral("TRAY MENU"));
        Label(painter, QPoint(1000, 372), QStringLiteral("MESSAGE BOX — QUESTION (hover OK)"));
        Label(painter, QPoint(1000, 562), QStringLiteral("MESSAGE BOX — INFORMATION (pressed OK)"));
        Label(painter, QPoint(1000, 752), QStringLiteral("PROGRESS WINDOW"));
        Label(painter, QPoint(20, 722), QStringLiteral("TROPHIES 0–12"));
        Label(painter, QPoint(20, 868), QStringLiteral("LANGUAGE FLAGS 142–153"));
        Label(painter, QPoint(20, 938), QStringLiteral("LIST ROW PICTURES, SCROLL-BAR SKIN, SLIDER THUMB, ICONS"));
    };

    // Main window: frame, tabs, profile buttons, apply, caption buttons.
    const QImage frame = LoadSkinImage("Frame_Normal.bmp");
    auto* window = new Canvas(&sheet, frame);
    window->move(20, 50);
    window->paintExtra = [](QPainter& painter) {
        QFont model = SkinFont("MS Shell Dlg", 16, 800);
        model.setStretch(QFont::Condensed);
        painter.setFont(model);
        painter.setPen(QColor(64, 196, 221));
        painter.drawText(ToQRect(mw::kModelName), Qt::AlignCenter, QStringLiteral("ORYN7PX"));
        painter.setFont(SkinFont("MS Shell Dlg", 14, 300));
        painter.setPen(QColor(190, 190, 190));
        painter.drawText(ToQRect(mw::kHintBar).adjusted(10, 0, -4, 0), Qt::AlignVCenter | Qt::TextWordWrap,
                         QStringLiteral("Lighting: effects, colours and speed"));
    };
    const QImage over = LoadSkinImage("Frame_Over.bmp"), down = LoadSkinImage("Frame_Down.bmp");
    const LayoutRect captionRects[] = {mw::kMinimiseButton, mw::kHideButton, mw::kLanguageButton};
    std::vector<CGDIBitmapBtn*> captionButtons;
    for (const LayoutRect& r : captionRects) {
        auto* button = new CGDIBitmapBtn;
        button->Create(ToQRect(r), window, 0);
        button->SetPictures(ToQRect(r), frame, over, down, frame);
        captionButtons.push_back(button);
    }
    Hover(captionButtons[0], {5, 5});
    captionButtons[2]->SetMode(true, false);
    captionButtons[2]->SetChecked(true);
    auto* flag = new CGDIBitmapBtn;
    flag->Create(ToQRect(mw::kFlagPicture), window, 1010);
    const QImage flagPicture = LoadResource(143);
    flag->SetPictures(flagPicture.rect(), flagPicture, flagPicture, flagPicture, flagPicture);

    std::vector<CIrrButton*> tabs;
    auto irregular = [&](const LayoutQuad& quad) {
        auto* button = new CIrrButton;
        button->SetPictures(mw::kButtonPicturesOther);
        button->Create(quad, window);
        button->SetHighlightMode(true);
        return button;
    };
    for (const LayoutQuad& q : mw::kPageTabs) tabs.push_back(irregular(q));
    tabs[1]->SetHighlighted(true);
    Hover(tabs[3], {60, 18});
    std::vector<CIrrButton*> profiles;
    for (const LayoutQuad& q : mw::kProfileButtons) profiles.push_back(irregular(q));
    profiles[0]->SetHighlighted(true);
    Hover(profiles[2], {45, 14});
    CIrrButton* apply = irregular(mw::kApplyButton);
    (void)apply;
    const NoCodePages noCodePages;
    CaptionBoard().Show(*window, mw::kCaptions, StringTable(noCodePages));

    // The page area shows each control family in its states.
    const QRect page = ToQRect(mw::kPageArea);
    std::vector<QRect> faces;
    for (int i = 0; i < 4; ++i) faces.push_back(QRect(30 + i * 130, 40, 118, 32));
    for (int i = 0; i < 4; ++i) faces.push_back(QRect(30 + i * 130, 96, 20, 20));
    const QRect editField(620, 40, 70, 24);
    const DemoPage demo = MakeDemoPage(page.size(), faces, editField);
    auto* pageCanvas = new Canvas(window, demo.normal);
    pageCanvas->move(page.topLeft());
    pageCanvas->paintExtra = [](QPainter& painter) {
        Label(painter, {30, 28}, QStringLiteral("PICTURE BUTTONS: NORMAL · HOVER · PRESSED · DISABLED"));
        painter.setFont(SkinFont("MS Shell Dlg", 13, 400));
        painter.setPen(QColor(0xBD, 0xBD, 0xC8));
        const char* checks[] = {"Off", "Hover", "Checked", "Disabled"};
        for (int i = 0; i < 4; ++i) painter.drawText(QPoint(58 + i * 130, 111), QString::fromLatin1(checks[i]));
        Label(painter, {620, 28}, QStringLiteral("NUMBER FIELD"));
        Label(painter, {30, 150}, QStringLiteral("COLOUR BUTTONS"));
        Label(painter, {30, 218}, QStringLiteral("SLIDERS: 1..10 AT 7 · DISABLED"));
        Label(painter, {30, 300}, QStringLiteral("PROGRESS: 0 · 50 · 100 %"));
        Label(painter, {620, 150}, QStringLiteral("LIST WITH ROW PICTURES AND SKINNED SCROLL BAR"));
    };
    const char* buttonTexts[] = {"Normal", "Hover", "Pressed", "Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new CGDIBitmapBtn;
        button->Create(faces[i], pageCanvas, 0);
        button->SetPictures(faces[i], demo.normal, demo.hover, demo.pressed, demo.disabled);
        button->SetText(QString::fromLatin1(buttonTexts[i]));
        if (i == 1) Hover(button, {5, 5});
        if (i == 2) button->setDown(true);
        if (i == 3) button->setEnabled(false);
        auto* check = new CGDIBitmapBtn;
        check->Create(faces[4 + i], pageCanvas, 0);
        check->SetPictures(faces[4 + i], demo.normal, demo.hover, demo.pressed, demo.disabled);
        check->SetMode(true, true);
        if (i == 1) Hover(check, {5, 5});
        if (i == 2) check->SetChecked(true);
        if (i == 3) check->setEnabled(false);
    }
    auto* edit = new CBitmapEdit;
    edit->Create(editField.adjusted(6, 3, -3, -3), pageCanvas, 1013);
    edit->SetBackground(editField.adjusted(6, 3, -3, -3), demo.normal);
    edit->SetRange(100, 16000);
    edit->setText(QStringLiteral("1600"));

    const QColor colours[] = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xA5, 0x00), QColor(0xFF, 0xFF, 0x00),
                              QColor(0x00, 0xFF, 0x00), QColor(0x40, 0xC4, 0xDD), QColor(0x00, 0x93, 0xD1),
                              QColor(0xAA, 0x00, 0xFF), QColor(0xFF, 0xFF, 0xFF)};
    for (int i = 0; i < 8; ++i) {
        auto* swatch = new CColorBtn(pageCanvas);
        swatch->setGeometry(30 + i * 40, 160, 30, 30);
        swatch->SetColour(colours[i]);
    }

    const QImage thumb = LoadSkinImage("Slider.png");
    QImage trackPicture = NewImage(1, page.width(), page.height(), theme::kPanel);
    {
        QPainter painter(&trackPicture);
        for (int y : {240, 270}) {
            painter.fillRect(QRect(30, y + 4, 300, 3), QColor(0x06, 0x08, 0x0B));
            painter.fillRect(QRect(30, y + 4, 300, 1), theme::kEdge);
        }
    }
    for (int i = 0; i < 2; ++i) {
        auto* slider = new CPngHSliderBar;
        const QRect track(30, 234 + i * 30, 300, 16);
        slider->Create(thumb, track, pageCanvas, 2564 + i);
        slider->SetBackground(track, trackPicture);
        slider->SetRange(1, 10);
        slider->SetPos(i == 0 ? 7 : 3);
        slider->Enable(i == 0);
    }
    const QImage progressEmpty = LoadSkinImage("ProgressBar/Progress_Normal.png");
    const QImage progressFull = LoadSkinImage("ProgressBar/Progress_Over.png");
    for (int i = 0; i < 3; ++i) {
        auto* bar = new CPngHProgressBar;
        bar->Create(QRect(30, 312 + i * 22, 260, 9), pageCanvas, 777);
        bar->SetPictures(ToQRect(progress_window::kBar), progressEmpty, progressFull);
        bar->SetRange(0, 100);
        bar->SetPos(i * 50);
    }

    auto* list = new CListBoxEx(pageCanvas);
    list->setGeometry(620, 160, 280, 180);
    list->SetColours(QColor(0x12, 0x16, 0x1C), QColor(0, 147, 209));
    list->SetTextColours(QColor(0xBD, 0xBD, 0xC8), Qt::white);
    const std::pair<const char*, uint32_t> rows[] = {
        {"Key down  W", 2}, {"Delay  35 ms", 4}, {"Key up  W", 3},  {"Move  +12, -4", 5},
        {"Key down  Shift", 2}, {"Delay  20 ms", 4}, {"Key up  Shift", 3}, {"Delay  120 ms", 4},
        {"Key down  Space", 2}, {"Key up  Space", 3}, {"Move  -3, +8", 5}, {"Delay  10 ms", 4}};
    for (const auto& [text, kind] : rows) list->AddRow(QString::fromLatin1(text), kind, 0);
    list->setCurrentRow(1);
    CSkinScrollWnd* scroll = CSkinScrollWnd::Wrap(list, LoadSkinImage("ScrollBar.png"));

    // Right column: popups and dialogs.
    auto* languageMenu = new CMenuExA;
    languageMenu->SetBackground(language_menu::kBackgroundResource);
    QMouseEvent hoverItem(QEvent::MouseMove, QPointF(50, 6 + 22 + 8), QPointF(50, 36), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(languageMenu, &hoverItem);

    CXPMenu trayMenu;
    trayMenu.AddItem(0x6000, QStringLiteral("Config"), resources::kTrayConfigIcon, resources::kTrayConfigIcon);
    trayMenu.AddItem(0x6001, QStringLiteral("Exit"), resources::kTrayExitIcon, resources::kTrayExitIcon);
    trayMenu.setActiveAction(trayMenu.actions().first());

    struct BoxButton {
        LayoutRect rect;
        CaptionPlace caption;
        const char* text;
    };
    auto dialog = [&](const std::array<int, 3>& skins, std::initializer_list<BoxButton> buttons, QPoint at,
                      const QString& text, int state) {
        const QImage normal = LoadResource(skins[0]), pressed = LoadResource(skins[1]), hover = LoadResource(skins[2]);
        auto* box = new Canvas(&sheet, normal);
        box->move(at);
        box->paintExtra = [text](QPainter& painter) {
            painter.setFont(SkinFont("MS Shell Dlg", 14, 300));
            painter.setPen(QColor(0xBD, 0xBD, 0xC8));
            painter.drawText(ToQRect(info_box::kMessage).adjusted(0, -12, 0, 12), Qt::AlignVCenter | Qt::TextWordWrap, text);
            const CaptionPlace& title = info_box::kTitleCaption;
            ShownCaption{QStringLiteral("Tips"), ToQRect(title.box), title.style, title.align}.Paint(painter);
        };
        bool first = true;
        for (const BoxButton& shown : buttons) {
            auto* button = new CGDIBitmapBtn;
            const QRect rect = ToQRect(shown.rect);
            button->Create(rect, box, 1);
            button->SetPictures(rect, normal, hover, pressed, normal);
            button->SetCaption({QString::fromUtf8(shown.text), ToQRect(shown.caption.box).translated(-rect.topLeft()),
                                shown.caption.style, shown.caption.align});
            if (first && state == 1) Hover(button, {5, 5});
            if (first && state == 2) button->setDown(true);
            first = false;
        }
        auto* close = new CGDIBitmapBtn;
        close->Create(ToQRect(info_box::kCloseButton), box, 2);
        close->SetPictures(ToQRect(info_box::kCloseButton), normal, hover, pressed, normal);
    };
    dialog(info_box::kAskSkins,
           {{info_box::kAskOk, info_box::kAskCaptions[1], "OK"},
            {info_box::kAskCancel, info_box::kAskCaptions[2], "Cancel"}},
           {1000, 380}, QStringLiteral("Do you want to reset trophy data ?"), 1);
    dialog(info_box::kInfoSkins, {{info_box::kInfoOk, info_box::kInfoOkCaption, "OK (5s)"}}, {1000, 570},
           QStringLiteral("The mouse was connected."), 2);

    auto* progress = new Canvas(&sheet, progressEmpty);
    progress->move(1000, 760);
    progress->paintExtra = [](QPainter& painter) {
        const CaptionPlace& text = progress_window::kCaptions[0];
        ShownCaption{QString::fromUtf8("Updating is in progress, please wait…"), ToQRect(text.box), text.style,
                     text.align}
            .Paint(painter);
    };
    auto* progressBar = new CPngHProgressBar;
    progressBar->Create(ToQRect(progress_window::kBar), progress, 777);
    progressBar->SetPictures(ToQRect(progress_window::kBar), progressEmpty, progressFull);
    progressBar->SetRange(0, 100);
    progressBar->SetPos(64);

    // Bottom strip: trophies, flags, small pictures.
    auto* strip = new Canvas(&sheet, NewImage(1, 1360, 340, Qt::transparent));
    strip->move(20, 730);
    strip->paintExtra = [](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int level = 0; level < statistics_page::kTrophyLevels; ++level) {
            const QImage trophy = LoadSkinImage(QString::fromLatin1(statistics_page::kTrophyPictures[level]))
                                      .copy(ToQRect(statistics_page::kLargeTrophy));
            painter.drawImage(QRect(level * 74, 0, 66, 100), trophy);
        }
        for (int i = 0; i < language_menu::kLanguageCount; ++i) {
            painter.drawImage(QPoint(i * 76, 150), LoadResource(language_menu::kFirstFlagResource + i));
            painter.drawImage(QPoint(i * 76 + 42, 155), LoadResource(language_menu::kFirstIconResource + i));
        }
        const char* rowNames[] = {"up", "down", "delay", "CursorMove"};
        for (int i = 0; i < 4; ++i) {
            painter.fillRect(QRect(i * 60, 216, 52, 24), QColor(0x12, 0x16, 0x1C));
            painter.fillRect(QRect(i * 60 + 26, 216, 26, 24), QColor(0, 147, 209));
            painter.drawImage(QPoint(i * 60 + 5, 220), LoadSkinImage(QString("%1_normal.png").arg(rowNames[i])));
            painter.drawImage(QPoint(i * 60 + 31, 220), LoadSkinImage(QString("%1_select.png").arg(rowNames[i])));
        }
        const QImage scrollSkin = LoadSkinImage("ScrollBar.png");
        painter.drawImage(QRect(260, 210, scrollSkin.width() * 2, scrollSkin.height() * 2), scrollSkin);
        painter.drawImage(QRect(500, 214, 28, 32), LoadSkinImage("Slider.png"));
        painter.drawImage(QPoint(560, 200), LoadResource(resources::kAppIcon));
        painter.drawImage(QPoint(640, 220), LoadResource(resources::kTrayConfigIcon));
        painter.drawImage(QPoint(670, 220), LoadResource(resources::kTrayExitIcon));
        for (int i = 0; i < 3; ++i) {
            const char* names[] = {"Menu/MenuNorHaveSub.BMP", "Menu/MenuOverHaveSub.BMP", "Menu/MenuDownHaveSub.BMP"};
            painter.drawImage(QPoint(720, 200 + i * 26), LoadSkinImage(names[i]));
        }
    };
    strip->lower();
    backdrop->lower();

    sheet.show();
    QCoreApplication::processEvents();
    scroll->Sync();
    QImage out = sheet.grab().toImage();
    {
        QPainter painter(&out);
        painter.drawImage(QPoint(1000, 70), languageMenu->grab().toImage());
        painter.drawImage(QPoint(1150, 70), trayMenu.grab().toImage());
    }
    languageMenu->close();
    return out.save(outFile, "PNG");
}

}  // namespace oryn7px::skingen
