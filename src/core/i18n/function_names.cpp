#include "core/i18n/function_names.h"

#include <array>

namespace oryn7px {

namespace {

struct FunctionName {
    int32_t code;
    std::u16string_view chinese;
    std::u16string_view english;
};

constexpr std::array<FunctionName, 28> kFunctionNames = {{
    {1, u"单击", u"Click"},
    {2, u"菜单", u"Menu"},
    {4, u"中键", u"Middle"},
    {8, u"前进", u"Forward"},
    {11, u"滚轮前滚", u"Scroll up"},
    {16, u"后退", u"Back"},
    {22, u"滚轮后滚", u"Scroll down"},
    {32, u"播放/暂停", u"Play/Pause"},
    {33, u"停止", u"Stop"},
    {34, u"上一曲", u"Previous"},
    {35, u"下一曲", u"Next"},
    {37, u"音量+", u"Volume up"},
    {38, u"音量-", u"Volume down"},
    {39, u"静音", u"Mute"},
    {40, u"音乐", u"Music"},
    {81, u"关闭窗口", u"Close window"},
    {82, u"锁定电脑", u"Lock PC"},
    {84, u"运行", u"Run"},
    {85, u"显示桌面", u"Show desktop"},
    {121, u"禁用按键", u"Disable key"},
    {123, u"进入传统界面", u"Enter classic desktop"},
    {124, u"切换应用程序", u"Switch applications"},
    {125, u"搜索", u"Search"},
    {126, u"放大", u"sreen zoom in"},
    {127, u"缩小", u"sreen zoom out"},
    {142, u"狙击键", u"SNIPE"},
    {143, u"火力", u"FIRE"},
    {146, u"DPI循环", u"DPI loop"},
}};

}  // namespace

std::u16string_view GetFunctionName(int32_t functionCode, bool chinese) {
    for (const FunctionName& entry : kFunctionNames) {
        if (entry.code == functionCode) return chinese ? entry.chinese : entry.english;
    }
    return {};
}

}  // namespace oryn7px
