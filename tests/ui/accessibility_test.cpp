// The main window, its pages, the language menu and the key-assignment popup as assistive
// technology reads them: each control's role, its name in the UI language, its state and value.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "accessible_tree.h"
#include "core/i18n/caption_keys.h"
#include "core/i18n/language_keys.h"
#include "core/layout/lighting_page_layout.h"
#include "core/pages/main_page/main_page_model.h"
#include "core/settings/fresh_installation.h"
#include "main_window_fixture.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/pages/setting_popup_dlg.h"
#include "ui/pages/statistics_page_dlg.h"
#include "ui/pages/support_page_dlg.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/skin_scroll_bar.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {
namespace {

using Role = QAccessible::Role;
constexpr int kGerman = 5;

// What a person acts on: each of these must be named.
bool IsInteractive(Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::PageTab:
        case QAccessible::Slider:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::ListItem:
        case QAccessible::MenuItem:
        case QAccessible::PopupMenu:
        case QAccessible::ScrollBar: return true;
        default: return false;
    }
}

// The controls of src/ui/skin; none may fall back to Qt's anonymous default.
bool IsSkinnedControl(const QObject* object) {
    return qobject_cast<const CGDIBitmapBtn*>(object) || qobject_cast<const CIrrButton*>(object) ||
           qobject_cast<const CColorBtn*>(object) || qobject_cast<const CPngHSliderBar*>(object) ||
           qobject_cast<const CPngHProgressBar*>(object) || qobject_cast<const CBitmapEdit*>(object) ||
           qobject_cast<const CListBoxEx*>(object) || qobject_cast<const CSkinScrollBar*>(object);
}

QAccessibleInterface* Of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The node below `root` with this role and name, or null.
QAccessibleInterface* Find(QObject* root, Role role, const QString& name) {
    for (QAccessibleInterface* node : test::Descendants(root)) {
        if (node->role() == role && node->text(QAccessible::Name) == name) return node;
    }
    return nullptr;
}

QString Listing(QObject* root) {
    QString lines;
    for (QAccessibleInterface* node : test::Descendants(root)) lines += test::Describe(node) + QLatin1Char('\n');
    return lines;
}

class AccessibilityTest : public test::MainWindowTest {
protected:
    // An installed English data folder, every page built, the firmware version read.
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(FillFreshDataFolder(Data(), writer, kLanguageEnglish).empty());
        ASSERT_TRUE(dialog->OnInitDialog());
        test::Flush();
        for (int page = 1; page <= kPageCount; ++page) ASSERT_NE(dialog->Page(page), nullptr);
        auto* support = qobject_cast<CDlgSupport*>(dialog->Page(5));
        ASSERT_TRUE(QTest::qWaitFor([support] { return support->FirmwareVersionText() == QStringLiteral("V 1.0.3"); }, 3000));
    }

    CDlgMainSet& MainPage() { return *qobject_cast<CDlgMainSet*>(dialog->Page(1)); }
    CDlgLEDSet& LightingPage() { return *qobject_cast<CDlgLEDSet*>(dialog->Page(2)); }

    QString Caption(CaptionId id) const { return QString::fromStdU16String(strings.Caption(id)); }
    QString Numbered(CaptionId id, int number) const { return Caption(id).replace(QStringLiteral("%1"), QString::number(number)); }

    // Opens the key-assignment popup for the left button, hands it to `use`, and cancels it.
    void WithPopup(const std::function<void(CSettingDlg&)>& use) {
        bool used = false;
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<CSettingDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(popup, nullptr);
            use(*popup);
            used = true;
            popup->CloseButton()->click();
        });
        MainPage().AssignButton(0);
        EXPECT_TRUE(used);
    }

    // Opens the language menu, hands it to `use` and closes it.
    void WithLanguageMenu(const std::function<void(CMenuExA&)>& use) {
        Press(dialog->LanguageButton());
        CMenuExA* menu = dialog->LanguagePopup();
        ASSERT_NE(menu, nullptr);
        use(*menu);
        menu->close();
    }

    // Every node below `root` that is a skinned control or a control a person acts on must have
    // a role of its own and a name; returns the ones that do not.
    static QStringList Nameless(QObject* root) {
        QStringList wrong;
        for (QAccessibleInterface* node : test::Descendants(root)) {
            const bool skinned = IsSkinnedControl(node->object());
            if (skinned && (node->role() == QAccessible::Client || node->role() == QAccessible::NoRole))
                wrong << test::Describe(node);
            else if ((skinned || IsInteractive(node->role())) && node->text(QAccessible::Name).isEmpty())
                wrong << test::Describe(node);
        }
        return wrong;
    }

    // Skinned controls under `root` the tree does not reach.
    static QStringList Unreached(QWidget* root) {
        std::set<QObject*> reached;
        for (QAccessibleInterface* node : test::Descendants(root)) reached.insert(node->object());
        QStringList missed;
        for (QWidget* control : root->findChildren<QWidget*>()) {
            if (IsSkinnedControl(control) && control->window() == root && !reached.count(control))
                missed << QString::fromLatin1(control->metaObject()->className()) + QLatin1Char(' ') + control->objectName();
        }
        return missed;
    }
};

