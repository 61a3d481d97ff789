#include "generator/main_window_layout.h"

#include "generator/controls.h"

#ifndef YANXI_STATISTICS_HOST
#define YANXI_STATISTICS_HOST "127.0.0.1:8080"
#endif

namespace generator {

namespace {

using host::ControlKind;
using host::ControlSpec;
using host::kOnWindow;

constexpr int on(Control tab) { return static_cast<int>(tab); }

const char* const kGenders[] = {"男", "女"};

const ControlSpec kControls[] = {
    {.kind = ControlKind::TabControl, .parent = kOnWindow, .x = 356, .y = 38, .width = 350, .height = 148},
    {ControlKind::Button, on(Control::选择夹2), 237, 109, 100, 32, "随机怪兽"},
    {ControlKind::Button, on(Control::选择夹2), 123, 109, 100, 32, "随机丹药"},
    {ControlKind::Button, on(Control::选择夹2), 13, 109, 100, 32, "随机坐骑"},
    {ControlKind::Button, on(Control::选择夹2), 237, 59, 100, 32, "兵器"},
    {ControlKind::Button, on(Control::选择夹2), 123, 59, 100, 32, "西方装备"},
    {ControlKind::Button, on(Control::选择夹2), 13, 59, 100, 32, "东方装备"},
    {ControlKind::Button, on(Control::选择夹2), 237, 10, 100, 32, "武功魔法"},
    {ControlKind::Button, on(Control::选择夹2), 123, 10, 100, 32, "武功秘籍"},
    {ControlKind::Button, on(Control::选择夹2), 13, 10, 100, 32, "武功招数"},
    {ControlKind::MultilineEdit, on(Control::选择夹2), 440, 228, 80, 88, "", true},
    {.kind = ControlKind::TabControl, .parent = kOnWindow, .x = 6, .y = 38, .width = 360, .height = 148},
    {ControlKind::TransparentLabel, on(Control::选择夹1), 18, 82, 280, 48, "提示：双击名字复制"},
    {ControlKind::Button, on(Control::选择夹1), 104, 42, 88, 20, "随机生成"},
    {ControlKind::TransparentLabel, on(Control::选择夹1), 9, 42, 32, 20, "性别"},
    // "男" is selected at start, so the first full names are male ones.
    {.kind = ControlKind::DropDownList, .parent = on(Control::选择夹1), .x = 39, .y = 42, .width = 60,
     .height = 20, .items = kGenders, .item_count = 2, .selected_item = 0},
    {ControlKind::Button, on(Control::选择夹1), 189, 10, 80, 20, "随机复姓"},
    {ControlKind::Button, on(Control::选择夹1), 105, 10, 80, 20, "随机单姓"},
    {ControlKind::TransparentLabel, on(Control::选择夹1), 9, 10, 32, 20, "姓氏"},
    {ControlKind::Edit, on(Control::选择夹1), 39, 10, 60, 20, "杨"},
    {ControlKind::MultilineEdit, on(Control::选择夹1), 440, 228, 80, 88, "", true},
    {.kind = ControlKind::ReportList, .parent = kOnWindow, .x = 6, .y = 188, .width = 700, .height = 316,
     .column_title = "姓名", .column_width = 700, .font_name = "微软雅黑", .font_height = 14},
    // Hidden until its page arrives: an unreachable host leaves the result list uncovered.
    {ControlKind::StatisticsView, kOnWindow, 96, 432, 520, 48,
     "http://" YANXI_STATISTICS_HOST "/tongji/tongji.html", true},
};

static_assert(sizeof kControls / sizeof kControls[0] == kControlCount);

}  // namespace

const host::FormLayout kMainWindowLayout = {"砚溪", 50, 50, 713, 510, kControls, kControlCount};

}  // namespace generator
