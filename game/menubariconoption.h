#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pondrel {

// The glyph shown in the system tray. The raw value is both the stored form
// of the setting and the title shown in Preferences.
enum class MenuBarIconOption { dots, cornerGrid, numberSquare };

inline constexpr std::array<MenuBarIconOption, 3> allMenuBarIconOptions{
    MenuBarIconOption::dots, MenuBarIconOption::cornerGrid, MenuBarIconOption::numberSquare};

constexpr std::string_view rawValue(MenuBarIconOption option)
{
    constexpr std::array<std::string_view, 3> names{"Dots", "Corner Grid", "Number Square"};
    return names[static_cast<int>(option)];
}

// Exact, case-sensitive match against the raw values.
constexpr std::optional<MenuBarIconOption> menuBarIconOptionFromRawValue(std::string_view text)
{
    for (const MenuBarIconOption option : allMenuBarIconOptions) {
        if (rawValue(option) == text) {
            return option;
        }
    }
    return std::nullopt;
}

} // namespace pondrel
