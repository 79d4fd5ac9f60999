// Drives libMenuEx.so through its C interface, loaded by file name as the program loads it.
#include <QApplication>
#include <QLibrary>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "abi/menu_ex_api.h"

namespace {

struct Posted {
    void* window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

std::vector<Posted>& Inbox() {
    static std::vector<Posted> inbox;
    return inbox;
}

void Record(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Inbox().push_back({window, message, wParam, lParam});
}

MenuExItem Item(uint32_t id, const std::u16string& text) {
    MenuExItem item{255, id, {}};
    for (std::size_t i = 0; i < text.size() && i < MENUEX_TEXT_UNITS; ++i) item.szText[i] = text[i];
    return item;
}

class MenuExLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        library.setFileName(QStringLiteral(MENUEX_TEST_LIBRARY));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        create = reinterpret_cast<CreateMenuExProc>(library.resolve("CreateMenuEx"));
        destroy = reinterpret_cast<DestroyMenuExProc>(library.resolve("DestroyMenuEx"));
        ASSERT_NE(create, nullptr);
        ASSERT_NE(destroy, nullptr);
        Inbox().clear();
        ASSERT_TRUE(folder.isValid());
        const QColor looks[] = {Qt::white, QColor(0, 0x93, 0xD1), QColor(0, 0x40, 0x80), Qt::gray};
        for (int i = 0; i < MENUEX_BITMAP_COUNT; ++i) {
            QImage picture(200, 24, QImage::Format_RGB32);
            picture.fill(looks[i % 4]);
            const QString path = folder.filePath(QString("item%1.bmp").arg(i));
            ASSERT_TRUE(picture.save(path));
            paths.push_back(path.toStdU16String());
        }
        for (const std::u16string& path : paths) pathPointers.push_back(reinterpret_cast<const uint16_t*>(path.c_str()));
        for (uint32_t id = 1; id <= 22; ++id) items.push_back(Item(id, u"Category " + std::u16string(1, u'A' + id - 1)));
    }
    void TearDown() override {
        if (destroy) destroy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int32_t Open(int32_t count) {
        return create(&owner, 24, 100, 120, 0x676153, 0xFFFFFF, 0xB98C15, pathPointers.data(), items.data(), count);
    }

    static QWidget* OpenMenu() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && QString(widget->metaObject()->className()).endsWith("CMenuExList")) return widget;
        }
        return nullptr;
    }

    QLibrary library;
    CreateMenuExProc create = nullptr;
    DestroyMenuExProc destroy = nullptr;
    int ownerWindow = 0;
    MenuExOwner owner{&ownerWindow, &Record};
    QTemporaryDir folder;
    std::vector<std::u16string> paths;
    std::vector<const uint16_t*> pathPointers;
    std::vector<MenuExItem> items;
};

TEST_F(MenuExLibraryTest, ShowsOneRowPerItemAtTheGivenPlace) {
    ASSERT_EQ(Open(22), 1);
    QWidget* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->size(), QSize(200, 22 * 24));
    EXPECT_EQ(menu->pos(), QPoint(100, 120));
}

TEST_F(MenuExLibraryTest, ChoosingAnItemPostsItsIdToTheOwnerAndLeavesTheMenuOpen) {
    ASSERT_EQ(Open(22), 1);
    QWidget* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    const QPoint fifth(50, 4 * 24 + 12);
    QMouseEvent move(QEvent::MouseMove, fifth, menu->mapToGlobal(fifth), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &move);
    EXPECT_EQ(menu->grab().toImage().pixelColor(150, fifth.y()), QColor(0, 0x93, 0xD1)) << "hover picture";
    EXPECT_EQ(menu->grab().toImage().pixelColor(150, 12), QColor(Qt::white)) << "normal picture";
    QTest::mouseClick(menu, Qt::LeftButton, {}, fifth);
    ASSERT_EQ(Inbox().size(), 1u);
    EXPECT_EQ(Inbox()[0].window, &ownerWindow);
    EXPECT_EQ(Inbox()[0].message, MENUEX_CHOICE_MESSAGE);
    EXPECT_EQ(Inbox()[0].wParam, 5u);
    EXPECT_EQ(Inbox()[0].lParam, 0);
    EXPECT_TRUE(menu->isVisible());
    destroy();
    EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(MenuExLibraryTest, TheArrowsMoveTheHoverRoundTheEndsAndSpaceChooses) {
    ASSERT_EQ(Open(3), 1);
    QWidget* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    // Up from none is the last item; Down from the last goes round to the first, then the second.
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(menu, key);
    EXPECT_EQ(menu->grab().toImage().pixelColor(150, 24 + 12), QColor(0, 0x93, 0xD1)) << "hover picture";
    EXPECT_TRUE(Inbox().empty());
    QTest::keyClick(menu, Qt::Key_Space);
    ASSERT_EQ(Inbox().size(), 1u);
    EXPECT_EQ(Inbox()[0].message, MENUEX_CHOICE_MESSAGE);
    EXPECT_EQ(Inbox()[0].wParam, 2u);
}

TEST_F(MenuExLibraryTest, ReleasingOffTheItemChoosesNothing) {
    ASSERT_EQ(Open(3), 1);
    QWidget* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    QTest::mousePress(menu, Qt::LeftButton, {}, QPoint(50, 12));
    QTest::mouseRelease(menu, Qt::LeftButton, {}, QPoint(50, 24 + 12));
    EXPECT_TRUE(Inbox().empty());
}

TEST_F(MenuExLibraryTest, BadArgumentsShowNothing) {
    struct Case {
        const char* what;
        const MenuExOwner* owner;
        int32_t itemHeight;
        const MenuExItem* items;
        int32_t count;
    };
    const MenuExOwner noPost{&ownerWindow, nullptr};
    const Case cases[] = {{"no owner", nullptr, 24, items.data(), 22},
                          {"owner without post", &noPost, 24, items.data(), 22},
                          {"no items", &owner, 24, nullptr, 22},
                          {"zero items", &owner, 24, items.data(), 0},
                          {"negative count", &owner, 24, items.data(), -5},
                          {"zero item height", &owner, 0, items.data(), 22}};
    for (const Case& c : cases) {
        EXPECT_EQ(create(c.owner, c.itemHeight, 0, 0, 0, 0, 0, nullptr, c.items, c.count), 0) << c.what;
        EXPECT_EQ(OpenMenu(), nullptr) << c.what;
    }
}

TEST_F(MenuExLibraryTest, UnterminatedTextIsCutAndMissingPicturesFallBackToColours) {
    MenuExItem full{255, 7, {}};
    for (uint16_t& unit : full.szText) unit = u'W';
    ASSERT_EQ(create(&owner, 24, 0, 0, 0x000000, 0xFFFFFF, 0xB98C15, nullptr, &full, 1), 1);
    QWidget* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->size(), QSize(200, 24));
    const QPoint inside(197, 2);  // beside the text
    QMouseEvent move(QEvent::MouseMove, inside, menu->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &move);
    EXPECT_EQ(menu->grab().toImage().pixelColor(inside), QColor(0x15, 0x8C, 0xB9)) << "hover colour from 0xB98C15";
}

TEST_F(MenuExLibraryTest, OpeningAgainReplacesTheMenu) {
    ASSERT_EQ(Open(22), 1);
    ASSERT_NE(OpenMenu(), nullptr);
    ASSERT_EQ(Open(2), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* second = OpenMenu();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->height(), 48);
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && QString(widget->metaObject()->className()).endsWith("CMenuExList")) ++open;
    EXPECT_EQ(open, 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
