#pragma once

// Bounds of the values a user types, shared by the dialogs and the command line.
constexpr double MIN_AMOUNT = -99999.99;
constexpr double MAX_AMOUNT = 99999.99;
constexpr double MIN_STATEMENT = -9999999.99;
constexpr double MAX_STATEMENT = 9999999.99;
constexpr long long MIN_CHECK_NUM = 0;
constexpr long long MAX_CHECK_NUM = 65535;
constexpr int MAX_DESC_CHARS = 255;
constexpr int MAX_PASSWORD_CHARS = 12;
constexpr int MAX_BANK_CHARS = 255;
constexpr int MAX_USER_TYPE_NAME_CHARS = 30;
constexpr int MAX_USER_TYPE_ABBR_CHARS = 1;
constexpr int MIN_ROWS_PER_PAGE = 10;
constexpr int MAX_ROWS_PER_PAGE = 100;
constexpr int MIN_FONT_POINTS = 8;
constexpr int MAX_FONT_POINTS = 18;
// Check numbers a search may ask for; entries carry 16-bit numbers.
constexpr long long MAX_SEARCH_CHECK_NUM = 999999;