TEST_F(AccessibilityTest, EveryControlHasARoleAndAName) {
    EXPECT_EQ(Nameless(dialog.get()), QStringList()) << Listing(dialog.get()).toStdString();
    EXPECT_EQ(Unreached(dialog.get()), QStringList());
    EXPECT_GT(test::Descendants(dialog.get()).size(), 200u) << "the pages' controls are in the tree";
    WithPopup([](CSettingDlg& popup) {
        EXPECT_EQ(Nameless(&popup), QStringList()) << Listing(&popup).toStdString();
        EXPECT_EQ(Unreached(&popup), QStringList());
    });
    WithLanguageMenu([](CMenuExA& menu) { EXPECT_EQ(Nameless(&menu), QStringList()) << Listing(&menu).toStdString(); });
}

// One control of each kind, by where it is, its role and the name it must have in the loaded
// language; run in English, then again after the switch to German.
TEST_F(AccessibilityTest, EachKindOfControlHasItsRoleAndItsNameInTheUiLanguage) {
    struct Case {
        const char* kind;
        std::function<QObject*()> root;
        Role role;
        std::function<QString()> name;
    };
    const auto window = [this] { return static_cast<QObject*>(dialog.get()); };
    const auto page = [this](int n) { return [this, n] { return static_cast<QObject*>(dialog->Page(n)); }; };
    const auto caption = [this](CaptionId id) { return [this, id] { return Caption(id); }; };
    const auto text = [this](const char* key) { return [this, key] { return Text(key); }; };
    const auto fixed = [](const char* name) { return [name] { return QString::fromUtf8(name); }; };
    const std::vector<Case> cases{
        {"page tab", window, QAccessible::PageTab, caption(CaptionId::TabLighting)},
        {"profile button", window, QAccessible::RadioButton, [this] { return Numbered(CaptionId::Profile, 3); }},
        {"apply button", window, QAccessible::PushButton, caption(CaptionId::Apply)},
        {"language button", window, QAccessible::PushButton, caption(CaptionId::Lang)},
        {"frame button without words in the language files", window, QAccessible::PushButton, fixed("Hide to tray")},
        {"page", window, QAccessible::Pane, text("str_led_title")},
        {"DPI level box", page(1), QAccessible::CheckBox, [this] { return Caption(CaptionId::DpiLevels) + " 2"; }},
        {"DPI level slider", page(1), QAccessible::Slider, [this] { return Caption(CaptionId::DpiLevels) + " 7"; }},
        {"DPI value shown", page(1), QAccessible::StaticText, fixed("1250")},
        {"slider under a heading", page(1), QAccessible::Slider, caption(CaptionId::SensorHeight)},
        {"check box with its caption beside it", page(1), QAccessible::CheckBox, caption(CaptionId::EnhancePrecision)},
        {"report rate", page(1), QAccessible::RadioButton, fixed("500 Hz")},
        {"radio button", page(1), QAccessible::RadioButton, caption(CaptionId::ScrollScreen)},
        {"spin box", page(1), QAccessible::SpinBox, caption(CaptionId::Lines)},
        {"spin box arrow", page(1), QAccessible::PushButton, [this] { return Caption(CaptionId::Lines) + " +"; }},
        {"button spot on the mouse's picture", page(1), QAccessible::Graphic, caption(CaptionId::ButtonWheelUp)},
        {"button tab", page(1), QAccessible::PushButton, caption(CaptionId::ButtonForward)},
        {"heading", page(1), QAccessible::StaticText, caption(CaptionId::WheelScrolling)},
        {"effect", page(2), QAccessible::RadioButton, caption(CaptionId::EffectApm)},
        {"colour button", page(2), QAccessible::PushButton, text("str_multicolor2")},
        {"swatch", page(2), QAccessible::RadioButton, fixed("Red 250, green 5, blue 126")},
        {"slider beside its caption", page(2), QAccessible::Slider, caption(CaptionId::CycleSpeed)},
        {"colour slider", page(2), QAccessible::Slider, fixed("Green")},
        {"touch lighting", page(2), QAccessible::RadioButton, caption(CaptionId::TouchMode2)},
        {"macro button", page(3), QAccessible::PushButton, caption(CaptionId::Export)},
        {"record button", page(3), QAccessible::PushButton, caption(CaptionId::StartRecord)},
        {"repeat choice", page(3), QAccessible::RadioButton, caption(CaptionId::ToggleRepeat)},
        {"recorder pad", page(3), QAccessible::PushButton, text("str_middle")},
        {"number field", page(3), QAccessible::EditableText, caption(CaptionId::PlayCount)},
        {"list", page(3), QAccessible::List, caption(CaptionId::KeyList)},
        {"scroll bar", page(3), QAccessible::ScrollBar, caption(CaptionId::Macros)},
        {"painted hint", page(3), QAccessible::StaticText, caption(CaptionId::SelectLineHint)},
        {"level plate", page(4), QAccessible::StaticText, [this] { return Numbered(CaptionId::Level, 0); }},
        {"trophy", page(4), QAccessible::Graphic, [this] { return Numbered(CaptionId::Level, 12); }},
        {"count's label", page(4), QAccessible::StaticText, caption(CaptionId::CountWheelDown)},
        {"reset", page(4), QAccessible::PushButton, caption(CaptionId::Reset)},
        {"version label", page(5), QAccessible::StaticText, caption(CaptionId::FirmwareVersion)},
        {"painted version", page(5), QAccessible::StaticText, fixed("V 1.0.3")},
        {"support button", page(5), QAccessible::PushButton, caption(CaptionId::Defaults)},
    };
    const auto check = [&](const char* language) {
        for (const Case& c : cases) {
            EXPECT_NE(Find(c.root(), c.role, c.name()), nullptr)
                << language << ": no " << c.kind << " " << c.name().toStdString() << " (role 0x" << std::hex << c.role
                << ")\n" << Listing(c.root()).toStdString();
        }
        WithPopup([&](CSettingDlg& popup) {
            EXPECT_EQ(Of(&popup)->text(QAccessible::Name), Text("str_panel")) << language;
            EXPECT_TRUE(Of(&popup)->text(QAccessible::Description).startsWith(Text("str_cur_function"))) << language;
            const struct {
                Role role;
                QString name;
            } inPopup[] = {
                {QAccessible::PageTab, Text("str_basic")},   {QAccessible::CheckBox, QStringLiteral("Shift")},
                {QAccessible::CheckBox, Text("str_disable")}, {QAccessible::PushButton, Text("str_ok")},
                {QAccessible::PushButton, Text("str_close")}, {QAccessible::List, Text("str_macro_choose")},
                {QAccessible::ListItem, Text("str_mouseright")}, {QAccessible::RadioButton, Text("str_advanced_dir")},
            };
            for (const auto& control : inPopup) {
                EXPECT_NE(Find(&popup, control.role, control.name), nullptr)
                    << language << ": popup has no " << control.name.toStdString() << "\n" << Listing(&popup).toStdString();
            }
        });
        WithLanguageMenu([&](CMenuExA& menu) {
            EXPECT_EQ(Of(&menu)->role(), QAccessible::PopupMenu);
            EXPECT_EQ(Of(&menu)->text(QAccessible::Name), Caption(CaptionId::Lang)) << language;
            EXPECT_NE(Find(&menu, QAccessible::MenuItem, QStringLiteral("German")), nullptr) << Listing(&menu).toStdString();
        });
    };
    check("English");
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kGerman);
    ASSERT_EQ(Caption(CaptionId::Apply), QString::fromUtf8("ÜBERNEHMEN"));
    check("German");
}

