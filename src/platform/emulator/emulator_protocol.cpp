#include "platform/emulator/emulator_protocol.h"


#include "platform/emulator/virtual_mouse_json.h"

namespace oryn7px {

namespace {

using nlohmann::json;

json Ok() { return {{"ok", true}}; }
json Error(const std::string& message) { return {{"ok", false}, {"error", message}}; }

std::optional<std::vector<uint8_t>> HexField(const json& request) {
    const auto it = request.find("hex");
    if (it == request.end() || !it->is_string()) return std::nullopt;
    auto bytes = FromHex(it->get<std::string>());
    if (!bytes || bytes->empty()) return std::nullopt;
    return bytes;
}

std::optional<uint64_t> NumberField(const json& request, const char* name) {
    const auto it = request.find(name);
    if (it == request.end() || !it->is_number_unsigned()) return std::nullopt;
    return it->get<uint64_t>();
}

json Enumerate(VirtualMouse& mouse) {
    json interfaces = json::array();
    // The mouse's own listing, so its firmware-update mode shows the bootloader's IDs.
    for (const HidInterfaceInfo& info : mouse.Enumerate()) {
        const bool bootloader = info.featureValueCaps.empty();
        interfaces.push_back({{"path", info.path},
                              {"vendor_id", info.vendorId},
                              {"product_id", info.productId},
                              {"report_descriptor", bootloader ? std::string() : ToHex(mouse.ReportDescriptor())}});
    }
    json answer = Ok();
    answer["interfaces"] = interfaces;
    return answer;
}

json Open(VirtualMouse& mouse, const json& request) {
    const auto path = request.find("path");
    if (path == request.end() || !path->is_string()) return Error("open needs a path");
    if (*path != VirtualMouse::kPath || !mouse.IsPlugged()) return Error("no such device");
    json answer = Ok();
    answer["handle"] = mouse.Generation();
    return answer;
}

json DeviceRequest(VirtualMouse& mouse, const std::string& op, const json& request) {
    const auto handle = NumberField(request, "handle");
    auto bytes = HexField(request);
    if (!handle || !bytes) return Error(op + " needs a handle and hex bytes");
    if (op == "set_feature") {
        switch (mouse.ReceiveFeature(*handle, bytes->data(), bytes->size())) {
            case FeatureOutcome::Accepted: return {{"ok", true}};
            case FeatureOutcome::TimedOut: return {{"ok", false}, {"result", "timed_out"}};
            case FeatureOutcome::Refused: break;
        }
        return {{"ok", false}};
    }
    if (op == "get_feature") {
        const bool answered = mouse.AnswerFeature(*handle, bytes->data(), bytes->size());
        return {{"ok", answered}, {"hex", ToHex(*bytes)}};
    }
    switch (mouse.ReceiveOutput(*handle, bytes->data(), bytes->size())) {
        case OutputOutcome::Accepted: return {{"ok", true}, {"result", "ok"}};
        case OutputOutcome::Pending: return {{"ok", true}, {"result", "pending"}};
        case OutputOutcome::Failed: break;
    }
    return {{"ok", true}, {"result", "error"}};
}

json Control(VirtualMouse& mouse, const std::string& op, const json& request, bool* quit) {
    if (op == "plug") mouse.Plug();
    else if (op == "unplug") mouse.Unplug();
    else if (op == "fail_output") mouse.FailOutput(true);
    else if (op == "pending_output") mouse.LeaveOutputPending(true);
    else if (op == "clear_faults") mouse.ClearFaults();
    else if (op == "reset") mouse.Reset();
    else if (op == "quit") *quit = true;
    else if (op == "dump") return VirtualMouseStateJson(mouse.Config(), mouse.State());
    else if (op == "fail") {
        const auto command = NumberField(request, "command");
        if (!command || *command > 0xFF) return Error("fail needs a command byte");
        mouse.RefuseCommand(static_cast<uint8_t>(*command));
    } else if (op == "time_out") {
        const auto command = NumberField(request, "command");
        if (!command || *command > 0xFF) return Error("time_out needs a command byte");
        mouse.TimeOutCommand(static_cast<uint8_t>(*command));
    } else if (op == "unplug_after") {
        const auto reports = NumberField(request, "reports");
        if (!reports || *reports > 0xFFFFFFFF) return Error("unplug_after needs a report count");
        mouse.UnplugAfterReports(static_cast<uint32_t>(*reports));
    } else {
        return Error("unknown request " + op);
    }
    return Ok();
}

}  // namespace

json HandleEmulatorRequest(VirtualMouse& mouse, const json& request, bool* quit) {
    if (!request.is_object() || !request.contains("op") || !request["op"].is_string()) {
        return Error("a request is an object with an op");
    }
    const std::string op = request["op"];
    if (op == "enumerate") return Enumerate(mouse);
    if (op == "open") return Open(mouse, request);
    if (op == "set_feature" || op == "get_feature" || op == "write_output") return DeviceRequest(mouse, op, request);
    return Control(mouse, op, request, quit);
}

}  // namespace oryn7px
