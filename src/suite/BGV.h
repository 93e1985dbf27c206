// The suite's business-event codes as bookings carry them in their event field.
#pragma once

#include <string_view>

inline constexpr std::string_view BGV_VERKALLG = "VERKALLG";
inline constexpr std::string_view BGV_AUFWBUCH = "AUFWBUCH";
inline constexpr std::string_view BGV_PRIMANOTA = "PRIMANOTA";
inline constexpr std::string_view BGV_ARE = "ARE";
inline constexpr std::string_view BGV_ASG = "ASG";
inline constexpr std::string_view BGV_ERT = "ERT";
inline constexpr std::string_view BGV_AGU = "AGU";
inline constexpr std::string_view BGV_ELA = "ELA";
inline constexpr std::string_view BGV_EINGRE = "EINGRE";
inline constexpr std::string_view BGV_EGU = "EGU";
inline constexpr std::string_view BGV_ESG = "ESG";