// After a switch no name or description is left in English where German has words of its own.
TEST_F(AccessibilityTest, ALanguageSwitchLeavesNoEnglishNameBehind) {
    StringTable german{converter};
    german.LoadLanguageFile(LanguageFilePath(Program(), kGerman));
    std::set<QString> englishOnly;
    for (const LanguageKey& key : LanguageKeys()) {
        const QString english = Text(std::string(key.name).c_str());
        if (english != QString::fromStdU16String(german.Text(key.name))) englishOnly.insert(english);
    }
    for (const CaptionKey& key : CaptionKeys()) {
        if (strings.Caption(key.id) != german.Caption(key.id)) englishOnly.insert(Caption(key.id));
    }
    const auto englishTexts = [&] {
        QStringList found;
        for (QAccessibleInterface* node : test::Descendants(dialog.get())) {
            for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description}) {
                if (englishOnly.count(node->text(t))) found << test::Describe(node);
            }
        }
        return found;
    };
    ASSERT_GT(englishTexts().size(), 100) << "the English tree reads the English texts";
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kGerman);
    EXPECT_EQ(englishTexts(), QStringList());
}

TEST_F(AccessibilityTest, StatesFollowTheControls) {
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<QAccessibleInterface*()> node;
        std::function<bool(const QAccessible::State&)> holds;
    };
    const auto named = [this](int page, Role role, QString name) {
        return [this, page, role, name] { return Find(dialog->Page(page), role, name); };
    };
    const auto click = [](const std::function<QAccessibleInterface*()>& node) {
        return [node] { qobject_cast<QAbstractButton*>(node()->object())->click(); };
    };
    const auto object = [](const std::function<QObject*()>& get) { return [get] { return Of(get()); }; };
    const auto rate125 = named(1, QAccessible::RadioButton, QStringLiteral("125 Hz"));
    const auto rate1000 = named(1, QAccessible::RadioButton, QStringLiteral("1000 Hz"));
    const std::vector<Case> cases{
        {"a DPI level on", [] {}, object([this] { return MainPage().DpiBox(2); }),
         [](const QAccessible::State& s) { return s.checkable && s.checked; }},
        {"a DPI level turned off", [this] { MainPage().DpiBox(2)->click(); }, object([this] { return MainPage().DpiBox(2); }),
         [](const QAccessible::State& s) { return s.checkable && !s.checked; }},
        {"its slider disabled", [] {}, object([this] { return MainPage().DpiSlider(2); }),
         [](const QAccessible::State& s) { return s.disabled; }},
        {"the rate chosen", click(rate125), rate125, [](const QAccessible::State& s) { return s.checked; }},
        {"the rate left", [] {}, rate1000, [](const QAccessible::State& s) { return !s.checked; }},
        {"a profile chosen", [this] { Press(dialog->ProfileButton(2)); }, object([this] { return dialog->ProfileButton(2); }),
         [](const QAccessible::State& s) { return s.checkable && s.checked; }},
        {"the profile left", [] {}, object([this] { return dialog->ProfileButton(1); }),
         [](const QAccessible::State& s) { return s.checkable && !s.checked; }},
        {"a tab chosen", [this] { Press(dialog->Tab(4)); }, object([this] { return dialog->Tab(4); }),
         [](const QAccessible::State& s) { return s.selectable && s.selected; }},
        {"the tab left", [] {}, object([this] { return dialog->Tab(1); }),
         [](const QAccessible::State& s) { return !s.selected; }},
        {"the hidden page", [] {}, object([this] { return dialog->Page(1); }),
         [](const QAccessible::State& s) { return s.invisible; }},
        {"apply where it does nothing", [] {}, object([this] { return dialog->ApplyButton(); }),
         [](const QAccessible::State& s) { return s.disabled; }},
        {"a button held down", [this] { dialog->LanguageButton()->setDown(true); },
         object([this] { return dialog->LanguageButton(); }), [](const QAccessible::State& s) { return s.pressed; }},
        {"the field with the focus",
         [this] {
             Press(dialog->Tab(1));
             QApplication::setActiveWindow(dialog.get());
             MainPage().LinesBox()->setFocus();
         },
         object([this] { return MainPage().LinesBox(); }),
         [](const QAccessible::State& s) { return s.focusable && s.focused && s.editable; }},
        {"a slider without the focus", [] {}, object([this] { return MainPage().DpiSlider(0); }),
         [](const QAccessible::State& s) { return !s.focused; }},
    };
    for (const Case& c : cases) {
        c.act();
        test::Flush();
        QAccessibleInterface* node = c.node();
        ASSERT_NE(node, nullptr) << c.what;
        EXPECT_TRUE(c.holds(node->state())) << c.what << ": " << test::Describe(node).toStdString();
    }
}

