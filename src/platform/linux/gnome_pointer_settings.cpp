#include "platform/linux/gnome_pointer_settings.h"

// The settings backend header is needed to tell a real store from GIO's in-memory fallback.
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <string_view>

#include "platform/linux/libinput_speed.h"

namespace oryn7px {

namespace {

constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";

// The installed mouse schema, or null. Looked up first because GSettings aborts the process on
// an unknown schema or key.
GSettingsSchema* LookUpMouseSchema() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, kMouseSchema, TRUE) : nullptr;
}

bool HasKey(const char* key) {
    GSettingsSchema* schema = LookUpMouseSchema();
    if (!schema) return false;
    const bool has = g_settings_schema_has_key(schema, key);
    g_settings_schema_unref(schema);
    return has;
}

// GIO falls back to a store in memory when dconf is missing: what is written there reaches no one.
bool SettingsAreStored() {
    GSettingsBackend* backend = g_settings_backend_get_default();
    const std::string_view type = G_OBJECT_TYPE_NAME(backend);
    g_object_unref(backend);
    return type != "GMemorySettingsBackend" && type != "GNullSettingsBackend";
}

// Whether `key` exists with the value's type and allows the value (an older schema may lack a key
// or a choice).
bool KeyTakes(GSettingsSchema* schema, const char* key, GVariant* value) {
    if (!g_settings_schema_has_key(schema, key)) return false;
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema, key);
    const bool takes = g_variant_is_of_type(value, g_settings_schema_key_get_value_type(schemaKey)) &&
                       g_settings_schema_key_range_check(schemaKey, value);
    g_settings_schema_key_unref(schemaKey);
    return takes;
}

}  // namespace

GnomePointerSettings::GnomePointerSettings(std::function<void(const std::string&)> notice)
    : notice_(std::move(notice)) {}

bool GnomePointerSettings::SetEnhancePrecision(bool on) {
    return Write(kProfileKey, g_variant_new_string(on ? "adaptive" : "flat"));
}

bool GnomePointerSettings::SetPointerSpeed(int32_t speed) {
    return Write(kSpeedKey, g_variant_new_double(LibinputSpeed(speed)));
}

PointerSupport GnomePointerSettings::Support() const {
    if (!SettingsAreStored()) return {};
    return {HasKey(kProfileKey), HasKey(kSpeedKey), false};
}

bool GnomePointerSettings::Write(const char* key, GVariant* value) {
    g_variant_ref_sink(value);
    GSettingsSchema* schema = LookUpMouseSchema();
    bool written = false;
    if (!schema) {
        NoticeOnce(std::string("the GSettings schema ") + kMouseSchema +
                   " is not installed; pointer settings are not applied");
    } else if (!SettingsAreStored()) {
        NoticeOnce("GSettings has no settings store (dconf); pointer settings are not applied");
    } else if (KeyTakes(schema, key, value)) {
        // A GSettings object per call: the calls may come from any thread.
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        written = g_settings_set_value(settings, key, value);
        g_settings_sync();
        g_object_unref(settings);
    }
    if (schema) g_settings_schema_unref(schema);
    g_variant_unref(value);
    return written;
}

void GnomePointerSettings::NoticeOnce(const std::string& reason) {
    if (!noticeGiven_.exchange(true) && notice_) notice_(reason);
}

}  // namespace oryn7px
