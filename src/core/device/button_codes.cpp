#include "core/device/button_codes.h"

namespace oryn7px {

namespace {

struct FunctionCode {
    int32_t type;
    uint32_t code;
};

constexpr FunctionCode kFunctionCodes[] = {
    {1, 0x00F00001},   {2, 0x00F10001},   {4, 0x00F20001},   {8, 0x00F40001},   {16, 0x00F30001},
    {11, 0x00010004},  {22, 0x00020004},  {32, 0x00CD0003},  {33, 0x00B70003},  {34, 0x00B60003},
    {35, 0x00B50003},  {37, 0x00E90003},  {38, 0x00EA0003},  {39, 0x00E20003},  {40, 0x01830003},
    {81, 0x003D0400},  {82, 0x000F0800},  {84, 0x00150800},  {85, 0x00070800},  {121, 0x00000007},
    {123, 0x00100800}, {124, 0x002B0400}, {125, 0x00140800}, {126, 0x00570800}, {127, 0x00560800},
    {142, 0x08040007}, {143, 0x0218F00A}, {146, 0x00030007},
};

}  // namespace

std::optional<uint32_t> FixedButtonCode(int32_t functionType) {
    for (const FunctionCode& entry : kFunctionCodes) {
        if (entry.type == functionType) return entry.code;
    }
    return std::nullopt;
}

}  // namespace oryn7px