TEST_F(AccessibilityTest, SlidersGiveTheirValueAndRange) {
    struct Case {
        const char* what;
        CPngHSliderBar* slider;
        ValueRange range;
    };
    QAccessibleInterface* pointer = Find(&MainPage(), QAccessible::Slider, Caption(CaptionId::PointerSpeed));
    ASSERT_NE(pointer, nullptr);
    const std::vector<Case> cases{
        {"DPI level 1", MainPage().DpiSlider(0), kDpiStepRange},
        {"DPI level 7", MainPage().DpiSlider(6), kDpiStepRange},
        {"pointer speed", qobject_cast<CPngHSliderBar*>(pointer->object()), kPointerSpeedRange},
        {"brightness", LightingPage().Slider(lighting_page::kBrightnessSliderId), kBrightnessRange},
        {"breathing speed", LightingPage().Slider(lighting_page::kBreathingSliderId), kBreathingSpeedRange},
        {"cycle speed", LightingPage().Slider(lighting_page::kCycleSpeedSliderId), kCycleSpeedRange},
        {"blue", LightingPage().Slider(lighting_page::kBlueSliderId), kChannelValueRange},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.slider, nullptr) << c.what;
        QAccessibleValueInterface* value = Of(c.slider)->valueInterface();
        ASSERT_NE(value, nullptr) << c.what;
        EXPECT_EQ(value->currentValue().toInt(), c.slider->GetPos()) << c.what;
        EXPECT_EQ(value->minimumValue().toInt(), c.range.minimum) << c.what;
        EXPECT_EQ(value->maximumValue().toInt(), c.range.maximum) << c.what;
        EXPECT_EQ(Of(c.slider)->text(QAccessible::Value), QString::number(c.slider->GetPos())) << c.what;
    }
    EXPECT_EQ(Of(MainPage().DpiSlider(6))->valueInterface()->currentValue().toInt(), 50) << "2500 DPI by default";
}

