#pragma once
// The web pages the program opens: the maker's pages and the product's.
constexpr const char* MAKER_HOME_PAGE = "https://footballkorva.example/";
constexpr const char* MAKER_SOCIAL_PAGE = "https://footballkorva.example/community";
constexpr const char* STORE_SEARCH_PAGE = "https://footballkorva.example/store?search=football+korva";
constexpr const char* FREE_UPDATE_PAGE = "https://footballkorva.example/updates";
constexpr const char* PRODUCT_PAGE = "https://footballkorva.example/football-korva";
// The start-up reminder's page ships with the installation, in its "Help"
// folder, so it opens without a connection.
constexpr const char* REMINDER_PAGE_TOPIC = "whatsnew";
// Where players report a problem the game noticed.
constexpr const char* SUPPORT_ADDRESS = "support@footballkorva.example";
// The statistics site whose player pages the Scouting Report links to
// ("https://" + host + "/players/<first letter>/<id>.htm").
constexpr const char* PLAYER_PAGE_HOST = "stats.footballkorva.example";
