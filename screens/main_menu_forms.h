#pragma once
// The names of the main menu's forms, as their form files name them.
namespace menu_forms {

inline constexpr const char* MENU = "menu";
inline constexpr const char* LOGIN = "login";
inline constexpr const char* CONFIRM_DELETE = "confirmdelete";
inline constexpr const char* NEW_USER = "newuser";
inline constexpr const char* EXIT = "exit";
inline constexpr const char* OPTIONS = "options";
inline constexpr const char* HIGH_SCORES = "highscores";
inline constexpr const char* STORY = "story";
inline constexpr const char* RELAXED = "relaxed";

// Profiles the login form lets a player create.
inline constexpr int MAX_LOGIN_PROFILES = 7;
// Rows of the high-score form.
inline constexpr int HIGH_SCORE_ROWS = 10;

}  // namespace menu_forms