// A value set by assistive technology is taken as the user's own move or typing; a disabled
// slider takes none.
TEST_F(AccessibilityTest, ValuesSetThroughAssistiveTechnologyReachThePage) {
    CDlgMainSet& page = MainPage();
    QAccessibleInterface* pointer = Find(&page, QAccessible::Slider, Caption(CaptionId::PointerSpeed));
    ASSERT_NE(pointer, nullptr);
    pointer->valueInterface()->setCurrentValue(5);
    test::Flush();
    EXPECT_EQ(page.Model().View().pointerThumb, 5);
    pointer->valueInterface()->setCurrentValue(99);
    test::Flush();
    EXPECT_EQ(page.Model().View().pointerThumb, kPointerSpeedRange.maximum);

    page.DpiBox(0)->click();
    const int before = page.DpiSlider(0)->GetPos();
    Of(page.DpiSlider(0))->valueInterface()->setCurrentValue(before + 3);
    test::Flush();
    EXPECT_EQ(page.DpiSlider(0)->GetPos(), before);

    QAccessibleInterface* lines = Of(page.LinesBox());
    ASSERT_NE(lines->valueInterface(), nullptr);
    EXPECT_EQ(lines->valueInterface()->minimumValue().toInt(), kWheelLinesRange.minimum);
    EXPECT_EQ(lines->valueInterface()->maximumValue().toInt(), kWheelLinesRange.maximum);
    lines->valueInterface()->setCurrentValue(7);
    EXPECT_EQ(page.Model().View().linesText, u"7");
    EXPECT_EQ(lines->textInterface()->text(0, lines->textInterface()->characterCount()), QStringLiteral("7"));
}

}  // namespace
}  // namespace oryn7px
